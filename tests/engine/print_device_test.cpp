#include "output/printer_device.h"
#include "support/print_fixture.h"

#include <cstdlib>
#include <gtest/gtest.h>

using namespace tev;
using namespace tev::test;

namespace {

using PrinterDeviceTest = PrintFixture;

TEST(PrinterDeviceName, CodesAndCharacters) {
    EXPECT_EQ(PrinterDeviceName(0), "LPT1");
    EXPECT_EQ(PrinterDeviceName(2), "LPT3");
    EXPECT_EQ(PrinterDeviceName(3), std::nullopt); // "?"
    EXPECT_EQ(PrinterDeviceName(5), "");           // "T": standard output
    EXPECT_EQ(PrinterDeviceName(6), "NUL");
    EXPECT_EQ(PrinterDeviceName(8), "SPOOLER.TXT");
    EXPECT_EQ(PrinterDeviceName(10), "A:SPOOLER.TXT");
    EXPECT_EQ(PrinterDeviceName(15), "F:SPOOLER.TXT");
    EXPECT_EQ(PrinterDeviceName(16), "LPT1");
    EXPECT_EQ(PrinterDeviceName(19), "LPT4");
    EXPECT_EQ(PrinterDeviceName(20), std::nullopt);
    EXPECT_EQ(PrinterDeviceName('"'), "LPT2");
    EXPECT_EQ(PrinterDeviceName('N'), "NUL");
    EXPECT_EQ(PrinterDeviceName('.'), "SPOOLER.TXT");
    EXPECT_EQ(PrinterDeviceName('x'), std::nullopt);
    EXPECT_EQ(PrinterDeviceName(-1), std::nullopt);
}

TEST(PrinterProfile, FontCodesNameTheFonts) {
    PrinterProfile profile;
    profile.fontCode = 7;
    profile.height = 30;
    profile.style = 5;
    const PrintFont font = ProfileFont(profile);
    EXPECT_EQ(font.name, "Arial");
    EXPECT_TRUE(font.bold && font.underline && !font.italic);
    EXPECT_EQ(ProfileListFontCode(profile), 286);
    profile.fontCode = 1;
    EXPECT_EQ(ProfileFont(profile).name, "MS LineDraw");
    EXPECT_EQ(ProfileListFontCode(profile), -30);
    profile.fontCode = 3;
    EXPECT_EQ(ProfileFont(profile).name, "Courier New");
    profile.cpi17 = "\x1B\x0F";
    EXPECT_EQ(PitchCodes(profile, 17), "\x1B\x0F");
}

TEST_F(PrinterDeviceTest, SpoolFilePortFileAndNullDevice) {
    auto spool = OpenPrinterDevice(engine, 8);
    ASSERT_TRUE(spool);
    spool->out() << "Zeile\r\n";
    EXPECT_TRUE(spool->Close());
    EXPECT_EQ(File("SPOOLER.TXT"), "Zeile\r\n");

    unsetenv("TEV_LPT_DEVICE");
    PrinterProfile profile;
    profile.init = "\x1B@";
    auto port = OpenPrinterDevice(engine, 17, profile);
    port->out() << "x";
    port->Close();
    EXPECT_EQ(File("LPT2.prn"), "\x1B@x");

    const auto device = temp.path() / "lp0";
    setenv("TEV_LPT_DEVICE", device.c_str(), 1);
    auto configured = OpenNamedDevice(engine, '!');
    configured->out() << "y";
    configured->Close();
    unsetenv("TEV_LPT_DEVICE");
    EXPECT_EQ(ReadFile(device), "y");

    auto nul = OpenNamedDevice(engine, 'N');
    nul->out() << "weg";
    EXPECT_TRUE(nul->Close());
    EXPECT_FALSE(std::filesystem::exists(temp.path() / "NUL"));
    EXPECT_EQ(OpenNamedDevice(engine, 'x'), nullptr);
}

TEST_F(PrinterDeviceTest, OtherModesPrintTheTextThroughTheCanvas) {
    PrinterProfile profile;
    profile.fontCode = 4;
    profile.height = 30;
    auto printer = OpenPrinterDevice(engine, 0, profile);
    printer->out() << "eins\r\nzwei\n";
    EXPECT_TRUE(printer->Close());
    EXPECT_TRUE(ui.questions().empty());
    const CanvasCall* line = canvas->FindText("zwei");
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->font.name, "Arial");
    EXPECT_EQ(line->font.height, 30);
    EXPECT_EQ(Count(CanvasCall::Kind::End), 1);
}

} // namespace
