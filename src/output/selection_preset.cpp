#include "output/selection_preset.h"

#include "output/text_routines.h"

#include <algorithm>

namespace tev {
namespace {

constexpr std::string_view kSeparator = "----------------";
// Plain counts above this carry a separator position.
constexpr int kLargestPlainCount = 2559;

} // namespace

SelectionItems BuildSelectionItems(std::string_view source, int countCode, int itemWidth) {
    SelectionItems items;
    if (countCode == -1) {
        items.lines = SplitFields(source);
        if (!items.lines.empty() && items.lines.back().empty()) items.lines.pop_back();
        return items;
    }
    int count = countCode;
    int separatorAfter = -1;
    if (countCode < -255 || countCode > kLargestPlainCount) {
        const auto code = static_cast<uint16_t>(countCode);
        separatorAfter = 256 - (code >> 8);
        count = code & 0xFF;
    }
    if (itemWidth <= 0 || count <= 0) return items;
    const size_t width = static_cast<size_t>(itemWidth);
    for (int i = 0; i < count && static_cast<size_t>(i) * width < source.size(); ++i) {
        items.lines.emplace_back(source.substr(static_cast<size_t>(i) * width, width));
        if (i + 1 == separatorAfter) {
            items.separatorLine = static_cast<int>(items.lines.size());
            items.lines.emplace_back(kSeparator.substr(0, std::min(width, kSeparator.size())));
        }
    }
    return items;
}

int ChosenItemNumber(int line, int separatorLine) {
    return separatorLine >= 0 && line > separatorLine ? line : line + 1;
}

bool SelectionPreset::Take(int& number, int count) {
    if (left_ <= 0) return false;
    --left_;
    number = std::clamp(number, 1, std::max(count, 1));
    return true;
}

SelectionDialogState& SelectionDialogShared() {
    static SelectionDialogState state;
    return state;
}

} // namespace tev
