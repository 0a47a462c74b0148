// The demand routine on hand-made records: classes and groups of a level times the weekly
// hours of the profile timetable, per subject and track, and the 8-year allocation.
#include "demand/demand_computation.h"
#include "sheet/subject_tables.h"

#include <gtest/gtest.h>
#include <string_view>

using namespace tev;

namespace {

constexpr int kRowE = 1;      // language sequence "E"
constexpr int kRowEF = 2;     // "EF"
constexpr int kRowGirls = 38; // "dar. Mädchen"
constexpr int kRowMusic = 40; // "mit Musikprof"
constexpr int kRowProtestant = 57;
constexpr int kRowCatholic = 58;

DemandInput Input(const SchoolRecord& record, int yearCode) {
    DemandInput input;
    input.record = &record;
    input.schoolYearCode = yearCode;
    for (int subject = 1; subject < static_cast<int>(SubjectIndexTable().size()); ++subject)
        input.shownSubjects.push_back(subject);
    return input;
}

int Hours(const DemandResult& result, const char* code, int level, DemandWorkArea::Part part) {
    return result.area.Hours(SubjectIndexOf(code), level, part);
}

void SetLanguages(SchoolRecord& record, int rowId, std::string_view letters) {
    for (size_t i = 0; i < 3; ++i)
        record.languageLetters[rowId][i] = i < letters.size() ? letters[i] : ' ';
}

} // namespace

// Class 5 of 60 pupils with English: 2 classes, by the base timetable of the 9-year track
// (German 5, mathematics 4, English 5, sport 3, religion 2 hours a week).
TEST(DemandComputation, ClassesAndGroupsTimesTheWeeklyHoursOfTheNineYearTrack) {
    SchoolRecord record;
    SetLanguages(record, kRowE, "E");
    record.pupils11[kRowE][1] = 60;
    record.pupils11[kRowGirls][1] = 25;
    const DemandResult result = ComputeDemand(Input(record, 100));
    const auto nine = DemandWorkArea::NineYear;
    EXPECT_EQ(result.area.pupils[kDemandNineYear][1], 60);
    EXPECT_EQ(result.area.classes[kDemandNineYear][1], 2);
    EXPECT_EQ(Hours(result, "D", 1, nine), 10);
    EXPECT_EQ(Hours(result, "M", 1, nine), 8);
    EXPECT_EQ(Hours(result, "E", 1, nine), 10);
    EXPECT_EQ(Hours(result, "SM", 1, nine), 6); // 35 boys: 2 groups
    EXPECT_EQ(Hours(result, "SW", 1, nine), 3); // 25 girls: 1 group
    // Without pupils per denomination every class counts under EvR.
    EXPECT_EQ(Hours(result, "EvR", 1, nine), 4);
    EXPECT_EQ(Hours(result, "KR", 1, nine), 0);
    EXPECT_EQ(Hours(result, "D", 1, DemandWorkArea::EightYear), 0);
    EXPECT_EQ(Hours(result, "D", 1, DemandWorkArea::Both), 10);
    EXPECT_FALSE(result.notes.empty());
}

TEST(DemandComputation, ProfilesDenominationsAndTheSecondLanguage) {
    SchoolRecord record;
    SetLanguages(record, kRowEF, "EF");
    record.pupils11[kRowEF][2] = 50; // class 6
    record.pupils11[kRowMusic][2] = 20;
    record.pupils11[kRowProtestant][2] = 30;
    record.pupils11[kRowCatholic][2] = 20;
    const DemandResult result = ComputeDemand(Input(record, 100));
    const auto nine = DemandWorkArea::NineYear;
    // Music: 2 classes x 2 hours, and the music group 2 hours more ("4443444" against "3221111").
    EXPECT_EQ(Hours(result, "Mu", 2, nine), 2 * 2 + 1 * 2);
    // French second from class 6: "0045443" has no hours at class 6.
    EXPECT_EQ(Hours(result, "F", 2, nine), 0);
    EXPECT_EQ(Hours(result, "E", 2, nine), 2 * 5);
    EXPECT_EQ(Hours(result, "EvR", 2, nine), 2);
    EXPECT_EQ(Hours(result, "KR", 2, nine), 2);
    // Class 7: French at 4 hours.
    record.pupils11[kRowEF][3] = 50;
    EXPECT_EQ(Hours(ComputeDemand(Input(record, 100)), "F", 3, nine), 2 * 4);
}

// The 8-year track: German one hour more, and the hours left to the weekly total go to the
// supplementary range of every class.
TEST(DemandComputation, EightYearTrackAddsTheSupplementaryRange) {
    SchoolRecord record;
    SetLanguages(record, kRowE, "E");
    record.pupils18[kRowE][1] = 60;
    const DemandResult result = ComputeDemand(Input(record, 110));
    const auto eight = DemandWorkArea::EightYear;
    EXPECT_EQ(result.area.classes[kDemandEightYear][1], 2);
    EXPECT_EQ(Hours(result, "D", 1, eight), 2 * 6);
    EXPECT_EQ(Hours(result, "M", 1, eight), 2 * 5);
    EXPECT_EQ(Hours(result, "Son", 1, eight), 2 * 1); // 32 - 31
    EXPECT_EQ(Hours(result, "D", 1, DemandWorkArea::NineYear), 0);
}

TEST(DemandComputation, FinalYearPupilsOfBothTracks) {
    SchoolRecord record;
    record.pupils11[37][8] = 30;
    record.pupils18[37][8] = 40;
    record.pupils18[37][9] = 55;
    const DemandResult result = ComputeDemand(Input(record, 110));
    EXPECT_EQ(result.area.finalYear12[0], 30);
    EXPECT_EQ(result.area.finalYear12[1], 40);
    EXPECT_EQ(result.area.finalYear13[1], 55);
    EXPECT_EQ(result.area.yearCode, 110);
}

// Two weekly hours per 8-year class; from year code 103 the classes of the first
// min(year - 102, 6) levels no longer count.
TEST(DemandComputation, SpecialAllocationSubtractsTheEarlyLevels) {
    DemandWorkArea area;
    for (int level = 1; level <= kDemandLevels; ++level)
        area.classes[kDemandEightYear][level] = static_cast<int16_t>(level);
    struct Case {
        int year, classes;
    };
    for (const Case& c : {Case{100, 28}, Case{102, 28}, Case{103, 27}, Case{104, 25}, Case{108, 7},
                          Case{110, 7}, Case{130, 7}})
        EXPECT_EQ(SpecialAllocationClasses(area, c.year), c.classes) << c.year;
}
