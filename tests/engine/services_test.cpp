#include "output/codepage.h"
#include "shell/file_name_rules.h"
#include "shell/line_reader.h"
#include "shell/scripted_ui.h"
#include "shell/services.h"
#include "support/test_support.h"

#include <gtest/gtest.h>
#include <sstream>

using namespace tev;
using tev::test::ReadFile;
using tev::test::TempDir;
using tev::test::WriteFile;

namespace {

struct ServicesFixture : ::testing::Test {
    TempDir temp;
    ScriptedUi ui;
    Services services{ui, temp.path()};
    std::string file(const std::string& name) const { return (temp.path() / name).string(); }
};

} // namespace

TEST_F(ServicesFixture, TraceLogIsWrittenOnlyInDeveloperMode) {
    services.log.Write("nichts");
    EXPECT_FALSE(std::filesystem::exists(temp.path() / "syslog"));
    services.log.SetDeveloperMode(1);
    services.log.Write("eins");
    services.log.Write("zwei");
    EXPECT_EQ(ReadFile(temp.path() / "syslog"), "eins\r\nzwei\r\n");
    services.log.Delete();
    EXPECT_FALSE(std::filesystem::exists(temp.path() / "syslog"));
}

TEST_F(ServicesFixture, MemoryLogOnlyWhenTheFileExists) {
    TrackedBlock block = services.memory.AllocTracked(16, "Xbuffer");
    EXPECT_FALSE(std::filesystem::exists(temp.path() / "sysmem.log"));
    services.memory.FreeTracked(block);

    WriteFile(temp.path() / "sysmem.log", "");
    block = services.memory.AllocTracked(16, std::string_view("\0zero", 5));
    EXPECT_EQ(block.bytes[0], 0);
    EXPECT_EQ(block.bytes[15], 0);
    services.memory.FreeTracked(block);
    const std::string log = ReadFile(temp.path() / "sysmem.log");
    EXPECT_NE(log.find("   16"), std::string::npos);
    EXPECT_NE(log.find(" zero\r\n"), std::string::npos);
    EXPECT_NE(log.find(" freemem\r\n"), std::string::npos);
    EXPECT_EQ(log.find(std::string(1, '\0')), std::string::npos);
}

TEST_F(ServicesFixture, BlockIsFilledWithTheLabelsFirstCharacter) {
    WriteFile(temp.path() / "sysmem.log", "");
    TrackedBlock block = services.memory.AllocTracked(8, "Qlabel");
    EXPECT_EQ(std::string(reinterpret_cast<char*>(block.bytes.get()), 8), "QQQQQQQQ");
    EXPECT_NE(ReadFile(temp.path() / "sysmem.log").find(" Qlabel\r\n"), std::string::npos);
}

TEST_F(ServicesFixture, ReservationAboveTheLimitStopsTheProgram) {
    EXPECT_THROW(services.memory.AllocTracked(MemoryAccounting::kSizeLimit + 1, "Xgross"),
                 FatalStopError);
    ASSERT_EQ(ui.messages().size(), 3u);
    EXPECT_EQ(ui.messages()[2], "Xgross 524288: zu wenig Platz !!!!, Abbruch");
    EXPECT_NO_THROW(services.memory.AllocTracked(MemoryAccounting::kSizeLimit, "Xgenau"));
}

TEST_F(ServicesFixture, AnOversizedBufferStopsAUserButOnlyLogsForADeveloper) {
    EXPECT_TRUE(services.memory.ReserveBuffer(1024));
    EXPECT_THROW(services.memory.ReserveBuffer(MemoryAccounting::kSizeLimit + 1), FatalStopError);
    services.log.SetDeveloperMode(1);
    EXPECT_FALSE(services.memory.ReserveBuffer(MemoryAccounting::kSizeLimit + 1));
    EXPECT_NE(ReadFile(temp.path() / "syslog").find("zu wenig Platz"), std::string::npos);
}

TEST_F(ServicesFixture, FreeingAnEmptyBlockOnlyWarns) {
    TrackedBlock empty;
    services.memory.FreeTracked(empty);
    ASSERT_EQ(ui.messages().size(), 1u);
    EXPECT_EQ(ui.messages()[0], "Zeiger beim Freigeben = nil !!!");
}

