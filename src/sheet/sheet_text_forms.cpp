#include "sheet/sheet_text_forms.h"

#include "output/codepage.h"
#include "output/text_routines.h"
#include "sheet/pupil_table_rows.h"

#include <algorithm>
#include <cstdlib>

namespace tev {
namespace {

constexpr int kLabel = 16;
constexpr int kNumber = -4;
constexpr int kCourseField = 8; // 7 characters and the "|"

std::string Cell(const StringGrid* grid, int col, int row) {
    return grid ? Trim(grid->Cells(col, row)) : std::string();
}

int Number(const StringGrid* grid, int col, int row) {
    return grid ? ParseInt(grid->Cells(col, row)) : 0;
}

std::string NumberText(int value) {
    return value == 0 ? std::string() : std::to_string(value);
}

bool AnyText(const StringGrid* grid, int row, int fromCol, int toCol) {
    for (int col = fromCol; col <= toCol; ++col) {
        if (!Cell(grid, col, row).empty()) return true;
    }
    return false;
}

// The language letters and labels of columns 0 to 2 of the pupil tables, joined.
std::string PupilRowLabel(const StringGrid* grid, int row) {
    std::string label;
    for (int col = 0; col <= 2; ++col) {
        const std::string part = Cell(grid, col, row);
        if (part.empty()) continue;
        if (!label.empty()) label += ' ';
        label += part;
    }
    return label;
}

void Add(TextForm& form, const std::vector<std::string>& fields) {
    form.lines.push_back(FormLine(form.widths, fields));
}

// --- Formular1 -------------------------------------------------------------------------

constexpr int kPupilFirstCol = 3;
constexpr int kPupilLastCol = 12;

std::vector<std::string> PupilFields(const StringGrid* grid, int row) {
    std::vector<std::string> fields;
    for (int col = kPupilFirstCol; col <= kPupilLastCol; ++col)
        fields.push_back(Cell(grid, col, row));
    return fields;
}

std::vector<std::string> Joined(std::vector<std::string> left, const std::string& separator,
                                const std::vector<std::string>& right) {
    left.push_back(separator);
    left.insert(left.end(), right.begin(), right.end());
    return left;
}

// --- Formular5+6 ------------------------------------------------------------------------

std::string CourseCell(const std::string& text) {
    return FitText(text, -(kCourseField - 1)) + "|";
}

std::string CourseLabel(const std::string& text) {
    return FitText(text, kCourseField - 1) + "|";
}

// The course table's row of a subject code, or -1.
int CourseRow(const StringGrid* grid, const std::string& code) {
    if (!grid) return -1;
    for (int row = 1; row < grid->RowCount(); ++row) {
        if (Cell(grid, 0, row) == code) return row;
    }
    return -1;
}

std::vector<std::string> CourseFields(const StringGrid* grid, int row) {
    std::vector<std::string> fields;
    fields.push_back(CourseLabel(row < 0 ? std::string() : Cell(grid, 0, row)));
    for (int col = 1; col <= 10; ++col)
        fields.push_back(CourseCell(row < 0 ? std::string() : Cell(grid, col, row)));
    return fields;
}

// Pupils taught in the course table's row: both final years, single-year and spanning courses.
int CoursePupils(const StringGrid* grid, int row) {
    if (row < 0) return 0;
    return Number(grid, 2, row) + Number(grid, 5, row) + Number(grid, 8, row) +
           Number(grid, 9, row);
}

// Pupils of the final years that 8.1 sends to or 8.2 receives from other schools in a subject,
// in the 4-hour rows (1..12) or the 2-hour rows (14..25).
int ExchangePupils(const StringGrid* grid, const std::string& code, bool fourHour) {
    int pupils = 0;
    const int first = fourHour ? 1 : 14;
    for (int row = first; row < first + 12; ++row) {
        if (Cell(grid, 1, row) == code) pupils += Number(grid, 2, row) + Number(grid, 3, row);
    }
    return pupils;
}

// The codes of the course tables' rows with any figure, 5.1's first.
std::vector<std::string> CourseCodes(const StringGrid* left, const StringGrid* right) {
    std::vector<std::string> codes;
    for (const StringGrid* grid : {left, right}) {
        if (!grid) continue;
        for (int row = 1; row + 1 < grid->RowCount(); ++row) {
            const std::string code = Cell(grid, 0, row);
            if (code.empty() || !AnyText(grid, row, 1, 10)) continue;
            if (std::find(codes.begin(), codes.end(), code) == codes.end()) codes.push_back(code);
        }
    }
    return codes;
}

void AddCourseTables(TextForm& form, const StringGrid* sg51, const StringGrid* sg61) {
    Add(form, {Win("Formular5+6        (jeweils:  5.1 4st/LK links, 6.1 2st/GK rechts)")});
    std::vector<std::string> headings;
    FillItems(headings, "Fach   |;Kurs.J1|;Sch.J1 |;Std.J1 |;Kurs.J2|;Sch.J2 |;Std.J2 |;"
                        "K.J1+J2|;Sch.J1 |;Sch.J2 |;Std.   |");
    Add(form, Joined(headings, headings.front(), {headings.begin() + 1, headings.end()}));
    auto sideBySide = [&form](const StringGrid* a, int rowA, const StringGrid* b, int rowB) {
        std::vector<std::string> fields = CourseFields(a, rowA);
        const std::vector<std::string> right = CourseFields(b, rowB);
        fields.insert(fields.end(), right.begin(), right.end());
        Add(form, fields);
    };
    for (const std::string& code : CourseCodes(sg51, sg61))
        sideBySide(sg51, CourseRow(sg51, code), sg61, CourseRow(sg61, code));
    sideBySide(sg51, sg51 ? sg51->RowCount() - 1 : -1, sg61, sg61 ? sg61->RowCount() - 1 : -1);
}

void AddExchangeTables(TextForm& form, const StringGrid* sg81, const StringGrid* sg82) {
    form.lines.emplace_back();
    std::vector<std::string> heading;
    FillItems(heading, "8.1;Fach;J1;J2;zu;;;;;;;8.2;Fach;J1;J2;von;;;;;;;");
    Add(form, heading);
    // The school's name runs on over the empty fields after it.
    constexpr int kNameWidth = 7 * kCourseField - 1;
    auto fields = [](const StringGrid* grid, int row, std::vector<std::string>& out) {
        for (int col = 0; col <= 3; ++col)
            out.push_back(col < 2 ? CourseLabel(Cell(grid, col, row))
                                  : CourseCell(Cell(grid, col, row)));
        const std::string name = FitText(Cell(grid, 4, row), kNameWidth) + "|";
        for (int part = 0; part < 7; ++part)
            out.push_back(name.substr(part * kCourseField, kCourseField));
    };
    const int rows = std::max(sg81 ? sg81->RowCount() : 0, sg82 ? sg82->RowCount() : 0);
    for (int row = 1; row < rows; ++row) {
        if (!AnyText(sg81, row, 1, 4) && !AnyText(sg82, row, 1, 4)) continue;
        std::vector<std::string> line;
        fields(sg81, row, line);
        fields(sg82, row, line);
        Add(form, line);
    }
}

// Pupils of the final years who must take a 4-hour course in D and in M (from the regime of
// the 4-hour courses on) against what 8.1, 8.2 and 5.1 say; other subjects without the share.
void AddCourseCheck(TextForm& form, const SheetGrids& grids, int courseRegime) {
    const StringGrid* sg51 = grids.FindTable(51);
    const StringGrid* sg81 = grids.FindTable(81);
    const StringGrid* sg82 = grids.FindTable(82);
    form.lines.emplace_back();
    std::vector<std::string> top;
    std::vector<std::string> bottom;
    FillItems(top, "Kontroll;;lt.ZEP;LF zu;;;hier zu; ;lt. 5.1");
    FillItems(bottom, "-Rechn:;;SuS * f;unterr;lt. 8.1;lt. 8.2;unterr; ;unterr");
    Add(form, top);
    Add(form, bottom);
    int finalYears = 0;
    for (int table : {11, 18}) {
        const StringGrid* pupils = grids.FindTable(table);
        finalYears += Number(pupils, 10, pupil_rows::kAll) + Number(pupils, 11, pupil_rows::kAll);
    }
    for (const std::string& code : CourseCodes(sg51, nullptr)) {
        const int sent = ExchangePupils(sg81, code, true);
        const int received = ExchangePupils(sg82, code, true);
        const int taught = CoursePupils(sg51, CourseRow(sg51, code));
        std::vector<std::string> line{CourseLabel(code), CourseLabel("")};
        const bool everyone = courseRegime >= 3 && (code == "D" || code == "M");
        const int toTeach = finalYears - sent;
        line.push_back(CourseCell(everyone ? NumberText(finalYears) : ""));
        line.push_back(CourseCell(everyone ? NumberText(toTeach) : ""));
        line.push_back(CourseCell(NumberText(sent)));
        line.push_back(CourseCell(NumberText(received)));
        line.push_back(CourseCell(everyone ? NumberText(toTeach + received) : ""));
        line.push_back(CourseLabel(everyone && toTeach + received != taught ? "<>" : ""));
        line.push_back(CourseCell(NumberText(taught)));
        Add(form, line);
    }
}

// Course counts of 7.1 by size class, 4-hour and 2-hour, against those of 5.1 and 6.1.
void AddCourseSizes(TextForm& form, const SheetGrids& grids, int courseRegime) {
    const StringGrid* sg71 = grids.FindTable(71);
    form.lines.emplace_back();
    std::vector<std::string> heading;
    FillItems(heading, "F7.1:;Zahl Sch;Zahl L;Zahl B;ges;z.Vgl.;ges 5/6");
    std::transform(heading.begin(), heading.end(), heading.begin(), CourseLabel);
    Add(form, heading);
    const int firstFour = courseRegime < 2 ? 1 : 13;
    const int firstTwo = courseRegime < 2 ? 7 : 21;
    const int classes = courseRegime < 2 ? 5 : 7;
    int courses56 = 0;
    for (int table : {51, 61}) {
        const StringGrid* grid = grids.FindTable(table);
        const int zus = grid ? grid->RowCount() - 1 : 0;
        courses56 += Number(grid, 1, zus) + Number(grid, 4, zus) + Number(grid, 7, zus);
    }
    for (int i = 0; i < classes; ++i) {
        const int four = Number(sg71, 2, firstFour + i);
        const int two = Number(sg71, 2, firstTwo + i);
        const bool last = i + 1 == classes;
        Add(form, {CourseLabel(""), CourseLabel(Cell(sg71, 1, firstFour + i)),
                   CourseCell(NumberText(four)), CourseCell(NumberText(two)),
                   CourseCell(NumberText(four + two)), CourseLabel(last ? "5.1+6.1" : ""),
                   CourseCell(last ? NumberText(courses56) : "")});
    }
}

// --- 9.1 / 9.2 --------------------------------------------------------------------------

constexpr int kHoursCols91 = 27; // columns 1..27 of 9.1
constexpr int kHoursCols92 = 28; // columns 1..28 of 9.2

} // namespace

std::string FormLine(const std::vector<int>& widths, const std::vector<std::string>& fields) {
    if (fields.size() == 1 && !widths.empty() &&
        fields.front().size() > static_cast<size_t>(std::abs(widths[0])))
        return TrimRight(fields.front()); // a heading running over the fields
    std::string line;
    for (size_t i = 0; i < fields.size() && i < widths.size(); ++i)
        line += FitText(fields[i], widths[i]);
    return TrimRight(line);
}

void FillGridFromForm(StringGrid& grid, const TextForm& form) {
    grid.Clear();
    grid.ResetSizes();
    grid.SetFixedCols(0);
    grid.SetFixedRows(0);
    grid.SetColCount(static_cast<int>(form.widths.size()));
    grid.SetRowCount(std::max<int>(1, static_cast<int>(form.lines.size())));
    grid.SetFixedRows(form.lines.size() > 1 ? 1 : 0);
    for (size_t row = 0; row < form.lines.size(); ++row) {
        const std::string& line = form.lines[row];
        size_t at = 0;
        for (size_t col = 0; col < form.widths.size() && at < line.size(); ++col) {
            const size_t width = static_cast<size_t>(std::abs(form.widths[col]));
            grid.SetCells(static_cast<int>(col), static_cast<int>(row),
                          TrimRight(line.substr(at, width)));
            at += width;
        }
    }
    // About 8 pixels a character, as the grid's font shows them.
    for (size_t col = 0; col < form.widths.size(); ++col)
        grid.SetColWidth(static_cast<int>(col), std::abs(form.widths[col]) * 8 + 4);
}

TextForm WriteFormular1(SheetGrids& grids) {
    const StringGrid* sg11 = grids.FindTable(11);
    const StringGrid* sg18 = grids.FindTable(18);
    const StringGrid* sg12 = grids.FindTable(12);
    TextForm form;
    form.widths.push_back(kLabel);
    form.widths.insert(form.widths.end(), 10, kNumber);
    form.widths.push_back(2);
    form.widths.insert(form.widths.end(), 10, kNumber);

    Add(form, {Win("Formular1        (jeweils:  1.1 links, 1.8 rechts)")});
    std::vector<std::string> levels;
    FillItems(levels, "5;6;7;8;9;10;11;J1;J2;Sum");
    std::vector<std::string> heading{"Klst"};
    heading.insert(heading.end(), levels.begin(), levels.end());
    Add(form, Joined(heading, " |", levels));
    const int rows = std::max(sg11 ? sg11->RowCount() : 0, sg18 ? sg18->RowCount() : 0);
    for (int row = 1; row < rows; ++row) {
        if (!AnyText(sg11, row, kPupilFirstCol, kPupilLastCol) &&
            !AnyText(sg18, row, kPupilFirstCol, kPupilLastCol))
            continue;
        std::vector<std::string> fields{PupilRowLabel(sg11 ? sg11 : sg18, row)};
        const std::vector<std::string> left = PupilFields(sg11, row);
        fields.insert(fields.end(), left.begin(), left.end());
        Add(form, Joined(fields, " |", PupilFields(sg18, row)));
    }

    form.lines.emplace_back();
    Add(form, {Win("1.2  Zahl der Schüler je (Parallel-)Klasse")});
    if (sg12) {
        for (int row = 0; row < sg12->RowCount(); ++row) {
            if (row > 0 && !AnyText(sg12, row, 1, sg12->ColCount() - 1)) continue;
            std::vector<std::string> fields{row == 0 ? std::string("Klasse") : Cell(sg12, 0, row)};
            for (int col = 1; col < sg12->ColCount(); ++col)
                fields.push_back(Cell(sg12, col, row));
            Add(form, fields);
        }
    }
    if (StringGrid* sg00 = grids.Find("SG00")) FillGridFromForm(*sg00, form);
    return form;
}

TextForm WriteFormular56(SheetGrids& grids, int courseRegime) {
    TextForm form;
    form.widths.assign(22, kCourseField);
    AddCourseTables(form, grids.FindTable(51), grids.FindTable(61));
    AddExchangeTables(form, grids.FindTable(81), grids.FindTable(82));
    AddCourseCheck(form, grids, courseRegime);
    AddCourseSizes(form, grids, courseRegime);
    if (StringGrid* sg01 = grids.Find("SG01")) FillGridFromForm(*sg01, form);
    return form;
}

TextForm WriteHoursComparison(SheetGrids& grids) {
    const StringGrid* sg91 = grids.FindTable(91);
    const StringGrid* sg92 = grids.FindTable(92);
    TextForm form;
    form.widths.push_back(kLabel);
    form.widths.insert(form.widths.end(), kHoursCols91, kNumber);
    form.widths.push_back(2);
    form.widths.insert(form.widths.end(), kHoursCols92, kNumber);
    const int rows = std::max(sg91 ? sg91->RowCount() : 0, sg92 ? sg92->RowCount() : 0);
    for (int row = 0; row < rows; ++row) {
        std::vector<std::string> fields{row == 0 ? std::string("F9.1 | F9.2") : Cell(sg91, 0, row)};
        for (int col = 1; col <= kHoursCols91; ++col)
            fields.push_back(Cell(sg91, col, row));
        fields.push_back(" |");
        for (int col = 1; col <= kHoursCols92; ++col)
            fields.push_back(Cell(sg92, col, row));
        Add(form, fields);
    }
    for (const char* name : {"SG01", "SG00"}) {
        if (StringGrid* grid = grids.Find(name)) FillGridFromForm(*grid, form);
    }
    return form;
}

} // namespace tev
