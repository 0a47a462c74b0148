// Taking over the deliveries of the diskette folders: what lands in the office is exactly what
// the school delivered, the previous data set survives as ".alt", and a delivery that is old,
// cut short, damaged or for another school changes nothing.
#include "data/delivery_file.h"
#include "data/delivery_import.h"
#include "data/delivery_slip.h"
#include "data/demo/demo_office.h"
#include "output/codepage.h"
#include "shell/drive_folders.h"
#include "support/engine_start.h"
#include "support/failing_disk.h"
#include "support/test_support.h"

#include <gtest/gtest.h>
#include <map>
#include <memory>

using namespace tev;
using namespace tev::test;
namespace fs = std::filesystem;

namespace {

// The table blocks of a data set file: table digits -> the block's data lines.
std::map<std::string, std::vector<std::string>> Tables(std::string bytes) {
    if (!bytes.empty() && bytes.back() == 26) bytes.pop_back();
    std::map<std::string, std::vector<std::string>> tables;
    std::vector<std::string>* current = nullptr;
    size_t at = 0;
    while (at < bytes.size()) {
        const size_t end = bytes.find("\r\n", at);
        const std::string line = bytes.substr(at, end - at);
        at = end == std::string::npos ? bytes.size() : end + 2;
        if (line.rfind(".;", 0) == 0) {
            current = &tables[line.substr(2, 2)];
        } else if (current) {
            current->push_back(line);
        }
    }
    return tables;
}

bool Contains(const std::vector<std::string>& messages, const std::string& part) {
    for (const auto& message : messages)
        if (message.find(part) != std::string::npos) return true;
    return false;
}

const char* const kOld = ".;11;112233;2024/25;Gym             \r\n 0;;5;6\r\n";

std::string Delivered(const std::string& number) {
    return ".;11;" + number + ";2024/25;Gym             \r\n 0;;5;6\r\n 1;m;30;28\r\n" + ".;21;" +
           number + ";2024/25;Gym             \r\n 1;;2;\r\n";
}

class DeliveryImport : public ::testing::Test {
protected:
    // One small demo office for all tests; each test works on its own copy.
    static void SetUpTestSuite() {
        demo_ = new TempDir;
        DemoOptions options;
        options.schools = 24;
        options.seed = 5;
        options.firstYear = 123;
        options.lastYear = 124;
        deliveries_ = WriteDemoOffice(demo_->path() / "amt", options).deliveries;
    }
    static void TearDownTestSuite() { delete demo_; }

    void SetUp() override {
        fs::copy(demo_->path() / "amt", office(), fs::copy_options::recursive);
    }
    fs::path office() const { return temp.path() / "amt"; }
    fs::path tev(const std::string& number) const {
        return office() / "TEV" / ("SL" + number + ".24");
    }

    // A fresh start of the program on the office, as after a restart.
    void Start() {
        ui_ = std::make_unique<ScriptedUi>();
        engine_ = std::make_unique<Engine>(*ui_, temp.path());
        ui_->SetStandingAnswer("weitere einlesen", "ja");
        StartOptions options;
        options.yearSuffix = ".24";
        StartEngine(*engine_, *ui_, office(), options);
    }
    ScriptedUi& ui() { return *ui_; }
    Engine& engine() { return *engine_; }

    // A diskette of our own for school 112233's data set of 2024/25 in slot 1.
    fs::path Diskette(const std::vector<unsigned char>& coded,
                      const std::string& slipNumber = "112233") {
        const fs::path drive = temp.path() / "A";
        DeliverySlip slip{slipNumber, "2024/25", "Gym", "Gymnasium", "Musterstadt"};
        WriteFile(drive / "stat1.dat", DeliverySlipText(slip));
        WriteFile(drive / "STAL1.DAT", std::string(coded.begin(), coded.end()));
        WriteFile(drive / "zeplist1.dat", "ZEP\r\n");
        return drive;
    }
    // The office with school 112233's old data set and its entry in the delivery list,
    // started with the diskette as "a:".
    void StartOnDiskette(const fs::path& drive) {
        WriteFile(tev("112233"), kOld);
        fs::remove(office() / "TEV" / "SL112233.alt");
        WriteFile(office() / "eprdat" / "liefer.dat",
                  "TEV-Lieferliste     \r\n112233                \r\n");
        listBefore = ReadFile(office() / "eprdat" / "liefer.dat");
        Start();
        engine().drives = {drive.string() + "/", "", engine().drives.v};
    }
    void ExpectNothingChanged() {
        EXPECT_EQ(ReadFile(tev("112233")), kOld);
        EXPECT_FALSE(fs::exists(office() / "TEV" / "SL112233.alt"));
        EXPECT_FALSE(fs::exists(office() / "TEVORIG"));
        EXPECT_FALSE(fs::exists(office() / "eprdat" / "ze112233.24"));
        EXPECT_EQ(ReadFile(office() / "eprdat" / "liefer.dat"), listBefore);
    }

