// Numbers written into report lines: fixed widths, halves as "½", decimal commas.
#include "output/text_routines.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace tev {
namespace {

constexpr char kHalf = '\xBD';
constexpr char kDivide = '\xF7';

// FormatInt option bits.
constexpr uint16_t kWidthBits = 0x001F;
constexpr uint16_t kZeroBlank = 0x0020;
constexpr uint16_t kShiftLeft = 0x0040;
constexpr uint16_t kHalves = 0x0080;
constexpr uint16_t kTrailingBlank = 0x0100;
constexpr uint16_t kCutToWidth = 0x0200;
constexpr uint16_t kMarkerBits = 0x3C00;
constexpr uint16_t kTrimZero = 0x4000;
constexpr uint16_t kSignBits = 0xC000;
constexpr uint16_t kZeroDot = 0xFE20;
constexpr uint16_t kZeroDash = 0xEE20;
constexpr uint16_t kAfterZeroMarker = 0x01DF;
constexpr uint16_t kSemicolonAfter = 0x2C00;
constexpr uint16_t kSemicolonBefore = 0x3800;
// Halves count too: the width-3 halves code needs the layout steps.
constexpr uint16_t kLayoutBits = 0xFF40 | kHalves;
constexpr uint16_t kHalvesWidth3 = 0x0083;

bool HasAll(uint16_t flags, uint16_t bits) {
    return (flags & bits) == bits;
}
uint16_t Without(uint16_t flags, uint16_t bits) {
    return static_cast<uint16_t>(flags & ~bits);
}

void PadLeft(std::string& text, int width) {
    if (static_cast<int>(text.size()) < width) text.insert(0, width - text.size(), ' ');
}

std::string RightAligned(int64_t value, int width) {
    std::string text = std::to_string(value);
    PadLeft(text, width);
    return text;
}

// An odd number of halves is written as value * 5 with its last digit turned into "½".
std::string Digits(int32_t value, bool halves, int width) {
    if (!halves || value % 2 == 0) return RightAligned(halves ? value / 2 : value, width);
    std::string text = RightAligned(int64_t{value} * 5, width);
    text.back() = kHalf;
    return text;
}

void ShiftLeft(std::string& text) {
    text.erase(0, 1);
    text += ' ';
}

void TrimTrailingBlanks(std::string& text) {
    while (!text.empty() && text.back() == ' ')
        text.pop_back();
}

// "+" on the last blank of the run that starts at index, or in front of the number.
void PutPlus(std::string& text, size_t index) {
    size_t end = index;
    while (end < text.size() && text[end] == ' ')
        ++end;
    if (end > index)
        text[end - 1] = '+';
    else
        text.insert(index, 1, '+');
}

// Sign modes 1 and 3: the sign at its position, everything after it zero-filled.
void ZeroFill(std::string& text, size_t index, int32_t value, int mode) {
    const bool blankAtSign = text[index] == ' ';
    for (size_t i = index; i < text.size(); ++i)
        if (text[i] == ' ' || text[i] == '-') text[i] = '0';
    if (value < 0)
        text[index] = '-';
    else if (mode == 3 && blankAtSign)
        text[index] = '+';
}

void ApplySign(std::string& text, int32_t value, uint16_t flags, int width, int signPos) {
    const int mode = flags >> 14;
    if (mode == 0) return;
    const auto index = static_cast<size_t>(signPos - 1);
    if (signPos < width && index < text.size()) {
        if (mode == 2) {
            if (value >= 0) PutPlus(text, index);
        } else {
            ZeroFill(text, index, value, mode);
        }
    } else if (value >= 1 && mode >= 2) {
        text.insert(0, 1, '+');
    }
}

// Width-3 halves columns: "÷" keeps the half of a long negative value readable after the
// cut, and a letter stands for the tens 10..15 of values from 100 on ("a0" is 100).
void CompressHalvesWidth3(std::string& text, int32_t value) {
    if (value % 2 != 0 && value < -20) {
        const size_t minus = text.find('-');
        if (minus != std::string::npos) text[minus] = kDivide;
    }
    if (std::abs(int64_t{value}) < 200 || text.empty()) return;
    const size_t pos = text[0] == '1' ? 0 : 1;
    if (pos >= text.size() || text[pos] != '1') return;
    text.erase(pos, 1);
    if (pos < text.size() && text[pos] >= '0' && text[pos] <= '9')
        text[pos] = static_cast<char>(text[pos] + 49);
}

// Steps for shift, markers, sign modes and the width-3 halves code.
void ApplyLayout(std::string& text, int32_t value, uint16_t flags, int width) {
    if ((flags & kShiftLeft) && text.front() == ' ' && text.back() != kHalf) ShiftLeft(text);
    const int right = (flags >> 10) & 3;
    if (right != 0) {
        if (text.back() != ' ' && text.front() == ' ') ShiftLeft(text);
        if (text.back() == ' ') text.back() = " ||"[right - 1];
    }
    int signPos = 1;
    if (((flags >> 12) & 3) >= 2 && text.front() == ' ') {
        text.front() = '|';
        signPos = 2;
    }
    if ((flags & 0x809F) == (0x8000 | kHalvesWidth3) && value % 2 != 0 && value > 20)
        flags = Without(flags, 0x8000);
    ApplySign(text, value, flags, width, signPos);
    if ((flags & (kHalves | kWidthBits)) == kHalvesWidth3) CompressHalvesWidth3(text, value);
    if ((flags & kCutToWidth) && width > 0 && static_cast<int>(text.size()) > width)
        text.resize(width);
    if (flags & kTrailingBlank) text += ' ';
}

} // namespace

