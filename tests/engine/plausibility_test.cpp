#include "sheet/plausibility_test.h"

#include "output/codepage.h"
#include "plausibility_school.h"

#include <functional>
#include <gtest/gtest.h>

using namespace tev;
using namespace tev::test;

namespace {

// One change to the consistent school and a line that it must bring.
struct Fault {
    const char* name;
    int year;
    std::function<void(PlausibilitySchool&)> change;
    const char* finding; // UTF-8, the start of a line or a part of it
};

void ExpectFinding(const Fault& fault) {
    PlausibilitySchool school(fault.year);
    fault.change(school);
    school.Test();
    EXPECT_EQ(school.engine.sheet.findings.front(), kFindingsHeading) << fault.name;
    EXPECT_TRUE(school.Has(fault.finding)) << fault.name << ": no \"" << fault.finding << "\" in\n"
                                           << school.Findings();
}

// A change that brings no finding; the remarks and notes that follow the result, if any.
struct Quiet {
    const char* name;
    int year;
    std::function<void(PlausibilitySchool&)> change;
    std::vector<const char*> remarks; // UTF-8
};

void ExpectNoFinding(const Quiet& quiet) {
    PlausibilitySchool school(quiet.year);
    quiet.change(school);
    std::vector<std::string> expected = {kDataOk};
    for (const char* remark : quiet.remarks)
        expected.push_back(Win(remark));
    EXPECT_EQ(school.Test(), expected) << quiet.name << ":\n" << school.Findings();
}

} // namespace

TEST(PlausibilityConsistentSchool, PassesInEveryYearOfTheCurrentForm) {
    for (int year : {113, 114, 116, 118, 119, 120, 122, 124}) {
        PlausibilitySchool school(year);
        school.engine.window.check91Plaus = true;
        school.engine.window.check91PlausSoll = true;
        EXPECT_EQ(school.Test(), std::vector<std::string>{kDataOk}) << "year " << year << ":\n"
                                                                    << school.Findings();
    }
}

TEST(PlausibilityConsistentSchool, ChangesWithinTheRulesBringNoFinding) {
    const Quiet changes[] = {
        {"rules of later forms",
         115,
         [](auto& s) {
             s.Put(18, 3, 50, 3);  // girls of preparatory classes
             s.Put(18, 3, 39, 5);  // foreign girls
             s.Put(18, 6, 41, 20); // profiles without a row of their own (sport) are missing
         },
         {}},
        {"fewer in sport and religion",
         116,
         [](auto& s) {
             s.Put(61, 2, s.Row(61, "S"), 30);
             s.Put(61, 2, s.Row(61, "KR"), 10);
         },
         {}},
        {"a third four-hour course",
         116,
         [](auto& s) {
             s.Put(51, 2, s.Row(51, "E"), 30);
             s.Put(71, 2, 17, 8);
         },
         {"Summe LK-Schüler12/J1:   1.1+1.8*2 -8.1 +8.2 <> 5.1 (Sonderfall: LK-Test zählt nicht "
          "als Fehler)",
          "         (Zahlen genauer:     50*2 -   0 +   0 <>  130 +  0     s.auch Reiter "
          "\"5+6\")"}},
        {"many failures of the Abitur",
         116,
         [](auto& s) { s.Put(83, 1, 33, 6); },
         {"  8.3 soooo viele 6(45) Abitur nicht bestanden!"}},
        {"hours tests switched off",
         116,
         [](auto& s) {
             s.Put(91, 9, 1, 100); // English: target, given in class 5, target of 9.2
             s.Put(91, 9, 3, 70);
             s.Put(92, 9, 11, 80);
             s.Put(92, 27, 11, 80);
         },
         {}},
        {"target hours with differences",
         116,
         [](auto& s) {
             s.engine.window.check91PlausSoll = true;
             s.engine.window.showDifferences = true;
             s.Put(91, 9, 1, 100);
             s.Put(92, 9, 11, 80);
             s.Put(92, 27, 11, 80);
         },
         {"  erhebl.Abweich. Soll9.1-Soll9.2:  Sprachen:  100 <> 80  Diff 20",
          "Abweichungen Soll9.1-Soll9.2 sind zu groß!",
          "         ! erhebl.Abweich. Soll9.1-Soll9.2: Sollzahlen überprüfen, am besten mit  "
          "\"Diverses/9.1 Sollstunden und Anzahl-Lehrbef.  aus ZEP übernehmen\""}},
        {"working group with its statistics key",
         116,
         [](auto& s) {
             s.Put(31, 0, 1, "0201");
             s.Put(31, 1, 1, "Chor 2034");
             s.Put(33, 1, 3, 0); // a sport not run at all
         },
         {}},
        {"Islamic education given",
         120,
         [](auto& s) { s.Grid(44).FillRow(2, ";3;0;0;0;0;0;0;0;0;;x;x;;2;1"); },
         {}},
        {"Islamic education cancelled",
         120,
         [](auto& s) { s.Grid(44).FillRow(2, ";0;0;0;0;0;0;0;0;0;x;;x;;;"); },
         {}},
        {"repeaters",
         116,
         [](auto& s) {
             s.Put(22, 3, 1, 48); // class 7: 8 repeaters of 56
             s.Put(22, 3, 2, 8);
         },
         {"              2.2 gibt es wirklich mehr als 10% Wiederholer in KlSt. 7"}},
        {"city that is its own district",
         116,
         [](auto& s) {
             s.engine.sheet.regionalNumber = "111000";
             s.Put(42, 1, 2, 5);
             s.Put(42, 0, 2, 429);
             s.Grid(31).FillRow(1, "0101;Chor;0;0;0;0");
         },
         {"  3.1 keine AGs?", "  in 4.2 \"in anderen Gemeinden des Landkreises\"  5  statt 0!"}},
    };
    for (const Quiet& quiet : changes)
        ExpectNoFinding(quiet);
}

