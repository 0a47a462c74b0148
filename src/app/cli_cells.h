#pragma once
// Tables and cells named on the command line ("2.1", column and row numbers).
#include "app/cli_session.h"
#include "sheet/string_grid.h"

#include <string>

namespace tev::cli {

// "2.1" names the grid SG21; anything else is a usage error.
std::string GridOfTable(const std::string& table);
// The loaded school's grid of the table.
StringGrid& FindGrid(Session& session, const std::string& table);
// A column or row number; `what` names it in the usage error.
int ReadCellNumber(const std::string& text, const char* what);
// A usage error unless (col, row) lies inside the table's grid.
void CheckCell(const StringGrid& grid, const std::string& table, int col, int row);

} // namespace tev::cli
