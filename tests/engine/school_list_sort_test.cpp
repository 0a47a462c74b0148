// The sort keys of the school list: the characters each one reads, and where umlauts stop
// sorting among their base letters.
#include "output/codepage.h"
#include "shell/school_list_sort.h"
#include "shell/scripted_ui.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

using namespace tev;

namespace {

constexpr size_t kLineLength = 190;
constexpr size_t kNamePlace = 100; // no key reads here

// A list line whose key characters (1-based start) hold the text, the characters next to
// them the decoy, and whose free middle holds the name that the test looks for.
std::string Line(const std::string& name, int start, const std::string& key, char decoy) {
    std::string line(kLineLength, '.');
    line.replace(kNamePlace, name.size(), name);
    if (start > 1) line[start - 2] = decoy;
    line.replace(start - 1, key.size(), key);
    line[start - 1 + key.size()] = decoy;
    return line;
}

std::vector<std::string> Names(const Engine& engine) {
    std::vector<std::string> names;
    for (const auto& line : engine.schoolList.lines)
        names.push_back(line.substr(kNamePlace, 1));
    return names;
}

struct SortFixture : ::testing::Test {
    test::TempDir temp;
    ScriptedUi ui;
    Engine engine{ui, temp.path()};
};

} // namespace

TEST_F(SortFixture, EveryKeyReadsItsCharactersAndOnlyTheFirstSevenFoldUmlauts) {
    const struct {
        int index;
        int start;
        int length;
        bool folds;
    } keys[] = {{1, 1, 2, true},   {2, 3, 6, true},    {3, 9, 16, true},  {4, 25, 6, true},
                {5, 31, 16, true}, {6, 61, 16, true},  {7, 78, 6, false}, {8, 185, 5, false},
                {9, 77, 7, false}, {10, 78, 1, false}, {12, 78, 6, false}};
    const std::string dosA = "\x8E"; // "Ä" of the DOS code page
    const std::string winO = Win("ö");
    for (const auto& key : keys) {
        // Each key begins with its letter; the decoys around it sort the other way round.
        const std::string rest(key.length - 1, 'm');
        engine.schoolList.lines = {
            Line("Z", key.start, "Z" + rest, '1'), Line("o", key.start, winO + rest, '2'),
            Line("b", key.start, "b" + rest, '3'), Line("A", key.start, dosA + rest, '4')};
        SortSchoolList(engine, key.index);
        const std::vector<std::string> expected =
            key.folds ? std::vector<std::string>{"A", "b", "o", "Z"}
                      : std::vector<std::string>{"b", "Z", "A", "o"};
        EXPECT_EQ(Names(engine), expected) << "key " << key.index;
        EXPECT_EQ(engine.rememberedSortIndex, key.index);
    }
}

TEST_F(SortFixture, RegionGroupKeepsTheOrderWithinEachGroup) {
    const std::string groups = "2121;";
    for (size_t i = 0; i < groups.size(); ++i) {
        std::string line = Line(std::string(1, static_cast<char>('a' + i)), 77,
                                std::string(1, groups[i]) + "99999", '0');
        engine.schoolList.lines.push_back(line);
    }
    SortSchoolList(engine, 11);
    EXPECT_EQ(Names(engine), (std::vector<std::string>{"b", "d", "a", "c", "e"}));
}
