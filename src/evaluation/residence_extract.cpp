#include "evaluation/residence_extract.h"

#include "data/table_blocks.h"
#include "evaluation/profile_numbers.h"
#include "output/codepage.h"
#include "output/text_routines.h"

namespace tev {
namespace {

constexpr const char* kRangeTitle = "Auszug Wohnorte";

std::string LeadingColumns() {
    return "Disch;Schulnamek;";
}

// The heading of a table's block after the leading columns, from its heading row.
std::string BlockHeading(const DataSetText& text, const std::string& digits,
                         const std::string& rowWord) {
    const int header = text.FindBlock(digits);
    if (header < 0 || header + 1 >= static_cast<int>(text.lines().size())) return rowWord;
    const std::string& headingRow = text.lines()[static_cast<size_t>(header) + 1];
    const size_t cut = headingRow.find(';');
    return rowWord + (cut == std::string::npos ? "" : headingRow.substr(cut));
}

bool HasData(const std::string& row) {
    return DataSetText::HasDataFrom(row, 1);
}

bool LabelHas(const std::string& row, std::string_view piece) {
    return DataSetText::Cell(row, 0).find(piece) != std::string::npos;
}

// The lists of one year, filled school by school.
struct YearLists {
    explicit YearLists(const std::string& suffix) : suffix(suffix) {
        const std::string residence =
            LeadingColumns() +
            Win("Zeile;Wohnort der Schüler;Kreise;KS 5;KS 6;KS 7;KS 8;KS 9;KS 10;KS 11;Jgst.1;"
                "Jgst.2;zusammen");
        sg41.lines = {residence};
        sg41oins.lines = {"SG41 ges ohne insg, insg am Ende", residence};
        const std::string yearText = SchoolYearText(YearCodeOf(suffix));
        sg1118.lines = {"Statistik " + yearText + " (links 1.1 9j, rechts 1.8 8j)"};
        sg12.lines = {" Tab. 1.2"};
    }

    static int YearCodeOf(const std::string& suffix) {
        const int digits = ParseInt(suffix.substr(std::min<size_t>(1, suffix.size()), 2));
        return digits < 90 ? 100 + digits : digits;
    }

    void HeadingsFrom(const DataSetText& text) {
        if (headed) return;
        headed = true;
        const std::string lead = LeadingColumns();
        sg42.lines.push_back(lead + BlockHeading(text, "42", "Zeile"));
        sg43.lines.push_back(lead + BlockHeading(text, "43", "Zeile"));
        sg44all.lines.push_back(lead + BlockHeading(text, "44", "Zeile"));
        sg44.lines.push_back(sg44all.lines.back());
        sg12.lines.push_back(lead + BlockHeading(text, "12", "Zeilennr"));
        sg52.lines.push_back(lead + BlockHeading(text, "52", "Zeile"));
        const std::string tracks =
            lead + BlockHeading(text, "11", "Zeile") + ";|;" + BlockHeading(text, "18", "Zeile");
        sg1118.lines.push_back(tracks);
        fspf.lines.push_back(tracks);
        g.lines.push_back(tracks);
    }

    void Add(const DataSetText& text) {
        HeadingsFrom(text);
        const int h41 = text.FindBlock("41");
        for (const auto& row : text.BlockRows(h41)) {
            if (ParseInt(FieldAt(row, 13)) <= 0) continue;
            const std::string line = text.RowPrefix(h41) + row;
            sg41.lines.push_back(line);
            (LabelHas(row, "insgesamt") ? totals41 : sg41oins.lines).push_back(line);
        }
        CopyRows(text, "42", sg42, [](const std::string&) { return true; });
        CopyRows(text, "43", sg43, [](const std::string& row) {
            return HasData(row) || LabelHas(row, "zeitdiff") || LabelHas(row, "Insgesamt");
        });
        CopyRows(text, "44", sg44all, [](const std::string&) { return true; });
        const int h44 = text.FindBlock("44");
        const auto rows44 = text.BlockRows(h44);
        for (size_t i = 1; i < rows44.size(); ++i)
            sg44.lines.push_back(text.RowPrefix(h44) + rows44[i]);
        CopyRows(text, "12", sg12, HasData);
        CopyRows(text, "52", sg52, HasData);
        AddTracks(text);
        if (auto line = ProfileLine(text, "18"); !line.empty()) profiles8.push_back(line);
        if (auto line = ProfileLine(text, "11"); !line.empty()) profiles9.push_back(line);
    }

    template <typename Keep>
    static void CopyRows(const DataSetText& text, const std::string& digits, ExtractList& list,
                         Keep keep) {
        const int header = text.FindBlock(digits);
        for (const auto& row : text.BlockRows(header)) {
            if (keep(row)) list.lines.push_back(text.RowPrefix(header) + row);
        }
    }

