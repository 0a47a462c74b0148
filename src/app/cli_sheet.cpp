#include "app/cli_sheet.h"

#include "app/cli_school.h"
#include "data/data_set_file.h"
#include "data/data_set_format.h"
#include "output/codepage.h"
#include "sheet/record_mapping.h"
#include "shell/school_loading.h"
#include "shell/school_selection.h"

#include <algorithm>
#include <charconv>
#include <iostream>
#include <sstream>

namespace tev::cli {
namespace {

// "2.1" names the grid SG21.
std::string GridOfTable(const std::string& table) {
    if (table.size() != 3 || table[1] != '.') throw UsageError{"no table \"" + table + "\""};
    return "SG" + table.substr(0, 1) + table.substr(2, 1);
}

StringGrid& FindGrid(Session& session, const std::string& table) {
    StringGrid* grid = session.engine->sheet.grids.Find(GridOfTable(table));
    if (!grid) throw UsageError{"no table \"" + table + "\""};
    return *grid;
}

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

int ReadCellNumber(const std::string& text, const char* what) {
    int value = 0;
    const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || ptr != text.data() + text.size() || value < 0) {
        throw UsageError{std::string(what) + " must be a number, not \"" + text + "\""};
    }
    return value;
}

} // namespace

int SheetCommand(Session& session, const Options& options) {
    if (options.arguments.empty()) throw UsageError{"sheet takes SCHOOL [TABLE...]"};
    LoadSchool(session, options.arguments[0]);
    const Sheet& sheet = session.engine->sheet;
    if (options.arguments.size() == 1) {
        for (const auto& name : BlockOrder(sheet.schoolYearCode)) {
            if (const StringGrid* grid = sheet.grids.Find(name)) PrintBlock(session, *grid);
        }
        return 0;
    }
    for (size_t i = 1; i < options.arguments.size(); ++i) {
        PrintBlock(session, FindGrid(session, options.arguments[i]));
    }
    return 0;
}

int EditCommand(Session& session, const Options& options) {
    std::vector<std::string> args = options.arguments;
    const bool save = !args.empty() && args[0] == "--save";
    if (save) args.erase(args.begin());
    if (args.size() < 5 || (args.size() - 1) % 4 != 0) {
        throw UsageError{"edit takes [--save] SCHOOL TABLE COL ROW TEXT [TABLE COL ROW TEXT ...]"};
    }
    LoadSchool(session, args[0]);
    Engine& engine = *session.engine;
    std::vector<const StringGrid*> edited;
    for (size_t i = 1; i < args.size(); i += 4) {
        StringGrid& grid = FindGrid(session, args[i]);
        const int col = ReadCellNumber(args[i + 1], "COL");
        const int row = ReadCellNumber(args[i + 2], "ROW");
        if (col >= grid.ColCount() || row >= grid.RowCount()) {
            throw UsageError{"cell (" + args[i + 1] + "," + args[i + 2] + ") is outside table " +
                             args[i]};
        }
        OnCellEdited(engine.sheet, grid, col, row, EngineTextFromUtf8(args[i + 3]));
        if (std::find(edited.begin(), edited.end(), &grid) == edited.end()) edited.push_back(&grid);
    }
    for (const StringGrid* grid : edited)
        PrintBlock(session, *grid);
    if (save && !SaveDataSet(engine, 0)) return 1;
    return 0;
}

} // namespace tev::cli
