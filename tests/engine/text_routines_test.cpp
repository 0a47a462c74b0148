#include "output/codepage.h"
#include "output/text_routines.h"

#include <gtest/gtest.h>

using namespace tev;

namespace {
const std::string kHalf = Win("½");
const std::string kDivide = Win("÷");
} // namespace

TEST(TextRoutinesFormatInt, WidthsZeroBlanksAndSignModes) {
    EXPECT_EQ(FormatInt(42, 0), "42");
    EXPECT_EQ(FormatInt(42, 5), "   42");
    EXPECT_EQ(FormatInt(12345, 3), "12345");
    EXPECT_EQ(FormatInt(0, 0x23), "   ");
    EXPECT_EQ(FormatInt(5, 0x4003), "005");
    EXPECT_EQ(FormatInt(-5, 0x4004), "-005");
    EXPECT_EQ(FormatInt(5, 0xC003), "+05");
    EXPECT_EQ(FormatInt(123, 0xC003), "123");
    EXPECT_EQ(FormatInt(2, 0x8004), "  +2");
    EXPECT_EQ(FormatInt(-2, 0x8004), "  -2");
    EXPECT_EQ(FormatInt(7, 0x8000), "+7");
    EXPECT_EQ(FormatInt(0, 0x8000), "0");
    EXPECT_EQ(FormatInt(0, 0x8023), "   ");
}

TEST(TextRoutinesFormatInt, MarkersSemicolonsAndShifts) {
    EXPECT_EQ(FormatInt(7, 0x2C03), "  7;");
    EXPECT_EQ(FormatInt(7, 0x3803), ";  7");
    EXPECT_EQ(FormatInt(0, 0xFE23), "  .");
    EXPECT_EQ(FormatInt(0, 0xEE23), "  -");
    EXPECT_EQ(FormatInt(4, 0xFE23), "  4");
    EXPECT_EQ(FormatInt(7, 0x0043), " 7 ");
    EXPECT_EQ(FormatInt(7, 0x0803), " 7|");
    EXPECT_EQ(FormatInt(7, 0x0403), " 7 ");
    EXPECT_EQ(FormatInt(7, 0x2003), "| 7");
    EXPECT_EQ(FormatInt(-5, 0x6004), "|-05");
    EXPECT_EQ(FormatInt(0, 0x4063), "   ");
    EXPECT_EQ(FormatInt(12345, 0x0203), "123");
    EXPECT_EQ(FormatInt(5, 0x0102), " 5 ");
}

TEST(TextRoutinesFormatInt, Halves) {
    EXPECT_EQ(FormatInt(3, 0x83), " 1" + kHalf);
    EXPECT_EQ(FormatInt(1, 0x80), kHalf);
    EXPECT_EQ(FormatInt(-3, 0x80), "-1" + kHalf);
    EXPECT_EQ(FormatInt(8, 0x83), "  4");
    EXPECT_EQ(FormatInt(4, 0xC3), " 2 ");
    EXPECT_EQ(FormatInt(3, 0xC3), " 1" + kHalf);
    // Width 3: letters for 100 and more, "÷" for long negative odd values.
    EXPECT_EQ(FormatInt(200, 0x83), "a0");
    EXPECT_EQ(FormatInt(220, 0x83), "b0");
    EXPECT_EQ(FormatInt(201, 0x83), "a0" + kHalf);
    EXPECT_EQ(FormatInt(-200, 0x83), "-a0");
    EXPECT_EQ(FormatInt(-21, 0x83), kDivide + "10" + kHalf);
    EXPECT_EQ(FormatInt(-21, 0x283), kDivide + "10");
    EXPECT_EQ(FormatInt(-201, 0x283), kDivide + "a0");
    EXPECT_EQ(FormatInt(21, 0x8083), "10" + kHalf);
    EXPECT_EQ(FormatInt(5, 0x8083), "+2" + kHalf);
}

