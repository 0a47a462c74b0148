#include "app/cli_sheet.h"

#include "app/cli_cells.h"
#include "app/cli_school.h"
#include "data/data_set_file.h"
#include "data/data_set_format.h"
#include "output/codepage.h"
#include "sheet/record_mapping.h"
#include "shell/school_loading.h"
#include "shell/school_selection.h"

#include <algorithm>
#include <iostream>
#include <memory>
#include <sstream>

namespace tev::cli {
namespace {

void PrintBlock(Session& session, const StringGrid& grid) {
    std::ostringstream block;
    WriteBlock(grid, session.engine->sheet.header, block);
    std::string text = block.str();
    std::string line;
    for (char c : text) {
        if (c == '\r') continue;
        if (c == '\n') {
            std::cout << DisplayText(line) << '\n';
            line.clear();
        } else {
            line += c;
        }
    }
}

struct SheetArgs {
    std::string school;
    std::vector<std::string> tables;
};

int SheetCommand(Session& session, const SheetArgs& args) {
    LoadSchool(session, args.school);
    const Sheet& sheet = session.engine->sheet;
    if (args.tables.empty()) {
        for (const auto& name : BlockOrder(sheet.schoolYearCode)) {
            if (const StringGrid* grid = sheet.grids.Find(name)) PrintBlock(session, *grid);
        }
        return 0;
    }
    for (const auto& table : args.tables)
        PrintBlock(session, FindGrid(session, table));
    return 0;
}

struct EditArgs {
    bool save = false;
    std::string school;
    std::vector<std::string> edits; // TABLE COL ROW TEXT, repeated
};

int EditCommand(Session& session, const EditArgs& args) {
    if (args.edits.empty() || args.edits.size() % 4 != 0) {
        throw UsageError{"edit takes [--save] SCHOOL TABLE COL ROW TEXT [TABLE COL ROW TEXT ...]"};
    }
    LoadSchool(session, args.school);
    Engine& engine = *session.engine;
    std::vector<const StringGrid*> edited;
    for (size_t i = 0; i < args.edits.size(); i += 4) {
        StringGrid& grid = FindGrid(session, args.edits[i]);
        const int col = ReadCellNumber(args.edits[i + 1], "COL");
        const int row = ReadCellNumber(args.edits[i + 2], "ROW");
        CheckCell(grid, args.edits[i], col, row);
        OnCellEdited(engine.sheet, grid, col, row, EngineTextFromUtf8(args.edits[i + 3]));
        if (std::find(edited.begin(), edited.end(), &grid) == edited.end()) edited.push_back(&grid);
    }
    for (const StringGrid* grid : edited)
        PrintBlock(session, *grid);
    if (args.save && !SaveDataSet(engine, 0)) return 1;
    return 0;
}

} // namespace

void AddSheetCommands(CommandRegistry& registry) {
    auto sheetArgs = std::make_shared<SheetArgs>();
    CLI::App& sheet = registry.Add(
        "sheet",
        "load the school as a click in the school list does and print the named tables (all "
        "when none), each as the block the data set file holds",
        [sheetArgs](Session& session) { return SheetCommand(session, *sheetArgs); });
    sheet.add_option("SCHOOL", sheetArgs->school, "the six-digit school number")->required();
    sheet.add_option("TABLE", sheetArgs->tables, "tables such as 1.1 or 9.1");

    auto editArgs = std::make_shared<EditArgs>();
    CLI::App& edit = registry.Add(
        "edit",
        "load the school, type each TEXT into its cell as the user would (the table's sums "
        "follow) and print the edited tables as blocks",
        [editArgs](Session& session) { return EditCommand(session, *editArgs); });
    edit.add_flag("--save", editArgs->save,
                  "save the data set afterwards, as the sheet's Save button does");
    edit.add_option("SCHOOL", editArgs->school, "the six-digit school number")->required();
    edit.add_option("EDITS", editArgs->edits,
                    "TABLE COL ROW TEXT, repeated: the table (e.g. 2.1), the cell's column and "
                    "row, and the text typed into it")
        ->required();
}

} // namespace tev::cli
