#include "data/data_set_format.h"
#include "data/demo/demo_faults.h"
#include "data/demo/demo_lists.h"
#include "data/demo/demo_schools.h"
#include "output/codepage.h"
#include "output/text_routines.h"
#include "sheet/record_mapping.h"
#include "sheet/subject_tables.h"
#include "shell/line_reader.h"
#include "shell/school_loading.h"
#include "shell/school_selection.h"
#include "shell/scripted_ui.h"
#include "support/engine_start.h"
#include "support/test_support.h"

#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <sstream>

using namespace tev;
using namespace tev::demo;
using namespace tev::test;
namespace fs = std::filesystem;

namespace {

struct Office {
    TempDir temp;
    DemoOptions options;
    DemoOfficeResult result;
    fs::path dir() const { return temp.path() / "office"; }
};

std::unique_ptr<Office> MakeOffice(int schools, uint64_t seed, int firstYear, int lastYear) {
    auto office = std::make_unique<Office>();
    office->options = {schools, seed, firstYear, lastYear};
    office->result = WriteDemoOffice(office->dir(), office->options);
    return office;
}

// Recent years (4.4, the later 4.3 and 2.1) and early ones (the older 1.2, 2.2 and 3.2).
const Office& RecentOffice() {
    static const auto office = MakeOffice(60, 7, 120, 123);
    return *office;
}
const Office& EarlyOffice() {
    static const auto office = MakeOffice(40, 3, 113, 116);
    return *office;
}

// The region group of a regional number by the rule of the school directory: its digits 4 to
// 6 looked up in groups of six entries.
char RegionGroupOfRule(const std::string& regional) {
    static const std::map<std::string, char> groups = {
        {"118", '1'}, {"136", '1'}, {"995", '1'}, {"111", '2'}, {"117", '2'},
        {"135", '2'}, {"115", '3'}, {"119", '3'}, {"127", '3'}, {"128", '3'},
        {"116", '4'}, {"121", '4'}, {"125", '4'}, {"126", '4'}};
    const auto group = groups.find(regional.substr(3, 3));
    return group == groups.end() ? ';' : group->second;
}

std::vector<std::string> FileLines(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::vector<std::string> lines;
    LineReader reader(in, 1000);
    std::string line;
    while (reader.Next(line))
        lines.push_back(line);
    return lines;
}

struct SchoolFile {
    std::string number;
    std::string regional;
    int year;
    fs::path file;
};

// Every data set file of the office with its school's regional number.
std::vector<SchoolFile> DataSets(const Office& office) {
    std::vector<SchoolFile> files;
    for (const std::string& line : FileLines(office.dir() / "schulnam.dat")) {
        if (line.size() < 84 || line[0] != '0') continue;
        for (int year = office.options.firstYear; year <= office.options.lastYear; ++year) {
            const fs::path file =
                office.dir() / "TEV" /
                ("SL" + line.substr(2, 6) + "." + SchoolYearText(year).substr(2, 2));
            if (fs::exists(file))
                files.push_back({line.substr(2, 6), line.substr(77, 6), year, file});
        }
    }
    return files;
}

// The blocks of a file put into grids by their row numbers as written, without the reading
// rules of the program, so that the file itself is what is checked.
void LoadRaw(const fs::path& file, int year, SheetGrids& grids) {
    TableRowLists lists;
    lists.workingGroups = WorkingGroupsOfYear(year);
    SetAllTableHeadings(grids, year, kDefaultScreenWidth, lists);
    StringGrid* grid = nullptr;
    for (const std::string& line : FileLines(file)) {
        if (line.rfind(".;", 0) == 0) {
            grid = grids.Find("SG" + line.substr(2, 2));
            continue;
        }
        const size_t semi = line.find(';');
        if (grid == nullptr || semi == std::string::npos) continue;
        const int row = ParseInt(line.substr(0, semi));
        std::vector<std::string> cells;
        std::stringstream rest(line.substr(semi + 1) + ";");
        for (std::string cell; std::getline(rest, cell, ';');)
            cells.push_back(cell);
        if (row >= grid->RowCount()) grid->SetRowCount(row + 1);
        for (size_t col = 0; col < cells.size(); ++col)
            grid->SetCells(static_cast<int>(col), row, cells[col]);
    }
}

int V(const StringGrid& grid, int col, int row) {
    return ParseInt(grid.Cells(col, row));
}

// The consistency rules the demo data keep (one name per group); a school year without a
// fault breaks none of them.
std::set<std::string> BrokenRules(const SheetGrids& g, int year, const std::string& regional) {
    std::set<std::string> broken;
    auto rule = [&](bool kept, const char* name) {
        if (!kept) broken.insert(name);
    };
    const StringGrid &g11 = *g.Find("SG11"), &g18 = *g.Find("SG18"), &g12 = *g.Find("SG12"),
                     &g21 = *g.Find("SG21"), &g22 = *g.Find("SG22"), &g23 = *g.Find("SG23"),
                     &g24 = *g.Find("SG24"), &g32 = *g.Find("SG32"), &g41 = *g.Find("SG41"),
                     &g51 = *g.Find("SG51"), &g61 = *g.Find("SG61"), &g71 = *g.Find("SG71"),
                     &g83 = *g.Find("SG83"), &g91 = *g.Find("SG91");
    auto both = [&](int col, int row) { return V(g11, col, row) + V(g18, col, row); };
    const int total = both(12, 37);
    const int originSum = g22.RowCount() - 1;
    for (int level = 0; level < 9; ++level) {
        const int col = level + 3;
        const int p = both(col, 37), girls = both(col, 38), m = both(col, 51), mw = both(col, 52),
                  f = both(col, 40), fw = both(col, 39);
        rule(p == V(g22, level + 1, originSum), "pupils22");
        rule(V(g22, level + 1, 2) - 2 <= V(g22, level + 1, originSum) / 10, "repeaters22");
        rule(m <= p && mw <= girls && m - mw <= p - girls && f <= m && fw <= f && fw <= mw &&
                 f - fw <= m - mw && mw <= m,
             "migration");
        rule(V(g91, 1, level + 3) == p, "hours91");
        rule(V(g41, level + 2, 61) == p, "residence41");
        for (const StringGrid* grid : {&g11, &g18}) {
            rule(V(*grid, col, 38) <= V(*grid, col, 37), "girls");
            if (level > 6) continue;
            int sequences = 0, third = 0;
            for (int row = 1; row <= 35; ++row) {
                sequences += V(*grid, col, row);
                if (row <= 34 && !Trim(grid->Cells(2, row)).empty()) third += V(*grid, col, row);
            }
            rule(sequences == V(*grid, col, 37), "profiles");
            rule(third == V(*grid, col, 43), "third");
            rule(year >= 116 ? V(*grid, col, 55) == V(*grid, col, 37)
                             : V(*grid, col, 55) == V(*grid, col, 43),
                 "profiles");
        }
    }
    rule(both(12, 40) == V(g23, 2, g23.RowCount() - 1), "foreign23");
    if (year >= 116) {
        rule(both(12, 35) == 0 && both(12, 49) == 0 && both(12, 50) == 0, "preparatory");
        rule(!(both(12, 39) == 0 && both(12, 40) > 2 && both(12, 38) > 10), "foreignGirls");
    }
    for (int row = 1; row < g23.RowCount() - 1; ++row) {
        const int code = V(g23, 0, row);
        rule(code != 133 && code != 138 && code != 276 && code != 525 &&
                 !(code < 999 && code % 100 == 99),
             "codes23");
    }
    rule(V(g24, 14, 3) > 0 && V(g24, 14, 1) == total - both(12, 38) &&
             V(g24, 14, 2) == both(12, 38),
         "births24");
    rule(V(g21, 8, 3) <= total / 10, "promotion21");
    for (int col = 1; col <= 7; ++col)
        rule(V(g21, col, 4) + V(g21, col, 5) <= V(g21, col, 3), "exceptions21");

    // Classes: 1.2 against 1.1+1.8 and the class counts of 9.1.
    const int classRows = g12.RowCount() >= 21 ? 14 : 10;
    const int classSum = g12.RowCount() >= 21 ? 15 : g12.RowCount() - 1;
    for (int level = 0; level <= 6; ++level) {
        int classes = 0;
        for (int row = 1; row <= classRows; ++row)
            if (V(g12, level + 1, row) > 0) ++classes;
        rule(V(g12, level + 1, classSum) == both(level + 3, 37), "classes12");
        rule(V(g91, 2, level + 3) == classes, "hours91");
    }
    rule(V(g91, 1, 12) == total, "hours91");

    // Courses of the final years.
    for (int y = 0; y < 2; ++y) {
        const int pupils = both(10 + y, 37);
        auto taking = [&](const StringGrid& grid, const char* code) {
            const int row = SubjectCodeIndex(code);
            return V(grid, 2 + 3 * y, row) + V(grid, 8 + y, row);
        };
        int advanced = 0;
        for (int row = 1; row < g51.RowCount() - 1; ++row)
            advanced += V(g51, 2 + 3 * y, row) + V(g51, 8 + y, row);
        rule(taking(g51, "D") == pupils && taking(g51, "M") == pupils && advanced == 2 * pupils,
             "courses");
        for (const char* code : {"D", "M", "G"})
            rule(taking(g51, code) + taking(g61, code) == pupils, "courses");
        int religion = 0, sport = 0;
        for (const char* code : {"EvR", "KR", "Eth"})
            religion += taking(g51, code) + taking(g61, code);
        for (const char* code : {"SM", "SW", "S"})
            sport += taking(g51, code) + taking(g61, code);
        rule(religion <= pupils && sport <= pupils, "courses");
    }
    const int last51 = g51.RowCount() - 1, last61 = g61.RowCount() - 1;
    rule(V(g51, 1, last51) + V(g51, 4, last51) + V(g51, 7, last51) == V(g71, 2, 19) + V(g71, 2, 5),
         "sizes71");
    rule(V(g61, 1, last61) + V(g61, 4, last61) + V(g61, 7, last61) == V(g71, 2, 27) + V(g71, 2, 11),
         "sizes71");

    // Residence, leavers, Abitur.
    rule(V(g41, 11, 61) == total, "residence41");
    if (year >= 113) {
        const StringGrid& g42 = *g.Find("SG42");
        rule(V(g42, 9, 2) == V(g41, 11, 61), "homes42");
        if (regional.ends_with("000")) rule(Trim(g42.Cells(1, 2)) == "0", "homes42");
    }
    const int withHr = year < 116 ? 9 : 11;
    rule(!Trim(g32.Cells(withHr, 1)).empty() && !Trim(g32.Cells(withHr, 2)).empty(), "leavers32");
    rule(V(g32, withHr, 3) == V(g83, 1, 32), "abitur83");
    std::vector<std::pair<int, int>> parts = {{year < 116 ? 7 : 9, year < 116 ? 8 : 10},
                                              {year < 116 ? 10 : 12, year < 116 ? 11 : 13}};
    if (year >= 116) parts.insert(parts.end(), {{3, 4}, {3, 5}});
    for (int row = 1; row < g32.RowCount(); ++row)
        for (auto [whole, part] : parts)
            rule(V(g32, part, row) <= V(g32, whole, row), "leavers32");
    for (int col = 1; col < g32.ColCount(); ++col)
        for (int row = 4; row < g32.RowCount(); ++row)
            rule(V(g32, col, row) <= V(g32, col, row - 1), "leavers32");
    for (int row = 1; row <= 2; ++row) {
        rule(V(g32, 3, row) <= V(g21, 5, row), "leavers32");
        rule(V(g32, year < 116 ? 5 : 7, row) <= V(g21, 6, row), "leavers32");
    }
    const int certificates = V(g83, 1, 32), failed = V(g83, 1, 33);
    rule(certificates > 0 && !Trim(g83.Cells(1, 33)).empty() && failed <= certificates / 14 + 2,
         "abitur83");

    // Inclusion, Islamic education, sports, working groups.
    if (year >= 115) {
        const StringGrid& g43 = *g.Find("SG43");
        const std::vector<std::pair<int, int>> girlsOf =
            year >= 122 ? std::vector<std::pair<int, int>>{{1, 2},   {3, 4},   {6, 7},   {9, 10},
                                                           {12, 13}, {15, 16}, {17, 18}, {20, 21}}
                        : std::vector<std::pair<int, int>>{{1, 2},  {3, 4},   {5, 6},   {7, 8},
                                                           {9, 10}, {11, 12}, {13, 14}, {15, 16}};
        for (auto [kind, girls] : girlsOf)
            for (int col = 5; col <= 14; ++col)
                rule(V(g43, col, girls) <= V(g43, col, kind), "inclusion43");
        if (year >= 122)
            for (int row = 1; row < g43.RowCount(); ++row)
                rule(V(g43, 15, row) <= V(g43, 14, row), "inclusion43");
    }
    if (year >= 120) {
        const StringGrid& g44 = *g.Find("SG44");
        auto marked = [&](int col) { return !Trim(g44.Cells(col, 2)).empty(); };
        int taking = 0;
        bool allLevels = true;
        for (int col = 1; col <= 9; ++col) {
            taking += V(g44, col, 2);
            allLevels = allLevels && !Trim(g44.Cells(col, 2)).empty();
        }
        rule(marked(10) != marked(11) && marked(12) != marked(13) && allLevels, "islam44");
        rule(taking > 0 ? V(g44, 14, 2) > 0 && V(g44, 15, 2) > 0
                        : V(g44, 14, 2) == 0 && V(g44, 15, 2) == 0,
             "islam44");
    }
    const StringGrid& g33 = *g.Find("SG33");
    for (int row = 2; row < g33.RowCount(); ++row)
        rule(V(g33, 1, row) >= V(g33, 2, row) + V(g33, 3, row), "sports33");
    for (const char* name : {"SG31", "SG52"}) {
        const StringGrid& grid = *g.Find(name);
        int entries = 0;
        for (int row = 1; row < grid.RowCount() - 1; ++row) {
            if (V(grid, 2, row) + V(grid, 3, row) + V(grid, 4, row) + V(grid, 5, row) == 0)
                continue;
            ++entries;
            rule(V(grid, 2, row) > 0 && V(grid, 3, row) >= V(grid, 2, row) &&
                     V(grid, 4, row) + V(grid, 5, row) > 0 && !Trim(grid.Cells(1, row)).empty(),
                 "groups31");
        }
        rule(entries > 0, "groups31");
    }
    return broken;
}

std::set<std::string> RulesBrokenBy(DemoFaultKind kind) {
    switch (kind) {
    case DemoFaultKind::OriginTotal:
        return {"pupils22"};
    case DemoFaultKind::BirthYearsMissing:
        return {"births24"};
    case DemoFaultKind::GirlsAboveTotal:
        return {"girls", "migration"};
    case DemoFaultKind::TooManyNotPromoted:
        return {"promotion21"};
    case DemoFaultKind::ForeignersMismatch:
        return {"foreign23"};
    case DemoFaultKind::ForbiddenNationality:
        return {"codes23"};
    case DemoFaultKind::ClassTableMismatch:
        return {"classes12"};
    case DemoFaultKind::ResidenceMismatch:
        return {"residence41"};
    case DemoFaultKind::AbiturMismatch:
        return {"abitur83"};
    case DemoFaultKind::HoursPupilMismatch:
        return {"hours91"};
    case DemoFaultKind::SportsCertificates:
        return {"sports33"};
    default:
        return {};
    }
}

std::string Join(const std::set<std::string>& names) {
    std::string text;
    for (const auto& name : names)
        text += name + " ";
    return text;
}

std::map<std::pair<std::string, int>, DemoFault> DataFaults(const Office& office) {
    std::map<std::pair<std::string, int>, DemoFault> faults;
    for (const auto& fault : office.result.faults)
        if (fault.table != "-") faults[{fault.schoolNumber, fault.schoolYearCode}] = fault;
    return faults;
}

} // namespace

