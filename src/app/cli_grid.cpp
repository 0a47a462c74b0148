#include "app/cli_grid.h"

#include "app/cli_options.h"
#include "output/codepage.h"
#include "output/grid_tool_csv.h"
#include "output/grid_tool_script.h"
#include "output/save_files.h"
#include "output/text_routines.h"

#include <iostream>
#include <memory>
#include <vector>

namespace tev::cli {
namespace {

constexpr std::string_view kSave = "save:";
const char* const kStdout = "-";

struct GridArgs {
    std::string file;
    std::vector<std::string> operations;
    std::string out;
};

struct PendingSave {
    std::string name;
    StringGrid grid;
};

std::string Footer() {
    return "OPERATIONS (applied in order; columns and rows count from 1, row 1 is the file's "
           "first line;\n"
           "the first row and column are headings unless fixed-rows/fixed-cols say otherwise; "
           "computed\n"
           "rows go below the table):\n" +
           GridOperationsHelp() +
           "  save:NAME                the table as it stands at this point, also saved as NAME\n"
           "                           (\".csv\" added when NAME has no \".\")\n"
           "\nThe file is read as the program writes it (Windows code page, \";\", CR LF). A file "
           "that starts\n"
           "with the UTF-8 byte order mark, or that is UTF-8 with characters beyond ASCII, is "
           "read as UTF-8\n"
           "and written back as UTF-8. Nothing is written when an operation fails.";
}

bool Write(const std::string& path, const StringGrid& grid, CsvEncoding encoding) {
    const std::string problem = SaveGridCsvFile(path, grid, encoding);
    if (problem.empty()) return true;
    std::cerr << "tev-cli: cannot write " << path << " (" << DisplayText(problem) << ")\n";
    return false;
}

int RunGrid(const GridArgs& args) {
    StringGrid grid("SG", 0, 0);
    CsvEncoding encoding = CsvEncoding::WindowsCodePage;
    std::string error;
    if (!LoadGridCsvFile(args.file, grid, encoding, error)) {
        std::cerr << "tev-cli: " << error << '\n';
        return 1;
    }
    GridTool tool(std::move(grid), "", args.file);
    std::vector<PendingSave> saves;
    for (size_t i = 0; i < args.operations.size(); ++i) {
        const std::string& typed = args.operations[i];
        const std::string operation = EngineTextFromUtf8(typed);
        if (operation.rfind(kSave, 0) == 0) {
            const std::string name = SimpleCsvName(operation.substr(kSave.size()));
            if (name.empty()) throw UsageError{"save: needs a file name"};
            saves.push_back({name, tool.grid});
            continue;
        }
        if (!ApplyGridOperation(tool, operation, error)) {
            throw UsageError{"operation " + std::to_string(i + 1) + " \"" + typed +
                             "\": " + DisplayText(error) + "; nothing written"};
        }
    }
    for (const PendingSave& save : saves)
        if (!Write(save.name, save.grid, encoding)) return 1;
    if (args.out == kStdout) {
        const std::string text = GridCsvText(tool.grid, "");
        std::cout << DisplayText(ReplaceAll(text, "\r\n", "\n"));
        return 0;
    }
    return Write(args.out.empty() ? args.file : args.out, tool.grid, encoding) ? 0 : 1;
}

} // namespace

void AddGridCommand(CommandRegistry& registry) {
    auto args = std::make_shared<GridArgs>();
    CLI::App& grid = registry.AddPlain(
        "grid", "the grid tool's operations on a CSV file; the result replaces the file",
        [args] { return RunGrid(*args); });
    grid.add_option("FILE", args->file, "the CSV file (\";\" separated)")->required();
    grid.add_option("OPERATION", args->operations, "the operations, see below")->required();
    grid.add_option("--out", args->out, "write the result to FILE instead (\"-\": to stdout)")
        ->type_name("FILE");
    grid.footer(Footer());
}

} // namespace tev::cli
