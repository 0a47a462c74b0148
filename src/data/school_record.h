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

inline constexpr int kDemandLevels = 7;    // class levels 5..11
inline constexpr int kDemandNineYear = 0;  // track of table 1.1
inline constexpr int kDemandEightYear = 1; // track of table 1.8

// What the teacher demand routine computed for the loaded school.
struct DemandWorkArea {
    enum Part { NineYear = 0, EightYear = 1, Both = 2 };
    // Per SubjectIndexTable position a row of 21 values: for the levels 5..11 the hours of the
    // 9-year track, of the 8-year track and of both.
    std::array<std::array<int16_t, 3 * kDemandLevels>, kRecordSubjects> subjectHours{};
    // [track][level 1..7]
    std::array<std::array<int16_t, kDemandLevels + 1>, 2> pupils{};
    std::array<std::array<int16_t, kDemandLevels + 1>, 2> classes{};
    // Pupils of KlSt.12 and KlSt.13 in two groups: the 9-year and the 8-year track.
    std::array<int16_t, 2> finalYear12{};
    std::array<int16_t, 2> finalYear13{};
    // The year code with the demand mode the area was computed for (0: not computed).
    int16_t yearCode = 0;
    int16_t mode = 0;

    int16_t& Hours(int subject, int level, Part part) {
        return subjectHours[subject][3 * (level - 1) + part];
    }
    int16_t Hours(int subject, int level, Part part) const {
        return subjectHours[subject][3 * (level - 1) + part];
    }
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
    DemandWorkArea demand;

    void Clear() { *this = SchoolRecord{}; }
};

} // namespace tev
