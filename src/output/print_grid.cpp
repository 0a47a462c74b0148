// Geometry of a printed grid (all in 0.1 mm):
// - A printed column is (pixel width * factor * 2 / 5) + the extra width wide, so that a table
//   of W = 900 fills the 180 mm of a portrait line, widened to the longest text it prints (the
//   label column to at most half the line).
// - Columns 1..last are divided in column order into the strips; column 0 (the row labels)
//   starts every strip. A strip wider than the page's usable width first narrows its columns
//   down to their texts; when the texts alone do not fit, it is split further. A strip of
//   blank columns is left out. A further strip goes below the last one when it fits there
//   whole, otherwise onto a new page.
// - The heading rows (the grid's fixed rows, at least one, or the count of the title code) are
//   repeated at the top of every page of every strip.
// - Rows are printed in the row height (default 29, changed by the percent of the answer);
//   the text is 4/5 of it high in "Courier New", inset from the cell's left line (numbers from
//   its right line) and cut at the cell's edge. Thin lines frame each page's block, separate
//   the columns and underline the heading rows.
// - Pages break by the rule of the list printer (2700 / 2850, less 870 in landscape).
#include "output/print_grid.h"

#include "output/codepage.h"
#include "output/grid_print_layout.h"
#include "output/print_document.h"
#include "output/save_files.h"
#include "output/text_routines.h"

#include <algorithm>

