#include "output/printer_device.h"

#include "output/output_file_name.h"
#include "output/print_list.h"
#include "shell/file_services.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iostream>
#include <sstream>

namespace tev {
namespace {

constexpr const char* kDeviceCharacters = "123?vT0N*.ABCDEF!\"#$";
constexpr int kStandardOutputMode = 5;

class StreamDevice : public PrinterDevice {
public:
    explicit StreamDevice(std::ostream& stream) : stream_(stream) {}
    std::ostream& out() override { return stream_; }
    bool Close() override { return static_cast<bool>(stream_.flush()); }

private:
    std::ostream& stream_;
};

class FileDevice : public PrinterDevice {
public:
    explicit FileDevice(std::ofstream file) : file_(std::move(file)) {}
    std::ostream& out() override { return file_; }
    bool Close() override {
        file_.close();
        return !file_.fail();
    }

private:
    std::ofstream file_;
};

// Output to "NUL": accepted and dropped.
class NullDevice : public PrinterDevice {
public:
    NullDevice() : stream_(nullptr) {}
    std::ostream& out() override { return stream_; }
    bool Close() override { return true; }

private:
    std::ostream stream_;
};

// The text file routed to the printer: its lines are printed as one list when closed.
class CanvasDevice : public PrinterDevice {
public:
    CanvasDevice(Engine& engine, int fontCode) : engine_(engine), fontCode_(fontCode) {}
    std::ostream& out() override { return text_; }
    bool Close() override {
        std::vector<std::string> lines;
        std::istringstream in(text_.str());
        std::string line;
        while (std::getline(in, line)) {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            lines.push_back(line);
        }
        text_.str({});
        return lines.empty() || PrintList(engine_, "-", lines, 0, fontCode_, -1);
    }

private:
    Engine& engine_;
    int fontCode_;
    std::ostringstream text_;
};

std::string DevicePath(const Engine& engine, const std::string& device) {
    if (device.rfind("LPT", 0) == 0) {
        const std::string configured = FileServices::EnvironmentValue("TEV_LPT_DEVICE");
        if (!configured.empty()) return configured;
        return WorkFilePath(engine, device + ".prn");
    }
    if (device.size() > 2 && device[1] == ':') {
        const std::string spool = device.substr(2);
        if (device[0] == 'A' && !engine.drives.a.empty())
            return (std::filesystem::path(engine.drives.a) / spool).string();
        return WorkFilePath(engine, spool);
    }
    return WorkFilePath(engine, device);
}

} // namespace

std::optional<std::string> PrinterDeviceName(int code) {
    if (code < 0 || code > 255) return std::nullopt;
    char c = static_cast<char>(code);
    if (code < 32) {
        if (code >= static_cast<int>(std::strlen(kDeviceCharacters))) return std::nullopt;
        c = kDeviceCharacters[code];
    }
    switch (c) {
    case '!':
        return "LPT1";
    case '"':
        return "LPT2";
    case '#':
        return "LPT3";
    case '$':
        return "LPT4";
    case '1':
    case '2':
    case '3':
        return std::string("LPT") + c;
    case '*':
    case '.':
        return "SPOOLER.TXT";
    case '0':
    case 'N':
        return "NUL";
    case 'T':
        return "";
    default:
        break;
    }
    if (c >= 'A' && c <= 'F') return std::string(1, c) + ":SPOOLER.TXT";
    return std::nullopt;
}

PrintFont ProfileFont(const PrinterProfile& profile) {
    PrintFont font;
    switch (profile.fontCode) {
    case 1:
        font.name = "MS LineDraw";
        break;
    case 2:
        font.name = "Courier-OEM";
        break;
    case 4:
    case 7:
        font.name = "Arial";
        break;
    case 8:
        font.name = "Lucida Control";
        break;
    default:
        font.name = "Courier New";
        break;
    }
    font.height = profile.height;
    font.bold = (profile.style & 1) != 0;
    font.italic = (profile.style & 2) != 0;
    font.underline = (profile.style & 4) != 0;
    return font;
}

int ProfileListFontCode(const PrinterProfile& profile) {
    const int height = std::clamp(profile.height, 10, 255);
    const std::string name = ProfileFont(profile).name;
    if (name == "Arial") return 256 + height;
    if (name == "MS LineDraw" || name == "Courier-OEM") return -height;
    return height;
}

const std::string& PitchCodes(const PrinterProfile& profile, int charactersPerInch) {
    switch (charactersPerInch) {
    case 12:
        return profile.cpi12;
    case 17:
        return profile.cpi17;
    case 20:
        return profile.cpi20;
    default:
        return profile.cpi10;
    }
}

std::unique_ptr<PrinterDevice> OpenNamedDevice(Engine& engine, int code,
                                               const PrinterProfile& profile) {
    const std::optional<std::string> device = PrinterDeviceName(code);
    if (!device) return nullptr;
    if (device->empty()) return std::make_unique<StreamDevice>(std::cout);
    if (*device == "NUL") return std::make_unique<NullDevice>();
    const bool port = device->rfind("LPT", 0) == 0;
    std::ofstream file;
    auto& files = engine.services.files;
    const std::string path = DevicePath(engine, *device);
    if (!(port ? files.OpenForAppending(path, file) : files.CreateForWriting(path, file)))
        return nullptr;
    if (port) file << profile.init;
    return std::make_unique<FileDevice>(std::move(file));
}

std::unique_ptr<PrinterDevice> OpenPrinterDevice(Engine& engine, int mode,
                                                 const PrinterProfile& profile) {
    if (mode == kStandardOutputMode) return std::make_unique<StreamDevice>(std::cout);
    if (mode >= 8 && mode <= 19) return OpenNamedDevice(engine, mode, profile);
    return std::make_unique<CanvasDevice>(engine, ProfileListFontCode(profile));
}

} // namespace tev
