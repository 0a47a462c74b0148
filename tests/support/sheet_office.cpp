#include "support/sheet_office.h"

#include "support/test_support.h"

namespace tev::test {
namespace {

std::string Header(const char* table, const SheetSchool& school) {
    std::string name = school.shortName;
    name.resize(16, ' ');
    return std::string(".;") + table + ";" + school.number + ";2016/17;" + name;
}

} // namespace

std::vector<SheetSchool> SheetSchools() {
    return {
        {"112201", "Ahorn-Gym", "0", {"121;Albanien;2", "170;Serbien;1"}},
        {"112202", "Birken-Gym", "3", {"140;Montenegro;0"}},
        {"112203", "Eichen-Gym", "7", {}, "222000"},
        {"112204", "Linden-Gym", "", {}},
        {"112205", "Ulmen-Gym", "4", {}},
    };
}

std::vector<std::string> NationalityLines() {
    return {"121 Albanien",         "133 Serbien und Montenegro",
            "138 Jugoslawien",      "140 Montenegro",
            "150 Kosovo",           "170 Serbien",
            "199 Europa sonstige",  "230 Algerien",
            "276 Sudan (alt)",      "277 Sudan",
            "525 Ozeanien sonstige"};
}

void WriteSheetOffice(const std::filesystem::path& dir, const std::vector<SheetSchool>& schools) {
    std::vector<std::string> names;
    for (const SheetSchool& school : schools) {
        SchoolNameLine line;
        line.number = school.number;
        line.shortName = school.shortName;
        line.name = school.shortName + "nasium";
        line.regional = school.regional;
        names.push_back(line.Text());
        std::vector<std::string> lines = {Header("21", school), " 0;;5;6;7;8;9;10;11;zusammen",
                                          " 1;m\x84nnlich;" + school.boys5 + ";;;;;;;"};
        lines.push_back(Header("23", school));
        lines.push_back(" 0;Id-Nr;Staatsangeh\x94rigkeit;Anzahl der Sch\x81ler");
        int row = 1;
        for (const std::string& nationality : school.nationalities)
            lines.push_back(" " + std::to_string(row++) + ";" + nationality);
        lines.push_back(" " + std::to_string(row) + ";;Insgesamt      ;");
        WriteFile(dir / "TEV" / ("SL" + school.number + ".16"), DosLines(lines));
    }
    WriteFile(dir / "schulnam.dat", DosLines(names));
    WriteFile(dir / "stal_Nat.def", DosLines(NationalityLines()));
    WriteFile(dir / "stat2.mm", DosLines({"Amtliche Schulstatistik - Formular", "1.1 Sch\x81ler"}));
}

} // namespace tev::test