TEST(TextRoutinesFormatInt, ExtremeValuesStayDefined) {
    EXPECT_EQ(FormatInt(INT32_MIN, 0), "-2147483648");
    EXPECT_EQ(FormatInt(INT32_MAX, 0x80), "1073741823" + kHalf);
    EXPECT_EQ(FormatInt(INT32_MIN, 0x80), "-1073741824");
    EXPECT_EQ(FormatInt(0, 0xFFFF), std::string(29, ' ') + ".  ");
}

TEST(TextRoutinesFormatOthers, IntTextAndTenths) {
    EXPECT_EQ(IntText(0), " 0");
    EXPECT_EQ(IntText(-12), " -12");
    EXPECT_EQ(IntText(INT16_MIN), " -32768");
    EXPECT_EQ(FormatTenths(5, 0), kHalf);
    EXPECT_EQ(FormatTenths(-25, 6), "   -2" + kHalf);
    EXPECT_EQ(FormatTenths(123, 0), "12,3");
    EXPECT_EQ(FormatTenths(120, 5), "   12");
    EXPECT_EQ(FormatTenths(15, static_cast<int16_t>(0x8000)), "+1" + kHalf);
    EXPECT_EQ(FormatTenths(0, 0), "");
    EXPECT_EQ(FormatTenths(0, 0x23), "");
    EXPECT_EQ(FormatTenths(0, 3), "  0");
    EXPECT_EQ(FormatTenths(INT32_MIN, 0), "-214748364,8");
}

TEST(TextRoutinesFormatOthers, RealAndRatio) {
    EXPECT_EQ(FormatReal(2.5, 0, 2), "2,5");
    EXPECT_EQ(FormatReal(0.05, 0, 11), "0,05");
    EXPECT_EQ(FormatReal(0.5, 0, 11), "0,5");
    EXPECT_EQ(FormatReal(12.34, 0, 11), "12,3");
    EXPECT_EQ(FormatReal(2.0, 0, 1), "2");
    EXPECT_EQ(FormatReal(2.0, 6, 2), "  2,00");
    EXPECT_EQ(FormatReal(2.5, 6, 3), " 2,500");
    EXPECT_EQ(FormatReal(2.5, 4, 3), "2,50");
    EXPECT_EQ(FormatReal(2.5, static_cast<int16_t>(0x8006), 1), "  +2,5");
    EXPECT_EQ(FormatReal(-2.5, 0, 1), "-2,5");
    EXPECT_EQ(FormatReal(0, 0x20, 2), " ");
    // Integer zeros are never taken for decimals.
    EXPECT_EQ(FormatReal(100, 0, 0), "100");
    EXPECT_EQ(FormatReal(100, 0, 2), "100");
    EXPECT_FALSE(FormatReal(1e308, 0, 10).empty());

    EXPECT_EQ(FormatRatio(0, 3, 0, 2), "");
    EXPECT_EQ(FormatRatio(3, 0, 0, 2), "");
    EXPECT_EQ(FormatRatio(1, 4, 0, 2), "0,25");
    EXPECT_EQ(FormatRatio(1, -4, 0, 2), "-0,25");
    EXPECT_EQ(FormatRatio(1, -4, 0, -2), "");
    EXPECT_EQ(FormatRatio(1, 4, 0, -2), "0,25");
}

