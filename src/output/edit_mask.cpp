#include "output/edit_mask.h"

namespace tev {
namespace {

constexpr std::string_view kDateRangeMask = "99/99/99-99/99/99;1;_";
constexpr int kDateRangeWidth = -17;
// Characters with a meaning in toolkit masks; as literals they need a backslash.
constexpr std::string_view kToolkitSpecials = "AaNnXx90Dd#HhBb><!\\[]{}";

char Translated(char c) {
    switch (c) {
    case '0':
        return '9';
    case '9':
        return '0';
    case 'L':
        return 'A';
    case 'l':
        return 'a';
    case 'A':
        return 'N';
    case 'a':
        return 'n';
    case 'C':
        return 'X';
    case 'c':
        return 'x';
    default:
        return c;
    }
}

} // namespace

std::string TranslateEditMask(std::string_view mask) {
    const size_t fieldEnd = mask.find(';');
    const std::string_view pattern = mask.substr(0, fieldEnd);
    char blank = '_';
    if (fieldEnd != std::string_view::npos) {
        const size_t blankField = mask.find(';', fieldEnd + 1);
        if (blankField != std::string_view::npos && blankField + 1 < mask.size())
            blank = mask[blankField + 1];
    }
    std::string out;
    for (size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (c == '\\' && i + 1 < pattern.size()) {
            out += '\\';
            out += pattern[++i];
        } else if (c == '<' && i + 1 < pattern.size() && pattern[i + 1] == '>') {
            out += '!';
            ++i;
        } else if (c == '!') {
            continue; // blanks at the start: the toolkit has no such switch
        } else if (std::string_view("09LlAaCc").find(c) != std::string_view::npos) {
            out += Translated(c);
        } else if (c == '#' || c == '>' || c == '<') {
            out += c;
        } else if (kToolkitSpecials.find(c) != std::string_view::npos) {
            out += '\\';
            out += c;
        } else {
            out += c;
        }
    }
    out += ';';
    out += blank;
    return out;
}

InputFieldMask InputMaskFor(std::string_view mask, int width) {
    if (!mask.empty()) return {TranslateEditMask(mask), 0};
    if (width == kDateRangeWidth) return {TranslateEditMask(kDateRangeMask), 0};
    if (width < 1) return {};
    return {"", width};
}

} // namespace tev
