#pragma once
// What the rows of the pupil tables 1.1 and 1.8 count (grid rows, from 2016/17; the
// migration rows from 2014/15). Rows 1 to 34 are the foreign-language sequences.
namespace tev::pupil_rows {

inline constexpr int kLastLanguageRow = 34;
inline constexpr int kPreparatory = 35; // pupils in preparatory classes (VKL)
inline constexpr int kFinalYears = 36;  // "NGO": the final years
inline constexpr int kAll = 37;         // "Schüler insges:"
inline constexpr int kGirls = 38;
inline constexpr int kForeignGirls = 39;
inline constexpr int kForeign = 40;
inline constexpr int kArtProfile = 41;
inline constexpr int kMusicProfile = 42;
inline constexpr int kLanguageProfile = 43; // "mit Sprachzug": the third foreign language
inline constexpr int kPreparatoryClasses = 49;
inline constexpr int kPreparatoryGirls = 50;
inline constexpr int kMigration = 51;
inline constexpr int kMigrationGirls = 52;
inline constexpr int kNwtProfile = 54;
inline constexpr int kRegular = 55;      // "Sch.in Regelkl."; before 2016/17 "mit Sprachprf"
inline constexpr int kRegularGirls = 56; // " dar.Mädchen Reg"

} // namespace tev::pupil_rows
