#include "shell/school_list_sort.h"

#include "output/codepage.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>

namespace tev {
namespace {

struct SortKey {
    int start; // 1-based character of the list line
    int length;
};

constexpr std::array<SortKey, 13> kSortKeys = {{{0, 0},
                                                {1, 2},
                                                {3, 6},
                                                {9, 16},
                                                {25, 6},
                                                {31, 16},
                                                {61, 16},
                                                {78, 6},
                                                {185, 5},
                                                {77, 7},
                                                {78, 1},
                                                {77, 4},
                                                {78, 6}}};
constexpr int kRegionGroupKey = 11;
constexpr int kOnePerRegionalNumberKey = 12;
constexpr int kFirstKeyWithoutFolding = 7;

// The umlauts of both code pages sort among their base letters.
char FoldUmlaut(char c) {
    switch (static_cast<unsigned char>(c)) {
    case 0xC4:
    case 0x8E:
        return 'A';
    case 0xD6:
    case 0x99:
        return 'O';
    case 0xDC:
    case 0x9A:
        return 'U';
    case 0xE4:
    case 0x84:
        return 'a';
    case 0xF6:
    case 0x94:
        return 'o';
    case 0xFC:
    case 0x81:
        return 'u';
    case 0xDF:
    case 0xE1:
        return 's';
    default:
        return c;
    }
}

std::string KeyOf(const std::string& line, int index, int position) {
    const SortKey key = kSortKeys[index];
    std::string text = line.size() >= static_cast<size_t>(key.start)
                           ? line.substr(key.start - 1, key.length)
                           : std::string();
    std::replace(text.begin(), text.end(), ';', 'z');
    if (index == kRegionGroupKey) {
        char order[8];
        std::snprintf(order, sizeof order, "%03d", position % 1000);
        text = text.substr(0, 1) + order;
    }
    if (index < kFirstKeyWithoutFolding) {
        std::transform(text.begin(), text.end(), text.begin(), FoldUmlaut);
    }
    text.resize(key.length, '-');
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

void RebuildListOrderNumbers(Engine& engine) {
    engine.listOrderNumbers.fill(std::string(6, ' '));
    const auto& lines = engine.schoolList.lines;
    for (size_t i = 0; i < lines.size() && i < engine.listOrderNumbers.size(); ++i) {
        engine.listOrderNumbers[i] = lines[i].size() > 2 ? lines[i].substr(2, 6) : "";
        engine.listOrderNumbers[i].resize(6, ' ');
    }
}

} // namespace

const std::vector<std::string>& SortKeyCaptions() {
    static const std::vector<std::string> captions = {
        "---",       "Testergebnis", "Dienstst-Nr",         "Kurzname", "Bezirk",
        "Schulname", "Ort",          "RegionalNr",          "PLZ",      "*RegionalNr",
        "RegBez",    "*---",         "RegionalNr_nur_1_Gym"};
    return captions;
}

int SortSchoolList(Engine& engine, int index) {
    if (index >= static_cast<int>(kSortKeys.size())) index = 0;
    if (index >= 0) engine.rememberedSortIndex = index;
    const int key = engine.rememberedSortIndex;
    auto& list = engine.schoolList;
    auto& lines = list.lines;
    int followed = list.itemIndex >= 0 && list.itemIndex < static_cast<int>(lines.size())
                       ? list.itemIndex
                       : -1;
    if (key > 0) {
        // The key, then the position before sorting: a stable sort by key.
        std::vector<std::pair<std::string, size_t>> order;
        order.reserve(lines.size());
        for (size_t i = 0; i < lines.size(); ++i) {
            order.emplace_back(KeyOf(lines[i], key, static_cast<int>(i) + 1), i);
        }
        std::stable_sort(order.begin(), order.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
        std::vector<std::string> sorted;
        std::vector<size_t> origin;
        sorted.reserve(lines.size());
        origin.reserve(lines.size());
        for (auto& [sortKey, position] : order) {
            sorted.push_back(std::move(lines[position]));
            origin.push_back(position);
        }
        lines = std::move(sorted);
        if (key == kOnePerRegionalNumberKey) {
            for (size_t i = lines.size(); i-- > 1;) {
                if (order[i].first != order[i - 1].first) continue;
                lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(i));
                origin.erase(origin.begin() + static_cast<std::ptrdiff_t>(i));
            }
        }
        // The selected line moves with its school.
        const auto at = std::find(origin.begin(), origin.end(), static_cast<size_t>(followed));
        followed = followed < 0 || at == origin.end() ? -1 : static_cast<int>(at - origin.begin());
        list.itemIndex = followed;
        if (key == kOnePerRegionalNumberKey) list.itemIndex = lines.size() > 1 ? 1 : -1;
    }
    RebuildListOrderNumbers(engine);
    return followed;
}

} // namespace tev
