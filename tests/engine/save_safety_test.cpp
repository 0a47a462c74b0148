// A data set file may be the only copy of a year's corrected statistics: whatever the disk or
// the file does, a save either puts the whole new file in place or leaves the old data set and
// its backup exactly as they were.
#include "data/data_set_file.h"
#include "sheet/record_mapping.h"
#include "shell/school_loading.h"
#include "shell/scripted_ui.h"
#include "support/failing_disk.h"
#include "support/schiller_office.h"
#include "support/test_support.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace tev;
using namespace tev::test;

namespace {

const char* const kOldBackup = "the backup of an earlier save\r\n";

struct SaveSafety : SchillerOffice {
    FailingDisk disk;
    std::string fileName = file.string();
    std::string backup = (temp.path() / "TEV" / "SL112233.alt").string();

    void SetUp() override {
        WriteFile(backup, kOldBackup);
        StartOffice();
        engine.services.files.SetDisk(&disk);
    }

    // Loads, types a change and saves with "ja"; the change makes any replacement visible.
    bool EditAndSave() {
        LoadListedSchool(engine);
        StringGrid& grid = *engine.sheet.grids.Find("SG21");
        OnCellEdited(engine.sheet, grid, 3, 1, "7");
        ui.AddAnswer("ja");
        return SaveDataSet(engine, 0);
    }

    void ExpectOldFilesUntouched() {
        EXPECT_EQ(ReadFile(file), kSchillerDataSet);
        EXPECT_EQ(ReadFile(backup), kOldBackup);
        EXPECT_FALSE(std::filesystem::exists(fileName + ".$$$"));
        EXPECT_FALSE(std::filesystem::exists(backup + ".$$$"));
    }
    std::string LastMessage() const { return ui.messages().empty() ? "" : ui.messages().back(); }
};

} // namespace

TEST_F(SaveSafety, ASaveWritesBothFilesUnderTemporaryNamesSyncsThemAndThenRenames) {
    ASSERT_TRUE(EditAndSave());
    EXPECT_EQ(ReadFile(backup), kSchillerDataSet);
    EXPECT_NE(ReadFile(file).find(" 1;m\xE4nnlich;1;2;7;"), std::string::npos);
    std::vector<std::string> order;
    for (const auto& call : disk.calls) {
        if (call.find(".$$$") == std::string::npos) continue;
        if (!order.empty() && order.back() == call) continue;
        order.push_back(call);
    }
    const std::vector<std::string> expected = {
        "open " + backup + ".$$$",
        "write " + backup + ".$$$",
        "fsync " + backup + ".$$$",
        "close " + backup + ".$$$",
        "open " + fileName + ".$$$",
        "write " + fileName + ".$$$",
        "fsync " + fileName + ".$$$",
        "close " + fileName + ".$$$",
        "rename " + backup + ".$$$ " + backup,
        "rename " + fileName + ".$$$ " + fileName,
    };
    EXPECT_EQ(order, expected);
}