TEST(PlausibilityPupils, EachBrokenRuleIsFound) {
    const Fault faults[] = {
        {"origin total", 116, [](auto& s) { s.Put(22, 1, 3, 55); },
         "Summe KlSt. 5 in   1.1+1.8 <> 2.2:  56 <> 55"},
        {"girls", 116, [](auto& s) { s.Put(18, 4, 38, 60); },
         "8j:Mädchen > Summe KlSt. 6 in   1.8 :  60 > 56"},
        {"foreigners", 116, [](auto& s) { s.Put(23, 2, 1, 21); },
         "Summe Ausländer in   1.1+1.8 <> 2.3:  32 <> 33\r (Ausländer"},
        {"migration", 116, [](auto& s) { s.Put(18, 3, 51, 60); },
         "mit_Migr > Schüler insges in 1.1+1.8  KlSt. 5:  60 > 56"},
        {"foreigners without migration", 114, [](auto& s) { s.Put(18, 5, 51, 3); },
         "Ausländer > mit_Migr in 1.1+1.8  KlSt. 7:  4 > 3"},
        {"foreign girls", 116, [](auto& s) { s.Put(18, 3, 39, 5); },
         "Ausländer weibl > Ausländer in 1.1+1.8  KlSt. 5"},
        {"girls of preparatory classes", 116, [](auto& s) { s.Put(18, 3, 50, 3); },
         "dv. weibl.Schüler in VKL > Schüler in VKL:  3 > 0"},
        {"preparatory classes", 116, [](auto& s) { s.Put(18, 3, 49, 1); },
         "Zahl Vorbereitungsklassen > Schüler in Vorbereitungsklassen"},
        {"preparatory pupils of 1.2", 116, [](auto& s) { s.Put(12, 1, 16, 12); },
         "1.1+1.8 Schüler in VKL <> 1.2 Schüler in gebildeten VKL:  0 <> 12"},
        {"no foreign girls", 116,
         [](auto& s) {
             for (int col = 3; col <= 12; ++col)
                 s.Put(18, col, 39, "");
         },
         "         keine weibl.Ausländer eingetragen?"},
        {"profiles", 116,
         [](auto& s) {
             s.Put(18, 6, 41, 30);
             s.Put(18, 6, 54, 27);
         },
         "Summe Profile KlSt. 8 in 1.8 <> Schüler insges:  57 <> 56"},
        {"third language", 116,
         [](auto& s) {
             for (int table : {11, 18}) {
                 s.Put(table, 0, 4, "E");
                 s.Put(table, 1, 4, "F");
                 s.Put(table, 2, 4, "L");
             }
             s.Put(18, 6, 2, 46);
             s.Put(18, 6, 4, 10);
         },
         "in 1.8: Summe 3.FS <> mit Sprachprofil:  10 <> 0"},
    };
    for (const Fault& fault : faults)
        ExpectFinding(fault);
}

