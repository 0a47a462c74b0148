#include "output/text_routines.h"
#include "sheet/plausibility_checks.h"

namespace tev::plausi {
namespace {

constexpr int kPupilTables[] = {11, 18};

// The numbers of a comparison stand before the second part of a two-part message.
std::string WithNumbers(std::string_view message, const std::string& numbers) {
    const size_t split = message.find('\r');
    if (split == std::string_view::npos) return std::string(message) + numbers;
    return std::string(message.substr(0, split)) + numbers + std::string(message.substr(split));
}

} // namespace

Context::Context(const Sheet& sheet, Options options, BeforeSums before)
    : sheet(sheet), year(sheet.schoolYearCode), regime(sheet.courseRegime), options(options),
      before(before) {
    for (int table = 0; table < kTableSlots; ++table) {
        const StringGrid* grid = sheet.grids.FindTable(table);
        grids_[table] = grid ? grid : &EmptyGrid();
    }
}

const StringGrid& Context::EmptyGrid() {
    static const StringGrid empty("", 0, 0);
    return empty;
}

std::string Context::Text(int table, int col, int row) const {
    return Trim(Grid(table).Cells(col, row));
}

int Context::PupilsOfTable(int table, int row, int level) const {
    return Num(table, 3 + level, row);
}

int Context::Pupils(int row, int level) const {
    int sum = 0;
    for (int table : kPupilTables)
        sum += PupilsOfTable(table, row, level);
    return sum;
}

int Context::PupilTotal(int row) const {
    int sum = 0;
    for (int level = 0; level < kLevels; ++level)
        sum += Pupils(row, level);
    return sum;
}

std::string Context::Differs(std::string_view message, int a, int b) const {
    std::string numbers = ":  " + std::to_string(a) + " <> " + std::to_string(b);
    if (options.showDifferences) numbers += "  Diff " + std::to_string(a - b);
    return WithNumbers(message, numbers);
}

std::string Context::Exceeds(std::string_view message, int a, int b) const {
    return WithNumbers(message, ":  " + std::to_string(a) + " > " + std::to_string(b));
}

std::string Context::FallsShort(std::string_view message, int a, int b) const {
    return WithNumbers(message, ":  " + std::to_string(a) + " < " + std::to_string(b));
}

std::string LevelText(int level) {
    static const char* const kTexts[kLevels] = {"KlSt. 5", "KlSt. 6",    "KlSt. 7",
                                                "KlSt. 8", "KlSt. 9",    "KlSt.10",
                                                "KlSt.11", "KlSt.12/J1", "KlSt.13/J2"};
    return level >= 0 && level < kLevels ? kTexts[level] : "";
}

bool HasFinalYearPupils(const Context& c) {
    return c.Pupils(rows::kAll, kJ1) + c.Pupils(rows::kAll, kJ2) > 0;
}

} // namespace tev::plausi
