// Reading numbers back from cells and report texts. Magnitudes beyond 32 bits saturate at
// the int32 limits, so any digit string gives a defined value.
#include "output/text_routines.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace tev {
namespace {

constexpr char kHalf = '\xBD';
constexpr char kDosHalf = '\xAB'; // the DOS "½" seen through CP1252 ("«")
constexpr char kDivide = '\xF7';
constexpr int64_t kMagnitudeLimit = int64_t{1} << 31;

struct ReadNumber {
    int32_t value = 0;
    bool negative = false;
    bool halfMark = false; // a "÷" was read
    size_t end = 0;        // index of the first character after the number
};

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

int HexDigit(char c) {
    if (IsDigit(c)) return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

bool CanStartNumber(char c) {
    return IsDigit(c) || c == '$' || c == '+' || c == '-' || c == kDivide;
}

void Accumulate(int64_t& magnitude, int digit, int base) {
    magnitude = std::min(magnitude * base + digit, kMagnitudeLimit);
}

int32_t Saturated(int64_t value) {
    return static_cast<int32_t>(std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

void MarkNegative(ReadNumber& number, char c) {
    number.negative = true;
    if (c == kDivide) number.halfMark = true;
}

ReadNumber ReadAt(std::string_view text, size_t pos) {
    ReadNumber number;
    while (pos < text.size() && (text[pos] == ' ' || text[pos] == '#'))
        ++pos;
    int64_t magnitude = 0;
    if (pos < text.size() && text[pos] == '$') {
        for (++pos; pos < text.size() && HexDigit(text[pos]) >= 0; ++pos)
            Accumulate(magnitude, HexDigit(text[pos]), 16);
        number.value = Saturated(magnitude);
        number.end = pos;
        return number;
    }
    if (pos < text.size()) {
        const char c = text[pos];
        if (c == '-') {
            MarkNegative(number, c);
            for (++pos; pos < text.size() && text[pos] == ' ';)
                ++pos;
        } else if (c == '+' || c == kDivide) {
            if (c == kDivide) MarkNegative(number, c);
            ++pos;
        }
    }
    // The tens 10..15 as the width-3 halves columns write them.
    if (pos < text.size() && text[pos] >= 'a' && text[pos] <= 'f')
        magnitude = text[pos++] - 'a' + 10;
    for (; pos < text.size(); ++pos) {
        const char c = text[pos];
        if (IsDigit(c))
            Accumulate(magnitude, c - '0', 10);
        else if (c == '-' || c == kDivide)
            MarkNegative(number, c);
        else if (c != '+')
            break;
    }
    number.value = Saturated(number.negative ? -magnitude : magnitude);
    number.end = pos;
    return number;
}

size_t NextNumberStart(std::string_view text, size_t pos) {
    while (pos < text.size() && !CanStartNumber(text[pos]))
        ++pos;
    return pos;
}

// A text led by the character code 0 stands for the sum of all numbers in it.
ReadNumber ReadSum(std::string_view text) {
    int64_t sum = 0;
    for (size_t pos = NextNumberStart(text, 1); pos < text.size();) {
        const ReadNumber number = ReadAt(text, pos);
        sum = Saturated(sum + number.value);
        pos = NextNumberStart(text, std::max(number.end, pos + 1));
    }
    ReadNumber total;
    total.value = static_cast<int32_t>(sum);
    total.negative = sum < 0;
    total.end = text.size();
    return total;
}

ReadNumber ReadLeading(std::string_view text) {
    if (text.empty()) return {};
    if (text[0] == '\0') return ReadSum(text);
    return ReadAt(text, 0);
}

char CharAt(std::string_view text, size_t pos) {
    return pos < text.size() ? text[pos] : '\0';
}

} // namespace

int32_t ParseIntInGeneral(std::string_view text) {
    return ReadLeading(text).value;
}

int32_t ParseFirstInt(std::string_view text) {
    return ReadAt(text, NextNumberStart(text, 0)).value;
}

// "÷" and a following half sign mark the same half, which therefore counts once.
int32_t ParseTenths(std::string_view text) {
    const ReadNumber number = ReadLeading(text);
    const int sign = number.negative ? -1 : 1;
    int64_t tenths = int64_t{number.value} * 10;
    const char next = CharAt(text, number.end);
    const char digit = CharAt(text, number.end + 1);
    if (next == kHalf || next == '/' || number.halfMark)
        tenths += 5 * sign;
    else if ((next == ',' || next == '.') && IsDigit(digit))
        tenths += sign * (digit - '0');
    return Saturated(tenths);
}

int32_t ParseHalves(std::string_view text) {
    if (!text.empty() && (text[0] == '/' || text[0] == kDosHalf || text[0] == kHalf)) return 1;
    const ReadNumber number = ReadLeading(text);
    const char next = CharAt(text, number.end);
    int64_t halves = int64_t{number.value} * 2;
    if (number.halfMark || next == '/' || next == kDosHalf || next == kHalf)
        halves += number.negative ? -1 : 1;
    return Saturated(halves);
}

int32_t ParseTwoDigits(std::string_view text) {
    const std::string_view head = text.substr(0, 2);
    int32_t value = 0;
    for (size_t i = head.starts_with('-') ? 1 : 0; i < head.size(); ++i)
        if (IsDigit(head[i])) value = value * 10 + (head[i] - '0');
    return head.starts_with('-') ? -value : value;
}

} // namespace tev