TEST(FileNameRules, CommentsSilenceAndPatterns) {
    EXPECT_EQ(ApplyFileNameRules("  a.txt  ").path, "a.txt");
    EXPECT_FALSE(ApplyFileNameRules("a.txt").silent);
    EXPECT_EQ(ApplyFileNameRules("a.txt{Kommentar}").path, "a.txt");
    EXPECT_EQ(ApplyFileNameRules("{a.txt").path, "{a.txt");
    const auto silent = ApplyFileNameRules("-a.txt");
    EXPECT_EQ(silent.path, "a.txt");
    EXPECT_TRUE(silent.silent);
    EXPECT_TRUE(ApplyFileNameRules("a.txt-").silent);

    TempDir temp;
    WriteFile(temp.path() / "STAL2_1.ASC", "x");
    WriteFile(temp.path() / "STAL1_1.ASC", "x");
    EXPECT_EQ(ApplyFileNameRules("*" + temp.dir() + "stal*.asc").path, temp.dir() + "STAL1_1.ASC");
    EXPECT_EQ(ApplyFileNameRules("*" + temp.dir() + "x?y*.dat").path, temp.dir() + "x_y_.dat");
}

TEST_F(ServicesFixture, OpenReportsMissingFilesUnlessSilent) {
    std::ifstream in;
    EXPECT_FALSE(services.files.OpenForReading("-" + file("fehlt.txt"), in));
    EXPECT_TRUE(ui.messages().empty());
    EXPECT_FALSE(services.files.OpenForReading(file("fehlt.txt"), in));
    ASSERT_EQ(ui.messages().size(), 1u);
    EXPECT_EQ(ui.messages()[0], "nicht gefunden: " + file("fehlt.txt"));

    WriteFile(file("da.txt"), "x");
    EXPECT_TRUE(services.files.OpenForReading(file("da.txt") + " {Kommentar}", in));
    EXPECT_TRUE(services.files.Exists(file("da.txt")));
    EXPECT_FALSE(services.files.Exists(file("fehlt.txt")));
    EXPECT_EQ(ui.messages().size(), 1u);

    std::ofstream out;
    EXPECT_FALSE(services.files.CreateForWriting(file("kein/ordner/x.txt"), out));
    EXPECT_EQ(ui.messages().back(), Win("kein Platz(???) für: ") + file("kein/ordner/x.txt"));
}

TEST_F(ServicesFixture, CopyKeepsContentAndFileTime) {
    std::string content(70000, 'a');
    content[69999] = 'z';
    WriteFile(file("quelle.dat"), content);
    const auto old = std::filesystem::file_time_type::clock::now() - std::chrono::hours(48);
    std::filesystem::last_write_time(file("quelle.dat"), old);
    EXPECT_TRUE(services.files.Copy(file("quelle.dat"), file("ziel.dat")));
    EXPECT_EQ(ReadFile(file("ziel.dat")), content);
    EXPECT_EQ(std::filesystem::last_write_time(file("ziel.dat")), old);
    EXPECT_FALSE(services.files.Copy(file("quelle.dat"), file("quelle.dat")));
    EXPECT_FALSE(services.files.Copy("-" + file("fehlt.dat"), file("z2.dat")));
}

TEST_F(ServicesFixture, BackupNameComesFromTheFileNameNotTheFolder) {
    const auto folder = temp.path() / "daten.2016" / "TEV";
    WriteFile(folder / "SL123456.16K", "alt");
    EXPECT_TRUE(services.files.Backup("-" + (folder / "SL123456.16K").string()));
    EXPECT_EQ(ReadFile(folder / "SL123456.alt"), "alt");
    EXPECT_FALSE(std::filesystem::exists(temp.path() / "daten.alt"));
    EXPECT_FALSE(services.files.Backup("-" + (folder / "SL999999.16").string()));
    EXPECT_TRUE(ui.messages().empty());
}