namespace tev {
namespace {

constexpr int kMaxRowsForPageSharing = 24;
constexpr int kPortraitWidth = 2100;
constexpr int kLandscapeWidth = 2970;
constexpr int kRightMargin = 100;
constexpr int kWidthPerStrip = 900;
constexpr const char* kGridFont = "Courier New";
constexpr int kHiddenColumnPixels = 5;
constexpr int kMinimumUsableWidth = 200;

enum GridChoice {
    kCancel = 0,
    kPrintAll = 1,
    kSave = 2,
    kSaveAndPrint = 3,
    kFromCurrent = 4,
    kFortyFromCurrent = 5,
    kSelected = 6,
    kWithSelection = 7
};

struct StripGeometry {
    std::vector<int> columns; // column 0 and the strip's columns
    std::vector<int> widths;  // printed widths
};

struct GridPage {
    const StringGrid& grid;
    std::string heading;
    int headingRows = 1;
    int rowHeight = 29;
    int left = kLeftMargin;
    int inset = 10;
};

std::string FirstField(const std::string& text) {
    return text.substr(0, text.find(';'));
}

std::string RowText(const StringGrid& grid, int row) {
    std::string text;
    for (int col = 0; col < grid.ColCount(); ++col) {
        if (col > 0) text += ';';
        text += TrimRight(grid.Cells(col, row));
    }
    return text;
}

// The rows printed after the heading rows, or nothing when cancelled.
bool ChooseRows(Engine& engine, const GridPrintTitle& title, const StringGrid& grid,
                const GridPrintContext& context, int headingRows, std::vector<int>& rows) {
    const int lastFilled = LastFilledRow(grid);
    const int lastRow = title.dropEmptyTail ? lastFilled : grid.RowCount() - 1;
    const int firstData = std::max(title.firstRow, headingRows);
    auto range = [&rows](int from, int to) {
        for (int row = from; row <= to; ++row)
            rows.push_back(row);
    };
    const bool ask = !(engine.print.controlFlags & kPrintNoChoiceDialogs) && !title.noDialog &&
                     !title.continueDocument;
    if (!ask) {
        range(firstData, lastRow);
        return true;
    }
    OptionRequest request;
    request.caption = FirstField(title.text);
    FillItems(request.options, Win("wirklich drucken;speichern als *.csv;speichern+drucken;ab "
                                   "akt.Zeile drucken;40 Zeilen ab akt. drucken;gewähl.Zeilen "
                                   "drucken"));
    if (title.withSelectionChoice) request.options.push_back("drucken m.Auswahl");
    const int current = std::max(context.currentRow, firstData);
    switch (engine.ui().ChooseOption(request)) {
    case kPrintAll:
        range(firstData, lastFilled);
        return true;
    case kSave:
        SaveGridCsv(engine, "", grid, title.text);
        return false;
    case kSaveAndPrint:
        if (!SaveGridCsv(engine, "", grid, title.text))
            ReportUnsavedPrint(engine, FirstField(title.text));
        range(firstData, lastFilled);
        return true;
    case kFromCurrent:
        range(current, lastFilled);
        return true;
    case kFortyFromCurrent:
        range(current, std::min(lastFilled, current + 39));
        return true;
    case kSelected:
        if (context.selectionTop < 0) {
            range(current, current);
        } else {
            range(std::max(context.selectionTop, firstData), context.selectionBottom);
        }
        return true;
    case kWithSelection: {
        RangeRequest select;
        select.title = FirstField(title.text);
        for (int row = firstData; row <= lastFilled; ++row)
            select.items.push_back(RowText(grid, row));
        select.multi = true;
        if (select.items.empty() || !engine.ui().SelectRange(select)) return false;
        range(firstData + select.first - 1, firstData + select.last - 1);
        return true;
    }
    default:
        return false;
    }
}

int UsableWidth(const GridPrintTitle& title, bool landscape) {
    // A left margin past the page (title code 21) still leaves a column's room.
    const int usable =
        (landscape ? kLandscapeWidth : kPortraitWidth) - title.leftMarginMm * 10 - kRightMargin;
    return std::max(usable, kMinimumUsableWidth);
}

struct ColumnWidths {
    std::vector<int> wanted;  // the grid's own width, widened to its longest text
    std::vector<int> minimum; // the longest text and the insets: narrower cuts a text
};

// The label column takes at most half the line so that numbers keep room. A column the grid
// hides (a few pixels wide) stays as it is.
ColumnWidths PrintedWidths(PrintCanvas& canvas, const GridPage& page, const GridPrintTitle& title,
                           const std::vector<int>& rows, int usable) {
    const StringGrid& grid = page.grid;
    ColumnWidths widths;
    for (int col = 0; col < grid.ColCount(); ++col) {
        const int own = grid.ColWidth(col) * title.factor * 2 / 5 + title.extraColumnWidth;
        int wanted = own;
        int minimum = own;
        if (grid.ColWidth(col) >= kHiddenColumnPixels) {
            int longest = 0;
            auto measure = [&](int row) {
                longest = std::max(longest, canvas.TextWidth(TrimRight(grid.Cells(col, row))));
            };
            for (int row = 0; row < page.headingRows; ++row)
                measure(row);
            for (int row : rows)
                measure(row);
            minimum = longest + 2 * page.inset;
            wanted = std::max(own, minimum);
        }
        if (col == 0) minimum = wanted = std::min(wanted, usable / 2);
        widths.wanted.push_back(wanted);
        widths.minimum.push_back(std::min(minimum, wanted));
    }
    return widths;
}

// A strip wider than the line gives up first what its columns have beyond their texts, and
// only when that is not enough (one column wider than the line) narrows them all.
std::vector<int> SqueezeStrip(const ColumnWidths& widths, const std::vector<int>& columns,
                              int usable) {
    long wanted = 0;
    long minimum = 0;
    for (int col : columns) {
        wanted += widths.wanted[col];
        minimum += widths.minimum[col];
    }
    std::vector<int> result;
    for (int col : columns) {
        long width = widths.wanted[col];
        if (wanted > usable && minimum <= usable) {
            const long spare = widths.wanted[col] - widths.minimum[col];
            width =
                widths.minimum[col] + spare * (usable - minimum) / std::max(1L, wanted - minimum);
        } else if (wanted > usable) {
            width = widths.minimum[col] * usable / std::max(1L, minimum);
        }
        result.push_back(static_cast<int>(width));
    }
    return result;
}

bool ColumnsBlank(const GridPage& page, const std::vector<int>& rows, int first, int last) {
    auto blank = [&](int row) {
        for (int col = first; col <= last; ++col) {
            if (!TrimRight(page.grid.Cells(col, row)).empty()) return false;
        }
        return true;
    };
    for (int row = 0; row < page.headingRows; ++row) {
        if (!blank(row)) return false;
    }
    return std::all_of(rows.begin(), rows.end(), blank);
}

// A strip whose columns are blank in every printed row would be a page of labels only; it is
// left out unless the whole table is blank.
std::vector<StripGeometry> StripGeometries(const GridPage& page, const std::vector<int>& rows,
                                           const ColumnWidths& widths, int strips, int usable) {
    std::vector<StripGeometry> result;
    auto divide = [&](int count) {
        return FitStripsToWidth(DivideIntoStrips(widths.wanted, count), widths.minimum, usable);
    };
    auto divided = divide(strips);
    std::erase_if(divided, [&](const std::pair<int, int>& strip) {
        return ColumnsBlank(page, rows, strip.first, strip.second);
    });
    if (divided.empty()) divided = divide(1);
    for (const auto& [first, last] : divided) {
        StripGeometry strip;
        strip.columns.push_back(0);
        for (int col = first; col <= last; ++col)
            strip.columns.push_back(col);
        strip.widths = SqueezeStrip(widths, strip.columns, usable);
        result.push_back(std::move(strip));
    }
    return result;
}

std::string FitCell(PrintCanvas& canvas, std::string text, int width) {
    text = TrimRight(text);
    while (!text.empty() && canvas.TextWidth(text) > width)
        text.pop_back();
    return text;
}

void PrintRow(Engine& engine, const GridPage& page, const StripGeometry& strip, int row) {
    PrintCanvas& canvas = *engine.printer;
    const int textHeight = page.rowHeight * 4 / 5;
    const int top = engine.print.cursor + (page.rowHeight - textHeight) / 2;
    int x = page.left;
    for (size_t i = 0; i < strip.columns.size(); ++i) {
        const int width = strip.widths[i];
        const std::string& cell = page.grid.Cells(strip.columns[i], row);
        const std::string text = FitCell(canvas, cell, width - 2 * page.inset);
        if (!text.empty()) {
            // Numbers line up at the right, whether typed or computed.
            const int left = IsNumberCell(cell) ? x + width - page.inset - canvas.TextWidth(text)
                                                : x + page.inset;
            canvas.TextOut(left, top, text);
        }
        x += width;
    }
    engine.print.cursor += page.rowHeight;
}

int StripRight(const GridPage& page, const StripGeometry& strip) {
    int right = page.left;
    for (int width : strip.widths)
        right += width;
    return right;
}

void PrintHeadingRows(Engine& engine, const GridPage& page, const StripGeometry& strip) {
    for (int row = 0; row < page.headingRows; ++row)
        PrintRow(engine, page, strip, row);
    const int y = engine.print.cursor;
    engine.printer->Line(page.left, y, StripRight(page, strip), y);
}

void CloseBlock(Engine& engine, const GridPage& page, const StripGeometry& strip, int top) {
    PrintCanvas& canvas = *engine.printer;
    const int bottom = engine.print.cursor;
    canvas.Line(page.left, top, StripRight(page, strip), top);
    canvas.Line(page.left, bottom, StripRight(page, strip), bottom);
    int x = page.left;
    canvas.Line(x, top, x, bottom);
    for (int width : strip.widths) {
        x += width;
        canvas.Line(x, top, x, bottom);
    }
}

void SetGridFont(PrintCanvas& canvas, int rowHeight) {
    PrintFont font;
    font.name = kGridFont;
    font.height = std::max(8, rowHeight * 4 / 5);
    canvas.SetFont(font);
}

void PrintStrips(Engine& engine, const GridPage& page, const std::vector<StripGeometry>& strips,
                 const std::vector<int>& rows) {
    PrintState& print = engine.print;
    for (size_t s = 0; s < strips.size(); ++s) {
        const StripGeometry& strip = strips[s];
        if (s > 0) {
            // A further strip that fits whole below the last one saves a page of white.
            const int height =
                page.rowHeight * (page.headingRows + static_cast<int>(rows.size()) + 1);
            if (print.cursor + height > print.BottomLimit()) {
                StartFurtherPage(engine, page.heading, kGridFont, true);
            } else {
                print.cursor += page.rowHeight;
            }
        }
        SetGridFont(*engine.printer, page.rowHeight);
        int blockTop = print.cursor;
        PrintHeadingRows(engine, page, strip);
        const int count = static_cast<int>(rows.size());
        for (int i = 0; i < count; ++i) {
            if (PageBreakDue(print, count - i, page.rowHeight)) {
                CloseBlock(engine, page, strip, blockTop);
                StartFurtherPage(engine, page.heading, kGridFont, true);
                SetGridFont(*engine.printer, page.rowHeight);
                blockTop = print.cursor;
                PrintHeadingRows(engine, page, strip);
            }
            PrintRow(engine, page, strip, rows[i]);
        }
        CloseBlock(engine, page, strip, blockTop);
    }
}

// The strip question; false when cancelled or when the grid was saved as text instead.
bool AskStrips(Engine& engine, const GridPrintTitle& title, const StringGrid& grid, int width,
               StripAnswer& answer) {
    const std::string caption = FirstField(title.text);
    const bool ask = width > kWidthPerStrip || grid.ColCount() >= 16 || title.layoutPreset > 0;
    if (title.stripPreset > 0 || !ask) {
        answer.strips = std::max(1, title.stripPreset);
        return true;
    }
    const int proposal =
        title.layoutPreset > 0 ? title.layoutPreset : std::max(1, width / kWidthPerStrip);
    if (engine.print.controlFlags & kPrintNoChoiceDialogs) {
        answer.strips = proposal;
        return true;
    }
    TextRequest request;
    request.caption = caption + Win(";Format: anz_Bahnen h/q ggf_Feldhöhenveränderung in %");
    request.prompt = StripQuestion(caption, grid.ColCount());
    request.value = std::to_string(proposal);
    request.width = 20;
    request.maxLength = 20;
    if (!engine.ui().AskText(request)) return false;
    answer = ParseStripAnswer(request.value);
    if (answer.saveAsText) {
        SaveListText(engine, "", GridTextLines(grid), caption);
        return false;
    }
    return true;
}

void FinishGrid(Engine& engine, int gap, int rowHeight) {
    PrintState& print = engine.print;
    if (gap >= 0) {
        print.cursor += gap;
        return;
    }
    if (gap == -2) {
        print.cursor += rowHeight;
        print.continueOnPage = true;
        if (!(print.controlFlags & kPrintKeepDocumentOpen)) {
            print.landscape = false;
            engine.printer->SetOrientation(PageOrientation::Portrait);
        }
        return;
    }
    EndPrintDocument(engine);
}

} // namespace

bool PrintGrid(Engine& engine, const std::string& title, const StringGrid& grid, int gap,
               const GridPrintContext& context) {
    const GridPrintTitle parsed = ParseGridPrintTitle(title);
    if (engine.print.redirectToFile) return SaveGridCsv(engine, "", grid, parsed.text);
    if (grid.ColCount() == 0 || grid.RowCount() == 0) return false;
    for (const auto& name : parsed.saveNames)
        SaveGridCsv(engine, name, grid, parsed.text);

    const std::string caption = FirstField(parsed.text);
    GridPage page{grid, TitleLines(caption).front()};
    page.headingRows =
        std::clamp(parsed.headingRows > 0 ? parsed.headingRows : std::max(1, grid.FixedRows()), 1,
                   grid.RowCount());
    std::vector<int> rows;
    if (!ChooseRows(engine, parsed, grid, context, page.headingRows, rows)) return false;
    if (static_cast<int>(rows.size()) < kMaxRowsForPageSharing && gap == -1) gap = -2;

    StripAnswer strips;
    if (!AskStrips(engine, parsed, grid, GridPrintWidth(grid, parsed.factor), strips)) return false;
    if (strips.orientationGiven) engine.print.landscape = strips.landscape;
    page.rowHeight = std::max(10, parsed.rowHeight * (100 + strips.rowHeightPercent) / 100);
    page.left = parsed.leftMarginMm * 10;
    page.inset = parsed.cellInset;

    const bool needDocument =
        !parsed.continueDocument || !engine.printer || !engine.printer->InDocument();
    if (needDocument && (!PrinterReady(engine) || !OpenPrintDocument(engine, page.heading)))
        return false;
    ShowPrintProgress(engine, page.heading);
    if (!parsed.continueDocument) PrintPageHeader(engine, caption, kGridFont);
    const int usable = UsableWidth(parsed, engine.print.landscape);
    SetGridFont(*engine.printer, page.rowHeight);
    const ColumnWidths widths = PrintedWidths(*engine.printer, page, parsed, rows, usable);
    PrintStrips(engine, page, StripGeometries(page, rows, widths, strips.strips, usable), rows);
    ShowPrintDone(engine, page.heading);
    FinishGrid(engine, gap, page.rowHeight);
    return true;
}

} // namespace tev