TEST(PlausibilityOrigin, NationalitiesBirthYearsAndNonPromoted) {
    const Fault faults[] = {
        {"no longer allowed", 116, [](auto& s) { s.Put(23, 0, 2, "138"); },
         "in 2.3 ist nicht mehr erlaubt: 138 Serbien"},
        {"Yugoslavia", 116, [](auto& s) { s.Put(23, 0, 2, "138"); },
         "2.3: statt 138 Jugoslawien  bitte  140 Montenegro  oder  150 Kosovo  oder  170 Serbien "
         "verwenden!"},
        {"2.4 empty", 116,
         [](auto& s) {
             for (int row = 1; row <= 3; ++row) {
                 s.Put(24, 5, row, "");
                 s.Put(24, 14, row, "");
             }
         },
         "2.4 ist nicht bearbeitet,  d.h. Summe gesamt  in  1.1+1.8 <> 2.4:  434 <> 0"},
        {"2.4 boys", 116, [](auto& s) { s.Put(24, 5, 1, 210); },
         "Summe Jungen  in  1.1+1.8 <> 2.4:  217 <> 210"},
        {"2.4 girls", 116, [](auto& s) { s.Put(24, 5, 2, 218); },
         "Summe Mädchen in  1.1+1.8 <> 2.4:  217 <> 218"},
        {"2.4 of last year", 116, [](auto& s) { s.Put(24, 5, 0, "1999"); },
         "2.4 ist veraltet,  d.h. :1999  <>2003 (Abhilfe: Diverses/eine Tabelle löschen/2.4)"},
    };
    for (const Fault& fault : faults)
        ExpectFinding(fault);
}

TEST(PlausibilityOrigin, NonPromotedOfTheWorkedExamples) {
    PlausibilitySchool school = PlausibilitySchool::Empty(116);
    school.SetPupils(0, 200);
    school.SetNotPromoted(13, 12);
    school.Test();
    EXPECT_TRUE(school.Has("wirklich mehr als 10% Nichtversetzte???(25/200=12,50%)"))
        << school.Findings();
    EXPECT_FALSE(school.Has("zu viele Nichtversetzte!"));

    school.SetPupils(0, 120);
    school.SetNotPromoted(15, 15);
    school.Test();
    EXPECT_TRUE(school.Has("wirklich mehr als 10% Nichtversetzte???(30/120=25,00%)"));
    EXPECT_TRUE(school.Has("zu viele Nichtversetzte!(30/120=25,00%)"));
}

TEST(PlausibilityOrigin, NonPromotedWithoutPupilsGiveNoShare) {
    PlausibilitySchool school = PlausibilitySchool::Empty(116);
    school.SetNotPromoted(13, 12);
    school.Test();
    EXPECT_TRUE(school.Has("wirklich mehr als 10% Nichtversetzte???(25/0)")) << school.Findings();
    EXPECT_TRUE(school.Has("zu viele Nichtversetzte!(25/0)"));
}

TEST(PlausibilityCourses, CoursesMustCarryThePupilsOfTheFinalYears) {
    const Fault faults[] = {
        {"rows of 5.1", 116, [](auto& s) { s.Grid(51).SetRowCount(40); }, "5.1 Zeilen:  40 <> 51"},
        {"German in four-hour courses", 116, [](auto& s) { s.Put(51, 2, s.Row(51, "D"), 49); },
         "Summe D 12/J1 in  1.1+1.8 <> 5.1:  50 <> 49"},
        {"German of later regimes", 120, [](auto& s) { s.Put(51, 5, s.Row(51, "D"), 47); },
         "Summe D 13/J2 in  1.1+1.8 <> 5.1+6.1+8.1-8.2"},
        {"history", 116, [](auto& s) { s.Put(61, 5, s.Row(61, "G"), 47); },
         "Summe G 13/J2 in  1.1+1.8 <> 5.1+6.1+8.1-8.2"},
        {"details", 116, [](auto& s) { s.Put(61, 5, s.Row(61, "G"), 47); },
         "         (Zahlen genauer:     48*1 -   0 +   0 <>    0 + 47     s.auch Reiter \"5+6\")"},
        {"religion", 116, [](auto& s) { s.Put(61, 2, s.Row(61, "EvR"), 40); },
         "Summe EvR+KR+Eth 12/J1 in  1.1+1.8 < 5.1+6.1+8.1-8.2"},
        {"course sizes", 116, [](auto& s) { s.Put(71, 2, 17, 7); },
         "Insgesamt 4std/LK in  5.1 <> 7.1:  8 <> 7"},
        {"course sizes of 6.1", 116, [](auto& s) { s.Put(71, 2, 25, 13); },
         "Insgesamt 2std/GK in  6.1 <> 7.1:  12 <> 13"},
    };
    for (const Fault& fault : faults)
        ExpectFinding(fault);
}