TEST(DemoOffice, TheSameOptionsGiveTheSameBytesAndAnotherSeedAnotherOffice) {
    TempDir temp;
    const DemoOptions options{20, 11, 121, 123};
    WriteDemoOffice(temp.path() / "a", options);
    WriteDemoOffice(temp.path() / "b", options);
    int files = 0;
    for (const auto& entry : fs::recursive_directory_iterator(temp.path() / "a")) {
        if (!entry.is_regular_file()) continue;
        const fs::path twin = temp.path() / "b" / fs::relative(entry.path(), temp.path() / "a");
        ASSERT_TRUE(fs::exists(twin)) << twin;
        EXPECT_EQ(ReadFile(entry.path()), ReadFile(twin)) << entry.path();
        ++files;
    }
    EXPECT_GT(files, 20 * 3);
    WriteDemoOffice(temp.path() / "c", {20, 12, 121, 123});
    EXPECT_NE(ReadFile(temp.path() / "a" / "schulnam.dat"),
              ReadFile(temp.path() / "c" / "schulnam.dat"));
}

TEST(DemoOffice, RefusesBadOptionsAndAnExistingOffice) {
    TempDir temp;
    EXPECT_THROW(WriteDemoOffice(temp.path() / "x", {0, 1, 114, 124}), std::runtime_error);
    EXPECT_THROW(WriteDemoOffice(temp.path() / "x", {10, 1, 112, 114}), std::runtime_error);
    EXPECT_THROW(WriteDemoOffice(temp.path() / "x", {10, 1, 120, 119}), std::runtime_error);
    WriteFile(temp.path() / "old" / "schulnam.dat", "00112233");
    EXPECT_THROW(WriteDemoOffice(temp.path() / "old", {10, 1, 120, 120}), std::runtime_error);
    EXPECT_EQ(ReadFile(temp.path() / "old" / "schulnam.dat"), "00112233");
}

