// Small string helpers shared by every report.
#include "output/text_routines.h"

#include <algorithm>

namespace tev {
namespace {

// Blanks and control characters, as line ends and padding leave them.
bool IsSpace(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

} // namespace

std::string ReplaceAll(std::string_view text, std::string_view find, std::string_view replace) {
    if (find.empty()) return std::string(text);
    std::string out;
    size_t start = 0;
    for (size_t hit = text.find(find); hit != std::string_view::npos;
         hit = text.find(find, start)) {
        out.append(text.substr(start, hit - start)).append(replace);
        start = hit + find.size();
    }
    return out.append(text.substr(start));
}

std::string_view TrimRightView(std::string_view text) {
    size_t end = text.size();
    while (end > 0 && IsSpace(text[end - 1]))
        --end;
    return text.substr(0, end);
}

std::string_view TrimView(std::string_view text) {
    size_t start = 0;
    while (start < text.size() && IsSpace(text[start]))
        ++start;
    return TrimRightView(text.substr(start));
}

std::string TrimRight(std::string_view text) {
    return std::string(TrimRightView(text));
}

std::string Trim(std::string_view text) {
    return std::string(TrimView(text));
}

std::string PadRight(std::string_view text, int width) {
    const auto size = static_cast<size_t>(std::max(width, 0));
    std::string out(text.substr(0, size));
    out.resize(size, ' ');
    return out;
}

int ClampInt(int low, int value, int high) {
    return std::max(low, std::min(value, high));
}

int CountOccurrences(std::string_view text, std::string_view find) {
    if (find.empty()) return 0;
    int count = 0;
    for (size_t hit = text.find(find); hit != std::string_view::npos;
         hit = text.find(find, hit + find.size()))
        ++count;
    return count;
}

} // namespace tev
