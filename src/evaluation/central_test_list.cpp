#include "evaluation/central_test_list.h"

#include "evaluation/extract_files.h"
#include "evaluation/school_loop.h"
#include "output/codepage.h"
#include "output/text_routines.h"
#include "sheet/pupil_table_rows.h"

#include <map>
#include <set>

namespace tev {
namespace {

constexpr int kClass9Col = 7;
constexpr int kSumCol = 12;

// The columns of "schulen.txt" found by their heading, -1 for one it lacks.
struct MasterColumns {
    explicit MasterColumns(const std::string& heading) : names(SplitFields(heading)) {}
    int Of(const std::string& name) const {
        for (size_t i = 0; i < names.size(); ++i) {
            if (Trim(names[i]) == name) return static_cast<int>(i);
        }
        return -1;
    }
    static std::string Field(const std::vector<std::string>& fields, int col) {
        return col >= 0 && col < static_cast<int>(fields.size())
                   ? Trim(fields[static_cast<size_t>(col)])
                   : std::string();
    }
    std::vector<std::string> names;
};

bool Learns(const std::string& row, const char* language) {
    for (int col = 0; col <= 2; ++col) {
        if (DataSetText::Cell(row, col) == language) return true;
    }
    return false;
}

// Asks for the name under which a list goes ("Speichern unter"); empty when cancelled.
std::string ConfirmedName(Engine& engine, const std::string& name) {
    TextRequest request;
    request.caption = "Speichern unter";
    request.prompt = name;
    request.value = name;
    if (!engine.ui().AskText(request)) return {};
    return Trim(request.value);
}

} // namespace

CentralTestCounts CentralTestCountsOf(const DataSetText& text) {
    CentralTestCounts counts;
    for (const char* table : {"11", "18"}) {
        const std::string total = text.NumberedRow(table, pupil_rows::kAll);
        counts.all += ParseInt(DataSetText::Cell(total, kClass9Col));
        counts.pupils += ParseInt(DataSetText::Cell(total, kSumCol));
        for (int number = 1; number <= pupil_rows::kLastLanguageRow; ++number) {
            const std::string row = text.NumberedRow(table, number);
            const int pupils = ParseInt(DataSetText::Cell(row, kClass9Col));
            if (Learns(row, "E")) counts.english += pupils;
            if (Learns(row, "F")) counts.french += pupils;
            if (Learns(row, "L")) counts.latin += pupils;
        }
    }
    return counts;
}

void ZentraleKlassenarbeit1Click(Engine& engine) {
    const auto range = ChooseSchoolRange(engine, "ZentrKA ASCII schreiben");
    if (!range) return;
    const std::string masterPath = engine.startup.dataPath + "schulen.txt";
    DataSetText master;
    if (!master.Read(engine.services.files, masterPath) || master.empty()) {
        engine.services.messages.ShowInfo(
            Win("Die Schuldatei fehlt oder ist leer:\r") + masterPath +
            Win("\rOhne sie kann keine Liste für die Zentrale Klassenarbeit entstehen."));
        return;
    }
    const MasterColumns columns(master.lines().front());
    const int numberCol = columns.Of("Schulnummer");
    const int keyCol = columns.Of(Win("Schulschlüssel"));
    if (numberCol < 0 || keyCol < 0) {
        engine.services.messages.ShowInfo(
            Win("schulen.txt: die Kopfzeile nennt keine Spalte \"Schulnummer\" oder "
                "\"Schulschlüssel\""));
        return;
    }

    std::map<std::string, CentralTestCounts> bySchool;
    ForEachSchoolFile(engine, *range, engine.startup.yearSuffix, [&](int, const DataSetText& text) {
        bySchool[text.SchoolNumber()] = CentralTestCountsOf(text);
    });

    const int pupilsCol = columns.Of(Win("Schülerzahl"));
    std::vector<std::string> rewritten = {DosFromUtf8(Utf8FromWin(master.lines().front()))};
    std::vector<std::string> shortList = {Win("\"Schulschlüssel\";\"D\";\"E\";\"F\";\"L\";\"M\";"
                                              "\"Bem\";\"DM\"")};
    std::vector<std::string> addressList = {
        Win("Schulschlüssel;Schulname;Straße;PLZ;Ort;Deutsch;Englisch;Französisch;Latein;"
            "Mathematik")};
    for (size_t i = 1; i < master.lines().size(); ++i) {
        auto fields = SplitFields(master.lines()[i]);
        const auto found = bySchool.find(MasterColumns::Field(fields, numberCol));
        if (found != bySchool.end()) {
            const CentralTestCounts& c = found->second;
            if (pupilsCol >= 0 && pupilsCol < static_cast<int>(fields.size()))
                fields[static_cast<size_t>(pupilsCol)] = std::to_string(c.pupils);
            const std::string key = MasterColumns::Field(fields, keyCol);
            const std::string all = std::to_string(c.all);
            const std::string english = std::to_string(c.english);
            const std::string french = std::to_string(c.french);
            const std::string latin = std::to_string(c.latin);
            shortList.push_back("\"" + key + "\";" + all + ";" + english + ";" + french + ";" +
                                latin + ";" + all + ";\"\";" + all);
            std::string line = key;
            for (const char* name : {"Schulname", "Straße", "PLZ", "Ort"})
                line += ";" + MasterColumns::Field(fields, columns.Of(Win(name)));
            addressList.push_back(line + ";" + all + ";" + english + ";" + french + ";" + latin +
                                  ";" + all);
        }
        std::string line;
        for (size_t f = 0; f < fields.size(); ++f)
            line += (f ? ";" : "") + fields[f];
        rewritten.push_back(DosFromUtf8(Utf8FromWin(line)));
    }

    // A school read but not in the master file would silently be missing from the lists.
    std::set<std::string> listed;
    for (size_t i = 1; i < master.lines().size(); ++i)
        listed.insert(MasterColumns::Field(SplitFields(master.lines()[i]), numberCol));
    for (const auto& [number, counts] : bySchool) {
        if (!listed.count(number)) engine.outputBox.Add(number + " fehlt in schulen.txt");
    }

    std::vector<ExtractList> lists = {{"schulen_.txt", rewritten},
                                      {"ZKSch.txt", shortList},
                                      {"ZKSchul0.txt", addressList},
                                      {"ZKSchul.csv", addressList},
                                      {"ZKSch_07.csv", addressList}};
    std::vector<ExtractList> confirmed;
    std::string done;
    for (auto& list : lists) {
        list.name = ConfirmedName(engine, list.name);
        if (list.name.empty()) continue;
        done += (done.empty() ? "" : "\r") + list.name + " erstellt";
        confirmed.push_back(std::move(list));
    }
    if (confirmed.empty()) return;
    ReportExtractSaved(engine, done, SaveExtractLists(engine, confirmed));
}

} // namespace tev
