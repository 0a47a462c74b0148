#include "output/grid_tool_numbers.h"

#include "output/text_routines.h"

#include <cmath>

namespace tev {
namespace {

constexpr char kHalf = '\xBD';    // "½"
constexpr char kDosHalf = '\xAB'; // "½" of the DOS code page, as the data files hold it

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

bool IsBlankCell(std::string_view text) {
    return text.find_first_not_of(' ') == std::string_view::npos;
}

double CellValue(std::string_view text) {
    size_t at = text.find_first_not_of(' ');
    if (at == std::string_view::npos) return 0;
    double sign = 1;
    if (text[at] == '-' || text[at] == '+') {
        if (text[at] == '-') sign = -1;
        ++at;
    }
    double value = 0;
    for (; at < text.size() && IsDigit(text[at]); ++at)
        value = value * 10 + (text[at] - '0');
    if (at + 1 < text.size() && (text[at] == ',' || text[at] == '.') && IsDigit(text[at + 1])) {
        double place = 0.1;
        for (++at; at < text.size() && IsDigit(text[at]); ++at, place /= 10)
            value += (text[at] - '0') * place;
    }
    if (at < text.size() && (text[at] == kHalf || text[at] == kDosHalf)) value += 0.5;
    return sign * value;
}

std::string ResultText(double value, int decimals) {
    if (!std::isfinite(value)) return {};
    // A value that rounds to zero is written "0", never "-0".
    if (std::fabs(value) < 0.5 * std::pow(10.0, -decimals)) value = 0;
    return FormatReal(value, 0, decimals);
}

} // namespace tev
