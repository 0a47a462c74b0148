#pragma once
// The numeric form of the loaded school's tables that the evaluations compute with. It is
// derived from the grids by the write-back routines, never the other way round.
#include <array>
#include <cstdint>

namespace tev {

inline constexpr int kRecordRowIds = 86;   // RowId 0..85
inline constexpr int kRecordValues = 10;   // values 1..9 used (class levels 5..J2)
inline constexpr int kRecordSubjects = 55; // SubjectIndexTable 0..54
inline constexpr int kCourseValues = 11;   // values 1..10 used
inline constexpr int kHoursRows = 23;      // rows of table 9.1
inline constexpr int kHoursCols = 29;      // columns of table 9.2 (one more than 9.1)
inline constexpr int kCourseSubjectCapacity = 60;

using PupilMatrix = std::array<std::array<int16_t, kRecordValues>, kRecordRowIds>;
using CourseMatrix = std::array<std::array<int16_t, kCourseValues>, kRecordSubjects>;

struct HoursTable {
    std::array<std::array<int16_t, kHoursCols>, kHoursRows> hours{};
    // Per column the index of its subject in the SubjectIndexTable (0 when none).
    std::array<uint8_t, kHoursCols> subjectIndex{};
    int colCount = 0;
    int rowCount = 0;
};

struct SchoolRecord {
    PupilMatrix pupils11{};
    PupilMatrix pupils18{};
    // First, second and third foreign language of RowId 1..35.
    std::array<std::array<char, 3>, 36> languageLetters{};
    // Class letters of the parallel classes of table 1.2 (rows 1..8; RowId 41..48).
    std::array<char, 9> classLetters{};
    CourseMatrix courses51{};
    CourseMatrix courses61{};
    int courseSubjectCount = 0;
    std::array<std::array<char, 3>, kCourseSubjectCapacity> courseSubjects{};
    HoursTable hours91;
    HoursTable hours92;

    void Clear() { *this = SchoolRecord{}; }
};

} // namespace tev
