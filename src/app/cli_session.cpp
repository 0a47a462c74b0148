#include "app/cli_session.h"

#include "data/school_directory.h"
#include "data/school_groups.h"
#include "output/codepage.h"
#include "output/pdf_canvas.h"
#include "shell/file_services.h"
#include "shell/program_start.h"

#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <stdexcept>

namespace tev::cli {

Session::Session(const Options& options) {
    const std::string groupEntry = SchoolGroupEntry(options.groupCode);
    if (groupEntry.empty()) {
        throw UsageError{"--group: no school group has the code \"" + options.groupCode + "\""};
    }
    ui.SetStandingAnswer(Win("Schul-Gruppe wählen"), groupEntry);
    for (const auto& answer : options.answers)
        ui.AddAnswer(EngineTextFromUtf8(answer));
    ui.SetUseDefaults(options.useDefaults);
    ui.SetMessageSink([](const std::string& text) {
        std::string shown = DisplayText(text);
        std::replace(shown.begin(), shown.end(), '\r', ' ');
        std::cerr << "info: " << shown << '\n';
    });

    engine = std::make_unique<Engine>(ui, std::filesystem::current_path());
    engine->printer = std::make_unique<PdfCanvas>(options.printerFile.value_or("druck.pdf"),
                                                  !options.printerFile.has_value());
    StartInputs inputs;
    if (options.dataDirectory) inputs.parameters.push_back(*options.dataDirectory);
    inputs.usw = FileServices::EnvironmentValue("usw");
    inputs.homeShare = FileServices::EnvironmentValue("HOMESHARE");
    inputs.today = options.today.value_or(Today());
    inputs.currentDirectory = std::filesystem::current_path().string();
    inputs.yearSuffix = options.yearSuffix;
    inputs.sortIndex = options.sortIndex;
    inputs.drives.a = FileServices::EnvironmentValue("TEV_DRIVE_A");
    inputs.drives.b = FileServices::EnvironmentValue("TEV_DRIVE_B");
    inputs.drives.v = FileServices::EnvironmentValue("TEV_DRIVE_V");
    const std::filesystem::path dataDirectory = options.dataDirectory
                                                    ? std::filesystem::path(*options.dataDirectory)
                                                    : std::filesystem::current_path();
    std::error_code ec;
    if (!std::filesystem::is_directory(dataDirectory, ec)) {
        throw std::runtime_error("the data directory " + dataDirectory.string() +
                                 " does not exist or is not a directory");
    }
    ProcessStart(*engine, inputs);
    FormCreate(*engine, inputs);
    if (options.kind) engine->summary.displayKind = *options.kind;
    if (!SchoolDirectoryReadable(*engine)) {
        throw std::runtime_error("no school directory: " + SchoolNameFile(*engine) +
                                 " cannot be read");
    }
}

bool FinishPrinting(Session& session) {
    auto* pdf = dynamic_cast<PdfCanvas*>(session.engine->printer.get());
    if (!pdf) return true;
    if (pdf->InDocument()) pdf->EndDocument();
    if (!pdf->failed()) return true;
    std::cerr << "tev-cli: the PDF file could not be written: "
              << pdf->CurrentDocumentPath().string() << '\n';
    return false;
}

void PrintLines(const std::vector<std::string>& lines) {
    for (const auto& line : lines)
        std::cout << DisplayText(line) << '\n';
}

void PrintGridBlock(const StringGrid& grid, const std::string& name) {
    std::cout << "# " << (name.empty() ? grid.Name() : name) << '\n';
    for (int row = 0; row < grid.RowCount(); ++row) {
        std::string line;
        for (int col = 0; col < grid.ColCount(); ++col) {
            if (col > 0) line += ';';
            line += grid.Cells(col, row);
        }
        std::cout << DisplayText(line) << '\n';
    }
}

void PrintListBlock(const std::string& name, const std::vector<std::string>& lines) {
    std::cout << "# " << name << '\n';
    PrintLines(lines);
}

} // namespace tev::cli
