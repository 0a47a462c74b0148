#include "output/codepage.h"
#include "output/output_file_name.h"
#include "output/save_files.h"
#include "support/print_fixture.h"

#include <cstdlib>
#include <gtest/gtest.h>

using namespace tev;
using namespace tev::test;

namespace {

using SaveFileNameTest = PrintFixture;

TEST(SplitOutputFileName, PlainCopyAndRemoteForms) {
    const OutputFileName plain = SplitOutputFileName("abc", ".csv");
    EXPECT_EQ(plain.local, "abc.csv");
    EXPECT_FALSE(plain.copy);
    EXPECT_EQ(SplitOutputFileName("abc.txt", ".csv").local, "abc.txt");

    const OutputFileName copied = SplitOutputFileName(Win("² abc "), ".csv");
    EXPECT_EQ(copied.local, "abc.csv");
    EXPECT_TRUE(copied.copy);

    const OutputFileName remote = SplitOutputFileName(Win("*loc;Bericht März"), ".csv");
    EXPECT_EQ(remote.local, "loc.csv");
    EXPECT_EQ(remote.remote, "Bericht_Maerz.csv");
    EXPECT_TRUE(remote.copy);
    EXPECT_EQ(CopyBatchLine(remote, "..\\auswert"),
              "copy loc.csv ..\\auswert\\Bericht_Maerz.csv /Y");

    const OutputFileName blank = SplitOutputFileName("*kurz a+b/c?d&e,f", ".txt");
    EXPECT_EQ(blank.local, "kurz.txt");
    EXPECT_EQ(blank.remote, "a_b_c_d_e_f.txt");

    const OutputFileName eight = SplitOutputFileName("*abcdefghijk", ".csv");
    EXPECT_EQ(eight.local, "abcdefgh.csv");
    EXPECT_EQ(eight.remote, "abcdefgh.csv");

    const OutputFileName slot = SplitOutputFileName(Win("*Tab_µ;Schulen Süd"), ".csv");
    EXPECT_EQ(slot.local, "Tab_Schulen_Sued.csv");
    EXPECT_EQ(slot.remote, "Schulen_Sued.csv");
}

TEST_F(SaveFileNameTest, OnlyCopyNamesWriteTheBatchLine) {
    unsetenv("TEV_COPY_TARGET");
    EXPECT_EQ(MakeOutputFileName(engine, "abc", ".csv"), "abc.csv");
    EXPECT_FALSE(std::filesystem::exists(temp.path() / "cop2ausw.bat"));

    EXPECT_EQ(MakeOutputFileName(engine, Win("²abc"), ".csv"), "abc.csv");
    EXPECT_EQ(File("cop2ausw.bat"), "copy abc.csv ..\\auswert\\abc.csv /Y\r\n");

    setenv("TEV_COPY_TARGET", "v:\\amt", 1);
    EXPECT_EQ(MakeOutputFileName(engine, Win("*loc;Bericht März"), ".csv"), "loc.csv");
    unsetenv("TEV_COPY_TARGET");
    EXPECT_EQ(File("cop2ausw.bat"), "copy abc.csv ..\\auswert\\abc.csv /Y\r\n"
                                    "copy loc.csv v:\\amt\\Bericht_Maerz.csv /Y\r\n");
}

TEST_F(SaveFileNameTest, SavedListsGoThroughTheNameRule) {
    EXPECT_TRUE(SaveListText(engine, Win("²bericht"), {"a", "b"}, "T"));
    EXPECT_EQ(File("bericht.txt"), "a\r\nb\r\n");
    EXPECT_EQ(File("cop2ausw.bat"), "copy bericht.txt ..\\auswert\\bericht.txt /Y\r\n");

    ui.AddAnswer("");
    EXPECT_FALSE(SaveListText(engine, "", {"a"}, "Liste"));
    EXPECT_EQ(ui.questions().back(), "Liste abspeichern");
    EXPECT_EQ(MakeOutputFileName(engine, std::string(200, 'n'), ".txt").size(), 85u);
}

} // namespace
