#include "summary/summary_run.h"

#include "data/school_directory.h"
#include "evaluation/school_loop.h"
#include "output/codepage.h"
#include "output/text_routines.h"
#include "summary/summary_export.h"
#include "summary/summary_reader.h"
#include "summary/summary_views.h"

#include <cmath>
#include <fstream>

namespace tev {
namespace {

constexpr const char* kAllMarks = "+?-0 ";
constexpr const char* kMarkChoices = "+;+?;+?-;?;?-;-;+?-0 ;0";
// Row 55 of tables 1.1 and 1.8 and its first class-level column.
constexpr int kRegularClassesRow = 55;
constexpr int kFirstLevelCol = 3;
constexpr size_t kMaxUnexpectedShown = 10;

// The nationalities of the data directory's list and the working groups of the table
// definition list, from its configured first entry on.
void SetCodeLists(Engine& engine, SummaryRows& rows) {
    std::vector<std::string> nationalities;
    if (!engine.services.files.LoadListFile("-" + engine.startup.dataPath + "stal_Nat.def",
                                            nationalities, false))
        nationalities.clear();
    std::erase_if(nationalities, [](const std::string& line) { return line.empty(); });
    const auto& items = engine.startup.tableDefinitionItems;
    const size_t first = static_cast<size_t>(std::max(1, engine.startup.tableDefinitionSelector));
    std::vector<std::string> groups;
    for (size_t i = first - 1; i < items.size(); ++i)
        if (!items[i].empty()) groups.push_back(items[i]);
    rows.SetCodeLists(std::move(nationalities), std::move(groups));
}

struct RunInput {
    SchoolRange range;
    std::string marks;
};

bool Chosen(const Engine& engine, const RunInput& input, int line) {
    const std::string& listLine = engine.schoolList.lines[line - 1];
    return !listLine.empty() && input.marks.find(listLine[0]) != std::string::npos;
}

// One pass over the chosen schools in list order; stops passing schools once the gauge is
// hidden. Returns the number of files that could be opened.
int ReadPass(Engine& engine, const RunInput& input, SummaryReadPass& pass, int& refusedLines) {
    Ui& ui = engine.ui();
    const bool logging = engine.services.log.enabled();
    const int count = static_cast<int>(engine.schoolList.lines.size());
    int opened = 0;
    for (int line = input.range.first; line <= input.range.last && line <= count; ++line) {
        if (!ui.ProgressRunning()) break;
        ui.ProgressStep(line);
        if (!Chosen(engine, input, line)) continue;
        const std::string file =
            DataSetFileName(engine, engine.schoolList.lines[line - 1].substr(2, 6));
        std::ifstream in;
        if (!engine.services.files.OpenForReading("-" + file, in)) continue;
        ++opened;
        if (logging) engine.services.log.Write("starting load1 " + file);
        refusedLines += ReadSummaryFile(in, pass).refusedLines;
        if (logging) engine.services.log.Write("end load1 ");
        ui.ProcessMessages();
    }
    return opened;
}

void SumClassLevels(SummaryState& summary) {
    summary.classLevelTotals.fill(0);
    for (int table : {11, 18}) {
        for (size_t i = 0; i < summary.classLevelTotals.size(); ++i) {
            const int col = kFirstLevelCol + static_cast<int>(i);
            if (const SummaryCell* cell = summary.store->Find(table, kRegularClassesRow, col))
                summary.classLevelTotals[i] += static_cast<int>(std::lround(cell->sum));
        }
    }
}

void Report(Engine& engine, const std::vector<std::string>& unexpected, int refusedLines) {
    if (!unexpected.empty()) {
        std::string text = "unerwartete Tabellennummern, nicht angezeigt:";
        for (size_t i = 0; i < unexpected.size() && i < kMaxUnexpectedShown; ++i)
            text += "\r" + unexpected[i];
        if (unexpected.size() > kMaxUnexpectedShown)
            text +=
                "\r(und " + std::to_string(unexpected.size() - kMaxUnexpectedShown) + " weitere)";
        engine.services.messages.ShowInfo(text);
    }
    if (refusedLines > 0) {
        engine.services.messages.ShowInfo(
            std::to_string(refusedLines) +
            Win(" Zeilen mit unmöglicher Zeilennummer wurden nicht ausgewertet"));
    }
}

std::vector<std::string> BuildDisplay(Engine& engine, int kind) {
    SummaryState& summary = engine.summary;
    summary.displayKind = kind;
    const SummaryDisplayInput input{*summary.store, summary.rows, summary.schoolsRead,
                                    summary.schoolYearCode, engine.sheet.screenWidth};
    auto unexpected = FillSummaryGrids(summary.grids, input, kind);
    FillSummaryOverview(*summary.grids.Find("SG00"), *summary.store, summary.schoolsRead,
                        summary.schoolYearCode);
    return unexpected;
}

} // namespace

std::optional<std::string> ChooseMarkSet(Engine& engine, bool withTestMarks) {
    if (!withTestMarks) return std::string(kAllMarks);
    OptionRequest request;
    request.caption = Win("Datensätze auswerten mit Testkennzeichen");
    FillItems(request.options, kMarkChoices);
    request.preset = 1;
    const int chosen = engine.ui().ChooseOption(request);
    if (chosen < 1 || chosen > static_cast<int>(request.options.size())) return std::nullopt;
    return request.options[chosen - 1];
}

void RunSummary(Engine& engine, bool withTestMarks) {
    SummaryState& summary = engine.summary;
    if (summary.store && summary.complete) {
        BuildDisplay(engine, summary.displayKind);
        summary.windowVisible = true;
        return;
    }
    const auto range = ChooseSchoolRange(engine, "Auswerten");
    if (!range) return;
    const auto marks = ChooseMarkSet(engine, withTestMarks);
    if (!marks) return;
    const RunInput input{*range, *marks};

    summary.Release();
    summary.store = std::make_unique<SummaryStore>();
    summary.schoolYearCode = engine.startup.schoolYearCode;
    SetCodeLists(engine, summary.rows);
    // The shapes of the year decide which rows are headings and where 4.1 has its totals.
    SetAllTableHeadings(summary.grids, summary.schoolYearCode, engine.sheet.screenWidth);

    Ui& ui = engine.ui();
    int refusedLines = 0;
    ui.ProgressStart(static_cast<int>(engine.schoolList.lines.size()));
    SummaryReadPass collect{summary.grids, summary.rows, nullptr};
    ReadPass(engine, input, collect, refusedLines);
    engine.services.log.Write("in ZepSt2g  vor for k:=");
    refusedLines = 0;
    SummaryReadPass add{summary.grids, summary.rows, summary.store.get()};
    summary.schoolsRead = ReadPass(engine, input, add, refusedLines);
    summary.complete = ui.ProgressRunning();
    ui.ProgressEnd();
    engine.services.log.Write("end load " + std::to_string(summary.schoolsRead));

    SumClassLevels(summary);
    const auto unexpected = BuildDisplay(engine, summary.displayKind);
    summary.windowVisible = true;
    Report(engine, unexpected, refusedLines);
    if (engine.services.messages.AskYesNo("Tabellen/SGs  als  jjjj__Zusfas*.csv  speichern?"))
        PrintSummarySheet(engine, kSaveTablesEntry, kSaveTablesEntry);
}

void SummarySaveClick(Engine& engine) {
    OptionRequest request;
    request.caption = Win("Anzeige-Art(a=bezogen auf alle, i=indiv. bezogen auf die mit "
                          "indiv.Wert<>0)");
    request.options = DisplayKindTexts();
    request.preset = engine.summary.displayKind + 1;
    const int chosen = engine.ui().ChooseOption(request);
    if (chosen >= 1) ShowSummaryKind(engine, chosen - 1);
}

void SummaryQuitClick(Engine& engine) {
    engine.summary.windowVisible = false;
}

void ShowSummaryKind(Engine& engine, int kind) {
    if (kind < 0 || kind >= kDisplayKinds) return;
    SummaryState& summary = engine.summary;
    summary.displayKind = kind;
    if (summary.store) BuildDisplay(engine, kind);
}

} // namespace tev
