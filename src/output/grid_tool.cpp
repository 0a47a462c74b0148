#include "output/grid_tool.h"

#include "shell/engine.h"

#include <algorithm>

namespace tev {
namespace {

GridCell Inside(const StringGrid& grid, GridCell cell) {
    if (cell.col >= grid.ColCount() || cell.row >= grid.RowCount()) return {};
    return cell;
}

} // namespace

GridTool::GridTool(StringGrid table, std::string caption, std::string file)
    : grid(std::move(table)), title(std::move(caption)), fileName(std::move(file)) {
    current = {grid.FixedCols(), grid.FixedRows()};
    KeepCellsInside();
}

void GridTool::Remember() {
    remembered2 = remembered;
    remembered = current;
}

void GridTool::KeepCellsInside() {
    current.col = std::clamp(current.col, 0, std::max(grid.ColCount() - 1, 0));
    current.row = std::clamp(current.row, 0, std::max(grid.RowCount() - 1, 0));
    remembered = Inside(grid, remembered);
    remembered2 = Inside(grid, remembered2);
}

bool ReworkInGridTool(Engine& engine, StringGrid& grid, const std::string& title,
                      const std::string& fileName) {
    GridTool tool(grid, title, fileName);
    if (!engine.ui().ShowGridTool(tool)) return false;
    grid = std::move(tool.grid);
    return true;
}

} // namespace tev