TEST_F(ServicesFixture, BackupSwapFormPutsTheFreshFileInPlace) {
    WriteFile(file("SL1.16"), "alt");
    WriteFile(file("SL1.16.$$$"), "neu");
    WriteFile(file("SL1.alt"), "uralt");
    EXPECT_TRUE(services.files.Backup("\x03" + file("SL1.16")));
    EXPECT_EQ(ReadFile(file("SL1.16")), "neu");
    EXPECT_EQ(ReadFile(file("SL1.alt")), "alt");
    EXPECT_FALSE(std::filesystem::exists(file("SL1.16.$$$")));
}

TEST_F(ServicesFixture, ListFileAppendsPagesAndConvertsForTheLineFont) {
    WriteFile(file("liste.txt"), Win("eins\r\n\fzwei\r\nä\r\n"));
    std::vector<std::string> list{"alt"};
    EXPECT_TRUE(services.files.LoadListFile(file("liste.txt"), list, false));
    EXPECT_EQ(list, (std::vector<std::string>{"eins", "------neue Seite------", "zwei", Win("ä")}));
    EXPECT_TRUE(services.files.LoadListFile("+" + file("liste.txt"), list, true));
    ASSERT_EQ(list.size(), 9u);
    EXPECT_EQ(list[4], "------neue Seite------");
    EXPECT_EQ(list[8], "\x84");
    EXPECT_FALSE(services.files.LoadListFile("-" + file("fehlt.txt"), list, false));
    EXPECT_TRUE(list.empty());
}

TEST(LineReader, LineEndsEndMarkAndOverlongLines) {
    std::istringstream in("a\r\nb\nc" + std::string(300, 'x') + "\r\nd\x1A" + "nachher\r\n");
    LineReader reader(in);
    std::vector<std::string> lines;
    std::string line;
    while (reader.Next(line))
        lines.push_back(line);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], "a");
    EXPECT_EQ(lines[1], "b");
    EXPECT_EQ(lines[2].size(), 255u);
    EXPECT_EQ(lines[3], "d");
    EXPECT_EQ(reader.cutLines(), 1);
}

TEST(LineReader, LinesAcrossTheReadingBlocksComeOutWhole) {
    // Lines of every length around the 64 KiB blocks the reader takes from the file: a line,
    // its CR LF or an overlong tail split by a block end must read as in one piece.
    std::string text;
    std::vector<std::string> expected;
    int overlong = 0;
    for (int i = 0; text.size() < 3 * 65536; ++i) {
        const std::string line(static_cast<size_t>(i % 260), static_cast<char>('a' + i % 26));
        text += line + "\r\n";
        expected.push_back(line.substr(0, 255));
        if (line.size() > 255) ++overlong;
    }
    text += "letzte";
    expected.push_back("letzte");
    std::istringstream in(text);
    LineReader reader(in);
    std::string_view line;
    size_t at = 0;
    while (reader.Next(line)) {
        ASSERT_LT(at, expected.size());
        ASSERT_EQ(line, expected[at]) << "line " << at + 1;
        ++at;
    }
    EXPECT_EQ(at, expected.size());
    EXPECT_EQ(reader.lineNumber(), static_cast<int>(expected.size()));
    EXPECT_EQ(reader.cutLines(), overlong);
}

TEST_F(ServicesFixture, YesNoQuestionsRepeatAsAsked) {
    ui.AddAnswer("ja");
    ui.AddAnswer("ja");
    ui.AddAnswer("nein");
    EXPECT_FALSE(services.messages.AskYesNo("sicher?", 3));
    EXPECT_EQ(services.messages.lastAnswer(), DialogAnswer::No);
    ui.AddAnswer("ja");
    EXPECT_TRUE(services.messages.AskYesNo("einmal?"));
    EXPECT_EQ(ui.answersLeft(), 0u);
    ui.AddAnswer("abbruch");
    EXPECT_FALSE(services.messages.AskYesNo("mit Abbruch?", -1));
    EXPECT_EQ(services.messages.lastAnswer(), DialogAnswer::Cancel);
    ui.AddAnswer("nein");
    ui.AddAnswer("ja");
    EXPECT_TRUE(services.messages.AskYesNo("\xFE|zweimal|bei nein", 512 + 2));
    EXPECT_EQ(ui.questions().back(), "zweimal\rbei nein");
    EXPECT_THROW(services.messages.AskYesNo("ohne Antwort?"), UnansweredQuestion);
}