TEST(TextRoutinesParse, IntegersSignsHexAndLetters) {
    EXPECT_EQ(ParseInt(""), 0);
    EXPECT_EQ(ParseInt("abc"), 10); // a letter in the sign place is the tens code
    EXPECT_EQ(ParseInt("xyz"), 0);
    EXPECT_EQ(ParseInt(Win("  42 Schüler")), 42);
    EXPECT_EQ(ParseInt("#7"), 7);
    EXPECT_EQ(ParseInt("- 5"), -5);
    EXPECT_EQ(ParseInt("+5"), 5);
    EXPECT_EQ(ParseInt("1+2"), 12);
    EXPECT_EQ(ParseInt("12-"), -12);
    EXPECT_EQ(ParseInt(kDivide + "3"), -3);
    EXPECT_EQ(ParseInt("$1F"), 31);
    EXPECT_EQ(ParseInt("$ff"), 255);
    // Plain and right-aligned digits, at and beyond the nine that cannot overflow.
    EXPECT_EQ(ParseInt("   "), 0);
    EXPECT_EQ(ParseInt("  7"), 7);
    EXPECT_EQ(ParseInt("007"), 7);
    EXPECT_EQ(ParseInt(" 1 2"), 1);
    EXPECT_EQ(ParseInt("999999999"), 999999999);
    EXPECT_EQ(ParseInt("2147483648"), 2147483647);
    EXPECT_EQ(ParseInt("99999999999999999999"), 2147483647);
    EXPECT_EQ(ParseInt("a0"), 100);
    EXPECT_EQ(ParseInt("b0"), 110);
    EXPECT_EQ(ParseInt("-a0"), -100);
    EXPECT_EQ(ParseInt(std::string("\0"
                                   "3 x 4",
                                   6)),
              7);
    EXPECT_EQ(ParseInt(std::string("\0"
                                   "10 - 3 und -2",
                                   14)),
              5);
    EXPECT_EQ(ParseFirstInt("Klasse 7b"), 7);
    EXPECT_EQ(ParseFirstInt("abc -12"), -12);
    EXPECT_EQ(ParseTwoDigits("0734"), 7);
    EXPECT_EQ(ParseTwoDigits("-5x"), -5);
    EXPECT_EQ(ParseTwoDigits("9"), 9);
}

TEST(TextRoutinesParse, LongDigitStringsSaturate) {
    const std::string forty(40, '9');
    EXPECT_EQ(ParseInt(forty), INT32_MAX);
    EXPECT_EQ(ParseInt("-" + forty), INT32_MIN);
    EXPECT_EQ(ParseInt("2147483648"), INT32_MAX);
    EXPECT_EQ(ParseInt("-2147483648"), INT32_MIN);
    EXPECT_EQ(ParseInt("$" + std::string(40, 'F')), INT32_MAX);
    EXPECT_EQ(ParseInt(std::string("\0", 1) + forty + " " + forty), INT32_MAX);
    EXPECT_EQ(ParseFirstInt("x" + forty), INT32_MAX);
    EXPECT_EQ(ParseTenths(forty), INT32_MAX);
    EXPECT_EQ(ParseHalves("-" + forty), INT32_MIN);
}

TEST(TextRoutinesParse, TenthsAndHalves) {
    EXPECT_EQ(ParseTenths("1" + kHalf), 15);
    EXPECT_EQ(ParseTenths("1,5"), 15);
    EXPECT_EQ(ParseTenths("1/"), 15);
    EXPECT_EQ(ParseTenths("1.2"), 12);
    EXPECT_EQ(ParseTenths("-2,5"), -25);
    EXPECT_EQ(ParseTenths("-" + kHalf), -5);
    EXPECT_EQ(ParseTenths("3,"), 30);
    EXPECT_EQ(ParseTenths(kDivide + "10"), -105);

    EXPECT_EQ(ParseHalves(kHalf), 1);
    EXPECT_EQ(ParseHalves("/"), 1);
    EXPECT_EQ(ParseHalves("\xAB"), 1);
    EXPECT_EQ(ParseHalves("3" + kHalf), 7);
    EXPECT_EQ(ParseHalves("3/"), 7);
    EXPECT_EQ(ParseHalves("-3" + kHalf), -7);
    EXPECT_EQ(ParseHalves(kDivide + "10"), -21);
    EXPECT_EQ(ParseHalves("  4"), 8);
}

TEST(TextRoutinesParse, HalvesReadBackWhatFormatIntWrites) {
    // Width-3 columns, with and without the cut, and free width; the letter code reaches
    // up to 159.5.
    for (uint16_t flags : {0x80, 0x83, 0x283, 0xA3, 0x84}) {
        for (int32_t value = -319; value <= 319; ++value) {
            const std::string text = FormatInt(value, flags);
            ASSERT_EQ(ParseHalves(text), value) << "flags " << flags << " text " << text;
        }
    }
}