TEST(DemoOffice, SchoolNameLinesHaveTheirFieldsInTheirColumns) {
    const auto lines = FileLines(RecentOffice().dir() / "schulnam.dat");
    ASSERT_EQ(lines.size(), 61u);
    EXPECT_EQ(lines.back(), ".Z");
    std::set<std::string> numbers, shortNames;
    int privateSchools = 0, withRegionGroup = 0;
    for (size_t i = 0; i + 1 < lines.size(); ++i) {
        const std::string& line = lines[i];
        ASSERT_GE(line.size(), 214u) << line;
        EXPECT_EQ(line.substr(0, 2), "00");
        const std::string number = line.substr(2, 6);
        EXPECT_TRUE(number[0] == '1' || number[0] == '3') << line;
        EXPECT_EQ(number.find_first_not_of("0123456789"), std::string::npos) << line;
        EXPECT_TRUE(numbers.insert(number).second) << "twice: " << number;
        EXPECT_TRUE(shortNames.insert(line.substr(8, 16)).second) << line;
        EXPECT_NE(Trim(line.substr(30, 30)), "") << line;
        const std::string regional = line.substr(77, 6);
        EXPECT_TRUE(regional[0] >= '1' && regional[0] <= '4') << line;
        EXPECT_EQ(line[76], RegionGroupOfRule(regional)) << line;
        EXPECT_NE(std::string(";12").find(line[83]), std::string::npos) << line;
        if (line[83] != ';') {
            EXPECT_EQ(number[0], '1');
        }
        EXPECT_EQ(line.substr(184, 5).find_first_not_of("0123456789"), std::string::npos) << line;
        if (number[0] == '3') ++privateSchools;
        if (line[76] != ';') ++withRegionGroup;
    }
    EXPECT_GE(privateSchools, 5);
    EXPECT_GT(withRegionGroup, 30);
}

