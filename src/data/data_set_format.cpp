#include "data/data_set_format.h"

#include "output/codepage.h"
#include "output/text_routines.h"
#include "sheet/subject_tables.h"
#include "sheet/table_headings.h"
#include "shell/line_reader.h"

#include <algorithm>
#include <cstdio>

namespace tev {
namespace {

constexpr size_t kMaxDataLineLength = 254;

std::string CleanCell(const std::string& text) {
    // A ";" or a line break typed into a cell would shift every later cell of the file.
    std::string cell = Trim(text);
    std::replace(cell.begin(), cell.end(), ';', ',');
    std::replace(cell.begin(), cell.end(), '\r', ' ');
    std::replace(cell.begin(), cell.end(), '\n', ' ');
    return cell;
}

// The row of a course table line is the position of its subject code, whatever row number
// it carries; a code the table does not list keeps its own row when that row is free for it.
// -1 when it has none.
int CourseRow(const StringGrid& grid, std::string_view firstCell, int givenRow, int courseRegime) {
    const std::string code = (std::string(firstCell) + "  ").substr(0, 3);
    // The total row keeps its place whatever it is labelled ("zus" or "ges").
    if (code == "zus" || givenRow == grid.RowCount() - 1) return grid.RowCount() - 1;
    if (courseRegime > 1) {
        if (const int index = SubjectCodeIndex(code); index > 0) return index;
    } else {
        const auto& subjects = RegimeOneCourseSubjects(GridTableNumber(grid.Name()));
        for (size_t i = 0; i < subjects.size(); ++i) {
            if (SubjectIndexTable()[subjects[i]] == code) return static_cast<int>(i) + 1;
        }
    }
    if (givenRow == 0) return 0; // the heading row
    const std::string label = Trim(grid.Cells(0, givenRow));
    const bool free = givenRow > 0 && givenRow < grid.RowCount() - 1 &&
                      (label.empty() || label == Trim(firstCell));
    return free ? givenRow : -1;
}

std::string Where(const DataSetReadOptions& options, int lineNumber) {
    return options.fileName + ", Zeile " + std::to_string(lineNumber);
}

constexpr size_t kHeaderLength = 20;
constexpr size_t kConversionBField = 15;

} // namespace

FormConversion ConversionFor(int formYear, int tableNumber) {
    if (formYear != 97) return FormConversion::None;
    if (tableNumber == 23 || tableNumber == 31) return FormConversion::A;
    if (tableNumber == 72) return FormConversion::B;
    return FormConversion::None;
}

bool IsHeaderLine(std::string_view line) {
    return !line.empty() && line[0] == '.';
}

BlockHeader ReadHeaderLine(std::string_view text) {
    std::string line(text);
    line.resize(std::max(line.size(), kHeaderLength), ' ');
    if (line[17] == ':') line[17] = '0';
    BlockHeader header;
    header.tableDigits = line.substr(2, 2);
    header.table = GridTableNumber("SG" + header.tableDigits);
    header.schoolNumber = line.substr(5, 6);
    header.yearText = line.substr(12, 7);
    header.formYear = ParseTwoDigits(line.substr(14, 2));
    return header;
}

bool SplitDataLine(std::string_view line, FormConversion conversion, int& row,
                   std::vector<std::string_view>& cells) {
    const size_t firstSemi = line.find(';');
    if (firstSemi == std::string_view::npos) return false;
    row = ParseInt(line.substr(0, firstSemi));
    if (conversion == FormConversion::B && row == 18) return false;
    cells.clear();
    // Most cells are empty or a few digits: one pass over the bytes beats a search per cell.
    const char* const end = line.data() + line.size();
    const char* start = line.data() + firstSemi + 1;
    for (const char* at = start; at != end; ++at) {
        if (*at != ';') continue;
        cells.emplace_back(start, static_cast<size_t>(at - start));
        start = at + 1;
    }
    cells.emplace_back(start, static_cast<size_t>(end - start));
    if (conversion == FormConversion::A) cells.insert(cells.begin(), std::string_view());
    if (conversion == FormConversion::B) {
        cells.insert(cells.begin() + 1, 2, std::string_view());
        if (cells.size() > kConversionBField) cells[kConversionBField] = {};
    }
    return true;
}

std::vector<std::string> BlockOrder(int code) {
    std::vector<std::string> order = {"SG11", "SG18", "SG12", "SG21", "SG22", "SG23",
                                      "SG24", "SG31", "SG32", "SG33", "SG34", "SG41"};
    if (code >= 113) order.push_back("SG42");
    if (code >= 115) order.push_back("SG43");
    if (code >= 120) order.push_back("SG44");
    for (const char* name : {"SG51", "SG52", "SG61", "SG71"})
        order.push_back(name);
    if (code < 113) order.push_back("SG72");
    for (const char* name : {"SG81", "SG82", "SG83", "SG91"})
        order.push_back(name);
    return order;
}

std::string HeaderLine(const std::string& gridName, const SchoolHeader& header) {
    return ".;" + FixedWidth(gridName.size() >= 4 ? gridName.substr(2, 2) : gridName, 2) + ";" +
           FixedWidth(header.SchoolNumber(), 6) + ";" + FixedWidth(header.yearText, 7) + ";" +
           FixedWidth(header.shortName, 16);
}

std::string DataLine(const StringGrid& grid, int row) {
    char number[16];
    std::snprintf(number, sizeof number, "%2d", row);
    std::string line = number;
    for (int col = 0; col < grid.ColCount(); ++col)
        line += ";" + CleanCell(grid.Cells(col, row));
    if (line.size() > kMaxDataLineLength) line.resize(kMaxDataLineLength);
    return line;
}

void WriteBlock(const StringGrid& grid, const SchoolHeader& header, std::ostream& out) {
    WriteLine(out, HeaderLine(grid.Name(), header));
    for (int row = 0; row < grid.RowCount(); ++row)
        WriteLine(out, DataLine(grid, row));
}

DataSetReadResult ReadDataSet(std::istream& in, SheetGrids& grids, SchoolHeader& header,
                              const DataSetReadOptions& options) {
    DataSetReadResult result;
    LineReader reader(in);
    std::string_view line;
    StringGrid* grid = nullptr;
    int table = -1;
    FormConversion conversion = FormConversion::None;
    bool refusedBlock = false;
    std::vector<std::string_view> cells;
    while (reader.Next(line)) {
        if (reader.lastLineCut()) {
            result.messages.push_back(Win("überlange Zeile gekürzt: ") +
                                      Where(options, reader.lineNumber()));
        }
        if (IsHeaderLine(line)) {
            const BlockHeader block = ReadHeaderLine(line);
            const char kind = block.tableDigits[0];
            refusedBlock = options.import && (kind == '1' || kind == '5' || kind == '6');
            if (refusedBlock) {
                result.messages.push_back(Win("externe Daten für  ") + kind + "." +
                                          block.tableDigits[1] +
                                          Win("  können nicht geladen werden"));
                grid = nullptr;
                continue;
            }
            table = block.table;
            grid = grids.FindTable(table);
            if (grid && table == 41) {
                grid->SetRowCount(63);
                grid->Clear();
            }
            header.SetSchoolNumber(block.schoolNumber);
            header.yearText = block.yearText;
            conversion = ConversionFor(block.formYear, table);
            if (block.formYear == 97) result.form1997 = true;
            continue;
        }
        if (refusedBlock || !grid) continue;
        int row = 0;
        if (!SplitDataLine(line, conversion, row, cells)) continue;
        if (table == 51 || table == 61) {
            // An unknown subject would land on the heading row and be lost at the next save.
            row = CourseRow(*grid, cells[0], row, options.courseRegime);
            if (row < 0) {
                result.messages.push_back("Fach \"" + std::string(cells[0]) +
                                          Win("\" unbekannt, übergangen: ") +
                                          Where(options, reader.lineNumber()));
                continue;
            }
        }
        // Old files kept the total in an earlier row; the later layout has more rows whose
        // labels only begin with "Summe" and must stay where they are.
        if (table == 12 && TrimView(cells[0]) == "Summe") row = grid->RowCount() - 1;
        if (row < 0 || row >= kMaxDataSetRow) {
            result.messages.push_back("Zeilennummer " + std::to_string(row) + Win(" übergangen: ") +
                                      Where(options, reader.lineNumber()));
            continue;
        }
        if (row >= grid->RowCount()) grid->SetRowCount(row + 1);
        if (static_cast<int>(cells.size()) > grid->ColCount()) {
            grid->SetColCount(static_cast<int>(cells.size()));
        }
        for (size_t col = 0; col < cells.size(); ++col) {
            grid->SetCells(static_cast<int>(col), row, cells[col]);
        }
        ++result.storedLines;
    }
    return result;
}

} // namespace tev
