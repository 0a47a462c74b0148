#pragma once
// The older character-device path: text written line by line to a printer port, a spool file,
// the null device, standard output, or (through the print canvas) the printer.
#include "output/print_canvas.h"
#include "shell/engine.h"

#include <memory>
#include <optional>
#include <ostream>
#include <string>

namespace tev {

// Codes below 32 go through the device characters "123?vT0N*.ABCDEF!\"#$" first.
// "LPT1".."LPT4", "SPOOLER.TXT", "NUL", "A:SPOOLER.TXT".."F:SPOOLER.TXT", or "" for standard
// output; nothing for any other code.
std::optional<std::string> PrinterDeviceName(int code);

// A printer profile of the adaptation file: font, height, style bits (1 bold, 2 italic,
// 4 underline) and the control codes of the printer.
struct PrinterProfile {
    int fontCode = 0;
    int height = 35;
    int style = 0;
    std::string init;
    std::string cpi10;
    std::string cpi12;
    std::string cpi17;
    std::string cpi20;
};

// 1 "MS LineDraw", 2 "Courier-OEM", 4 and 7 "Arial", 8 "Lucida Control", else "Courier New".
PrintFont ProfileFont(const PrinterProfile& profile);
// The font code of the list printer with the profile's font and height.
int ProfileListFontCode(const PrinterProfile& profile);
// The control codes for the pitch "xx10cpi", "xx12cpi", "xx17cpi" or "xx20cpi".
const std::string& PitchCodes(const PrinterProfile& profile, int charactersPerInch);

// An open device: write text to out(); Close() finishes it (a printer route prints then).
class PrinterDevice {
public:
    virtual ~PrinterDevice() = default;
    virtual std::ostream& out() = 0;
    // False when the output could not be completed.
    virtual bool Close() = 0;
};

// The device PrinterDeviceName(code) names: the spool files are files of the work directory
// (drive "A" of the diskette folder), "NUL" discards, "LPTn" is the file named by
// TEV_LPT_DEVICE or "LPT<n>.prn" in the work directory (the profile's initialisation codes are
// written first), "" is standard output. Null when the code names no device or it cannot be
// opened (a message says why).
std::unique_ptr<PrinterDevice> OpenNamedDevice(Engine& engine, int code,
                                               const PrinterProfile& profile = {});
// Mode 5 writes to standard output; modes 8..19 open the device of that code (see
// OpenNamedDevice); other modes collect the text and print it through the printer canvas in
// the profile's font when closed.
std::unique_ptr<PrinterDevice> OpenPrinterDevice(Engine& engine, int mode,
                                                 const PrinterProfile& profile = {});

} // namespace tev
