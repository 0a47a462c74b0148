// Dates and times packed into 16-bit words as the DOS file system keeps them.
#include "output/text_routines.h"

#include <algorithm>
#include <cstdio>

namespace tev {

// Years outside 1900..2027 keep their last two digits, which is all the texts show.
uint16_t PackDate(int year, int month, int day) {
    const int sinceBase = year >= 1900 && year <= 2027 ? year - 1900 : (year % 100 + 100) % 100;
    return static_cast<uint16_t>((sinceBase << 9) | (std::clamp(month, 0, 15) << 5) |
                                 std::clamp(day, 0, 31));
}

std::string DateText(uint16_t packedDate) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d.%02d.%02d", packedDate & 31, (packedDate >> 5) & 15,
                  (packedDate >> 9) % 100);
    return text;
}

std::string DateTimeText(uint32_t packed) {
    const auto time = static_cast<uint16_t>(packed & 0xFFFF);
    char text[16];
    std::snprintf(text, sizeof text, " %02d:%02d", time >> 11, (time >> 5) & 63);
    return DateText(static_cast<uint16_t>(packed >> 16)) + text;
}

} // namespace tev
