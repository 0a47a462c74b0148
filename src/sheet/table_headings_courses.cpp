// Tables 5.1, 6.1, 7.1, 7.2, 8.1, 8.2 and 8.3: the courses of the final years and the
// final examination grades.
#include "output/codepage.h"
#include "output/text_routines.h"
#include "sheet/heading_writers.h"
#include "sheet/subject_tables.h"

#include <algorithm>
#include <array>

namespace tev {
namespace {

std::vector<int> IndicesOf(std::initializer_list<const char*> codes) {
    std::vector<int> indices;
    for (const char* code : codes)
        indices.push_back(SubjectIndexOf(code));
    return indices;
}

} // namespace

std::string CourseHeadingRow(int tableNumber, int courseRegime) {
    static const std::array<const char*, 5> advanced = {
        ";LK12;Sch.12;Std.;LK13;Sch.13;Std.;LK JÜ;Sch.12;Sch.13;Std.",
        ";4std;Sch.12;Std.;LK13;Sch.13;Std.;   JÜ;Sch.12;Sch.13;Std.",
        ";4std;Sch.J1;Std.;4std;Sch.J2;Std.;   JÜ;Sch.J1;Sch.J2;Std.",
        ";L J1;Sch.J1;Std.;4std;Sch.J2;Std.;   JÜ;Sch.J1;Sch.J2;Std.",
        ";L J1;Sch.J1;Std.;L J2;Sch.J2;Std.;L  JÜ;Sch.J1;Sch.J2;Std."};
    static const std::array<const char*, 5> basic = {
        ";GK12;Sch.12;Std.;GK13;Sch.13;Std.;GK JÜ;Sch.12;Sch.13;Std.",
        ";2std;Sch.12;Std.;GK13;Sch.13;Std.;   JÜ;Sch.12;Sch.13;Std.",
        ";2std;Sch.J1;Std.;2std;Sch.J2;Std.;   JÜ;Sch.J1;Sch.J2;Std.",
        ";B J1;Sch.J1;Std.;2std;Sch.J2;Std.;   JÜ;Sch.J1;Sch.J2;Std.",
        ";B J1;Sch.J1;Std.;B J2;Sch.J2;Std.;B  JÜ;Sch.J1;Sch.J2;Std."};
    if (tableNumber != 51 && tableNumber != 61) return {};
    const int i = std::clamp(courseRegime, 1, 5) - 1;
    return Win(tableNumber == 51 ? advanced[i] : basic[i]);
}

const std::vector<int>& RegimeOneCourseSubjects(int tableNumber) {
    static const std::vector<int> advanced =
        IndicesOf({"D",  "E", "F",  "L",  "Gr",  "Ru", "BK", "Mu", "G", "Ek", "Gk", "EvR",
                   "KR", "M", "Ph", "Ch", "Bio", "SM", "SW", "S",  "I", "Sp", "Por"});
    static const std::vector<int> basic =
        IndicesOf({"D",    "E",    "F",   "L",   "Gr",  "Ru",  "BK",  "Mu", "G",  "Ek",  "Gk",
                   "EvR",  "KR",   "Eth", "M",   "Ph",  "Ch",  "Bio", "SM", "SW", "S",   "Ast",
                   "DG",   "Gl",   "Inf", "Li",  "Phi", "Psy", "Heb", "I",  "Sp", "F\"", "L\"",
                   "Gr\"", "Ru\"", "VKM", "CAS", "Sem", "Por", "Jap", "ges"});
    static const std::vector<int> none;
    return tableNumber == 51 ? advanced : tableNumber == 61 ? basic : none;
}

namespace headings {

void CourseTable(StringGrid& grid, const Input& in, int tableNumber) {
    std::vector<std::string> subjects;
    int rows = 0;
    if (in.regime == 1) {
        for (int index : RegimeOneCourseSubjects(tableNumber))
            subjects.push_back(TrimRight(SubjectIndexTable()[index]));
        // Free rows below the list take subjects the school names itself.
        rows = static_cast<int>(subjects.size()) + (tableNumber == 51 ? 5 : 4);
    } else {
        const auto& codes = SubjectCodeTable();
        for (int i = 1; i <= kSubjectCodeCount; ++i)
            subjects.push_back(TrimRight(codes[i]));
        rows = kSubjectCodeCount + 2;
    }
    Reshape(grid, 11, rows, 1, 1);
    grid.FillRow(0, CourseHeadingRow(tableNumber, in.regime));
    for (int row = 1; row < rows; ++row)
        grid.SetCells(0, row, row <= static_cast<int>(subjects.size()) ? subjects[row - 1] : "");
    grid.SetCells(0, rows - 1, "zus");
}

void CourseSizeTable(StringGrid& grid, const Input& in) {
    const bool withNewCourses = in.regime > 1;
    Reshape(grid, 4, withNewCourses ? 28 : 12, 2, 1);
    // Regime 1 counts subjects, later regimes courses.
    grid.FillRow(0, Win(";Zahl der Teilnehmer;Zahl der Kurse;") +
                        FieldAt(Win("Fächer;Kurse;Kurse"), std::min(in.regime, 3)));
    const char* const oldSizes = "weniger als 6; 6-12;13-23;24 und mehr;insgesamt";
    for (int i = 0; i < 5; ++i) {
        grid.SetCells(0, 1 + i, "LK");
        grid.SetCells(1, 1 + i, FieldAt(oldSizes, i + 1));
        grid.SetCells(0, 7 + i, "GK");
        grid.SetCells(1, 7 + i, FieldAt(oldSizes, i + 1));
    }
    grid.SetRowHeight(6, 2);
    if (withNewCourses) {
        for (int col = 0; col < grid.ColCount(); ++col)
            grid.SetCells(col, 12, grid.Cells(col, 0));
        grid.SetRowHeight(12, 2);
        grid.SetRowHeight(20, 2);
        const std::string sizes =
            Win(in.regime == 2 ? "unter 6; 6-12; 13-23; 13-23; 24-25;über 25;insgesamt"
                               : "unter 6; 6-12; 13-17; 18-23; 24-27;28 und mehr;insgesamt");
        const std::string fourHour = FieldAt(";4st;4st;L /4st;L ", in.regime);
        const std::string twoHour = FieldAt(";2st;2st;B /2st;B ", in.regime);
        for (int i = 0; i < 7; ++i) {
            grid.SetCells(0, 13 + i, fourHour);
            grid.SetCells(1, 13 + i, FieldAt(sizes, i + 1));
            grid.SetCells(0, 21 + i, twoHour);
            grid.SetCells(1, 21 + i, FieldAt(sizes, i + 1));
        }
    }
    if (in.screenWidth > 700) {
        grid.SetColWidth(2, 90);
        grid.SetColWidth(3, 550);
    }
}

void CourseCombinationTable(StringGrid& grid, const Input&) {
    Reshape(grid, 17, 22, 1, 1);
    // First course subject down, second across.
    grid.FillCol(0, ";E;F;L;Gr;Ru;M;Ph;Ch;Bio;G;Ek;Gk;EvR;KR;S;I;Sp");
    grid.FillRow(0, "\\3;I;Sp;D;BK;Mu;E;F;L;Gr;Ru;M;Ph;beurlaubt;zusammen");
    grid.SetCells(0, 20, "beurlaubt");
    grid.SetCells(0, 21, "zusammen");
}

void CourseExchangeTable(StringGrid& grid, const Input& in, bool incoming) {
    Reshape(grid, 5, 27, 1, 1);
    for (int row = 0; row < grid.RowCount(); ++row)
        grid.SetRowHeight(row, 24);
    grid.SetRowHeight(13, 20);
    grid.FillRow(0, incoming ? ";Fach;Jgst.1;Jgst.2;Name der abgebenden Schule"
                             : ";Fach;Jgst.1;Jgst.2;Name der aufnehmenden Schule");
    const std::string advanced = FieldAt("LK;4std/LK;4std;L /4std;L ", in.regime).substr(0, 15);
    const std::string basic = FieldAt("GK;2std/GK;2std;B /2std;B ", in.regime).substr(0, 15);
    for (int row = 1; row <= 13; ++row)
        grid.SetCells(0, row, advanced);
    for (int row = 14; row <= 26; ++row)
        grid.SetCells(0, row, basic);
    grid.SetCells(1, 13, "Insgesamt");
    grid.SetCells(1, 26, "Insgesamt");
}

void GradeTable(StringGrid& grid, const Input& in) {
    // Until 2012/13 the 8- and 9-year tracks are counted apart.
    const bool twoTracks = in.year <= 112;
    Reshape(grid, twoTracks ? 3 : 2, 34, 1, 1);
    if (in.year < 112)
        grid.FillRow(0, "Durchschnittsnote;Zahl der Zeugnisse;davon 8j.");
    else if (in.year == 112)
        grid.FillRow(0, "Durchschnittsnote;Zahl der Zeugnisse G8-Zug;Zahl der Zeugnisse G9-Zug");
    else
        grid.FillRow(0, "Durchschnittsnote;Zahl der Zeugnisse");
    for (int grade = 10; grade <= 40; ++grade) {
        const std::string digits = std::to_string(grade);
        grid.SetCells(0, grade - 9, digits.substr(0, 1) + "," + digits.substr(1));
    }
    grid.SetCells(0, 32, "zusammen");
    grid.SetCells(0, 33, "nicht bestanden");
    if (in.year < 112) grid.SetColWidth(2, grid.ColWidth(1) * 2 / 3);
}

} // namespace headings
} // namespace tev