TEST(PlausibilityCourses, TableSevenTwoWhileItWasCollected) {
    PlausibilitySchool school = PlausibilitySchool::Empty(112);
    school.SetPupils(7, 40);
    school.Grid(72).SetRowCount(23);
    school.Test();
    EXPECT_TRUE(school.Has("7.2 Zeilen:  23 <> 22")) << school.Findings();
    EXPECT_TRUE(school.Has("Summe KlSt.12/J1 in  1.1+1.8 <> 7.2:  40 <> 0\r"));
    EXPECT_FALSE(school.Has("7.2 Spalten"));

    PlausibilitySchool later = PlausibilitySchool::Empty(113);
    later.SetPupils(7, 40);
    later.Test();
    EXPECT_FALSE(later.Has("7.2")) << later.Findings();
}

TEST(PlausibilityCourses, FinalExamination) {
    const Fault faults[] = {
        {"empty", 116,
         [](auto& s) {
             for (int row : {16, 32, 33})
                 s.Put(83, 1, row, "");
         },
         "  8.3 Abiturergebnisse ist leer!"},
        {"failures not given", 116, [](auto& s) { s.Put(83, 1, 33, ""); },
         "8.3 Abiturprüfung nicht bestanden"},
        {"too many failures", 116, [](auto& s) { s.Put(83, 1, 33, 12); },
         "8.3 zu viele 12(45) Abitur nicht bestanden!"},
        {"university entrance", 116, [](auto& s) { s.Put(83, 1, 16, 44); },
         "Summe Hochschulreife in  3.2 <> 8.3:  45 <> 44"},
    };
    for (const Fault& fault : faults)
        ExpectFinding(fault);
}

TEST(PlausibilityCourses, EightYearSubCountOfTheOldForm) {
    PlausibilitySchool school = PlausibilitySchool::Empty(111);
    school.Put(83, 1, 16, 10);
    school.Put(83, 2, 16, 11);
    school.Put(83, 1, 17, 1);
    school.Put(83, 2, 17, 1);
    school.Test();
    EXPECT_TRUE(school.Has("8.3 in Zeile \"2,5 | 10\" ist \"davon 8j.\" zu groß"))
        << school.Findings();
    EXPECT_FALSE(school.Has("8.3 in Zeile \"2,6"));
}

TEST(PlausibilityHours, HoursTableAgainstPupilsAndClasses) {
    const Fault faults[] = {
        {"pupils", 116, [](auto& s) { s.Put(91, 1, 3, 57); },
         "Summe KlSt. 5 in  1.1+1.8 <> 9.1:  56 <> 57"},
        {"total", 116, [](auto& s) { s.Put(91, 1, 3, 57); },
         "Summe gesamt in  1.1+1.8 <> 9.1:  434 <> 435"},
        {"classes", 116, [](auto& s) { s.Put(91, 2, 4, 3); },
         "Klassenzahl für KlSt. 6 in  1.2 <> 9.1:  2 <> 3"},
        {"class letters", 116,
         [](auto& s) {
             s.Put(12, 1, 2, "");
             s.Put(12, 1, 3, 28);
         },
         "Klassenzahl für KlSt. 5-11 inkorrekt in  1.2 <> 1.2"},
        {"final classes of the old form", 115,
         [](auto& s) {
             s.Put(12, 8, 2, 2);
             s.Put(12, 8, 6, 2);
         },
         "Klassenzahl für KlSt.12+13/J1+J2 in  1.2 <> 9.1:  4 <> 0"},
        {"pupils of 1.2", 116, [](auto& s) { s.Put(12, 3, 1, 29); },
         "Summe KlSt. 7 in  1.1+1.8 <> 1.2:  56 <> 57"},
        {"exchange without subject", 116, [](auto& s) { s.Put(82, 3, 15, 3); },
         "keine Fachangabe in 8.1 / 8.2  obwohl   3 Schüler!"},
    };
    for (const Fault& fault : faults)
        ExpectFinding(fault);
}

