#pragma once
// Start-up state: data directory, school year, developer switch and table definition lists.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tev {

struct Date {
    int year = 2000;
    int month = 1;
    int day = 1;
};

inline const char* const kVersionTitle = "WnnTEV10.24";

struct StartupState {
    std::string dataPath; // always ends with the directory separator
    std::string helpPath;
    std::string adjustFileName = "anpass.win";
    std::string yearSuffix;
    int schoolYearCode = 0;
    int courseRegime = 1;
    std::string startYearText;
    Date today;
    std::string todayText;
    std::string helpFile;
    std::vector<std::string> tableDefinitionItems;      // the hidden list ListBoxStaLa
    std::array<uint16_t, 126> tableDefinitionNumbers{}; // positions 1..125
    int tableDefinitionSelector = 2;
};

// Options "/H" and "/L" of the parameters 2 to 4.
void ScanCommandOptions(const std::vector<std::string>& parameters, StartupState& state);

// "usw" starting with "QVZ", or a HOMESHARE on the developers' share, switches bit 0 on.
int DeveloperModeFromEnvironment(const std::string& usw, const std::string& homeShare);

// Years since 1900 of the school year that contains the date (it starts in September).
int SchoolYearCodeOfDate(const Date& date);
// ".03"; with the short-report marker "K" between 1 September and 12 October when
// "epr.dat" is present.
std::string YearSuffixOfDate(const Date& date, bool shortReportMarkerFile);

// Sets SchoolYearCode, CourseRegime and StartYearText from the two digits of the suffix.
void ApplyYearSuffix(StartupState& state, const std::string& suffix);
int NormalisedSchoolYearCode(int twoDigits);

// A date written YYYY-MM-DD within the years the packed dates can hold (1928 to 2027).
std::optional<Date> ParseIsoDate(const std::string& text);
// ".16" or ".16K".
bool IsYearSuffix(const std::string& text);

// "dir" + separator, as the data directory parameter is always taken.
std::string DataPathFromParameter(const std::string& parameter);
// The current directory with a separator appended unless it already ends with one.
std::string DataPathFromCurrentDirectory(const std::string& currentDirectory);

} // namespace tev