// Every data set as the program loads it (with its sums recomputed) holds what its file says.
TEST(DemoOffice, TheFilesHoldTheSumsTheSheetComputes) {
    for (const Office* office : {&RecentOffice(), &EarlyOffice()}) {
        for (int year : {office->options.firstYear, office->options.lastYear}) {
            TempDir work;
            ScriptedUi ui;
            Engine engine{ui, work.path()};
            StartOptions start;
            start.yearSuffix = "." + SchoolYearText(year).substr(2, 2);
            StartEngine(engine, ui, office->dir(), start);
            int loaded = 0;
            for (int index = 0; index < static_cast<int>(engine.schoolList.lines.size()); ++index) {
                SelectListedSchool(engine, index);
                if (!LoadListedSchool(engine)) continue;
                ++loaded;
                UpdAll(engine.sheet);
                const fs::path file = engine.sheet.currentFile;
                SheetGrids written;
                LoadRaw(file, year, written);
                for (const std::string& name : BlockOrder(year)) {
                    const StringGrid &inFile = *written.Find(name),
                                     &inSheet = *engine.sheet.grids.Find(name);
                    ASSERT_EQ(inFile.RowCount(), inSheet.RowCount()) << file << " " << name;
                    for (int row = 1; row < inSheet.RowCount(); ++row)
                        for (int col = 0; col < inSheet.ColCount(); ++col)
                            EXPECT_EQ(Trim(inFile.Cells(col, row)), Trim(inSheet.Cells(col, row)))
                                << file << " " << name << " [" << col << "," << row << "]";
                }
            }
            EXPECT_GT(loaded, office->options.schools / 2) << year;
            EXPECT_TRUE(ui.messages().empty()) << year << ": " << ui.messages().front();
        }
    }
}