TEST(PlausibilityResidence, ResidenceAgainstPupilsClassesAndHomeTowns) {
    const Fault faults[] = {
        {"pupils", 116, [](auto& s) { s.Put(41, 2, 1, 57); },
         "Schülersumme KlSt. 5 in  4.1 <> 1.1+1.8:  57 <> 56"},
        {"total", 116, [](auto& s) { s.Put(41, 2, 1, 57); },
         "Schülersumme  in  4.1 <> 1.1+1.8:  435 <> 434"},
        {"home towns", 116, [](auto& s) { s.Put(42, 0, 2, 433); },
         "Schülersumme gesamt in  4.1 <> 4.2:  434 <> 433"},
        {"classes", 116, [](auto& s) { s.Put(91, 2, 5, 3); },
         "Klassenzahl   KlSt. 7 in  4.1 <> 1.1+1.8:  3 <> 2"},
    };
    for (const Fault& fault : faults)
        ExpectFinding(fault);

    PlausibilitySchool empty = PlausibilitySchool::Empty(116);
    empty.Put(41, 2, 1, 5);
    empty.Test();
    EXPECT_TRUE(empty.Has("         Schülersumme in 1.1+1.8  =0, keine Daten vorhanden?"));
    EXPECT_FALSE(empty.Has("Schülersumme KlSt."));
}

TEST(PlausibilityResidence, ALongResidenceTableKeepsOnlyPlacesWithPupils) {
    PlausibilitySchool school(116);
    StringGrid& grid = school.Grid(41);
    const std::vector<std::string> pupils = grid.Row(61);
    const std::vector<std::string> classes = grid.Row(62);
    grid.SetRowCount(70);
    for (int row = 1; row < 70; ++row) {
        for (int col = 0; col < grid.ColCount(); ++col)
            grid.SetCells(col, row, "");
    }
    grid.SetCells(0, 10, "Leerort");
    grid.FillRow(65, "Musterstadt;LB");
    for (int level = 0; level < 9; ++level)
        grid.SetCells(2 + level, 65, pupils[2 + level]);
    for (int col = 2; col <= 11; ++col) {
        grid.SetCells(col, 68, pupils[col]);
        grid.SetCells(col, 69, classes[col]);
    }
    EXPECT_EQ(school.Test(), std::vector<std::string>{kDataOk}) << school.Findings();
    EXPECT_EQ(grid.RowCount(), 63);
    EXPECT_EQ(grid.Cells(0, 1), "Musterstadt");
    EXPECT_EQ(grid.Cells(0, 2), "");
    EXPECT_EQ(grid.Cells(0, 61), Win("Schüler insgesamt"));
    EXPECT_EQ(grid.Cells(11, 61), pupils[11]);
}

