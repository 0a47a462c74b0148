#include "data/data_set_file.h"

#include "data/data_set_format.h"
#include "data/school_directory.h"
#include "output/codepage.h"
#include "output/text_routines.h"
#include "sheet/plausibility_test.h"
#include "sheet/record_mapping.h"
#include "shell/durable_file.h"
#include "shell/line_reader.h"

#include <filesystem>
#include <fstream>
#include <sstream>

namespace tev {
namespace {

std::string ListLineAt(const Engine& engine) {
    const auto& list = engine.schoolList;
    if (list.itemIndex < 0 || list.itemIndex >= static_cast<int>(list.lines.size())) return {};
    return list.lines[list.itemIndex];
}

std::string Chars(const std::string& line, size_t from, size_t to) {
    if (line.size() < from) return std::string(to - from + 1, ' ');
    return FixedWidth(line.substr(from - 1, to - from + 1), to - from + 1);
}

// One message for all a file did wrong, so that a garbage file does not bring a flood.
void ReportReadProblems(Engine& engine, const DataSetReadResult& result) {
    if (result.messages.empty()) return;
    std::string text = result.messages.front();
    if (result.messages.size() > 1) {
        text += " (und " + std::to_string(result.messages.size() - 1) + " weitere)";
    }
    engine.services.messages.ShowInfo(text);
}

// The office's data set files are a few kilobytes; anything near this is not one of them.
constexpr size_t kMaxDataSetFileBytes = 4 * 1024 * 1024;

std::string DataSetText(Engine& engine) {
    std::ostringstream text;
    for (const auto& name : BlockOrder(engine.sheet.schoolYearCode)) {
        if (StringGrid* grid = engine.sheet.grids.Find(name)) WriteTableBlock(engine, *grid, text);
    }
    return text.str();
}

// Why the sheet must not be written to its file, or empty.
std::string SaveRefusal(const Sheet& sheet) {
    if (sheet.loadState == LoadState::Unreadable)
        return sheet.currentFile + " konnte nicht gelesen werden (" + sheet.loadProblem +
               "); erst nach erfolgreichem Laden speicherbar";
    const std::string refusal = ReplaceRefusal(sheet.currentFile);
    if (!refusal.empty()) return sheet.currentFile + " " + refusal;
    return {};
}

} // namespace

// The backup of the old file and the new file are both written completely and synced under
// temporary names before either is renamed into place, so a full disk, a failing close or a
// crash before the renames leaves the old data set and the old backup exactly as they were.
bool WriteDataSetFile(Engine& engine, const std::string& fileName, std::string_view bytes) {
    auto& files = engine.services.files;
    auto& messages = engine.services.messages;
    std::unique_ptr<DurableFile> backup;
    std::error_code ec;
    if (std::filesystem::exists(fileName, ec)) {
        std::string problem;
        backup =
            files.PrepareCopy("-" + fileName, "-" + FileServices::BackupName(fileName), problem);
        if (!backup) {
            messages.ShowInfo("Sicherungskopie " + FileServices::BackupName(fileName) +
                              " nicht angelegt (" + problem + "); nicht gespeichert");
            return false;
        }
    }
    DurableFile data(files.disk(), fileName);
    const bool written =
        data.Begin(ReplacementMode(fileName)) && data.Write(bytes) && data.Finish();
    if (!written) {
        messages.ShowInfo(Win("kein Platz(???) für: ") + fileName + " (" + data.problem() + ")");
        return false;
    }
    if (backup && !backup->Commit()) {
        messages.ShowInfo("Sicherungskopie " + backup->target() + " nicht angelegt (" +
                          backup->problem() + "); nicht gespeichert");
        return false;
    }
    if (!data.Commit()) {
        messages.ShowInfo(Win("kein Platz(???) für: ") + fileName + " (" + data.problem() + ")");
        return false;
    }
    return true;
}

namespace {

// Lets the reader take the bytes already in memory without copying them into a stream.
class ViewBuffer : public std::streambuf {
public:
    explicit ViewBuffer(std::string& bytes) {
        setg(bytes.data(), bytes.data(), bytes.data() + bytes.size());
    }
};

// Reads the data set file whole before any of it goes into the grids: a file that exists but
// cannot be read to its end is an error the user sees, not an empty school.
DataSetReadResult ReadDataSetFile(Engine& engine, const std::string& file) {
    Sheet& sheet = engine.sheet;
    DataSetReadResult result;
    std::error_code ec;
    const auto status = std::filesystem::symlink_status(file, ec);
    if (!std::filesystem::exists(status)) {
        sheet.loadState = LoadState::Missing;
        return result;
    }
    FileBytes content = ReadWholeFile(engine.services.files.disk(), file, kMaxDataSetFileBytes);
    if (!content.ok) {
        sheet.loadState = LoadState::Unreadable;
        sheet.loadProblem = content.problem;
        engine.services.messages.ShowInfo("Datei kann nicht gelesen werden: " + file + " (" +
                                          content.problem + ")");
        return result;
    }
    ViewBuffer view(content.bytes);
    std::istream in(&view);
    DataSetReadOptions options;
    options.fileName = file;
    options.courseRegime = sheet.courseRegime;
    result = ReadDataSet(in, sheet.grids, sheet.header, options);
    sheet.loadState = LoadState::Read;
    ReportReadProblems(engine, result);
    return result;
}

bool ExportTables(Engine& engine) {
    const std::string tables =
        engine.sheet.schoolYearCode < 113
            ? "2.1 2.2 2.3 2.4 3.1 3.2 3.3 3.4 4.1 5.2 7.1 7.2 8.1 8.2 8.3 9.1"
            : "2.1 2.2 2.3 2.4 3.1 3.2 3.3 3.4 4.1 5.2 7.1 4.2 4.3 8.1 8.2 8.3 9.1";
    RangeRequest choice;
    choice.title = Win("Tabelle(n) schreiben nach STALn_n.ASC(für Übergabe an Fremdprogramme)");
    for (size_t i = 0; i + 2 < tables.size() + 1; i += 4)
        choice.items.push_back(tables.substr(i, 3));
    choice.multi = true;
    if (!engine.ui().SelectRange(choice)) return false;
    for (int line = choice.first; line <= choice.last; ++line) {
        const std::string table = choice.items[line - 1];
        StringGrid* grid = engine.sheet.grids.Find("SG" + table.substr(0, 1) + table.substr(2, 1));
        if (!grid) continue;
        const std::string file = (engine.workDirectory /
                                  ("STAL" + table.substr(0, 1) + "_" + table.substr(2, 1) + ".ASC"))
                                     .string();
        std::ofstream out;
        if (!engine.services.files.CreateForWriting(file, out)) return false;
        WriteTableBlock(engine, *grid, out);
    }
    return true;
}

bool ImportTables(Engine& engine) {
    const std::string file = engine.ui().ChooseFile(
        Win("Daten übernehmen aus ..."), engine.workDirectory.string() + "/", "stal*.asc");
    if (file.empty()) return false;
    if (!engine.services.messages.AskYesNo(Win("wirklich Daten aus  ") + file +
                                           Win("  übernehmen?"))) {
        return false;
    }
    std::ifstream in;
    if (!engine.services.files.OpenForReading(file, in)) return false;
    DataSetReadOptions options;
    options.import = true;
    options.fileName = file;
    options.courseRegime = engine.sheet.courseRegime;
    const DataSetReadResult result =
        ReadDataSet(in, engine.sheet.grids, engine.sheet.header, options);
    for (const auto& message : result.messages)
        engine.services.messages.ShowInfo(message);
    AfterLoad(engine.sheet, 1);
    return result.storedLines > 0;
}

} // namespace

void FillHeaderFromNameList(Engine& engine) {
    SchoolHeader& header = engine.sheet.header;
    std::ifstream in;
    if (engine.services.files.OpenForReading("-" + engine.startup.dataPath + "namen_.dat", in)) {
        LineReader reader(in);
        std::string line;
        while (reader.Next(line)) {
            if (line.size() < 24 || Chars(line, 9, 24) != header.shortName) continue;
            header.SetSchoolNumber(line.substr(2, 6));
            return;
        }
    }
    engine.services.log.Write(" nicht gefunden => 00000000");
    header.schoolKey = "00000000";
}

void WriteTableBlock(Engine& engine, StringGrid& grid, std::ostream& out) {
    if (!engine.sheet.header.Filled()) {
        FillHeaderFromNameList(engine);
        engine.services.log.Write("loading schuldisch for " + grid.Name() + ";" +
                                  engine.sheet.header.shortName);
    }
    if (grid.Name() == "SG44") {
        for (int col = 10; col <= 13; ++col) {
            if (!Trim(grid.Cells(col, 2)).empty()) grid.SetCells(col, 2, "x");
        }
    }
    WriteBlock(grid, engine.sheet.header, out);
}

bool LoadDataSet(Engine& engine, int mode) {
    if (mode == 1) return ImportTables(engine);
    Sheet& sheet = engine.sheet;
    const std::string listLine = ListLineAt(engine);
    sheet.schoolNumber = Chars(listLine, 3, 8);
    sheet.regionalNumber = Chars(listLine, 78, 83);
    sheet.caption = Chars(listLine, 3, 24);
    const std::string file = DataSetFileName(engine, sheet.schoolNumber);
    sheet.header.SetSchoolNumber(sheet.schoolNumber);
    sheet.header.yearText = SchoolYearText(engine.startup.schoolYearCode);

    sheet.form1997 = false;
    sheet.loadProblem.clear();
    const DataSetReadResult result = ReadDataSetFile(engine, file);
    const bool stored = result.storedLines > 0;
    sheet.form1997 = result.form1997;
    AfterLoad(sheet, 0);
    sheet.header.shortName = Chars(listLine, 9, 24);
    sheet.header.name = Chars(listLine, 31, 60);
    sheet.header.place = Chars(listLine, 61, 76);
    sheet.currentFile = file;
    engine.window.caption = file;
    return stored;
}

bool SaveDataSet(Engine& engine, int mode) {
    if (mode == 1) return ExportTables(engine);
    Sheet& sheet = engine.sheet;
    PlausibilityTest(engine);
    if (sheet.currentFile.empty()) return false;
    if (const std::string refusal = SaveRefusal(sheet); !refusal.empty()) {
        engine.services.messages.ShowInfo("nicht gespeichert: " + refusal);
        return false;
    }
    if (!engine.services.messages.AskYesNo(sheet.currentFile + "  wirklich abspeichern?")) {
        return false;
    }
    if (!WriteDataSetFile(engine, sheet.currentFile, DataSetText(engine))) return false;
    sheet.loadState = LoadState::Read;
    sheet.edited = false;
    sheet.history.Clear();
    if (mode == -1) engine.services.messages.ShowInfo("Schulstatistik-Daten sind gespeichert");
    return true;
}

} // namespace tev