    // Tables 1.1 and 1.8 side by side, row by row.
    void AddTracks(const DataSetText& text) {
        const int h11 = text.FindBlock("11");
        const int h18 = text.FindBlock("18");
        const auto nine = text.BlockRows(h11);
        const auto eight = text.BlockRows(h18);
        const std::string prefix = text.RowPrefix(h11 >= 0 ? h11 : h18);
        bool inSequences = true;
        for (size_t i = 0; i < std::max(nine.size(), eight.size()); ++i) {
            const std::string left = i < nine.size() ? nine[i] : "";
            const std::string right = i < eight.size() ? eight[i] : "";
            const std::string& labelled = left.empty() ? right : left;
            const std::string line = prefix + left + ";|;" + right;
            if (LabelHas(labelled, "insges")) inSequences = false;
            if (LabelHas(labelled, "Sch.in Regelkl") || LabelHas(labelled, "dchen Reg"))
                sg1118.lines.push_back(line);
            if (inSequences && (HasData(left) || HasData(right))) fspf.lines.push_back(line);
            if (left.find(";G;") != std::string::npos || right.find(";G;") != std::string::npos)
                g.lines.push_back(line);
        }
    }

    std::vector<ExtractList> Finish() {
        sg41oins.lines.insert(sg41oins.lines.end(), totals41.begin(), totals41.end());
        ExtractList profiles{"Prof_ges.csv", ProfileHeadingLines(suffix, "8j")};
        profiles.lines.insert(profiles.lines.end(), profiles8.begin(), profiles8.end());
        for (auto& line : ProfileHeadingLines(suffix, "9j"))
            profiles.lines.push_back(line);
        profiles.lines.insert(profiles.lines.end(), profiles9.begin(), profiles9.end());
        std::vector<ExtractList> lists = {sg41, sg41oins, sg42,   sg43, sg44all, sg44,
                                          sg12, sg52,     sg1118, fspf, g,       profiles};
        for (auto& list : lists)
            list.name = YearFileName(suffix, list.name);
        return lists;
    }

    std::string suffix;
    bool headed = false;
    ExtractList sg41{"SG41_ges.csv", {}};
    ExtractList sg41oins{"SG41oins.csv", {}};
    ExtractList sg42{"SG42_ges.csv", {}};
    ExtractList sg43{"SG43_ges.csv", {}};
    ExtractList sg44all{"SG44_alle.csv", {}};
    ExtractList sg44{"SG44_ges.csv", {}};
    ExtractList sg12{"SG12_ges.csv", {}};
    ExtractList sg52{"SG52_ges.csv", {}};
    ExtractList sg1118{"SG11_18_ges.csv", {}};
    ExtractList fspf{"SG11_18_FSpF.csv", {}};
    ExtractList g{"SG11_18_G.csv", {}};
    std::vector<std::string> totals41;
    std::vector<std::string> profiles8;
    std::vector<std::string> profiles9;
};

std::string DoneText() {
    return "SG41_ges.csv und SG41oins.csv erstellt\rSG42_ges.csv, SG43_ges.csv, SG44_ges.csv\r"
           "SG52_ges.csv und SG12_ges.csv\r und SG11_18*.csv und Prof_ges.csv";
}

} // namespace

std::vector<ExtractList> ResidenceLists(Engine& engine, const SchoolRange& range,
                                        const std::string& yearSuffix, int& schools,
                                        bool* stopped) {
    YearLists lists(yearSuffix);
    schools = ForEachSchoolFile(
        engine, range, yearSuffix, [&lists](int, const DataSetText& text) { lists.Add(text); },
        stopped);
    return lists.Finish();
}

void AuszugWohnorte1Click(Engine& engine) {
    const auto range = ChooseSchoolRange(engine, kRangeTitle);
    if (!range) return;
    int schools = 0;
    const auto lists = ResidenceLists(engine, *range, engine.startup.yearSuffix, schools);
    ReportExtractSaved(engine, DoneText(), SaveExtractLists(engine, lists));
}

void AuszugWohnorteJahre1Click(Engine& engine) {
    const auto range = ChooseSchoolRange(engine, kRangeTitle);
    if (!range) return;
    std::vector<std::string> failed;
    for (int year = engine.startup.schoolYearCode; year >= kFirstResidenceYear; --year) {
        const std::string suffix = YearSuffixOf(year);
        int schools = 0;
        bool stopped = false;
        const auto lists = ResidenceLists(engine, *range, suffix, schools, &stopped);
        if (stopped) break;
        const std::string yearText = SchoolYearText(year);
        if (schools == 0) {
            engine.outputBox.Add(yearText + Win(": keine Datensätze, übersprungen"));
            continue;
        }
        engine.outputBox.Add(yearText + ": " + std::to_string(schools) + " Schulen");
        for (auto& name : SaveExtractLists(engine, lists))
            failed.push_back(name);
    }
    ReportExtractSaved(engine, DoneText(), failed);
}

} // namespace tev