    static TempDir* demo_;
    static int deliveries_;
    TempDir temp;
    std::unique_ptr<ScriptedUi> ui_;
    std::unique_ptr<Engine> engine_;
    std::string listBefore;
};

TempDir* DeliveryImport::demo_ = nullptr;
int DeliveryImport::deliveries_ = 0;

} // namespace

TEST_F(DeliveryImport, EveryDemoDeliveryArrivesTableByTableAndTheOldFileStaysAsAlt) {
    ASSERT_EQ(deliveries_, 5);
    // What each diskette slot carries, and what the office held before.
    struct Expected {
        std::string number;
        std::string delivered;
        std::string previous; // empty: no data set yet
    };
    std::vector<Expected> expected;
    for (const char* drive : {"Diskette-A", "Diskette-B"}) {
        for (const char digit : {'1', '2', '3'}) {
            const fs::path slip = office() / drive / (std::string("stat") + digit + ".dat");
            if (!fs::exists(slip)) continue;
            const std::string number = ParseDeliverySlip(ReadFile(slip))->schoolNumber;
            const std::string coded =
                ReadFile(office() / drive / (std::string("STAL") + digit + ".DAT"));
            const auto decoded = DecodeDeliveryFile({coded.begin(), coded.end()}, "STAL");
            ASSERT_TRUE(decoded.ok());
            expected.push_back(
                {number, decoded.text, fs::exists(tev(number)) ? ReadFile(tev(number)) : ""});
        }
    }
    ASSERT_EQ(expected.size(), 5u);
    int replaced = 0;
    for (const auto& e : expected)
        replaced += e.previous.empty() ? 0 : 1;
    ASSERT_GE(replaced, 1) << "the demo should deliver again for a school";
    ASSERT_LT(replaced, 5) << "the demo should deliver for a school without data set";

    Start();
    ui().SetUseDefaults(true);
    EXPECT_EQ(ImportDelivery(engine()), 5);

    for (const auto& e : expected) {
        SCOPED_TRACE(e.number);
        const auto imported = Tables(ReadFile(tev(e.number)));
        EXPECT_EQ(imported, Tables(e.delivered));
        EXPECT_GE(imported.size(), 20u);
        EXPECT_EQ(ReadFile(office() / "TEVORIG" / ("SL" + e.number + ".24")),
                  ReadFile(tev(e.number)));
        EXPECT_TRUE(fs::exists(office() / "eprdat" / ("ze" + e.number + ".24")));
        const fs::path backup = office() / "TEV" / ("SL" + e.number + ".alt");
        if (!e.previous.empty()) {
            EXPECT_EQ(ReadFile(backup), e.previous);
        } else {
            EXPECT_FALSE(fs::exists(backup));
        }
    }
    // The last school is not in the delivery list: it was asked for and appended.
    EXPECT_TRUE(Contains(ui().messages(), "nicht in der Liste: " + expected.back().number));
    const std::string list = ReadFile(office() / "eprdat" / "liefer.dat");
    for (const auto& e : expected)
        EXPECT_NE(list.find(e.number + " 24 20.11.2016 E\r\n"), std::string::npos) << e.number;
    EXPECT_EQ(engine().outputBox.lines().size(), 5u);
    // Another round finds nothing new.
    EXPECT_TRUE(Contains(ui().messages(), "keine weitere Lieferung"));
}

TEST_F(DeliveryImport, ReplacingADataSetIsAskedWithItsDateAndNoKeepsIt) {
    StartOnDiskette(Diskette(EncodeDeliveryFile(Delivered("112233"), 3, 77)));
    ui().AddAnswer("nein");
    EXPECT_EQ(ImportDelivery(engine()), 0);
    ExpectNothingChanged();
    const std::string question = ui().questions().at(ui().questions().size() - 2);
    EXPECT_NE(question.find("SL112233.24 vom "), std::string::npos) << question;
    EXPECT_NE(question.find("SL112233.alt"), std::string::npos) << question;

    StartOnDiskette(Diskette(EncodeDeliveryFile(Delivered("112233"), 3, 77)));
    ui().AddAnswer("ja");
    EXPECT_EQ(ImportDelivery(engine()), 1);
    EXPECT_EQ(ReadFile(tev("112233")), Delivered("112233") + '\x1A');
    EXPECT_EQ(ReadFile(office() / "TEV" / "SL112233.alt"), kOld);
}

