#include "sheet/extract_columns.h"

#include "data/data_set_format.h"
#include "output/codepage.h"
#include "output/text_routines.h"
#include "sheet/pupil_table_rows.h"
#include "sheet/table_headings.h"

#include <cctype>
#include <fstream>

namespace tev {
namespace {

struct CellRef {
    int col;
    int row;
};

// Rows of table 9.1: the class levels 5 to 11, the final years, their sum.
constexpr int kFirstLevelRow91 = 3;
constexpr int kLevel11Row91 = 9;
constexpr int kFinalYearRows91[] = {10, 11};
constexpr int kSumRow91 = 12;
// Row of table 9.2 with the target hours of the levels 5 to 11.
constexpr int kLowerTargetRow92 = 3;
// Subject columns of the hours tables and their sum.
constexpr int kFirstSubjectCol = 3;
constexpr int kLastSubjectCol = 26;
constexpr int kHoursSumCol = 27;

// Columns before the data of a row: the language letters of the pupil tables, the place and
// district of 4.1, the fixed columns elsewhere.
int FirstDataCol(const StringGrid& grid, int table) {
    if (table == 11 || table == 18) return 3;
    if (table == 41) return 2;
    return grid.FixedCols();
}

int FirstDataRow(const StringGrid& grid) {
    return std::max(1, grid.FixedRows());
}

std::vector<CellRef> LineCells(const StringGrid& grid, int table, ExtractLine line, int index) {
    std::vector<CellRef> cells;
    if (line == ExtractLine::Row) {
        for (int col = FirstDataCol(grid, table); col < grid.ColCount(); ++col)
            cells.push_back({col, index});
    } else {
        for (int row = FirstDataRow(grid); row < grid.RowCount(); ++row)
            cells.push_back({index, row});
    }
    return cells;
}

std::string JoinTrimmed(const std::vector<std::string>& parts) {
    std::string text;
    for (const auto& part : parts) {
        const std::string trimmed = Trim(part);
        if (trimmed.empty()) continue;
        if (!text.empty()) text += ' ';
        text += trimmed;
    }
    return text;
}

std::string CellHeading(const StringGrid& grid, int table, ExtractLine line, CellRef cell) {
    std::vector<std::string> parts;
    if (line == ExtractLine::Row) {
        for (int row = 0; row < FirstDataRow(grid); ++row)
            parts.push_back(grid.Cells(cell.col, row));
        const std::string heading = JoinTrimmed(parts);
        return heading.empty() ? "S" + std::to_string(cell.col) : heading;
    }
    for (int col = 0; col < std::max(1, FirstDataCol(grid, table)); ++col)
        parts.push_back(grid.Cells(col, cell.row));
    const std::string heading = JoinTrimmed(parts);
    return heading.empty() ? "Z" + std::to_string(cell.row) : heading;
}

std::string NumberText(long value) {
    return value == 0 ? std::string() : std::to_string(value);
}

bool IsNumberOrEmpty(const std::string& text) {
    const std::string trimmed = Trim(text);
    for (size_t i = 0; i < trimmed.size(); ++i) {
        const char c = trimmed[i];
        if (!std::isdigit(static_cast<unsigned char>(c)) && !(i == 0 && c == '-')) return false;
    }
    return true;
}

// The row of the other course table that holds the subject of `row`.
int MatchingRow(const StringGrid& grid, const StringGrid& other, int table, int row) {
    if (table != 51 && table != 61) return row;
    const std::string code = Trim(grid.Cells(0, row));
    for (int r = 1; r < other.RowCount(); ++r) {
        if (Trim(other.Cells(0, r)) == code) return r;
    }
    return -1;
}

std::string AddedCell(const StringGrid& grid, const StringGrid* other, int table, CellRef cell) {
    const std::string& text = grid.Cells(cell.col, cell.row);
    if (!other) return Trim(text);
    const int row = MatchingRow(grid, *other, table, cell.row);
    const std::string& added = other->Cells(cell.col, row);
    if (row < 0 || !IsNumberOrEmpty(text) || !IsNumberOrEmpty(added)) return Trim(text);
    return NumberText(static_cast<long>(ParseInt(text)) + ParseInt(added));
}

// The main line and the further one.
std::vector<std::vector<CellRef>> Lines(const StringGrid& grid, const ExtractColumns& columns) {
    std::vector<std::vector<CellRef>> lines{
        LineCells(grid, columns.table, columns.line, columns.index)};
    if (columns.extra)
        lines.push_back(LineCells(grid, columns.table, columns.line, *columns.extra));
    return lines;
}

std::vector<std::string> PlainCells(const SheetGrids& grids, const ExtractColumns& columns) {
    const StringGrid& grid = *grids.FindTable(columns.table);
    const StringGrid* other = columns.addedTable ? grids.FindTable(columns.addedTable) : nullptr;
    std::vector<std::string> cells;
    for (const auto& line : Lines(grid, columns)) {
        for (CellRef cell : line)
            cells.push_back(AddedCell(grid, other, columns.table, cell));
    }
    return cells;
}

// The data set of the short report beside the October statistics (or the other way round).
std::string OtherDataSetFile(const Engine& engine) {
    std::string suffix = engine.startup.yearSuffix;
    if (!suffix.empty() && (suffix.back() == 'K' || suffix.back() == 'k'))
        suffix.pop_back();
    else
        suffix += 'K';
    return engine.work.tevDir + "SL" + engine.sheet.schoolNumber + suffix;
}

std::vector<std::string> ShortReportCells(Engine& engine, const ExtractColumns& columns,
                                          size_t count) {
    const Sheet& sheet = engine.sheet;
    SheetGrids other;
    SetAllTableHeadings(other, sheet.schoolYearCode, sheet.screenWidth, sheet.rowLists);
    std::ifstream in;
    if (engine.services.files.OpenForReading("-" + OtherDataSetFile(engine), in)) {
        SchoolHeader header;
        DataSetReadOptions options;
        options.courseRegime = sheet.courseRegime;
        ReadDataSet(in, other, header, options);
    }
    ExtractColumns plain = columns;
    plain.addedTable = 0;
    std::vector<std::string> cells = PlainCells(other, plain);
    cells.resize(count);
    return cells;
}

int Cell(const SheetGrids& grids, int table, int col, int row) {
    const StringGrid* grid = grids.FindTable(table);
    return grid ? ParseInt(grid->Cells(col, row)) : 0;
}

int LowerActual(const SheetGrids& grids, int col) {
    int hours = 0;
    for (int row = kFirstLevelRow91; row <= kLevel11Row91; ++row)
        hours += Cell(grids, 91, col, row);
    return hours;
}

int FinalYearsActual(const SheetGrids& grids, int col) {
    int hours = 0;
    for (int row : kFinalYearRows91)
        hours += Cell(grids, 91, col, row);
    return hours;
}

std::vector<std::string> PupilsAgainstCourses(const SheetGrids& grids,
                                              const ExtractColumns& columns) {
    std::vector<std::string> cells;
    // Final-year pupils and those of 5.1's D and M rows (single-year and spanning courses).
    const struct {
        int pupilCol;
        int courseCols[2];
    } years[] = {{10, {2, 8}}, {11, {5, 9}}};
    const StringGrid* sg51 = grids.FindTable(51);
    for (const auto& year : years) {
        int pupils = Cell(grids, 11, year.pupilCol, pupil_rows::kAll);
        if (columns.addedTable == 18) pupils += Cell(grids, 18, year.pupilCol, pupil_rows::kAll);
        cells.push_back(NumberText(pupils));
        for (const char* code : {"D", "M"}) {
            int taught = 0;
            for (int row = 1; sg51 && row < sg51->RowCount(); ++row) {
                if (Trim(sg51->Cells(0, row)) != code) continue;
                for (int col : year.courseCols)
                    taught += ParseInt(sg51->Cells(col, row));
            }
            cells.push_back(NumberText(taught));
        }
    }
    return cells;
}

std::vector<std::string> SubjectTargets(const SheetGrids& grids, int col) {
    const int target = Cell(grids, 92, col, kTargetSumRow92);
    const int actual = Cell(grids, 91, col, kSumRow91);
    return {NumberText(Cell(grids, 92, col, kLowerTargetRow92)),
            NumberText(target),
            NumberText(LowerActual(grids, col)),
            NumberText(FinalYearsActual(grids, col)),
            NumberText(actual),
            NumberText(actual - target)};
}

std::vector<std::string> TargetSum(const SheetGrids& grids) {
    const int target = Cell(grids, 92, kHoursSumCol, kTargetSumRow92);
    const int actual = Cell(grids, 91, kHoursSumCol, kSumRow91);
    std::vector<std::string> cells{NumberText(target), NumberText(actual),
                                   NumberText(actual - target)};
    for (int col = kFirstSubjectCol; col <= kLastSubjectCol; ++col) {
        cells.push_back(
            NumberText(Cell(grids, 91, col, kSumRow91) - Cell(grids, 92, col, kTargetSumRow92)));
    }
    return cells;
}

// "zus": the levels 5 to 11 with their figures, the final years with their actual hours as
// target.
std::vector<ExtractLineValues> FourLineTargets(const SheetGrids& grids) {
    std::vector<ExtractLineValues> lines{{Win("9.2 Soll"), {}},
                                         {Win("9.1 Ist"), {}},
                                         {Win("Ist9.1-Soll9.2"), {}},
                                         {Win("Ist OS"), {}}};
    long sums[4] = {};
    for (int col = kFirstSubjectCol; col <= kLastSubjectCol; ++col) {
        const int target = Cell(grids, 92, col, kLowerTargetRow92);
        const int actual = LowerActual(grids, col);
        const int finalYears = FinalYearsActual(grids, col);
        const int values[4] = {target, actual, actual - target, finalYears};
        for (int i = 0; i < 4; ++i) {
            lines[i].cells.push_back(NumberText(values[i]));
            sums[i] += values[i];
        }
    }
    lines[0].cells.push_back(NumberText(sums[0] + sums[3]));
    lines[1].cells.push_back(NumberText(sums[1] + sums[3]));
    lines[2].cells.push_back(NumberText(sums[1] - sums[0]));
    lines[3].cells.push_back(NumberText(sums[3]));
    return lines;
}

std::string SubjectHeading(const SheetGrids& grids, int col) {
    const StringGrid* sg91 = grids.FindTable(91);
    return sg91 ? Trim(sg91->Cells(col, 0)) : std::string();
}

} // namespace

std::vector<std::string> ExtractHeadings(const Sheet& sheet, const ExtractColumns& columns) {
    const SheetGrids& grids = sheet.grids;
    std::vector<std::string> headings;
    switch (columns.kind) {
    case ExtractKind::PupilsAgainstCourses:
        FillItems(headings, "Sch.J1 1.1+1.8;D Sch.J1 5.1;M Sch.J1 5.1;Sch.J2 1.1+1.8;"
                            "D Sch.J2 5.1;M Sch.J2 5.1");
        if (columns.addedTable != 18) {
            headings[0] = "Sch.J1 1.1";
            headings[3] = "Sch.J2 1.1";
        }
        return headings;
    case ExtractKind::SubjectTargets: {
        const std::string subject = SubjectHeading(grids, columns.index);
        for (const char* part :
             {"Soll 5-11", "Soll ges", "Ist 5-11", "Ist OS", "Ist ges", "Ist-Soll"})
            headings.push_back(subject + " " + part);
        return headings;
    }
    case ExtractKind::TargetSum:
        FillItems(headings, "Soll ges;Ist ges;Ist-Soll");
        for (int col = kFirstSubjectCol; col <= kLastSubjectCol; ++col)
            headings.push_back(SubjectHeading(grids, col) + " Ist-Soll");
        return headings;
    case ExtractKind::FourLineTargets:
        for (int col = kFirstSubjectCol; col <= kLastSubjectCol; ++col)
            headings.push_back(SubjectHeading(grids, col));
        headings.push_back("zus");
        return headings;
    case ExtractKind::Plain:
        break;
    }
    const StringGrid& grid = *grids.FindTable(columns.table);
    const auto lines = Lines(grid, columns);
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string prefix = i == 0 ? std::string()
                                          : (columns.line == ExtractLine::Row ? "Z" : "S") +
                                                std::to_string(*columns.extra) + " ";
        for (CellRef cell : lines[i])
            headings.push_back(prefix + CellHeading(grid, columns.table, columns.line, cell));
    }
    if (columns.shortReport) {
        const size_t count = headings.size();
        for (size_t i = 0; i < count; ++i)
            headings.push_back("KB " + headings[i]);
    }
    return headings;
}

std::vector<ExtractLineValues> ExtractValues(Engine& engine, const ExtractColumns& columns) {
    const SheetGrids& grids = engine.sheet.grids;
    switch (columns.kind) {
    case ExtractKind::PupilsAgainstCourses:
        return {{"", PupilsAgainstCourses(grids, columns)}};
    case ExtractKind::SubjectTargets:
        return {{"", SubjectTargets(grids, columns.index)}};
    case ExtractKind::TargetSum:
        return {{"", TargetSum(grids)}};
    case ExtractKind::FourLineTargets:
        return FourLineTargets(grids);
    case ExtractKind::Plain:
        break;
    }
    std::vector<std::string> cells = PlainCells(grids, columns);
    if (columns.shortReport) {
        const std::vector<std::string> other = ShortReportCells(engine, columns, cells.size());
        cells.insert(cells.end(), other.begin(), other.end());
    }
    return {{"", cells}};
}

} // namespace tev
