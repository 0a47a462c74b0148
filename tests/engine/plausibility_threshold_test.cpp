// Every number at which the plausibility test changes its mind, tried on both sides.
#include "plausibility_school.h"
#include "sheet/plausibility_test.h"

#include <functional>
#include <gtest/gtest.h>
#include <string>

using namespace tev;
using namespace tev::test;

namespace {

// One value puts the school just inside a limit, the next one just beyond it.
struct Threshold {
    const char* name;
    bool consistent; // starts from the consistent school, else from an empty sheet
    std::function<void(PlausibilitySchool&, int)> set;
    int inside;
    int beyond;
    // UTF-8: the start of the line that no value inside the limit may bring, and the numbers
    // that follow it beyond the limit.
    const char* stem;
    const char* numbers;
};

PlausibilitySchool SchoolOf(bool consistent, int year) {
    return consistent ? PlausibilitySchool(year) : PlausibilitySchool::Empty(year);
}

void NotPromotedOf(PlausibilitySchool& s, int pupils, int notPromoted) {
    s.SetPupils(0, pupils);
    s.SetNotPromoted(notPromoted - notPromoted / 2, notPromoted / 2);
}

constexpr int kEnglish = 9; // column of "E" in the hours tables

void GivenEnglishHoursOf100(PlausibilitySchool& s, int given) {
    s.engine.window.check91Plaus = true;
    s.Put(91, kEnglish, 1, 100);
    s.Put(91, kEnglish, 3, given);
}

} // namespace

TEST(PlausibilityThresholds, EachLimitHoldsExactlyWhereItIsSet) {
    const Threshold thresholds[] = {
        // 2.1: more than a tenth of the pupils, integer division.
        {"tenth not promoted", false, [](auto& s, int v) { NotPromotedOf(s, 200, v); }, 20, 21,
         "wirklich mehr als 10% Nichtversetzte???", "(21/200=10,50%)"},
        // 2.1: more than a fifth, and more than 20 whatever the school's size.
        {"fifth not promoted", false, [](auto& s, int v) { NotPromotedOf(s, 200, v); }, 40, 41,
         "zu viele Nichtversetzte!", "(41/200=20,50%)"},
        {"more than 20 not promoted", false, [](auto& s, int v) { NotPromotedOf(s, 60, v); }, 20,
         21, "zu viele Nichtversetzte!", "(21/60=35,00%)"},
        // 8.3 with 45 certificates: failures above 45 / 6 + 4 = 11, above 45 / 14 + 2 = 5.
        {"too many failures", true, [](auto& s, int v) { s.Put(83, 1, 33, v); }, 11, 12,
         "8.3 zu viele ", "12(45) Abitur nicht bestanden!"},
        {"many failures", true, [](auto& s, int v) { s.Put(83, 1, 33, v); }, 5, 6,
         "  8.3 soooo viele ", "6(45) Abitur nicht bestanden!"},
        // No foreign girls: suspicious from 3 foreigners and 11 girls on.
        {"foreigners without girls", false,
         [](auto& s, int v) {
             s.Put(18, 3, 40, v);
             s.Put(18, 3, 38, 20);
         },
         2, 3, "         keine weibl.Ausländer eingetragen?", ""},
        {"girls without foreign girls", false,
         [](auto& s, int v) {
             s.Put(18, 3, 40, 5);
             s.Put(18, 3, 38, v);
         },
         10, 11, "         keine weibl.Ausländer eingetragen?", ""},
        // 2.2, class 7 of 56: repeaters - 2 above 56 / 10 = 5.
        {"repeaters", true,
         [](auto& s, int v) {
             s.Put(22, 3, 1, 56 - v);
             s.Put(22, 3, 2, v);
         },
         7, 8, "              2.2 gibt es wirklich mehr als 10% Wiederholer in KlSt. 7", ""},
        // 9.1: given hours more than a fifth off their target of 100, below and above.
        {"hours below target", true, GivenEnglishHoursOf100, 80, 79,
         "  9.1 Iststunden sind unplausibel:  Sprachen:  ", "79 <> 100"},
        {"hours above target", true, GivenEnglishHoursOf100, 120, 121,
         "  9.1 Iststunden sind unplausibel:  Sprachen:  ", "121 <> 100"},
        // Target totals of 9.1 and 9.2 more than a tenth of the 9.2 total apart.
        {"target totals", true,
         [](auto& s, int v) {
             s.engine.window.check91PlausSoll = true;
             s.Put(91, kEnglish, 1, v);
             s.Put(92, 27, 11, 100);
         },
         110, 111, "Abweichungen Soll9.1-Soll9.2 sind zu groß!", ""},
        {"target groups", true,
         [](auto& s, int v) {
             s.engine.window.check91PlausSoll = true;
             s.Put(91, kEnglish, 1, v);
             s.Put(92, kEnglish, 11, 100);
         },
         90, 89, "  erhebl.Abweich. Soll9.1-Soll9.2:  Sprachen:  ", "89 <> 100"},
        // 3.2: two leavers after class 8 are usual, three are not.
        {"leavers of class 8", true, [](auto& s, int v) { s.Put(32, 1, 2, v); }, 2, 3,
         "   3.2 Spalte \"8\" wirklich ", "3 Abgänger"},
        // 3.2: no leavers after class 9 or 10 are queried from 150 pupils in class 10 on.
        {"cohort without leavers", false, [](auto& s, int v) { s.SetPupils(5, v); }, 149, 150,
         "   3.2 Abgänge insgesamt  9-10  wirklich 0 ?", ""},
        // 2.4: the first birth year column must not belong to an earlier school year.
        {"birth years", true, [](auto& s, int v) { s.Put(24, 5, 0, v); }, 2003, 2002,
         "2.4 ist veraltet,  d.h. :", "2002  <>2003"},
        // Sub-counts may reach their totals, not pass them.
        {"girls of a level", true, [](auto& s, int v) { s.Put(18, 4, 38, v); }, 56, 57,
         "8j:Mädchen > Summe KlSt. 6 in   1.8 ", ":  57 > 56"},
        {"middle certificates", true, [](auto& s, int v) { s.Put(32, 6, 1, v); }, 28, 29,
         "3.2 Abgänge männlich 10 mit RS", ":  29 > 28"},
        {"exceptions of 2.1", true, [](auto& s, int v) { s.Put(21, 1, 4, v); }, 2, 3,
         "2.1 Nichtvers darunter", ""},
        {"certificates of sports", true, [](auto& s, int v) { s.Put(33, 3, 2, v); }, 30, 31,
         "Leichtathletik: Teilnehmer < Siegerurkunden+Ehrenurkunden in 3.3", ":  40 < 41"},
        {"groups of 5.2", true, [](auto& s, int v) { s.Put(52, 2, 1, v); }, 12, 13,
         "5.2: Zeile hat mehr Gruppen als Schüler: Zeile 1 Theater", ""},
    };
    for (const Threshold& t : thresholds) {
        for (int value : {t.inside, t.beyond}) {
            PlausibilitySchool school = SchoolOf(t.consistent, 116);
            t.set(school, value);
            school.Test();
            if (value == t.beyond)
                EXPECT_TRUE(school.Has(std::string(t.stem) + t.numbers))
                    << t.name << " at " << value << ":\n"
                    << school.Findings();
            else
                EXPECT_FALSE(school.Has(t.stem)) << t.name << " at " << value << ":\n"
                                                 << school.Findings();
        }
    }
}

