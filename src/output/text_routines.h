#pragma once
// The small text routines with which every report builds and reads its lines. Texts are
// engine texts: one byte per character, program texts in CP1252 ("½" is 0xBD, "÷" 0xF7).
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tev {

// Numbers in fixed widths. flags: low five bits the width, the other bits options
// (halves, zero markers, semicolons, shifts, markers, sign modes).
std::string FormatInt(int32_t value, uint16_t flags);
// " " followed by the digits of the 16-bit value.
std::string IntText(int16_t value);
// A value in tenths; halves are written "½", other tenths with a decimal comma.
std::string FormatTenths(int32_t value, int16_t flags);
// Decimal comma; decimals above 10 choose the count from the size of the value.
std::string FormatReal(double value, int16_t flags, int decimals);
// FormatReal(a / b); empty when a is 0 or b is 0 (or negative with negative decimals).
std::string FormatRatio(double a, double b, int16_t flags, int decimals);

// Reading numbers: empty or non-numeric texts give 0; values beyond 32 bits saturate at the
// int32 limits. ParseInt is defined below.
int32_t ParseIntInGeneral(std::string_view text);
int32_t ParseFirstInt(std::string_view text);
int32_t ParseTenths(std::string_view text);
int32_t ParseHalves(std::string_view text);
int32_t ParseTwoDigits(std::string_view text);

// The n-th field of a ";" (1..30000), "," (30001..) or tab (negative n) separated line.
std::string FieldAt(std::string_view line, int n);
// Every field of a separated line, the empty ones too ("a;;b" gives "a", "", "b").
std::vector<std::string> SplitFields(std::string_view line, char separator = ';');
// Fills or overwrites a list from a separated text, with "\k" index moves and "\\" fill.
void FillItems(std::vector<std::string>& list, std::string_view text);

std::string FoldUmlauts(std::string_view text);
std::string FoldAccents(std::string_view text);
// Exchange the umlauts, "ß" and "½" between CP1252 and the DOS code page.
std::string ToOemText(std::string_view text);
std::string FromOemText(std::string_view text);
// Every character 128..255 of a DOS text through the program's own table.
std::string DosToWindowsText(std::string_view text);

// " 5" .. "11", "J1", "J2", "Su" for 5..14; "    5" .. "Summe" for 505..514.
std::string ClassLevelLabel(int n);
// "2004/05" for 4 and 104.
std::string SchoolYearText(int year);

// Dates packed as in the DOS file system: bits 0-4 day, 5-8 month, 9-15 years since 1900.
uint16_t PackDate(int year, int month, int day);
// "dd.mm.yy".
std::string DateText(uint16_t packedDate);
// packed: the date in the high 16 bits, the time (bits 11-15 hour, 5-10 minute, 0-4
// seconds / 2) in the low 16 bits; "dd.mm.yy hh:mm".
std::string DateTimeText(uint32_t packed);

// The canonical 3-character subject abbreviation ("ENG" gives "E  ").
std::string CanonicalSubject(std::string_view text);

std::string ReplaceAll(std::string_view text, std::string_view find, std::string_view replace);
// Trim and TrimRight drop blanks and control characters (line ends, the DOS end mark).
std::string TrimRight(std::string_view text);
std::string Trim(std::string_view text);
// The same as views into the text, for look-ups that keep nothing.
std::string_view TrimRightView(std::string_view text);
std::string_view TrimView(std::string_view text);
// Cuts or fills with blanks to exactly width characters.
std::string PadRight(std::string_view text, int width);
// A field of a fixed-width text line: a positive width pads with blanks on the right, a
// negative one on the left (right-aligned); a longer text first loses its leading blanks and
// is then cut to the width.
std::string FitText(std::string_view text, int width);
int ClampInt(int low, int value, int high);
int CountOccurrences(std::string_view text, std::string_view find);

// Cells mostly hold nothing or a few right-aligned digits, read here without a call (every
// sum and test reads thousands of cells per school); the rest goes to ParseIntInGeneral.
inline int32_t ParseInt(std::string_view text) {
    size_t at = 0;
    while (at < text.size() && text[at] == ' ')
        ++at;
    if (text.size() - at > 9) return ParseIntInGeneral(text);
    int32_t value = 0;
    for (; at < text.size(); ++at) {
        const unsigned digit = static_cast<unsigned char>(text[at]) - static_cast<unsigned>('0');
        if (digit > 9) return ParseIntInGeneral(text);
        value = value * 10 + static_cast<int32_t>(digit);
    }
    return value;
}

} // namespace tev
