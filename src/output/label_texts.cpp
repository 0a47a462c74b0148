// Column labels of the class levels and the school year as reports head them.
#include "output/text_routines.h"

#include <cstdio>

namespace tev {

std::string ClassLevelLabel(int n) {
    static constexpr std::string_view kShort = " 5 6 7 8 91011J1J2Su";
    static constexpr std::string_view kLong = "    5    6    7    8    9   10   11Jgst1Jgst2Summe";
    if (n >= 5 && n <= 14) return std::string(kShort.substr(2 * (n - 5), 2));
    if (n >= 505 && n <= 514) return std::string(kLong.substr(5 * (n - 505), 5));
    return {};
}

// Years since 1900; two-digit years below 28 belong to the 2000s.
std::string SchoolYearText(int year) {
    int full = (year % 100 + 100) % 100 + 1900;
    if (full < 1928) full += 100;
    char text[16];
    std::snprintf(text, sizeof text, "%4d/%02d", full, (full + 1) % 100);
    return text;
}

} // namespace tev