TEST(DemoOffice, SchoolYearsWithoutAFaultKeepEveryRuleAndFaultyOnesBreakTheirOwn) {
    int faulty = 0, clean = 0;
    for (const Office* office : {&RecentOffice(), &EarlyOffice()}) {
        const auto faults = DataFaults(*office);
        for (const SchoolFile& file : DataSets(*office)) {
            SheetGrids grids;
            LoadRaw(file.file, file.year, grids);
            const auto broken = BrokenRules(grids, file.year, file.regional);
            const auto fault = faults.find({file.number, file.year});
            const std::set<std::string> expected =
                fault == faults.end() ? std::set<std::string>{} : RulesBrokenBy(fault->second.kind);
            EXPECT_EQ(Join(broken), Join(expected)) << file.file;
            ++(fault == faults.end() ? clean : faulty);
        }
    }
    EXPECT_GT(clean, 300);
    EXPECT_GE(faulty, 5);
}

TEST(DemoOffice, EveryKindOfFaultBreaksExactlyItsRules) {
    const DemoOptions options{30, 5, 122, 122};
    const auto schools = MakeDemoSchools(options);
    for (int k = 0; k <= static_cast<int>(DemoFaultKind::SportsCertificates); ++k) {
        const auto kind = static_cast<DemoFaultKind>(k);
        // The first school whose data offer a place for this kind of fault.
        bool placed = false;
        for (const DemoSchool& school : schools) {
            const SchoolProfile profile = ProfileOf(school);
            const auto figures = SimulateSchool(school, 122, 122);
            SheetGrids grids;
            const DemoYearInput input{school, profile, figures[0]};
            BuildDemoTables(grids, input);
            EXPECT_TRUE(BrokenRules(grids, 122, school.regional).empty()) << school.number;
            const auto fault = ApplyFault(grids, kind, input);
            ASSERT_TRUE(fault.has_value());
            if (fault->kind != kind) continue;
            EXPECT_EQ(Join(BrokenRules(grids, 122, school.regional)), Join(RulesBrokenBy(kind)))
                << DemoFaultCode(kind) << " " << school.number;
            EXPECT_FALSE(DemoFaultFindings(*fault).empty());
            placed = true;
            break;
        }
        EXPECT_TRUE(placed) << DemoFaultCode(kind);
    }
}

