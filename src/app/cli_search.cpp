#include "app/cli_search.h"

#include "app/cli_cells.h"
#include "app/cli_options.h"
#include "app/cli_school.h"
#include "output/codepage.h"
#include "sheet/sheet_search.h"

#include <iostream>
#include <memory>

namespace tev::cli {
namespace {

struct SearchArgs {
    std::string school;
    std::vector<std::string> rest; // TABLE COL ROW [COL2 ROW2] CRITERION
};

int SearchCommand(Session& session, const SearchArgs& args) {
    if (args.rest.size() != 4 && args.rest.size() != 6)
        throw UsageError{"search takes SCHOOL TABLE COL ROW [COL2 ROW2] CRITERION"};
    const std::string& table = args.rest[0];
    const std::string criterionText = EngineTextFromUtf8(args.rest.back());
    const auto criterion = ParseSearchCriterion(criterionText);
    if (!criterion) throw UsageError{"no search condition: \"" + args.rest.back() + "\""};
    LoadSchool(session, args.school);
    SearchArea area;
    area.grid = GridOfTable(table);
    area.fromCol = ReadCellNumber(args.rest[1], "COL");
    area.fromRow = ReadCellNumber(args.rest[2], "ROW");
    area.toCol = args.rest.size() == 6 ? ReadCellNumber(args.rest[3], "COL2") : area.fromCol;
    area.toRow = args.rest.size() == 6 ? ReadCellNumber(args.rest[4], "ROW2") : area.fromRow;
    const StringGrid& grid = FindGrid(session, table);
    CheckCell(grid, table, area.fromCol, area.fromRow);
    CheckCell(grid, table, area.toCol, area.toRow);

    Engine& engine = *session.engine;
    const int last = static_cast<int>(engine.schoolList.lines.size()) - 1;
    const int found = SearchNextSchool(engine, area, *criterion, engine.schoolList.itemIndex, last);
    if (found < 0) {
        std::cerr << "tev-cli: no school after " << args.school << " meets \"" << args.rest.back()
                  << "\" in table " << table << '\n';
        return 1;
    }
    PrintLines({engine.schoolList.lines[found]});
    return 0;
}

} // namespace

void AddSearchCommand(CommandRegistry& registry) {
    auto args = std::make_shared<SearchArgs>();
    CLI::App& search = registry.Add(
        "search",
        "load the school, then step through the following schools of the list as the sheet's "
        "search does, and print the list line of the first whose cells meet the condition; "
        "exit 1 when none does",
        [args](Session& session) { return SearchCommand(session, *args); });
    search.add_option("SCHOOL", args->school, "the six-digit number of the school to start at")
        ->required();
    search
        .add_option("ARGS", args->rest,
                    "TABLE COL ROW [COL2 ROW2] CRITERION: the table (e.g. 2.1), the \"von\" "
                    "cell, the \"bis\" cell (the \"von\" cell when left out), and the "
                    "condition: \">n\", \"=n\", \"<n\", \"a..e\", \"\\a..e\" (outside), \"*\" "
                    "(every school) or a text the cell contains")
        ->required();
}

} // namespace tev::cli