// Each bad delivery gives its message and leaves the office as it was.
TEST_F(DeliveryImport, ABadDeliveryIsRefusedWithItsMessageAndChangesNothing) {
    auto coded = EncodeDeliveryFile(Delivered("112233"), 6, 1234);
    auto old = coded;
    old[0] = 0;
    auto truncated = coded;
    truncated.resize(coded.size() / 2);
    auto damaged = coded;
    damaged[9] ^= 0x40; // a byte of the first header line
    const struct {
        const char* what;
        std::vector<unsigned char> bytes;
        std::string slipNumber;
        std::string message;
    } cases[] = {
        {"old coding", old, "112233", "alte Kodierung"},
        {"truncated", truncated, "112233", "Lesefehler bei "},
        {"damaged", damaged, "112233", Win("beschädigt")},
        {"another school's", coded, "112240", "ist von der Schule 112233"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        StartOnDiskette(Diskette(c.bytes, c.slipNumber));
        ui().SetUseDefaults(true);
        EXPECT_EQ(ImportDelivery(engine()), 0);
        EXPECT_TRUE(Contains(ui().messages(), c.message));
        ExpectNothingChanged();
    }
}

// The backup is written first, then the new file; either failing leaves both as they were.
TEST_F(DeliveryImport, AFailingDiskLeavesTheOldDataSetIntact) {
    const struct {
        bool failFsync;
        size_t writeBudget;
        const char* message;
    } cases[] = {
        {true, std::string::npos, "Sicherungskopie "},
        {false, std::string(kOld).size(), "kein Platz"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        StartOnDiskette(Diskette(EncodeDeliveryFile(Delivered("112233"), 1, 9)));
        FailingDisk disk;
        disk.failFsync = c.failFsync;
        disk.writeBudget = c.writeBudget;
        engine().services.files.SetDisk(&disk);
        ui().SetUseDefaults(true);
        EXPECT_EQ(ImportDelivery(engine()), 0);
        EXPECT_TRUE(Contains(ui().messages(), c.message));
        ExpectNothingChanged();
        engine().services.files.SetDisk(nullptr);
    }
}

TEST_F(DeliveryImport, WithoutDisketteFilesTheImportEndsWithItsMessage) {
    Start();
    engine().drives = {(temp.path() / "leer").string() + "/", "", engine().drives.v};
    fs::create_directories(temp.path() / "leer");
    EXPECT_EQ(ImportDelivery(engine()), 0);
    EXPECT_EQ(ui().messages().back(), "*.dat auf Diskette nicht gefunden");
}

// A school outside the delivery list is only taken over when the user says so.
TEST_F(DeliveryImport, ASchoolOutsideTheListIsAskedForAndNoEndsTheImport) {
    StartOnDiskette(Diskette(EncodeDeliveryFile(Delivered("998877"), 0, 5), "998877"));
    ui().AddAnswer("nein");
    EXPECT_EQ(ImportDelivery(engine()), 0);
    EXPECT_TRUE(Contains(ui().messages(), "nicht in der Liste: 998877"));
    EXPECT_EQ(ui().questions().back(), "zeplist*.dat trotzdem uebernehmen");
    EXPECT_FALSE(fs::exists(tev("998877")));
    EXPECT_EQ(ReadFile(office() / "eprdat" / "liefer.dat"), listBefore);
}

TEST(DriveFolders, TheEnvironmentWinsOverTheConfigurationFileWhichWinsOverTheDefaults) {
    TempDir temp;
    const std::string data = temp.dir();
    EXPECT_EQ(ResolveDriveFolders(data, {}).a, data);
    EXPECT_EQ(ResolveDriveFolders(data, {}).b, "");
    EXPECT_EQ(ResolveDriveFolders(data, {}).v, data);
    WriteFile(temp.path() / "laufwerke.ini", "a=Disk-A\r\nB = /mnt/b\r\nx=y\r\nunsinn\r\n");
    const DriveFolders configured = ResolveDriveFolders(data, {});
    EXPECT_EQ(configured.a, data + "Disk-A/");
    EXPECT_EQ(configured.b, "/mnt/b/");
    EXPECT_EQ(configured.v, data);
    EXPECT_EQ(ResolveDriveFolders(data, {"/floppy", "", "/office"}).a, "/floppy/");
    EXPECT_EQ(ResolveDriveFolders(data, {"/floppy", "", "/office"}).b, "/mnt/b/");
    EXPECT_EQ(ResolveDriveFolders(data, {"/floppy", "", "/office"}).v, "/office/");
}