std::string FormatInt(int32_t value, uint16_t flags) {
    const int width = flags & kWidthBits;
    std::string text = Digits(value, flags & kHalves, width);

    if (HasAll(flags, kZeroDot) || HasAll(flags, kZeroDash)) {
        if (value == 0) text.back() = HasAll(flags, kZeroDot) ? '.' : '-';
        flags &= kAfterZeroMarker;
    }

    int semicolon = 0; // 1: after the text, -1: in front
    if ((flags & kMarkerBits) == kSemicolonAfter) semicolon = 1;
    if ((flags & kMarkerBits) == kSemicolonBefore) semicolon = -1;
    if (semicolon != 0) flags = Without(flags, kMarkerBits);

    if (HasAll(flags, kTrimZero | kZeroBlank)) {
        if (value == 0 && (flags & kShiftLeft))
            text.back() = ' ';
        else
            TrimTrailingBlanks(text);
        flags = Without(flags, kTrimZero | kShiftLeft | kZeroBlank);
    }

    if (value == 0 && (flags & kZeroBlank)) {
        text.back() = ' ';
        flags = Without(flags, kSignBits);
    }

    if ((flags & kLayoutBits) != 0 && !text.empty()) ApplyLayout(text, value, flags, width);

    if (semicolon > 0) text += ';';
    if (semicolon < 0) text.insert(0, 1, ';');
    return text;
}

std::string IntText(int16_t value) {
    return std::string(" ").append(std::to_string(value));
}

std::string FormatTenths(int32_t value, int16_t flags) {
    const int width = flags & kWidthBits;
    if (value == 0 && (width == 0 || (flags & kZeroBlank))) return {};
    const int64_t magnitude = std::abs(int64_t{value});
    const int64_t whole = magnitude / 10;
    const auto tenth = static_cast<int>(magnitude % 10);
    std::string text = whole == 0 && tenth == 5 ? std::string() : std::to_string(whole);
    if (tenth == 5) {
        text += kHalf;
    } else if (tenth != 0) {
        text += ',';
        text += static_cast<char>('0' + tenth);
    }
    if (value < 0)
        text.insert(0, 1, '-');
    else if (value > 0 && flags < 0)
        text.insert(0, 1, '+');
    PadLeft(text, width);
    return text;
}

std::string FormatReal(double value, int16_t flags, int decimals) {
    const int width = flags & kWidthBits;
    if (value == 0 && (flags & kZeroBlank)) return " ";
    if (decimals > 10) {
        const double magnitude = std::fabs(value);
        decimals = magnitude >= 1 ? 1 : magnitude >= 0.1 ? 2 : 3;
    }
    decimals = std::max(decimals, 0);

    char buffer[400]; // the largest double in fixed notation with 10 decimals fits
    const auto written =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    if (written.ec != std::errc()) return {};
    std::string text(buffer, written.ptr);
    std::replace(text.begin(), text.end(), '.', ',');
    PadLeft(text, width);
    if (value > 0 && flags < 0) PutPlus(text, 0);
    // Only decimals may go: without a comma the zeros are integer digits.
    if (text.find(',') != std::string::npos) {
        while (static_cast<int>(text.size()) > width && text.back() == '0')
            text.pop_back();
        if (text.back() == ',') text.pop_back();
    }
    return text;
}

std::string FormatRatio(double a, double b, int16_t flags, int decimals) {
    if (a == 0 || b == 0 || (decimals < 0 && b < 0)) return {};
    const int64_t magnitude = std::abs(int64_t{decimals});
    return FormatReal(a / b, flags, static_cast<int>(std::min<int64_t>(magnitude, 11)));
}

} // namespace tev
