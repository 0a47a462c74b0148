#include "shell/school_year_switch.h"

#include "output/codepage.h"
#include "sheet/record_mapping.h"
#include "shell/directory_commands.h"
#include "shell/program_start.h"

#include <algorithm>

namespace tev {
namespace {

constexpr int kLastListedYear = 25;
// Two-digit years from 30 on read as 1930 and later, so the list cannot go beyond 2029.
constexpr int kLastPossibleYear = 29;

std::string Suffix(int year, bool shortReport) {
    std::string suffix = ".";
    suffix += static_cast<char>('0' + year / 10);
    suffix += static_cast<char>('0' + year % 10);
    if (shortReport) suffix += 'K';
    return suffix;
}

} // namespace

std::vector<std::string> SchoolYearSuffixes(const Date& today) {
    std::vector<std::string> suffixes = {".98", ".99", ".00", ".01"};
    const int current = SchoolYearCodeOfDate(today) - 100;
    const int last = std::clamp(current, kLastListedYear, kLastPossibleYear);
    for (int year = 2; year <= last; ++year) {
        suffixes.push_back(Suffix(year, true));
        suffixes.push_back(Suffix(year, false));
    }
    return suffixes;
}

void SwitchSchoolYear(Engine& engine, const std::string& suffix, bool chosenByUser) {
    ApplyYearSuffix(engine.startup, suffix);
    ShapeSheetForYear(engine.sheet, engine.startup.schoolYearCode);
    SetCourseHeadings(engine.sheet);
    LoadTableDefinitionLists(engine);
    if (chosenByUser) Laden1Click(engine);
}

bool SBpjjClick(Engine& engine) {
    OptionRequest request;
    request.caption = Win("Schuljahr wählen");
    request.options = SchoolYearSuffixes(engine.startup.today);
    const auto current =
        std::find(request.options.begin(), request.options.end(), engine.startup.yearSuffix);
    request.preset = current == request.options.end()
                         ? 1
                         : static_cast<int>(current - request.options.begin()) + 1;
    const int chosen = engine.ui().ChooseOption(request);
    if (chosen < 1 || chosen > static_cast<int>(request.options.size())) return false;
    SwitchSchoolYear(engine, request.options[chosen - 1], true);
    return true;
}

} // namespace tev