// Rules of later forms: a school of the year before the rule shows nothing.
TEST(PlausibilityThresholds, EachRuleStartsWithItsSchoolYear) {
    const struct {
        int firstYear;
        std::function<void(PlausibilitySchool&)> change;
        const char* line;
    } rules[] = {
        {114, [](auto& s) { s.Put(18, 3, 51, 60); }, "mit_Migr > Schüler insges"},
        {116, [](auto& s) { s.Put(18, 3, 39, 5); }, "Ausländer weibl > Ausländer"},
        {116, [](auto& s) { s.Put(18, 3, 50, 3); }, "dv. weibl.Schüler in VKL > Schüler in VKL"},
        {120, [](auto& s) { s.Grid(44).FillRow(2, ";3;0;0;0;0;0;0;0;0;;x;x;;;1"); },
         "4.4  keine LWS angegeben!"},
        {122,
         [](auto& s) {
             s.Put(43, 5, 3, 1);
             s.Put(43, 15, 3, 2);
         },
         "erstmals Anspruch > zusammen"},
    };
    for (const auto& rule : rules) {
        for (int year : {rule.firstYear - 1, rule.firstYear}) {
            PlausibilitySchool school(year);
            rule.change(school);
            school.Test();
            EXPECT_EQ(school.Has(rule.line), year == rule.firstYear)
                << rule.line << " in " << year << ":\n"
                << school.Findings();
        }
    }
}

// Beyond a million nothing in the form is meant: such a cell counts a million.
TEST(PlausibilityThresholds, CountsStopAtAMillionEitherWay) {
    const struct {
        const char* typed;
        const char* read;
    } cells[] = {{"1000000", "1000000"},
                 {"1000001", "1000000"},
                 {"-1000000", "-1000000"},
                 {"-1000001", "-1000000"},
                 {"99999999999", "1000000"}};
    for (const auto& cell : cells) {
        PlausibilitySchool school = PlausibilitySchool::Empty(116);
        school.Put(18, 3, 2, cell.typed);
        school.Test();
        EXPECT_TRUE(
            school.Has(std::string("Summe KlSt. 5 in  1.1+1.8 <> 9.1:  ") + cell.read + " <> 0"))
            << cell.typed << ":\n"
            << school.Findings();
    }
}
