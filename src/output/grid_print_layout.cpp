#include "output/grid_print_layout.h"

#include "output/codepage.h"

#include <algorithm>
#include <cctype>

namespace tev {
namespace {

int Byte(std::string_view text, size_t at) {
    return at < text.size() ? static_cast<unsigned char>(text[at]) : 0;
}

void Drop(std::string_view& text, size_t count) {
    text.remove_prefix(std::min(count, text.size()));
}

bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

int ReadNumber(std::string_view text, size_t& at) {
    bool negative = false;
    if (at < text.size() && (text[at] == '-' || text[at] == '+')) negative = text[at++] == '-';
    int value = 0;
    while (at < text.size() && std::isdigit(static_cast<unsigned char>(text[at]))) {
        value = std::min(value * 10 + (text[at++] - '0'), 100000);
    }
    return negative ? -value : value;
}

} // namespace

GridPrintTitle ParseGridPrintTitle(std::string_view title) {
    GridPrintTitle parsed;
    std::string_view rest = title;
    using namespace std::string_view_literals;
    while (StartsWith(rest, "\0\xFE"sv)) {
        Drop(rest, 2);
        const int code = Byte(rest, 0);
        if (rest.empty()) break;
        if (code == 0) {
            parsed.firstRow = Byte(rest, 1);
            Drop(rest, 2);
        } else if (code == 1) {
            if (Byte(rest, 1) > 0) parsed.rowHeight = Byte(rest, 1);
            Drop(rest, 2);
        } else if (code == 0xFF) {
            parsed.dropEmptyTail = true;
            Drop(rest, 1);
        } else {
            const size_t end = rest.find('\0');
            parsed.saveNames.emplace_back(rest.substr(0, end));
            Drop(rest, end == rest.npos ? rest.size() : end + 1);
        }
    }
    if (Byte(rest, 0) == 0xFD && !rest.empty()) {
        parsed.factor = 8;
        Drop(rest, 1);
    } else if (Byte(rest, 0) == 0xFC && !rest.empty()) {
        parsed.factor = std::max(1, Byte(rest, 1));
        Drop(rest, 2);
    }
    if (StartsWith(rest, "\0\xFF"sv)) {
        parsed.layoutPreset = Byte(rest, 2);
        Drop(rest, 3);
    } else if (!rest.empty() && rest.front() == '\0') {
        parsed.stripPreset = Byte(rest, 1);
        Drop(rest, 2);
    }
    auto take = [&rest](char code) {
        if (rest.empty() || rest.front() != code) return false;
        rest.remove_prefix(1);
        return true;
    };
    parsed.continueDocument = take('\\');
    parsed.withSelectionChoice = take('_');
    parsed.noDialog = take('-');
    while (!rest.empty() && Byte(rest, 0) < 32) {
        const int code = Byte(rest, 0);
        if (code >= 1 && code <= 9) {
            parsed.headingRows = code;
        } else if (code >= 10 && code <= 20) {
            parsed.leftMarginMm = code;
        } else if (code == 21) {
            parsed.cellInset = Byte(rest, 1);
            Drop(rest, 1);
        } else if (code == 22) {
            parsed.extraColumnWidth = Byte(rest, 1) * 10;
            Drop(rest, 1);
        }
        Drop(rest, 1);
    }
    parsed.text = std::string(rest);
    return parsed;
}

int GridPrintWidth(const StringGrid& grid, int factor) {
    long width = 0;
    for (int col = 0; col < grid.ColCount(); ++col)
        width += grid.ColWidth(col) * factor / 5;
    return static_cast<int>(std::min(width, 1000000L));
}

StripAnswer ParseStripAnswer(std::string_view answer) {
    StripAnswer parsed;
    size_t at = 0;
    while (at < answer.size() && answer[at] == ' ')
        ++at;
    const int strips = ReadNumber(answer, at);
    if (strips == 99) {
        parsed.saveAsText = true;
        return parsed;
    }
    parsed.strips = std::max(1, strips);
    while (at < answer.size() && answer[at] == ' ')
        ++at;
    if (at < answer.size()) {
        const char letter = static_cast<char>(std::tolower(static_cast<unsigned char>(answer[at])));
        if (letter == 'h' || letter == 'q') {
            parsed.landscape = letter == 'q';
            parsed.orientationGiven = true;
            ++at;
        }
    }
    while (at < answer.size() && answer[at] == ' ')
        ++at;
    parsed.rowHeightPercent = std::clamp(ReadNumber(answer, at), -90, 400);
    return parsed;
}

std::string StripQuestion(const std::string& caption, int columnCount) {
    return caption + " hat " + std::to_string(columnCount) + " Spalten,   wie drucken: \r" +
           Win("(anz_Bahnen h/q ggf_Feldhöhenabw_in_%)"
               "\r 1h   (oder 1) 1-bahnig hoch"
               "\r 1h 50         1-bahnig hoch, Feldhöhe 1,5fach"
               "\r 1q   1-bahnig quer"
               "\r 2h   (oder 2) 2-bahnig hoch"
               "\r 2q   2-bahnig quer"
               "\r ..."
               "\r 99=speichern als *.txt"
               "\r zB:  6q 30   -->  6-bahnig  quer  Feldhöhe um 30% größer");
}

std::vector<std::pair<int, int>> DivideIntoStrips(const std::vector<int>& widths, int strips) {
    std::vector<std::pair<int, int>> result;
    const int count = static_cast<int>(widths.size());
    if (count <= 1) {
        result.emplace_back(1, 0); // column 0 alone
        return result;
    }
    long total = 0;
    for (int col = 1; col < count; ++col)
        total += std::max(0, widths[col]);
    strips = std::clamp(strips, 1, count - 1);
    long before = 0;
    int currentStrip = -1;
    for (int col = 1; col < count; ++col) {
        const long width = std::max(0, widths[col]);
        // A column belongs to the strip in which its middle lies.
        const long middle = 2 * before + width;
        int strip = total > 0 ? static_cast<int>(middle * strips / (2 * total)) : 0;
        strip = std::clamp(strip, 0, strips - 1);
        if (strip != currentStrip || result.empty()) {
            result.emplace_back(col, col);
            currentStrip = strip;
        } else {
            result.back().second = col;
        }
        before += width;
    }
    return result;
}

std::vector<std::pair<int, int>> FitStripsToWidth(const std::vector<std::pair<int, int>>& strips,
                                                  const std::vector<int>& widths, int usable) {
    std::vector<std::pair<int, int>> result;
    const long label = widths.empty() ? 0 : widths[0];
    for (const auto& [first, last] : strips) {
        long total = label;
        int start = first;
        for (int col = first; col <= last; ++col) {
            const long width = widths[col];
            if (col > start && total + width > usable) {
                result.emplace_back(start, col - 1);
                start = col;
                total = label;
            }
            total += width;
        }
        result.emplace_back(start, last);
    }
    return result;
}

bool IsNumberCell(std::string_view text) {
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    if (!text.empty() && text.back() == '%') text.remove_suffix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) text.remove_prefix(1);
    const bool half = !text.empty() && text.back() == '\xBD'; // "½"
    if (half) text.remove_suffix(1);
    if (text.empty()) return half;
    // Digits with at most one decimal comma or point; "1.1" and "9.2" name tables, so a point
    // counts only with two or more digits after it.
    size_t digits = 0;
    size_t mark = std::string_view::npos;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (std::isdigit(static_cast<unsigned char>(c))) {
            ++digits;
        } else if ((c == ',' || c == '.') && mark == std::string_view::npos) {
            mark = i;
        } else {
            return false;
        }
    }
    if (digits == 0) return false;
    if (mark != std::string_view::npos && text[mark] == '.' && text.size() - mark - 1 < 2)
        return false;
    return true;
}

} // namespace tev
