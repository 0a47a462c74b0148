#include "summary/summary_views.h"

#include "output/codepage.h"
#include "output/text_routines.h"
#include "sheet/table_titles.h"

#include <cstdio>

namespace tev {
namespace {

// Row 37 of the pupil tables: the pupils of each class level; columns 10 and 11 the final
// years.
constexpr int kAllPupilsRow = 37;
constexpr int kFinalYearCols[] = {10, 11};
// Columns of 5.1 and 6.1: the pupils of the first and the second final year.
constexpr int kCoursePupilCols[] = {2, 5};

double Sum(const SummaryStore& store, int table, int row, int col) {
    const SummaryCell* cell = store.Find(table, row, col);
    return cell ? cell->sum : 0;
}

std::string Whole(double value) {
    if (value == 0) return {};
    char text[32];
    std::snprintf(text, sizeof text, "%.0f", value);
    return text;
}

std::string Share(double part, double whole) {
    if (part <= 0 || whole <= 0) return {};
    char text[32];
    std::snprintf(text, sizeof text, "%.1f%%", part / whole * 100);
    std::string result = text;
    for (char& c : result)
        if (c == '.') c = ',';
    return result;
}

} // namespace

void FillSummaryOverview(StringGrid& grid, const SummaryStore& store, int schoolsRead,
                         int schoolYearCode) {
    const auto& names = SheetGrids::TableGridNames();
    grid.SetColCount(3);
    grid.SetRowCount(static_cast<int>(names.size()) + 3);
    grid.Clear();
    grid.SetFixedRows(1);
    grid.SetFixedCols(1);
    grid.FillRow(0, Win("Statistik  Zusammenfassung ") + SchoolYearText(schoolYearCode) +
                        ";Titel;Zellen mit Werten");
    grid.SetColWidth(0, 180);
    grid.SetColWidth(1, 500);
    int row = 1;
    for (const auto& name : names) {
        const int table = GridTableNumber(name);
        int cells = 0;
        for (int r = 0; r < store.RowCount(table); ++r)
            for (int c = 0; c < store.ColCount(table, r); ++c)
                if (store.Find(table, r, c)) ++cells;
        grid.SetCells(0, row, std::to_string(table / 10) + "." + std::to_string(table % 10));
        grid.SetCells(1, row, TableTitle(name, schoolYearCode));
        grid.SetCells(2, row, std::to_string(cells));
        ++row;
    }
    grid.SetCells(0, row, "Schulen gelesen");
    grid.SetCells(2, row++, std::to_string(schoolsRead));
    grid.SetCells(0, row, "Zellen insgesamt");
    grid.SetCells(2, row, std::to_string(store.CellCount()));
}

void FillCourseComparison(StringGrid& grid, const SheetGrids& tables, const SummaryStore& store) {
    const StringGrid& courses = *tables.FindTable(51);
    grid.SetColCount(9);
    grid.SetRowCount(courses.RowCount() + 1);
    grid.Clear();
    grid.SetFixedRows(1);
    grid.SetFixedCols(1);
    grid.FillRow(0, Win("Fach;5.1 Sch.J1;6.1 Sch.J1;zus. J1;Anteil J1;5.1 Sch.J2;6.1 Sch.J2;"
                        "zus. J2;Anteil J2"));
    double yearPupils[2] = {};
    for (int j = 0; j < 2; ++j)
        for (int table : {11, 18})
            yearPupils[j] += Sum(store, table, kAllPupilsRow, kFinalYearCols[j]);
    for (int row = 1; row < courses.RowCount(); ++row) {
        grid.SetCells(0, row, courses.Cells(0, row));
        for (int j = 0; j < 2; ++j) {
            const double advanced = Sum(store, 51, row, kCoursePupilCols[j]);
            const double basic = Sum(store, 61, row, kCoursePupilCols[j]);
            const int col = 1 + 4 * j;
            grid.SetCells(col, row, Whole(advanced));
            grid.SetCells(col + 1, row, Whole(basic));
            grid.SetCells(col + 2, row, Whole(advanced + basic));
            // The total row is no subject: its share would read as a share of the pupils.
            if (row < courses.RowCount() - 1)
                grid.SetCells(col + 3, row, Share(advanced + basic, yearPupils[j]));
        }
    }
    const int last = grid.RowCount() - 1;
    grid.SetCells(0, last, Win("Schüler 1.1+1.8"));
    grid.SetCells(3, last, Whole(yearPupils[0]));
    grid.SetCells(7, last, Whole(yearPupils[1]));
}

void FillHoursComparison(StringGrid& grid, const SheetGrids& tables) {
    const StringGrid& hours = *tables.FindTable(91);
    const StringGrid& target = *tables.FindTable(92);
    const int gap = hours.ColCount();
    grid.SetColCount(gap + 1 + target.ColCount());
    grid.SetRowCount(std::max(hours.RowCount(), target.RowCount()));
    grid.Clear();
    grid.SetFixedRows(1);
    grid.SetFixedCols(1);
    for (int row = 0; row < grid.RowCount(); ++row) {
        for (int col = 0; col < hours.ColCount(); ++col)
            grid.SetCells(col, row, hours.Cells(col, row));
        for (int col = 0; col < target.ColCount(); ++col)
            grid.SetCells(gap + 1 + col, row, target.Cells(col, row));
    }
    grid.SetCells(0, 0, "F9.1");
    grid.SetCells(gap + 1, 0, "F9.2");
}

} // namespace tev