TEST(TextRoutinesFields, FieldAt) {
    EXPECT_EQ(FieldAt("a;b;c", 1), "a");
    EXPECT_EQ(FieldAt("a;b;c", 2), "b");
    EXPECT_EQ(FieldAt("a;b;c", 3), "c");
    EXPECT_EQ(FieldAt("a;b", 5), "");
    EXPECT_EQ(FieldAt("a;;c", 2), "");
    EXPECT_EQ(FieldAt("a;b", 0), "");
    EXPECT_EQ(FieldAt("x,\"y\"", 30002), "y");
    EXPECT_EQ(FieldAt("x,\"y\"", 31002), "\"y\"");
    EXPECT_EQ(FieldAt("\"a\";b", 1), "a");
    EXPECT_EQ(FieldAt("\"a\";b", 1001), "\"a\"");
    EXPECT_EQ(FieldAt("a,b;c,d", 2), "c,d");
    EXPECT_EQ(FieldAt("a\tb;c\td", -2), "b;c");
    EXPECT_EQ(FieldAt("a\tb", INT32_MIN), "");
    EXPECT_EQ(FieldAt("\"", 1), "");
}

TEST(TextRoutinesFields, FillItems) {
    std::vector<std::string> list;
    FillItems(list, "Trenner=Semikolon;Trenner=Tab");
    EXPECT_EQ(list, (std::vector<std::string>{"Trenner=Semikolon", "Trenner=Tab"}));

    FillItems(list, "x");
    EXPECT_EQ(list, (std::vector<std::string>{"x", "Trenner=Tab"}));

    list = {"a", "b", "c", "d"};
    FillItems(list, "A;\\2;C;D;E");
    EXPECT_EQ(list, (std::vector<std::string>{"A", "b", "c", "C", "D", "E"}));

    list = {"a", "b"};
    FillItems(list, "\\-1;z");
    EXPECT_EQ(list, (std::vector<std::string>{"a", "b", "z"}));

    list = {"a", "b", "c"};
    FillItems(list, "A;\\\\-");
    EXPECT_EQ(list, (std::vector<std::string>{"A", "-", "-"}));

    list = {"a"};
    FillItems(list, "p;q\tr;s");
    EXPECT_EQ(list, (std::vector<std::string>{"p;q", "r;s"}));

    list.clear();
    FillItems(list, std::string("\0,u,v;w", 7));
    EXPECT_EQ(list, (std::vector<std::string>{"u", "v;w"}));

    list = {"a"};
    FillItems(list, "\\x;\\;\\99999999999999999999");
    EXPECT_EQ(list, (std::vector<std::string>{"\\x", "\\"}));
}

TEST(TextRoutinesFolding, UmlautsAccentsAndCodePages) {
    EXPECT_EQ(FoldUmlauts(Win("Größe Übung Ärger")), "Groesse Uebung Aerger");
    EXPECT_EQ(FoldAccents(Win("Café Müller ×")), "Cafe Mueller  ");
    EXPECT_EQ(FoldAccents(Win("ðÿþ")), "oy ");

    const std::string windows = Win("ÄÖÜäöüß½ x");
    const std::string dos = "\x8E\x99\x9A\x84\x94\x81\xE1\xAB x";
    EXPECT_EQ(ToOemText(windows), dos);
    EXPECT_EQ(FromOemText(dos), windows);
    EXPECT_EQ(Utf8FromDos(ToOemText(windows)), "ÄÖÜäöüß½ x");

    EXPECT_EQ(DosToWindowsText(dos), windows);
    EXPECT_EQ(DosToWindowsText("\xB3\xC5\xCD|"), "|+=|");
    EXPECT_EQ(DosToWindowsText("abc"), "abc");
}

