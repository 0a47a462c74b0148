// The record-backed tables written into the numeric school record: pupils of 1.1, 1.8 and
// 1.2, courses of 5.1 and 6.1, hours of 9.1 and 9.2.
#include "output/text_routines.h"
#include "sheet/cell_numbers.h"
#include "sheet/record_mapping.h"
#include "sheet/row_ids.h"
#include "sheet/subject_tables.h"
#include "sheet/table_headings.h"

#include <algorithm>
#include <array>

namespace tev {
namespace {

constexpr int kFirstLevelCol = 3; // value k of a pupil row stands in column k + 2
constexpr int kPupilValues = 9;
constexpr int kParallelClassRows = 8;
constexpr int kFirstParallelClassRowId = 40; // row r of 1.2 is RowId 40 + r
constexpr int kCourseCols = 10;
constexpr int kTotalSubject = 40; // "ges"

// A letter of a cell: its first character, leading blanks skipped; a blank for none.
char LetterOf(const std::string& text) {
    const std::string_view trimmed = TrimView(text);
    return trimmed.empty() ? ' ' : trimmed.front();
}

void WritePupilRow(const StringGrid* grid, int row, PupilMatrix::value_type& values) {
    if (grid == nullptr) return;
    for (int k = 1; k <= kPupilValues; ++k)
        values[k] = CellNumber16(*grid, k + kFirstLevelCol - 1, row);
}

void WriteCourseRow(const StringGrid& grid, int row, CourseMatrix::value_type& values) {
    for (int col = 1; col <= kCourseCols; ++col)
        values[col] = CellNumber16(grid, col, row);
}

// Regime 2 on: the record subject of each row of the code list (the code "CA " of the course
// rows is "CAS" in the index table). Both lists are fixed, so the rows are looked up once.
const std::array<int, kSubjectCodeCount + 1>& CourseRowSubjects() {
    static const auto subjects = [] {
        std::array<int, kSubjectCodeCount + 1> found{};
        const auto& codes = SubjectCodeTable();
        for (int i = 1; i <= kSubjectCodeCount; ++i)
            found[i] = SubjectIndexOf(codes[i] == "CA " ? "CAS" : codes[i]);
        return found;
    }();
    return subjects;
}

void WriteCourseTable(const StringGrid* grid, int tableNumber, int courseRegime,
                      CourseMatrix& courses) {
    courses = {};
    if (grid == nullptr) return;
    if (courseRegime <= 1) {
        const auto& subjects = RegimeOneCourseSubjects(tableNumber);
        for (int i = 1; i <= static_cast<int>(subjects.size()); ++i) {
            const int subject = subjects[i - 1];
            if (subject <= 0 || subject >= kRecordSubjects) continue;
            // The total of the list is the table's sum row.
            const int row = subject == kTotalSubject ? grid->RowCount() - 1 : i;
            WriteCourseRow(*grid, row, courses[subject]);
        }
        return;
    }
    for (int i = 1; i <= kSubjectCodeCount; ++i) {
        const int subject = CourseRowSubjects()[i];
        if (subject <= 0 || subject >= kRecordSubjects) continue;
        WriteCourseRow(*grid, i, courses[subject]);
    }
}

// Hours are kept at their grid positions; the heading row and the label column hold texts
// (the class levels "5".."11" would read as numbers) and stay 0. The index byte of a column is
// the SubjectIndexTable position of the code in its heading, 0 for none or an unknown one.
void WriteHoursTable(const StringGrid* grid, HoursTable& table) {
    table = HoursTable{};
    if (grid == nullptr) return;
    table.colCount = std::min(grid->ColCount(), kHoursCols);
    table.rowCount = std::min(grid->RowCount(), kHoursRows);
    for (int col = 1; col < table.colCount; ++col) {
        const int subject = SubjectIndexOf(TrimView(grid->Cells(col, 0)));
        table.subjectIndex[col] = static_cast<uint8_t>(std::max(subject, 0));
        for (int row = 1; row < table.rowCount; ++row)
            table.hours[row][col] = CellNumber16(*grid, col, row);
    }
}

} // namespace

void WriteBack11(Sheet& sheet) {
    SchoolRecord& record = sheet.record;
    record.pupils11 = {};
    record.pupils18 = {};
    for (auto& letters : record.languageLetters)
        letters.fill(' ');
    record.classLetters.fill(' ');
    const StringGrid* grid11 = sheet.grids.FindTable(11);
    const StringGrid* grid18 = sheet.grids.FindTable(18);
    for (int row = 1; row < kPupilTableRows; ++row) {
        const int rowId = RowIdOfRow(row);
        if (rowId <= 0 || rowId >= kRecordRowIds) continue;
        if (rowId <= kLanguageRowIds && grid11 != nullptr)
            for (int col = 0; col < 3; ++col)
                record.languageLetters[rowId][col] = LetterOf(grid11->Cells(col, row));
        WritePupilRow(grid11, row, record.pupils11[rowId]);
        WritePupilRow(grid18, row, record.pupils18[rowId]);
    }
    // Only the parallel classes a..h have RowIds; the later rows of 1.2 stay in the grid.
    const StringGrid* grid12 = sheet.grids.FindTable(12);
    if (grid12 == nullptr) return;
    for (int row = 1; row <= kParallelClassRows; ++row) {
        record.classLetters[row] = LetterOf(grid12->Cells(0, row));
        auto& values = record.pupils11[kFirstParallelClassRowId + row];
        for (int col = 1; col <= 8; ++col)
            values[col] = CellNumber16(*grid12, col, row);
    }
}

void WriteBackCourses(Sheet& sheet) {
    WriteBack11(sheet);
    WriteBackCourseTables(sheet);
    WriteBackHours(sheet);
}

void WriteBackCourseTables(Sheet& sheet) {
    SchoolRecord& record = sheet.record;
    WriteCourseTable(sheet.grids.FindTable(51), 51, sheet.courseRegime, record.courses51);
    WriteCourseTable(sheet.grids.FindTable(61), 61, sheet.courseRegime, record.courses61);
    // From regime 2 the rows of the course tables are the subject code list.
    record.courseSubjectCount = 0;
    record.courseSubjects = {};
    if (sheet.courseRegime > 1) {
        const auto& codes = SubjectCodeTable();
        for (int i = 1; i <= kSubjectCodeCount && i <= kCourseSubjectCapacity; ++i) {
            std::copy_n(codes[i].begin(), 3, record.courseSubjects[i - 1].begin());
            record.courseSubjectCount = i;
        }
    }
}

void WriteBackHours(Sheet& sheet) {
    WriteHoursTable(sheet.grids.FindTable(91), sheet.record.hours91);
    WriteHoursTable(sheet.grids.FindTable(92), sheet.record.hours92);
}

} // namespace tev
