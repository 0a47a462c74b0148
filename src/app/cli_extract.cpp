#include "app/cli_extract.h"

#include "app/cli_cells.h"
#include "app/cli_options.h"
#include "app/cli_school.h"
#include "output/codepage.h"
#include "sheet/sheet_extract.h"

#include <memory>

namespace tev::cli {
namespace {

struct ExtractArgs {
    std::string school;
    std::string table;
    std::string col;
    std::string row;
    std::string line;
    std::string criterion;
    std::optional<int> extra;
};

int ExtractCommand(Session& session, const ExtractArgs& args) {
    if (args.line != "row" && args.line != "column")
        throw UsageError{"the fifth argument is \"row\" or \"column\", not \"" + args.line + "\""};
    ExtractRequest request;
    request.grid = GridOfTable(args.table);
    request.col = ReadCellNumber(args.col, "COL");
    request.row = ReadCellNumber(args.row, "ROW");
    request.line = args.line == "row" ? ExtractLine::Row : ExtractLine::Column;
    request.extra = args.extra;
    request.criterion = EngineTextFromUtf8(args.criterion);
    LoadSchool(session, args.school);
    CheckCell(FindGrid(session, args.table), args.table, request.col, request.row);
    if (!MakeExtract(*session.engine, request)) return 1;
    PrintGridBlock(*session.engine->sheet.grids.Find("SG00"));
    return 0;
}

} // namespace

void AddExtractCommand(CommandRegistry& registry) {
    auto args = std::make_shared<ExtractArgs>();
    CLI::App& extract = registry.Add(
        "extract",
        "load the school and make the sheet's extract of a row or column of a table over a "
        "range of schools (the questions and the range come from --answer), printed as the "
        "grid block \"# SG00\"",
        [args](Session& session) { return ExtractCommand(session, *args); });
    extract.add_option("SCHOOL", args->school, "the six-digit school number")->required();
    extract.add_option("TABLE", args->table, "the table, e.g. 2.1")->required();
    extract.add_option("COL", args->col, "the column of the selected cell")->required();
    extract.add_option("ROW", args->row, "the row of the selected cell")->required();
    extract.add_option("LINE", args->line, "row or column: what is taken from each school")
        ->required();
    extract
        .add_option("CRITERION", args->criterion,
                    "the search condition a school must meet to be taken, e.g. \">0\" or \"*\"")
        ->required();
    extract.add_option("--extra", args->extra, "a further row or column taken as well");
}

} // namespace tev::cli