TEST(PlausibilityLeavers, LeaversAgainstTheirTotalsAndTheNonPromoted) {
    const Fault faults[] = {
        {"not promoted in class 9", 116,
         [](auto& s) { s.Put(32, s.Column(32, "9 ohne HA insges"), 1, 1); },
         "Abgänge männlich KlSt.9 in   2.1 < 3.2:  0 < 1"},
        {"not promoted in class 10", 116,
         [](auto& s) { s.Put(32, s.Column(32, "10 ohne Realschulabschluss"), 2, 1); },
         "Abgänge weiblich KlSt.10 in  2.1 < 3.2:  0 < 1"},
        {"middle certificate", 116,
         [](auto& s) { s.Put(32, s.Column(32, "10 mit Realschulabschluss"), 1, 29); },
         "3.2 Abgänge männlich 10 mit RS:  29 > 28"},
        {"class 8", 116, [](auto& s) { s.Put(32, 1, 2, 3); },
         "   3.2 Spalte \"8\" wirklich 3 Abgänger, die in den Beruf gehen?"},
        {"class 8, second line", 116, [](auto& s) { s.Put(32, 1, 2, 3); },
         "      Bitte prüfen Sie, ob wirklich alle das allg.bild.Schulwesen verlassen"},
        {"no girls with university entrance", 116,
         [](auto& s) { s.Put(32, s.Column(32, "J2 mit Hochschulreife"), 2, ""); },
         "keine Abgänger weiblich mit Hochschulreife in 3.2 eingetragen! (ggf. jeweils 0)"},
        {"vocational part", 116,
         [](auto& s) { s.Put(32, s.Column(32, "dar. mit FH-Reife(schul.Teil)"), 1, 2); },
         "Summe Abgänge J1  in  3.2 < 3.2  (mit FH(schul.Teil)):  0 < 2"},
        {"migration above all", 116,
         [](auto& s) { s.Put(32, s.Column(32, "J2 mit Hochschulreife"), 4, 50); },
         "3.2 Abgänge darunter Migrationshintergrund > insgesamt:    50 > 46 "},
        {"migration in J2", 116,
         [](auto& s) { s.Put(32, s.Column(32, "J2 mit Hochschulreife"), 4, 50); },
         "3.2 Abgänge darunter Migrationshintergrund Jgst.2:  50 > 45"},
        {"foreigners in J2", 116,
         [](auto& s) { s.Put(32, s.Column(32, "J2 mit Hochschulreife"), 5, 46); },
         "3.2 Abgänge darunter Ausländer KlSt.13:  46 > 45"},
        {"exceptions of 2.1", 116, [](auto& s) { s.Put(21, 1, 4, 3); },
         "2.1 Nichtvers darunter n.P.1(3)+n.P.1(6) > insgesamt:    3+0 > 2 "},
        {"total of 2.1 without sexes", 116, [](auto& s) { s.Put(21, 2, 3, 4); },
         "2.1 Nichtversetzte männlich/weiblich:  0 <> 4"},
        {"two tracks of 2012/13", 112, [](auto& s) { s.Put(83, 2, 16, 3); },
         "Summe Hochschulreife G9 in  3.2 <> 8.3:  0 <> 3"},
    };
    for (const Fault& fault : faults)
        ExpectFinding(fault);
}

TEST(PlausibilityLeavers, LiveCheckOfTheLeaverTable) {
    PlausibilitySchool school(116);
    const std::vector<std::string> quiet = Check32Live(school.engine.sheet);
    ASSERT_EQ(quiet.size(), 3u);
    EXPECT_EQ(quiet[2],
              Win("Übergänge auf allgemeinbildende Schulen sind hier nicht auszuweisen."));

    const int learning = school.Column(32, "dar.Abschluss FSP lernen");
    school.Put(32, learning, 1, 2);
    school.Put(32, school.Column(32, "J2 mit Hochschulreife"), 5, 9);
    const std::vector<std::string> lines = Check32Live(school.engine.sheet);
    EXPECT_EQ(lines.at(3), Win("3.2 Spalte J2 mit Hochschulreife:     darunter Ausländer  >  "
                               "darunter Migrationshintergrund :    9 > 5 "));
    EXPECT_EQ(lines.at(4), "3.2 Zeile " + Win("männlich") +
                               ":     9 ohne HA insges  <  dar.Abschluss FSP lernen :    0 < 2 ");
    EXPECT_EQ(lines.size(), 5u);

    PlausibilitySchool older(115);
    older.Put(32, 4, 1, 2);
    EXPECT_EQ(Check32Live(older.engine.sheet).size(), 3u);
}

TEST(PlausibilitySchoolTables, InclusionSportsAndWorkingGroups) {
    const Fault faults[] = {
        {"inclusion girls", 116,
         [](auto& s) {
             s.Put(43, 5, 1, 1);
             s.Put(43, 5, 2, 2);
         },
         "4.3:   darunter weiblich > Lernen:  2 > 1"},
        {"first time", 122,
         [](auto& s) {
             s.Put(43, 5, 3, 1);
             s.Put(43, 15, 3, 2);
         },
         "4.3:Sprache   erstmals Anspruch > zusammen:  2 > 1"},
        {"sports", 116, [](auto& s) { s.Put(33, 3, 2, 31); },
         "Leichtathletik: Teilnehmer < Siegerurkunden+Ehrenurkunden in 3.3:  40 < 41"},
        {"groups", 116, [](auto& s) { s.Put(31, 2, 1, ""); },
         "3.1: Gruppenzahl fehlt: Zeile 1 0101 Chor"},
        {"pupils", 116, [](auto& s) { s.Put(52, 3, 1, 0); },
         "5.2: Schülerzahl fehlt: Zeile 1 Theater"},
        {"hours", 116, [](auto& s) { s.Put(31, 4, 1, ""); },
         "3.1: Stundenzahl fehlt: Zeile 1 0101 Chor"},
        {"more groups than pupils", 116, [](auto& s) { s.Put(52, 2, 1, 13); },
         "5.2: Zeile hat mehr Gruppen als Schüler: Zeile 1 Theater"},
        {"no name", 116, [](auto& s) { s.Put(52, 1, 1, ""); },
         "5.2: Zeile ohne AG-Bezeichnung: Zeile 1"},
        {"name of a listed group", 116, [](auto& s) { s.Put(31, 1, 1, ""); },
         "3.1: bezeichung fehlt zu  1"},
        {"statistics key", 116, [](auto& s) { s.Put(31, 0, 1, "0201"); },
         "3.1:  bei StaLA-Zuordnung 2:  im Feld \"Bemerkung\" fehlt passende 4stellige Zahl: "
         "Zeile 1 0201 Chor"},
        {"nothing entered", 116,
         [](auto& s) {
             for (int col = 2; col <= 5; ++col)
                 s.Put(52, col, 1, "");
         },
         "5.2: kein Eintrag gefunden!  Bearbeiten oder zumindest dort eine 0 eintragen falls "
         "Fehlanzeige!"},
    };
    for (const Fault& fault : faults)
        ExpectFinding(fault);
}