TEST(DemoOffice, TheFaultListNamesEveryFaultAndEveryMissingFile) {
    const Office& office = RecentOffice();
    const auto listed = ReadDemoFaultFile(office.dir() / "demo-fehler.txt");
    ASSERT_EQ(listed.size(), office.result.faults.size());
    int missingDataSets = 0;
    for (size_t i = 0; i < listed.size(); ++i) {
        const DemoFault &fault = listed[i], &made = office.result.faults[i];
        EXPECT_EQ(FaultFileLine(fault), FaultFileLine(made));
        const std::string suffix = "." + SchoolYearText(fault.schoolYearCode).substr(2, 2);
        const bool dataSet =
            fs::exists(office.dir() / "TEV" / ("SL" + fault.schoolNumber + suffix));
        const bool zepList =
            fs::exists(office.dir() / "ZEP" / ("ze" + fault.schoolNumber + suffix));
        if (fault.kind == DemoFaultKind::MissingDataSet) {
            EXPECT_FALSE(dataSet || zepList) << FaultFileLine(fault);
            ++missingDataSets;
        } else {
            EXPECT_TRUE(dataSet) << FaultFileLine(fault);
            EXPECT_EQ(zepList, fault.kind != DemoFaultKind::MissingZepList) << FaultFileLine(fault);
        }
    }
    // New schools, one closed school and late deliveries.
    EXPECT_GE(missingDataSets, 3);
    const int schoolYears = office.options.schools * 4;
    EXPECT_EQ(office.result.dataSetFiles + missingDataSets, schoolYears);
    const int zepMissing =
        static_cast<int>(std::count_if(listed.begin(), listed.end(), [](const DemoFault& f) {
            return f.kind == DemoFaultKind::MissingZepList;
        }));
    EXPECT_EQ(office.result.zepLists + zepMissing, office.result.dataSetFiles);
}

