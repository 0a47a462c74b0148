// tev: the window program. tev [DIR] [/H...] [/L...] [--today YYYY-MM-DD] [--year .16]
#include "demand/demand_window.h"
#include "output/qt_print_preview.h"
#include "output/qt_printer_canvas.h"
#include "shell/engine.h"
#include "shell/file_services.h"
#include "shell/main_window.h"
#include "shell/messages.h"
#include "shell/program_start.h"
#include "shell/qt_guard.h"
#include "shell/qt_ui.h"
#include "summary/summary_window.h"

#include <QApplication>
#include <QDir>
#include <QPrinterInfo>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

using namespace tev;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("TEV");

    StartInputs inputs;
    inputs.today = Today();
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--today" && i + 1 < argc) {
            const auto date = ParseIsoDate(argv[++i]);
            if (!date) {
                std::fprintf(stderr, "tev: --today needs a date YYYY-MM-DD\n");
                return 2;
            }
            inputs.today = *date;
        } else if (argument == "--year" && i + 1 < argc) {
            inputs.yearSuffix = argv[++i];
            if (!IsYearSuffix(*inputs.yearSuffix)) {
                std::fprintf(stderr, "tev: --year needs a school year suffix such as .16\n");
                return 2;
            }
        } else {
            inputs.parameters.push_back(argument);
        }
    }
    const std::filesystem::path current = std::filesystem::current_path();
    inputs.currentDirectory = current.string();
    inputs.usw = FileServices::EnvironmentValue("usw");
    inputs.homeShare = FileServices::EnvironmentValue("HOMESHARE");
    inputs.drives.a = FileServices::EnvironmentValue("TEV_DRIVE_A");
    inputs.drives.b = FileServices::EnvironmentValue("TEV_DRIVE_B");
    inputs.drives.v = FileServices::EnvironmentValue("TEV_DRIVE_V");

    QtUi ui;
    Engine engine(ui, current);
    ui.SetEngine(&engine);
    // Without a printer on the machine, printing goes to PDF files in the current directory.
    const QString pdf = QPrinterInfo::availablePrinterNames().isEmpty()
                            ? QDir(QString::fromStdString(current.string())).filePath("druck.pdf")
                            : QString();
    auto printer = std::make_unique<QtPrinterCanvas>(pdf);
    EnablePrintPreview(*printer);
    engine.printer = std::move(printer);

    const bool started = RunGuarded(nullptr, [&] {
        ProcessStart(engine, inputs);
        FormCreate(engine, inputs);
    });
    if (!started) return 1;

    TFormTEV1 window(engine, ui);
    TFormSt2g summary(engine, [&window](const std::function<void()>& command) {
        return window.RunCommand(command);
    });
    window.AddView([&summary] { summary.RefreshFromEngine(); });
    // A window of its own that closes with the main window.
    auto* demandWindow = new TFormLBR(engine, &window);
    window.AddView([demandWindow] { demandWindow->RefreshFromEngine(); });
    demandWindow->SetAfterCommand([&window] { window.RefreshFromEngine(); });
    window.show();
    const int result = QApplication::exec();
    return FatalStopSeen() ? 1 : result;
}