TEST(TextRoutinesLabels, ClassLevelsAndSchoolYears) {
    EXPECT_EQ(ClassLevelLabel(5), " 5");
    EXPECT_EQ(ClassLevelLabel(11), "11");
    EXPECT_EQ(ClassLevelLabel(12), "J1");
    EXPECT_EQ(ClassLevelLabel(14), "Su");
    EXPECT_EQ(ClassLevelLabel(505), "    5");
    EXPECT_EQ(ClassLevelLabel(512), "Jgst1");
    EXPECT_EQ(ClassLevelLabel(514), "Summe");
    EXPECT_EQ(ClassLevelLabel(4), "");
    EXPECT_EQ(ClassLevelLabel(15), "");
    EXPECT_EQ(ClassLevelLabel(515), "");

    EXPECT_EQ(SchoolYearText(4), "2004/05");
    EXPECT_EQ(SchoolYearText(104), "2004/05");
    EXPECT_EQ(SchoolYearText(27), "2027/28");
    EXPECT_EQ(SchoolYearText(28), "1928/29");
    EXPECT_EQ(SchoolYearText(99), "1999/00");
    EXPECT_EQ(SchoolYearText(-96), "2004/05");
}

TEST(TextRoutinesLabels, Dates) {
    EXPECT_EQ(DateText(PackDate(2004, 9, 3)), "03.09.04");
    EXPECT_EQ(DateText(PackDate(1999, 12, 31)), "31.12.99");
    EXPECT_EQ(DateText(PackDate(2031, 1, 2)), "02.01.31");
    const uint32_t packed = (uint32_t{PackDate(2024, 5, 17)} << 16) | (14u << 11) | (7u << 5);
    EXPECT_EQ(DateTimeText(packed), "17.05.24 14:07");
}

TEST(TextRoutinesSubjects, CanonicalSubject) {
    EXPECT_EQ(CanonicalSubject("ENG"), "E  ");
    EXPECT_EQ(CanonicalSubject("Englisch"), "E  ");
    EXPECT_EQ(CanonicalSubject("D"), "D  ");
    EXPECT_EQ(CanonicalSubject("Bio"), "Bio");
    EXPECT_EQ(CanonicalSubject("bio"), "Bio");
    EXPECT_EQ(CanonicalSubject("Mathematik"), "M  ");
    EXPECT_EQ(CanonicalSubject("WIR"), "W  ");
    EXPECT_EQ(CanonicalSubject("Geo"), "Ek ");
    EXPECT_EQ(CanonicalSubject("F\""), "F\" ");
    EXPECT_EQ(CanonicalSubject("lut"), "LTh");
    EXPECT_EQ(CanonicalSubject("m+"), "VKM");
    EXPECT_EQ(CanonicalSubject("RRK"), "KR ");
    EXPECT_EQ(CanonicalSubject("XYZ"), "XYZ");
    EXPECT_EQ(CanonicalSubject("E,F"), "E,F");
    EXPECT_EQ(CanonicalSubject("Insgesamt"), "Insgesamt");
    // Keys never match across two entries ("ES" lies inside "GES;").
    EXPECT_EQ(CanonicalSubject("es"), "es");
    EXPECT_EQ(CanonicalSubject(""), "");
}

TEST(TextRoutinesStrings, SmallHelpers) {
    EXPECT_EQ(ReplaceAll("a;b;;c", ";", ", "), "a, b, , c");
    EXPECT_EQ(ReplaceAll("aaa", "aa", "a"), "aa");
    EXPECT_EQ(ReplaceAll("abc", "", "x"), "abc");
    EXPECT_EQ(TrimRight("ab  \r\n"), "ab");
    EXPECT_EQ(Trim("  ab c \x1A"), "ab c");
    EXPECT_EQ(PadRight("abc", 5), "abc  ");
    EXPECT_EQ(PadRight("abcdef", 3), "abc");
    EXPECT_EQ(PadRight("abc", -1), "");
    EXPECT_EQ(ClampInt(1, 5, 3), 3);
    EXPECT_EQ(ClampInt(1, -5, 3), 1);
    EXPECT_EQ(ClampInt(1, 2, 3), 2);
    EXPECT_EQ(CountOccurrences("a;b;c", ";"), 2);
    EXPECT_EQ(CountOccurrences("aaaa", "aa"), 2);
    EXPECT_EQ(CountOccurrences("abc", ""), 0);
}