// Each way a disk or a file can fail leaves both old files byte for byte, with a message.
TEST_F(SaveSafety, AFailingDiskLeavesTheOldDataSetAndBackup) {
    struct Case {
        const char* what;
        void (*fail)(FailingDisk&);
    };
    const Case cases[] = {
        {"full while backing up", [](FailingDisk& d) { d.writeBudget = 20; }},
        {"full while writing the data set", [](FailingDisk& d) { d.writeBudget = 150; }},
        {"sync fails", [](FailingDisk& d) { d.failFsync = true; }},
        {"close fails (network drive)", [](FailingDisk& d) { d.failClose = true; }},
        {"crash before the first rename", [](FailingDisk& d) { d.crashAtRename = 0; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        WriteFile(file, kSchillerDataSet);
        WriteFile(backup, kOldBackup);
        disk = FailingDisk();
        c.fail(disk);
        try {
            EXPECT_FALSE(EditAndSave());
            EXPECT_TRUE(LastMessage().find("nicht angelegt") != std::string::npos ||
                        LastMessage().rfind("kein Platz", 0) == 0)
                << LastMessage();
        } catch (const SimulatedCrash&) {
        }
        ExpectOldFilesUntouched();
    }
}

TEST_F(SaveSafety, ACrashBetweenTheTwoRenamesKeepsTheOldDataSetAndAWholeBackup) {
    disk.crashAtRename = 1;
    EXPECT_THROW(EditAndSave(), SimulatedCrash);
    EXPECT_EQ(ReadFile(file), kSchillerDataSet);
    EXPECT_EQ(ReadFile(backup), kSchillerDataSet);
}

TEST_F(SaveSafety, AWriteProtectedFileIsNeitherReplacedNorBackedUp) {
    ::chmod(file.c_str(), 0444);
    EXPECT_FALSE(EditAndSave());
    EXPECT_NE(LastMessage().find("schreibgesch"), std::string::npos) << LastMessage();
    ::chmod(file.c_str(), 0644);
    ExpectOldFilesUntouched();
}

TEST_F(SaveSafety, TheNewFileKeepsTheModeOfTheOldOne) {
    ::chmod(file.c_str(), 0640);
    ASSERT_TRUE(EditAndSave());
    struct stat info {};
    ASSERT_EQ(::stat(file.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
}

// A file that exists but cannot be read must not look like a school without data: the user
// is told, the test marks the school faulty, and nothing can be saved over it.
TEST_F(SaveSafety, AnUnreadableFileIsAnErrorAndCannotBeSavedOver) {
    for (const bool failMidway : {false, true}) {
        SCOPED_TRACE(failMidway ? "read error at the end" : "no permission");
        disk = FailingDisk();
        (failMidway ? disk.failReadAfter : disk.unreadable) = fileName;
        EXPECT_FALSE(LoadListedSchool(engine));
        EXPECT_EQ(engine.sheet.loadState, LoadState::Unreadable);
        EXPECT_NE(LastMessage().find("kann nicht gelesen werden: " + fileName), std::string::npos);
        ASSERT_EQ(engine.sheet.findings.size(), 2u);
        EXPECT_EQ(engine.sheet.findings[0][0], 'F');
        EXPECT_NE(engine.sheet.findings[1].find(fileName), std::string::npos);
        ui.AddAnswer("ja");
        EXPECT_FALSE(SaveDataSet(engine, 0));
        EXPECT_EQ(ui.answersLeft(), 1u) << "the save must refuse before asking";
        ui.ClearAnswers();
        EXPECT_NE(LastMessage().find("nicht gespeichert"), std::string::npos);
        ExpectOldFilesUntouched();
    }
    disk = FailingDisk();
    EXPECT_TRUE(LoadListedSchool(engine)) << "a later load that succeeds makes it saveable";
    ui.AddAnswer("ja");
    EXPECT_TRUE(SaveDataSet(engine, 0));
}

TEST_F(SaveSafety, AFolderInPlaceOfAFileStopsTheSave) {
    std::filesystem::remove(backup);
    std::filesystem::create_directory(backup);
    EXPECT_FALSE(EditAndSave());
    EXPECT_NE(LastMessage().find("nicht angelegt"), std::string::npos) << LastMessage();
    EXPECT_EQ(ReadFile(file), kSchillerDataSet);
    EXPECT_TRUE(std::filesystem::is_directory(backup));

    std::filesystem::remove(file);
    std::filesystem::create_directory(file);
    EXPECT_FALSE(LoadListedSchool(engine));
    EXPECT_NE(LastMessage().find("ist ein Ordner"), std::string::npos) << LastMessage();
    ui.AddAnswer("ja");
    EXPECT_FALSE(SaveDataSet(engine, 0));
    ui.ClearAnswers();
    EXPECT_TRUE(std::filesystem::is_directory(file));
}

TEST_F(SaveSafety, AFirstSaveOfANewSchoolNeedsNoBackup) {
    std::filesystem::remove(file);
    std::filesystem::remove(backup);
    ASSERT_TRUE(EditAndSave());
    EXPECT_FALSE(std::filesystem::exists(backup));
    EXPECT_NE(ReadFile(file).find(".;21;112233;2016/17;"), std::string::npos);
}

TEST_F(SaveSafety, ACopyOntoAnOldFileReplacesItOnlyWhenComplete) {
    const std::string source = (temp.path() / "quelle.dat").string();
    const std::string target = (temp.path() / "ziel.dat").string();
    WriteFile(source, std::string(100000, 'n'));
    WriteFile(target, "old");
    disk.writeBudget = 50000;
    EXPECT_FALSE(engine.services.files.Copy(source, "-" + target));
    EXPECT_EQ(ReadFile(target), "old");
    disk.writeBudget = std::numeric_limits<size_t>::max();
    EXPECT_TRUE(engine.services.files.Copy(source, target));
    EXPECT_EQ(ReadFile(target), std::string(100000, 'n'));
}
