#include "sheet/sheet_options.h"

#include "data/data_set_file.h"
#include "output/codepage.h"
#include "output/text_routines.h"
#include "sheet/record_mapping.h"
#include "sheet/sheet_colours.h"
#include "sheet/sheet_pages.h"
#include "sheet/sheet_printing.h"
#include "sheet/sheet_repairs.h"
#include "sheet/sheet_tabs.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

namespace tev {
namespace {

constexpr double kWider = 4.0 / 3.0;
constexpr double kNarrower = 0.8;
constexpr double kMinFactor = 0.2;
constexpr double kMaxFactor = 5.0;
constexpr int kMinShownWidth = 4;
constexpr int kNationalityNameWidth = 190;
constexpr int kNationalityCountWidth = 130;

const char* const kDeletableTables =
    "1.1 1.8 2.1 2.2 2.3 2.4 3.1 3.2 3.3 3.4 4.1 4.2 4.3 4.4 5.1 5.2 6.1 7.1 7.2 8.1 8.2 8.3 9.1 ";

struct Option {
    std::string text;
    std::function<void(Engine&)> run;
};

void Scale(Engine& engine, std::initializer_list<int> tables, bool firstColumn, double factor) {
    for (int table : tables) {
        ColumnWidthFactors& factors = engine.sheet.window.widthFactors[table];
        double& value = firstColumn ? factors.first : factors.rest;
        value = std::clamp(value * factor, kMinFactor, kMaxFactor);
    }
}

void RunExport(Engine& engine) {
    SaveDataSet(engine, 1);
}

void RunSave(Engine& engine) {
    SaveDataSet(engine, -1);
}

std::vector<Option> Options(const Engine& engine) {
    std::vector<Option> options = {
        {Win("Farbe für \"änderbare Felder\""), [](Engine& e) { ChooseSheetColour(e, true); }},
        {Win("Farbe für \"nicht änderbare Felder\""),
         [](Engine& e) { ChooseSheetColour(e, false); }},
        {"Spaltenbreiten", [](Engine& e) { ChooseColumnWidths(e); }},
        {"Schulbogen(Tabellen) drucken", PrintSheetMenu},
    };
    if (engine.developerMode() & 1) options.push_back({"!upd 2.4", MoveTable24ByOneYear});
    options.push_back({Win("eine Tabelle löschen"), [](Engine& e) { DeleteTable(e); }});
    options.push_back({Win("Daten übernehmen aus Austauschdatei (STAL*.ASC)"),
                       [](Engine& e) { TakeOverExchangeFile(e); }});
    options.push_back(
        {Win("Tabelle(n) schreiben nach STALn_n.ASC (für Fremdprogramme)"), RunExport});
    options.push_back({"abspeichern", RunSave});
    return options;
}

} // namespace

void SPDiversesClick(Engine& engine) {
    const std::vector<Option> options = Options(engine);
    OptionRequest request;
    request.caption = "Drucken";
    for (const Option& option : options)
        request.options.push_back(option.text);
    const int chosen = engine.ui().ChooseOption(request);
    if (chosen < 1 || chosen > static_cast<int>(options.size())) return;
    options[chosen - 1].run(engine);
    RefreshSheetCellTexts(engine);
}

bool ChooseColumnWidths(Engine& engine) {
    OptionRequest request;
    request.caption = "Spaltenbreiten";
    request.options = {"1.1, 1.8 + 2.2 1.Spalte breiter", "1.1, 1.8 + 2.2 1.Spalte schmaler",
                       "1.1-1.2 Spalten breiter",         "1.1-1.2 Spalten schmaler",
                       "2.1-2.4 Spalten breiter",         "2.1-2.4 Spalten schmaler"};
    const int chosen = engine.ui().ChooseOption(request);
    if (chosen < 1) return false;
    const double factor = chosen % 2 == 1 ? kWider : kNarrower;
    switch ((chosen - 1) / 2) {
    case 0:
        Scale(engine, {11, 18, 22}, true, factor);
        break;
    case 1:
        Scale(engine, {11, 18, 12}, false, factor);
        break;
    default:
        Scale(engine, {21, 22, 23, 24}, false, factor);
        break;
    }
    return true;
}

int ShownColumnWidth(const Sheet& sheet, const StringGrid& grid, int col) {
    double factor = 1.0;
    const auto found = sheet.window.widthFactors.find(GridTableNumber(grid.Name()));
    if (found != sheet.window.widthFactors.end())
        factor = col == 0 ? found->second.first : found->second.rest;
    int width = grid.ColWidth(col);
    // The catalogue leaves 2.3 at the default width, which cuts the nationality names (up to
    // 24 characters) and the count's heading.
    if (grid.Name() == "SG23" && col == 1) width = std::max(width, kNationalityNameWidth);
    if (grid.Name() == "SG23" && col == 2) width = std::max(width, kNationalityCountWidth);
    return std::max(kMinShownWidth, static_cast<int>(std::lround(width * factor)));
}

bool DeleteTable(Engine& engine) {
    OptionRequest request;
    request.caption = Win("eine Tabelle löschen");
    for (const std::string& table : SplitFields(Trim(kDeletableTables), ' '))
        request.options.push_back(table);
    const int chosen = engine.ui().ChooseOption(request);
    if (chosen < 1) return false;
    const std::string& name = request.options[chosen - 1];
    if (!engine.services.messages.AskYesNo(Win("wirklich löschen:  ") + name)) return false;
    Sheet& sheet = engine.sheet;
    const int table = TabTableNumber(name);
    StringGrid* grid = sheet.grids.FindTable(table);
    if (grid == nullptr) return false;
    grid->Clear();
    // The nationalities are the table's rows: a deleted 2.3 has none left.
    if (table == 23) grid->SetRowCount(2);
    SetTableHeadings(sheet.grids, table, sheet.schoolYearCode, sheet.screenWidth, sheet.rowLists);
    if (table == 51 || table == 61) SetCourseHeadings(sheet);
    RecomputeTable(sheet, *grid);
    engine.sheet.edited = true;
    return true;
}

bool TakeOverExchangeFile(Engine& engine) {
    const bool taken = LoadDataSet(engine, 1);
    if (taken) UpdAll(engine.sheet);
    engine.services.messages.ShowInfo(taken ? Win("Daten übernommen")
                                            : Win("Daten konnten nicht übernommen werden"));
    if (taken) engine.sheet.edited = true;
    return taken;
}

} // namespace tev