TEST(PlausibilitySchoolTables, IslamicReligiousEducation) {
    // Row 2 of 4.4: pupils of classes 5..J2, offer cancelled yes/no, all supplied yes/no,
    // teacher hours, groups.
    const struct {
        const char* row;
        const char* finding;
    } cases[] = {
        {";3;0;0;0;0;0;0;0;0;x;x;x;;2;1", "4.4  \"Angebot fällt aus ...\" korrigieren!"},
        {";3;0;0;0;0;0;0;0;0;;x;;;2;1", "4.4  \"Alle SuS können versorgt werden\" korrigieren!"},
        {";3;0;0;0;0;0;0;0;0;;x;x;;;1", "4.4  keine LWS angegeben!"},
        {";3;0;0;0;0;0;0;0;0;;x;x;;2;", "4.4  \"Anzahl Gruppen\" fehlt!"},
        {";3;0;0;;0;0;0;0;0;;x;x;;2;1", "4.4  bei \"davon aus Kl...\"    0  eingeben"},
        {";3;0;0;0;0;0;0;0;0;x;;;x;2;1", "4.4  bei \"Angebot fällt aus\"  widersprüchlich"},
        {";0;0;0;0;0;0;0;0;0;;x;;x;;", "4.4  bei \"alle SuS versorgt\"  widersprüchlich"},
        {";0;0;0;0;0;0;0;0;0;;x;x;;2;1", "4.4  LWS / Gruppen angegeben obwohl keine SuS!"},
    };
    for (const auto& c : cases) {
        PlausibilitySchool school(120);
        school.Grid(44).FillRow(2, c.row);
        school.Test();
        EXPECT_TRUE(school.Has(c.finding)) << c.row << ":\n" << school.Findings();
    }
}

TEST(PlausibilitySummary, FindingsStandBetweenHeadingAndRequestToCorrect) {
    PlausibilitySchool school(116);
    school.Put(33, 3, 2, 31);
    school.Put(11, 10, 36, 3); // a 9-year upper level without classes
    school.Put(11, 10, 37, 3);
    const std::vector<std::string> lines = school.Test();
    ASSERT_GE(lines.size(), 4u);
    EXPECT_EQ(lines[0], kFindingsHeading);
    const auto korrigieren = std::find(lines.begin(), lines.end(),
                                       "Korrigieren Sie die obengenannten Unstimmigkeiten! "
                                       "(Tabellen 1.x, 5.1 u. 6.1 und Ist-Stunden9.1 in "
                                       "\"Lehrauftragsverteilung\"!)");
    ASSERT_NE(korrigieren, lines.end());
    EXPECT_EQ(*(korrigieren - 1), "");
    EXPECT_EQ(lines.back(), "  1.1 wirklich OS_9j?");
}

TEST(PlausibilitySummary, NoDataAndLostHeadings) {
    PlausibilitySchool school = PlausibilitySchool::Empty(116);
    school.Grid(23).SetCells(1, 0, "");
    EXPECT_EQ(school.Test(), std::vector<std::string>{kNoData});
    EXPECT_EQ(school.Grid(23).Cells(1, 0), Win("Staatsangehörigkeit"));
    EXPECT_EQ(school.Grid(21).Cells(0, 0), "Nichtversetzte");
}
