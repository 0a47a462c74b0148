// Geometry of a printed grid (all in 0.1 mm):
// - A printed column is (pixel width * factor * 2 / 5) + the extra width wide, so that a table
//   of W = 900 fills the 180 mm of a portrait line; a strip wider than the page's usable width
//   is narrowed proportionally.
// - Columns 1..last are divided in column order into the strips; column 0 (the row labels)
//   starts every strip. Every strip begins on a new page.
// - The heading rows (the grid's fixed rows, at least one, or the count of the title code) are
//   repeated at the top of every page of every strip.
// - Rows are printed in the row height (default 29, changed by the percent of the answer);
//   the text is 4/5 of it high in "Courier New", inset from the cell's left line and cut at the
//   cell's right edge. Thin lines frame each page's block, separate the columns and underline
//   the heading rows.
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
        if (!SaveGridCsv(engine, "", grid, title.text)) return false;
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

std::vector<StripGeometry> StripGeometries(const StringGrid& grid, const GridPrintTitle& title,
                                           int strips, bool landscape) {
    std::vector<int> widths;
    for (int col = 0; col < grid.ColCount(); ++col)
        widths.push_back(grid.ColWidth(col) * title.factor * 2 / 5 + title.extraColumnWidth);
    const int left = title.leftMarginMm * 10;
    const int usable = (landscape ? kLandscapeWidth : kPortraitWidth) - left - kRightMargin;
    std::vector<StripGeometry> result;
    for (const auto& [first, last] : DivideIntoStrips(widths, strips)) {
        StripGeometry strip;
        strip.columns.push_back(0);
        for (int col = first; col <= last; ++col)
            strip.columns.push_back(col);
        long total = 0;
        for (int col : strip.columns)
            total += widths[col];
        for (int col : strip.columns) {
            const long width = total > usable ? widths[col] * usable / total : widths[col];
            strip.widths.push_back(static_cast<int>(width));
        }
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
        const std::string text =
            FitCell(canvas, page.grid.Cells(strip.columns[i], row), width - 2 * page.inset);
        if (!text.empty()) canvas.TextOut(x + page.inset, top, text);
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
        if (s > 0) StartFurtherPage(engine, page.heading, kGridFont, true);
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
    PrintStrips(engine, page, StripGeometries(grid, parsed, strips.strips, engine.print.landscape),
                rows);
    ShowPrintDone(engine, page.heading);
    FinishGrid(engine, gap, page.rowHeight);
    return true;
}

} // namespace tev
