// Character folding and the exchange of umlauts between the Windows and the DOS code page.
#include "output/text_routines.h"

#include <array>
#include <cstdint>

namespace tev {
namespace {

// "ÄÖÜäöüß½" in CP1252 and at the same index in the DOS code page.
constexpr std::array<unsigned char, 8> kWindowsCodes = {0xC4, 0xD6, 0xDC, 0xE4,
                                                        0xF6, 0xFC, 0xDF, 0xBD};
constexpr std::array<unsigned char, 8> kDosCodes = {0x8E, 0x99, 0x9A, 0x84, 0x94, 0x81, 0xE1, 0xAB};

// The first seven of them are folded to letter pairs.
constexpr int kUmlautCount = 7;
constexpr std::string_view kUmlautPairs = "AeOeUeaeoeuess";

// Replacements of 0xC0..0xFF: accents dropped, signs and unmatched letters blank.
constexpr std::string_view kAccentFree =
    "AAAAAAACEEEEIIIIDNOOOOO OUUUUY  aaaaaaaceeeeiiiionooooo ouuuuy y";

// The program's own table for DOS texts, from code 0x80 on; line-drawing characters become
// "|", "+", "=" and similar.
constexpr std::array<unsigned char, 128> kDosToWindows = {
    0x80, 0xFC, 0x82, 0x83, 0xE4, 0x85, 0x86, 0x87, 0x88, 0x89, 0x8A, 0x8B, 0x8C, 0x8D, 0xC4, 0x8F,
    0x90, 0x91, 0x92, 0x93, 0xF6, 0x95, 0x96, 0x97, 0x98, 0xD6, 0xDC, 0x9B, 0x9C, 0x9D, 0x9E, 0x83,
    0xA0, 0xA1, 0xA2, 0xA3, 0xA4, 0xA5, 0xAA, 0xB0, 0xA8, 0xA9, 0xAC, 0xBD, 0xBC, 0xAD, 0xAB, 0xBB,
    0x8D, 0x8D, 0x8D, 0x7C, 0x7C, 0x7C, 0x7C, 0x95, 0x95, 0x7C, 0x7C, 0x95, 0x95, 0xBD, 0x95, 0x95,
    0x95, 0x2B, 0x2B, 0x7C, 0x96, 0x2B, 0x7C, 0x7C, 0x95, 0x95, 0x3D, 0x3D, 0x7C, 0x3D, 0x2B, 0x3D,
    0x96, 0x3D, 0x96, 0x95, 0x95, 0x95, 0x95, 0x3D, 0x3D, 0x95, 0x95, 0x8D, 0xDC, 0xDD, 0xDE, 0xDF,
    0xE0, 0xDF, 0xE2, 0xE3, 0x8A, 0xE5, 0xE6, 0xE7, 0xE8, 0xE9, 0xEA, 0xEB, 0xEC, 0xF8, 0xEE, 0xEF,
    0xF0, 0xB1, 0x9B, 0x8B, 0xF4, 0xF5, 0xF6, 0xF7, 0xB0, 0x95, 0xB7, 0xFB, 0xFC, 0xB2, 0x8D, 0xFF};

int IndexOf(const std::array<unsigned char, 8>& codes, char c) {
    for (size_t i = 0; i < codes.size(); ++i)
        if (codes[i] == static_cast<unsigned char>(c)) return static_cast<int>(i);
    return -1;
}

std::string Exchange(std::string_view text, const std::array<unsigned char, 8>& from,
                     const std::array<unsigned char, 8>& to) {
    std::string out(text);
    for (char& c : out)
        if (const int i = IndexOf(from, c); i >= 0) c = static_cast<char>(to[i]);
    return out;
}

} // namespace

std::string FoldUmlauts(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        const int i = IndexOf(kWindowsCodes, c);
        if (i >= 0 && i < kUmlautCount)
            out += kUmlautPairs.substr(2 * i, 2);
        else
            out += c;
    }
    return out;
}

std::string FoldAccents(std::string_view text) {
    std::string out = FoldUmlauts(text);
    for (char& c : out) {
        const auto code = static_cast<unsigned char>(c);
        if (code >= 0xC0) c = kAccentFree[code - 0xC0];
    }
    return out;
}

std::string ToOemText(std::string_view text) {
    return Exchange(text, kWindowsCodes, kDosCodes);
}

std::string FromOemText(std::string_view text) {
    return Exchange(text, kDosCodes, kWindowsCodes);
}

std::string DosToWindowsText(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        const auto code = static_cast<unsigned char>(c);
        if (code >= 0x80) c = static_cast<char>(kDosToWindows[code - 0x80]);
    }
    return out;
}

} // namespace tev
