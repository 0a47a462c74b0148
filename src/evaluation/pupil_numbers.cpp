#include "evaluation/pupil_numbers.h"

#include "evaluation/pupil_numbers_chart.h"
#include "evaluation/pupil_numbers_table.h"
#include "evaluation/school_loop.h"
#include "output/codepage.h"
#include "output/output_file_name.h"
#include "output/print_grid.h"
#include "output/save_files.h"
#include "output/text_routines.h"
#include "shell/school_list_sort.h"
#include "shell/school_year_switch.h"
#include "shell/sort_choice.h"
#include "shell/window_commands.h"

#include <algorithm>
#include <array>

namespace tev {
namespace {

constexpr int kTableHeight = 400;

std::string ListField(const std::string& line, size_t column, size_t length) {
    return column - 1 < line.size() ? line.substr(column - 1, length) : std::string();
}

// The school's row key: regional number and school number (and the district for the
// grouping by districts).
std::string RowKey(const std::string& line, int choice) {
    std::string key = PadRight(ListField(line, 78, 6), 6) + ListField(line, 3, 6);
    if (choice == 4) key += DosToWindowsText(ListField(line, 25, 6));
    return key;
}

// Where the school's row goes: the next one, or after a gap when its group begins.
int NextRow(const StringGrid& table, int previous, const std::string& key, int keyLength) {
    if (previous == 0 || keyLength == 0) return previous + 1;
    const std::string& before = table.Cells(1, previous);
    if (before.compare(0, keyLength, key, 0, keyLength) == 0) return previous + 1;
    const bool blockOfTwo = previous > 1 && !table.Cells(1, previous - 1).empty();
    return previous + (blockOfTwo ? 3 : 2);
}

std::string Note() {
    return Win(" Die \"gesamt\"-Spalten enthalten ggf. Abweichungen zw. Kopfzeilen und "
               "Profilzahlen; zB: Kopfzeilen \"30(12) 28(17)\"    Profilzahlen \"EL 20, EF 40\""
               "     -->  \" 58 +2? \"   weil 30+28<>20+40");
}

struct SavedFile {
    std::string name;
    bool written = false;
};

SavedFile SaveAndOffer(Engine& engine, const std::string& spec, const StringGrid& table,
                       const std::string& heading, const std::string& printTitle) {
    SavedFile file{SplitOutputFileName(spec, ".csv").local, false};
    file.written = SaveGridCsv(engine, spec, table, heading);
    PrintGrid(engine, printTitle, table, -1);
    return file;
}

std::string ClosingMessage(const std::string& tag, const std::array<SavedFile, 3>& files) {
    const bool all = std::all_of(files.begin(), files.end(), [](auto& f) { return f.written; });
    if (all) {
        return tag + "Schz.csv  (mit eingegliederten Profilabweichungen)\r und\r" + tag +
               Win("Schzx.csv  (mit angehängten Profilabweichungen)\rsowie ") + tag +
               "Schzkomp.csv    wurden  erstellt";
    }
    // A file that could not be written must not be reported as made.
    std::string written;
    std::string failed;
    for (const SavedFile& file : files)
        (file.written ? written : failed) += "\r   " + file.name;
    std::string text = Win("nicht geschrieben werden konnten:") + failed;
    if (!written.empty()) text += "\rerstellt wurden:" + written;
    return text;
}

} // namespace

void SchlerzahlenKurzbericht1Click(Engine& engine, int tag) {
    OptionRequest layout;
    layout.caption = "Darstellung";
    FillItems(layout.options,
              Win("fortlaufende Auflistung;nach Regionen gruppiert;nach Orten gruppiert;nach "
                  "Bezirken gruppiert;nach *Regionalnr gruppiert;nach RegBez gruppiert"));
    const int choice = engine.ui().ChooseOption(layout);
    if (choice < 1 || choice > 6) return;
    const int keyLength = std::min(3 * (choice - 1), 6);
    constexpr std::array<int, 7> kSortOfChoice = {0, 0, 7, 6, 4, 9, 10};
    if (choice > 1 && engine.window.sortIndex != kSortOfChoice[choice])
        RGSortClick(engine, kSortOfChoice[choice]);

    const auto range =
        ChooseSchoolRange(engine, Win("Schülerzahlen auswerten  ") + engine.startup.yearSuffix);
    if (!range) return;
    const std::string suffix = engine.startup.yearSuffix.substr(0, 3) + (tag == 1 ? "K" : "");
    SwitchSchoolYear(engine, suffix, false);

    engine.outputBox.Clear();
    engine.outputBox.Add("Hinweis:");
    StringGrid& table = engine.upperTable;
    PreparePupilNumbersTable(table);
    ShowUpperTable(engine);
    const int year = engine.startup.schoolYearCode;
    int lastRow = 0;
    ForEachSchool(engine, *range, [&](int index, bool loaded) {
        if (!loaded) return;
        const std::string& line = engine.schoolList.lines[index];
        const std::string key = RowKey(line, choice);
        const int row = NextRow(table, lastRow, key, keyLength);
        if (row + 3 > table.RowCount()) table.SetRowCount(row + 3);
        if (row >= table.RowCount()) return; // the grid's bound
        lastRow = row;
        const std::string name = DosToWindowsText(ListField(line, 9, 16));
        table.SetCells(0, row, name);
        table.SetCells(1, row, key);
        const std::string discrepancies = FillPupilNumbersRow(table, row, engine.sheet.grids, year);
        if (!discrepancies.empty())
            engine.outputBox.Add(name + Win(";;Schülersumme<>Profilsumme:") + discrepancies);
    });

    const bool closingBlock = keyLength > 0 && lastRow > 1 && !table.Cells(1, lastRow - 1).empty();
    table.SetRowCount(lastRow + (closingBlock ? 3 : 2));
    AddPupilNumbersSums(table);
    if (keyLength > 0) AddGroupSubtotals(table, keyLength);
    for (int row = 1; row < table.RowCount(); ++row) {
        // The key's second six characters are the school number.
        const std::string& key = table.Cells(1, row);
        if (key.size() >= 12 && key.rfind("zus.", 0) != 0) table.SetCells(1, row, key.substr(6, 6));
    }

    ShowUpperTable(engine, kTableHeight);
    const auto& captions = SortKeyCaptions();
    const int sortIndex = engine.window.sortIndex;
    const std::string sortCaption =
        sortIndex >= 0 && sortIndex < static_cast<int>(captions.size()) ? captions[sortIndex] : "";
    const std::string title =
        Win("Schülerzahlen auswerten  (*") + engine.startup.yearSuffix + " " +
        (engine.schoolGroup.size() > 2 ? engine.schoolGroup.substr(2, 20) : "") + " nach " +
        sortCaption + ")";
    table.SetCells(0, 0, title);
    const std::string note = Note();
    const std::string& suffixNow = engine.startup.yearSuffix;
    const std::string fileTag = (suffixNow.size() >= 3 ? suffixNow.substr(1, 2) : "00") +
                                (engine.schoolGroup.size() > 3 ? engine.schoolGroup[3] : ' ');
    const BarChart chart = PupilNumbersChart(table, title, fileTag + "Schz");

    std::array<SavedFile, 3> files;
    files[0] = SaveAndOffer(engine, "*" + fileTag + "Schz.csv;20" + fileTag + Win("Schülerzahlen"),
                            table, title + "; ; ;" + note, title + "; ; ;" + note);
    const int schoolRows = table.RowCount();
    CutForDiscrepancyList(table, lastRow, engine.outputBox.lines());
    const std::string withList = title + Win(" Abweichungen angehängt");
    files[1] =
        SaveAndOffer(engine, "*" + fileTag + "Schzx.csv;20" + fileTag + Win("Schülerzahlen x"),
                     table, withList, withList);
    table.SetRowCount(schoolRows);
    CompactPupilNumbers(table);
    files[2] = SaveAndOffer(
        engine, "*" + fileTag + "Schzkomp.csv;20" + fileTag + Win("Schülerzahlen kompakt"), table,
        title, title);
    engine.services.messages.ShowInfo(ClosingMessage(fileTag, files));
    engine.ui().ShowChart(chart);
}

void SchlerzahlenKurzberichtauswertung1Click(Engine& engine) {
    SchlerzahlenKurzbericht1Click(engine, 1);
}

void SchlerzahlenOktoberstatistik1Click(Engine& engine) {
    SchlerzahlenKurzbericht1Click(engine, 0);
}

} // namespace tev