TEST(DemoOffice, TheOfficeLooksLikeARealOne) {
    TempDir temp;
    const auto result = WriteDemoOffice(temp.path() / "o", {100, 1, 124, 124});
    int classes = 0, pupilsInClasses = 0, largest = 0, foreign = 0, pupils = 0, frenchFirst = 0;
    std::set<std::string> codes;
    for (const auto& entry : fs::directory_iterator(temp.path() / "o" / "TEV")) {
        SheetGrids grids;
        LoadRaw(entry.path(), 124, grids);
        const StringGrid &g12 = *grids.Find("SG12"), &g11 = *grids.Find("SG11"),
                         &g18 = *grids.Find("SG18"), &g23 = *grids.Find("SG23");
        for (int col = 1; col <= 6; ++col)
            for (int row = 1; row <= 14; ++row)
                if (const int size = V(g12, col, row); size > 0) {
                    ++classes;
                    pupilsInClasses += size;
                    largest = std::max(largest, size);
                }
        const int school = V(g11, 12, 37) + V(g18, 12, 37);
        EXPECT_GE(school, 250) << entry.path();
        EXPECT_LE(school, 1500) << entry.path();
        pupils += school;
        foreign += V(g11, 12, 40) + V(g18, 12, 40);
        frenchFirst += V(g11, 3, 18) + V(g18, 3, 18);
        for (int row = 1; row < g23.RowCount() - 1; ++row)
            codes.insert(g23.Cells(0, row));
    }
    const double average = static_cast<double>(pupilsInClasses) / classes;
    EXPECT_GT(average, 26.0);
    EXPECT_LT(average, 29.0);
    EXPECT_LE(largest, 34);
    EXPECT_GT(foreign * 10, pupils);
    EXPECT_GT(frenchFirst, 0);
    for (const char* code : {"163", "137", "130", "166", "475"})
        EXPECT_TRUE(codes.count(code)) << code;
    EXPECT_EQ(result.pupils.front(), pupils);
}
