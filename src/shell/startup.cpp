#include "shell/startup.h"

#include "output/text_routines.h"
#include "sheet/table_titles.h"

#include <algorithm>
#include <cctype>
#include <regex>

namespace tev {
namespace {

constexpr char kSeparator = '/';
constexpr size_t kAdjustFileNameLength = 29;
// The developers' home share; HOMESHARE containing it switches the developer mode on.
constexpr const char* kDeveloperShare = "\\\\KMSTEV01\\TEVENTW$";

bool EndsWithSeparator(const std::string& path) {
    return !path.empty() &&
           (path.back() == kSeparator || path.back() == ':' || path.back() == '\\');
}

} // namespace

void ScanCommandOptions(const std::vector<std::string>& parameters, StartupState& state) {
    // Parameter 1 is always the data directory; here "/" starts every absolute path, so
    // "/home/..." must not read as the option "/H". Values are taken whole: a cut folder
    // name points elsewhere.
    for (size_t i = 1; i < parameters.size() && i < 4; ++i) {
        const std::string& parameter = parameters[i];
        if (parameter.size() < 2 || parameter[0] != '/') continue;
        const char option =
            static_cast<char>(std::toupper(static_cast<unsigned char>(parameter[1])));
        const std::string rest = parameter.substr(2);
        if (option == 'H') {
            state.helpPath = rest;
            if (!rest.empty() && !EndsWithSeparator(rest)) state.helpPath += kSeparator;
        } else if (option == 'L') {
            state.adjustFileName = rest.substr(0, kAdjustFileNameLength);
        }
    }
}

int DeveloperModeFromEnvironment(const std::string& usw, const std::string& homeShare) {
    const std::string marked = (usw + "  1").substr(0, 25);
    if (marked.compare(0, 3, "QVZ") == 0) return 1;
    return homeShare.find(kDeveloperShare) != std::string::npos ? 1 : 0;
}

int SchoolYearCodeOfDate(const Date& date) {
    const int months = (date.year - 1900) * 16 + date.month;
    return (months - 9) >> 4;
}

std::string YearSuffixOfDate(const Date& date, bool shortReportMarkerFile) {
    const std::string year = SchoolYearText(SchoolYearCodeOfDate(date));
    std::string suffix = "." + year.substr(2, 2);
    const int monthDay = date.month * 32 + date.day;
    if (shortReportMarkerFile && monthDay >= 288 && monthDay <= 332) suffix += 'K';
    return suffix;
}

int NormalisedSchoolYearCode(int twoDigits) {
    return ((twoDigits + 70) % 100) + 30;
}

void ApplyYearSuffix(StartupState& state, const std::string& suffix) {
    state.yearSuffix = suffix.substr(0, 4);
    const std::string digits = state.yearSuffix.size() >= 3 ? state.yearSuffix.substr(1, 2) : "00";
    const int value = std::isdigit(static_cast<unsigned char>(digits[0])) &&
                              std::isdigit(static_cast<unsigned char>(digits[1]))
                          ? (digits[0] - '0') * 10 + (digits[1] - '0')
                          : 0;
    state.schoolYearCode = NormalisedSchoolYearCode(value);
    state.courseRegime = CourseRegimeFor(state.schoolYearCode);
    state.startYearText = "20" + digits;
}

std::optional<Date> ParseIsoDate(const std::string& text) {
    static const std::regex pattern(R"((\d{4})-(\d{2})-(\d{2}))");
    std::smatch m;
    if (!std::regex_match(text, m, pattern)) return std::nullopt;
    const Date date{std::stoi(m[1]), std::stoi(m[2]), std::stoi(m[3])};
    if (date.year < 1928 || date.year > 2027 || date.month < 1 || date.month > 12 || date.day < 1 ||
        date.day > 31) {
        return std::nullopt;
    }
    return date;
}

bool IsYearSuffix(const std::string& text) {
    static const std::regex pattern(R"(\.\d\dK?)");
    return std::regex_match(text, pattern);
}

std::string DataPathFromParameter(const std::string& parameter) {
    return parameter + kSeparator;
}

std::string DataPathFromCurrentDirectory(const std::string& currentDirectory) {
    if (currentDirectory.empty() || EndsWithSeparator(currentDirectory)) return currentDirectory;
    return currentDirectory + kSeparator;
}

} // namespace tev
