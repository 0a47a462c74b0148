// The popup menu of the grid tool: its entries in order and what each one does with the
// current and the remembered cells.
#include "output/codepage.h"
#include "output/grid_tool.h"
#include "output/grid_tool_numbers.h"
#include "output/save_files.h"
#include "output/text_routines.h"
#include "shell/engine.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

namespace tev {
namespace {

using Handler = std::string (*)(Engine&, GridTool&);

struct Entry {
    const char* key;
    const char* submenu; // UTF-8
    const char* caption; // UTF-8; empty for a separator
    Handler run;
};

const char* const kArithmeticOptions =
    "S2+S1 -> aktS;S2-S1 -> aktS;S2*S1 -> aktS;S2/S1 -> aktS;S1+const -> aktS;S1-const -> aktS;"
    "S1*const -> aktS;S1/const -> aktS;S2+S1 -> neueS;S2-S1 -> neueS;S2*S1 -> neueS;"
    "S2/S1 -> neueS;S1+const -> neueS;S1-const -> neueS;S1*const -> neueS;S1/const -> neueS";
const char* const kPlusOptions =
    "numerisch;alsText direkt zusammen;alsText mit _;alsText mit LEER;alsText mit  ";
const char* const kTruncOptions =
    "trunc(aktS) -> aktS;round(aktS) -> aktS;trunc(aktS) -> neueS;round(aktS) -> neueS";
const char* const kRememberFirst = "zuerst Spalte, Zeile merken";
const char* const kGridFull = "kein Platz mehr in der Tabelle";
const char* const kNotSaved = "not saved";
const char* const kSaved = "saved:  ";
constexpr int kArithmeticChoices = 16;
constexpr int kLastRowsForSort = 5;

std::string Changed(GridTool& tool, std::string note = {}) {
    tool.modified |= kGridChanged;
    return note;
}

std::string ColumnName(int col, const char* unset) {
    return col >= 0 ? "Sp" + std::to_string(col) : unset;
}

// A plain whole number typed into the small field, else 0.
int InputCount(const std::string& input) {
    const std::string text = Trim(input);
    if (text.empty() || text.size() > 4) return 0;
    for (char c : text)
        if (!std::isdigit(static_cast<unsigned char>(c))) return 0;
    return std::stoi(text);
}

std::string ArithmeticCaption(const GridTool& tool) {
    if (!tool.remembered.IsSet() && !tool.remembered2.IsSet())
        return "Spalte  merk2   +-*/   merk1 -> ...";
    return "Spalte  " + ColumnName(tool.remembered2.col, "merk2") + "   +-*/   " +
           ColumnName(tool.remembered.col, "merk1") + "  -> ...";
}

std::string Arithmetic(Engine& engine, GridTool& tool) {
    if (!tool.remembered.IsSet()) return kRememberFirst;
    OptionRequest choice;
    choice.caption = ArithmeticCaption(tool);
    std::string options = kArithmeticOptions;
    options = ReplaceAll(options, "S2", ColumnName(tool.remembered2.col, "S2"));
    options = ReplaceAll(options, "S1", ColumnName(tool.remembered.col, "S1"));
    options = ReplaceAll(options, "aktS", ColumnName(tool.current.col, "aktS"));
    if (!IsBlankCell(tool.input)) options = ReplaceAll(options, "const", Trim(tool.input));
    FillItems(choice.options, options);
    const int chosen = engine.ui().ChooseOption(choice);
    if (chosen < 1 || chosen > kArithmeticChoices) return {};
    // The entries in the order of their captions: S2 op S1, then S1 op const, each for
    // + - * /; the second eight write into a new column.
    const int kind = (chosen - 1) % 8;
    const auto op = static_cast<ColumnOperator>(kind % 4);
    const bool withConstant = kind >= 4;
    JoinMode join = JoinMode::Numeric;
    if (op == ColumnOperator::Add) {
        OptionRequest plus;
        plus.caption = "+";
        FillItems(plus.options, kPlusOptions);
        const int how = engine.ui().ChooseOption(plus);
        if (how == 0) return {};
        join = how == 1   ? JoinMode::Numeric
               : how == 2 ? JoinMode::Direct
               : how == 3 ? JoinMode::Underscore
                          : JoinMode::Blank;
    }
    if (!tool.remembered.IsSet() || (!withConstant && !tool.remembered2.IsSet()))
        return kRememberFirst;
    if (withConstant && join == JoinMode::Numeric && IsBlankCell(tool.input))
        return "Konstante fehlt, ggf. (zuvor) links unten eingeben";
    const int target = chosen > 8 ? kNewColumn : tool.current.col;
    const int written = withConstant ? CombineWithConstant(tool.grid, tool.remembered.col, op, join,
                                                           tool.input, target)
                                     : CombineColumns(tool.grid, tool.remembered2.col,
                                                      tool.remembered.col, op, join, target);
    return written < 0 ? kGridFull : Changed(tool);
}

std::string TruncOrRound(Engine& engine, GridTool& tool) {
    OptionRequest choice;
    choice.caption = "trunc(akt.Sp) od. round(akt.Sp) -> ...";
    FillItems(choice.options, kTruncOptions);
    const int chosen = engine.ui().ChooseOption(choice);
    if (chosen < 1 || chosen > 4) return {};
    const int target = chosen > 2 ? kNewColumn : tool.current.col;
    const int written = TruncateColumn(tool.grid, tool.current.col, chosen % 2 == 0, target);
    return written < 0 ? kGridFull : Changed(tool);
}

std::string SumRows(Engine&, GridTool& tool) {
    const int count = std::max(InputCount(tool.input), 1);
    const int added = AppendSumRows(tool.grid, tool.current.col, count);
    if (added == 0) return kGridFull;
    tool.modified |= kGridSumRowsAdded;
    return Changed(tool, added < count ? kGridFull : "");
}

std::string SumAndQuotientRows(Engine&, GridTool& tool) {
    const int first = FirstDataRow(tool.grid);
    const int last = tool.grid.RowCount() - 1;
    if (AppendSumRows(tool.grid, tool.current.col) == 0) return kGridFull;
    tool.modified |= kGridSumRowsAdded;
    const bool quotient = AppendQuotientRow(tool.grid, tool.current.col, first, last);
    return Changed(tool, quotient ? "" : kGridFull);
}

std::string QuotientRow(Engine&, GridTool& tool) {
    const int last = tool.grid.RowCount() - 1;
    if (!AppendQuotientRow(tool.grid, tool.current.col, FirstDataRow(tool.grid), last))
        return kGridFull;
    return Changed(tool);
}

std::string Shares(GridTool& tool, int baseRow) {
    const int fromCol = std::max(tool.current.col, tool.grid.FixedCols());
    const int wanted = tool.grid.RowCount() - tool.current.row;
    if (wanted <= 0) return {};
    const int added = AppendShareRows(tool.grid, tool.current.row, baseRow, fromCol);
    if (added == 0) return kGridFull;
    return Changed(tool, added < wanted ? kGridFull : "");
}

std::string Sort(Engine& engine, GridTool& tool) {
    const YesNoCancel numeric = engine.ui().AskYesNoCancel("numerisch (sonst direkt/alpha)?", true);
    if (numeric == YesNoCancel::Cancel) return {};
    const StringGrid& grid = tool.grid;
    int last = grid.RowCount() - 1;
    // A row remembered near the end closes the range: the rows below it (sums) stay.
    if (tool.remembered.IsSet() && tool.remembered.row >= grid.RowCount() - kLastRowsForSort &&
        tool.remembered.row >= FirstDataRow(grid))
        last = tool.remembered.row;
    SortRows(tool.grid, tool.current.col, numeric == YesNoCancel::Yes, FirstDataRow(grid), last);
    return Changed(tool);
}

// Entries that need a remembered cell.
template <void (*Operation)(StringGrid&, int, int)> std::string OnCols(Engine&, GridTool& tool) {
    if (!tool.remembered.IsSet()) return kRememberFirst;
    Operation(tool.grid, tool.remembered.col, tool.current.col);
    return Changed(tool);
}

template <void (*Operation)(StringGrid&, int, int)> std::string OnRows(Engine&, GridTool& tool) {
    if (!tool.remembered.IsSet()) return kRememberFirst;
    Operation(tool.grid, tool.remembered.row, tool.current.row);
    return Changed(tool);
}

void DeleteColRange(StringGrid& grid, int a, int b) {
    grid.DeleteCols(std::min(a, b), std::max(a, b));
}

void DeleteRowRange(StringGrid& grid, int a, int b) {
    grid.DeleteRows(std::min(a, b), std::max(a, b));
}

void CopyColBack(StringGrid& grid, int remembered, int current) {
    CopyCol(grid, current, remembered);
}

std::string CopyRememberedCell(Engine&, GridTool& tool) {
    if (!tool.remembered.IsSet()) return kRememberFirst;
    const std::string text = tool.grid.Cells(tool.remembered.col, tool.remembered.row);
    tool.grid.SetCells(tool.current.col, tool.current.row, text);
    return Changed(tool);
}

std::string ClearRectangle(Engine&, GridTool& tool) {
    if (!tool.remembered.IsSet()) return kRememberFirst;
    ClearCells(tool.grid, tool.remembered, tool.current);
    return Changed(tool);
}

std::string ZerosToEmpty(Engine&, GridTool& tool) {
    if (!tool.remembered.IsSet()) return kRememberFirst;
    return Changed(tool, std::to_string(EmptyZeros(tool.grid, tool.remembered)) + " x \"0\"");
}

std::string DeleteBlankRowsBetween(Engine&, GridTool& tool) {
    if (!tool.remembered.IsSet()) return kRememberFirst;
    DeleteBlankRows(tool.grid, std::min(tool.remembered.col, tool.current.col),
                    std::max(tool.remembered.col, tool.current.col));
    return Changed(tool);
}

std::string Inserted(GridTool& tool, bool done) {
    return done ? Changed(tool) : kGridFull;
}

std::string ColWidths(GridTool& tool, int fromCol, int width, SizeRule rule) {
    SetColWidths(tool.grid, fromCol, width, rule);
    return {};
}

std::string CurrentWidths(GridTool& tool, int fromCol, SizeRule rule) {
    return ColWidths(tool, fromCol, tool.grid.ColWidth(tool.current.col), rule);
}

std::string RowHeights(GridTool& tool, int height, SizeRule rule) {
    SetRowHeights(tool.grid, 0, height, rule);
    return {};
}

std::string Saved(Engine& engine, GridTool& tool, const std::string& name) {
    if (!SaveGridCsvSimple(engine, name, tool.grid, tool.title)) return kNotSaved;
    return kSaved + SimpleCsvName(name);
}

std::string SaveBack(Engine& engine, GridTool& tool) {
    if (Trim(tool.fileName).empty()) return kNotSaved;
    return Saved(engine, tool, tool.fileName);
}

std::string SaveAs(Engine& engine, GridTool& tool) {
    const std::string name = Trim(tool.input);
    const bool usable =
        std::any_of(name.begin(), name.end(), [](unsigned char c) { return std::isalnum(c) != 0; });
    if (!usable) return "DSN  fehlt/zu kurz, ggf. (zuvor) links unten eingeben";
    return Saved(engine, tool, name);
}

const Entry kEntries[] = {
    {"remember", "", "Spalte, Zeile merken",
     [](Engine&, GridTool& tool) {
         tool.Remember();
         return std::string();
     }},
    {"", "", "", nullptr},
    {"arithmetic", "", "Spalte  merk2   +-*/   merk1 -> ...", Arithmetic},
    {"trunc-round", "", "trunc(akt.Sp) od. round(akt.Sp) -> ...", TruncOrRound},
    {"sum-rows", "", "Summenzeile(n) hinzu ab akt Spalte (ggf. Anzahl li.u.)", SumRows},
    {"sum-quotient-rows", "", "Summen- und Quotzeile hinzu ab akt Spalte", SumAndQuotientRows},
    {"quotient-row", "", "Quotzeile hinzu ab akt Spalte", QuotientRow},
    {"shares-current-row", "", "ab akt.Zeile  \"Anteil von akt.Zeile\"  unten anfügen",
     [](Engine&, GridTool& tool) { return Shares(tool, tool.current.row); }},
    {"shares-remembered-row", "", "Anteile bzgl.  gemerkt..Zeile",
     [](Engine&, GridTool& tool) {
         return tool.remembered.IsSet() ? Shares(tool, tool.remembered.row) : kRememberFirst;
     }},
    {"sort", "", "Sortieren nach akt.Spalte", Sort},
    {"", "", "", nullptr},

    {"insert-col", "Spalten", "leere Spalte einfügen",
     [](Engine&, GridTool& tool) { return Inserted(tool, tool.grid.InsertCol(tool.current.col)); }},
    {"append-col", "Spalten", "leere Spalte anfügen",
     [](Engine&, GridTool& tool) {
         return Inserted(tool, tool.grid.InsertCol(tool.grid.ColCount()));
     }},
    {"clear-col", "Spalten", "akt Spalte fegen",
     [](Engine&, GridTool& tool) {
         ClearCol(tool.grid, tool.current.col);
         return Changed(tool);
     }},
    {"copy-remembered-col", "Spalten", "gemerkte Spalte kopieren", OnCols<CopyCol>},
    {"duplicate-current-col", "Spalten", "akt Spalte  -->  gemerkte Spalte  duplizieren",
     OnCols<CopyColBack>},
    {"swap-cols", "Spalten", "Spalten tauschen:   gemerkte <--> akt", OnCols<SwapCols>},
    {"delete-cols", "Spalten", "Spalten .... bis aktSpalte löschen", OnCols<DeleteColRange>},

    {"insert-row", "Zeilen", "leere Zeile einfügen",
     [](Engine&, GridTool& tool) { return Inserted(tool, tool.grid.InsertRow(tool.current.row)); }},
    {"clear-row", "Zeilen", "akt Zeile fegen",
     [](Engine&, GridTool& tool) {
         ClearRow(tool.grid, tool.current.row);
         return Changed(tool);
     }},
    {"copy-remembered-row", "Zeilen", "gemerkte Zeile kopieren", OnRows<CopyRow>},
    {"swap-rows", "Zeilen", "Zeilen tauschen:   gemerkte <--> akt", OnRows<SwapRows>},
    {"delete-rows", "Zeilen", "Zeilen .... bis  akt.Zeile löschen", OnRows<DeleteRowRange>},
    {"delete-blank-rows", "Zeilen", "LEERE Zeilen löschen, wenn (ab Spalte 2)  LEER",
     [](Engine&, GridTool& tool) {
         DeleteBlankRows(tool.grid, 2, tool.grid.ColCount() - 1);
         return Changed(tool);
     }},
    {"delete-blank-rows-between", "Zeilen",
     "LEERE Zeilen löschen, dh wenn von Spaltemerk bis aktSpalte LEER", DeleteBlankRowsBetween},

    {"copy-remembered-cell", "Zellen", "gemerkte  ZELLE  kopieren", CopyRememberedCell},
    {"clear-cells", "Zellen", "Inhalte von gemerktSpalte|Zeile bis aktSpalte|Zeile löschen",
     ClearRectangle},
    {"zeros-to-empty", "Zellen", "ab Spalte,Zeile alle \"0\" -> \" \"", ZerosToEmpty},

    {"narrow-blank-cols", "Spaltenbreite", "LEERE Spalten minimieren",
     [](Engine&, GridTool& tool) {
         NarrowBlankCols(tool.grid, 0);
         return std::string();
     }},
    {"narrow-blank-cols-2", "Spaltenbreite", "LEERE Spalten minimieren auf  2",
     [](Engine&, GridTool& tool) {
         NarrowBlankCols(tool.grid, 2);
         return std::string();
     }},
    {"col-width-2", "Spaltenbreite", "Spaltenbreite mindestens 2",
     [](Engine&, GridTool& tool) { return ColWidths(tool, 0, 2, SizeRule::AtLeast); }},
    {"col-width-10", "Spaltenbreite", "Spaltenbreite mindestens 10",
     [](Engine&, GridTool& tool) { return ColWidths(tool, 0, 10, SizeRule::AtLeast); }},
    {"col-width-20", "Spaltenbreite", "Spaltenbreite mindestens 20",
     [](Engine&, GridTool& tool) { return ColWidths(tool, 0, 20, SizeRule::AtLeast); }},
    {"col-width-as-current", "Spaltenbreite", "Spaltenbreite wie akt Spalte",
     [](Engine&, GridTool& tool) { return CurrentWidths(tool, 0, SizeRule::Exactly); }},
    {"col-width-at-least-current", "Spaltenbreite", "Spaltenbreite mind wie akt Spalte",
     [](Engine&, GridTool& tool) { return CurrentWidths(tool, 0, SizeRule::AtLeast); }},
    {"col-width-from-current", "Spaltenbreite", "ab akt Spalte Spaltenbreite wie akt Spalte",
     [](Engine&, GridTool& tool) {
         return CurrentWidths(tool, tool.current.col, SizeRule::Exactly);
     }},
    {"col-width-from-current-at-least", "Spaltenbreite",
     "ab akt Spalte Spaltenbreite mind wie akt Spalte",
     [](Engine&, GridTool& tool) {
         return CurrentWidths(tool, tool.current.col, SizeRule::AtLeast);
     }},
    {"col-width-from-current-at-most", "Spaltenbreite",
     "ab akt Spalte Spaltenbreite max  wie akt Spalte",
     [](Engine&, GridTool& tool) {
         return CurrentWidths(tool, tool.current.col, SizeRule::AtMost);
     }},
    {"no-fixed-cols", "Spaltenbreite", "Fixed Spalten: 0",
     [](Engine&, GridTool& tool) {
         tool.grid.SetFixedCols(0);
         return std::string();
     }},
    {"one-more-fixed-col", "Spaltenbreite", "Fixed Spalten: +1",
     [](Engine&, GridTool& tool) {
         // One column always stays movable.
         tool.grid.SetFixedCols(std::min(tool.grid.FixedCols() + 1, tool.grid.ColCount() - 1));
         return std::string();
     }},

    {"lower-blank-rows", "Zeilenhöhe", "LEERE Zeilen minimieren",
     [](Engine&, GridTool& tool) {
         LowerBlankRows(tool.grid, 0);
         return std::string();
     }},
    {"lower-blank-rows-2", "Zeilenhöhe", "LEERE Zeilen minimieren auf  2",
     [](Engine&, GridTool& tool) {
         LowerBlankRows(tool.grid, 2);
         return std::string();
     }},
    {"row-height-2", "Zeilenhöhe", "Zeilenhöhe mindestens 2",
     [](Engine&, GridTool& tool) { return RowHeights(tool, 2, SizeRule::AtLeast); }},
    {"row-height-10", "Zeilenhöhe", "Zeilenhöhe mindestens 10",
     [](Engine&, GridTool& tool) { return RowHeights(tool, 10, SizeRule::AtLeast); }},
    {"row-height-as-current", "Zeilenhöhe", "Zeilenhöhe wie akt Zeile",
     [](Engine&, GridTool& tool) {
         return RowHeights(tool, tool.grid.RowHeight(tool.current.row), SizeRule::Exactly);
     }},
    {"row-height-at-least-current", "Zeilenhöhe", "Zeilenhöhe mind wie akt Zeile",
     [](Engine&, GridTool& tool) {
         return RowHeights(tool, tool.grid.RowHeight(tool.current.row), SizeRule::AtLeast);
     }},
    {"no-fixed-rows", "Zeilenhöhe", "Fixed Zeilen: 0",
     [](Engine&, GridTool& tool) {
         tool.grid.SetFixedRows(0);
         return std::string();
     }},
    {"one-more-fixed-row", "Zeilenhöhe", "Fixed Zeilen: +1",
     [](Engine&, GridTool& tool) {
         tool.grid.SetFixedRows(std::min(tool.grid.FixedRows() + 1, tool.grid.RowCount() - 1));
         return std::string();
     }},

    {"", "", "", nullptr},
    {"swap-editing", "", "swap goEditing",
     [](Engine&, GridTool& tool) {
         tool.editing = !tool.editing;
         return std::string(tool.editing ? "goEditing an" : "goEditing aus");
     }},
    {"save-back", "", "direkt zurückspeichern", SaveBack},
    {"save-as", "", "direkt speichern (DSN li.u.)", SaveAs},
};

} // namespace

std::string GridToolCellsText(const GridTool& tool) {
    char text[128];
    std::snprintf(text, sizeof text, "[%d|%d]  (gemerkt:%d|%d  %d|%d   count:%d|%d)",
                  tool.current.col, tool.current.row, tool.remembered.col, tool.remembered.row,
                  tool.remembered2.col, tool.remembered2.row, tool.grid.ColCount(),
                  tool.grid.RowCount());
    return text;
}

std::vector<GridToolEntry> GridToolMenu(const GridTool& tool) {
    std::vector<GridToolEntry> menu;
    for (const Entry& entry : kEntries) {
        const std::string key = entry.key;
        std::string caption = key == "remember" ? "Spalte, Zeile merken  " + GridToolCellsText(tool)
                              : key == "arithmetic" ? ArithmeticCaption(tool)
                                                    : Win(entry.caption);
        menu.push_back({key, Win(entry.submenu), std::move(caption)});
    }
    return menu;
}

std::string RunGridToolEntry(Engine& engine, GridTool& tool, std::string_view key) {
    for (const Entry& entry : kEntries) {
        if (entry.run == nullptr || key != entry.key) continue;
        tool.KeepCellsInside();
        std::string note = entry.run(engine, tool);
        tool.KeepCellsInside();
        return note;
    }
    return {};
}

} // namespace tev
