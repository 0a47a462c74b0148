// tev: the window program. tev [DIR] [/H...] [/L...] [--today YYYY-MM-DD]
#include "output/qt_printer_canvas.h"
#include "shell/engine.h"
#include "shell/main_window.h"
#include "shell/messages.h"
#include "shell/program_start.h"
#include "shell/qt_guard.h"
#include "shell/qt_ui.h"

#include <QApplication>
#include <QDir>
#include <QPrinterInfo>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

using namespace tev;

namespace {

std::string EnvironmentValue(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

std::optional<Date> ParseDate(const std::string& text) {
    Date date;
    char end = 0;
    if (std::sscanf(text.c_str(), "%4d-%2d-%2d%c", &date.year, &date.month, &date.day, &end) != 3)
        return std::nullopt;
    if (date.month < 1 || date.month > 12 || date.day < 1 || date.day > 31) return std::nullopt;
    return date;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("TEV");

    StartInputs inputs;
    inputs.today = Today();
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--today" && i + 1 < argc) {
            const auto date = ParseDate(argv[++i]);
            if (!date) {
                std::fprintf(stderr, "tev: --today needs a date YYYY-MM-DD\n");
                return 2;
            }
            inputs.today = *date;
        } else {
            inputs.parameters.push_back(argument);
        }
    }
    const std::filesystem::path current = std::filesystem::current_path();
    inputs.currentDirectory = current.string();
    inputs.usw = EnvironmentValue("usw");
    inputs.homeShare = EnvironmentValue("HOMESHARE");
    inputs.driveA = EnvironmentValue("TEV_DRIVE_A");
    inputs.driveV = EnvironmentValue("TEV_DRIVE_V");

    QtUi ui;
    Engine engine(ui, current);
    ui.SetEngine(&engine);
    // Without a printer on the machine, printing goes to PDF files in the current directory.
    const QString pdf = QPrinterInfo::availablePrinterNames().isEmpty()
                            ? QDir(QString::fromStdString(current.string())).filePath("druck.pdf")
                            : QString();
    engine.printer = std::make_unique<QtPrinterCanvas>(pdf);

    const bool started = RunGuarded(nullptr, [&] {
        ProcessStart(engine, inputs);
        FormCreate(engine, inputs);
    });
    if (!started) return 1;

    TFormTEV1 window(engine, ui);
    window.show();
    const int result = QApplication::exec();
    return FatalStopSeen() ? 1 : result;
}
