#pragma once
// The store of a summary run: for every cell of every table the number of schools with a
// value other than 0, the sum and the sum of squares. Cells are kept by table, row and
// column in dense rows, so adding a value costs two index steps whatever the office's size,
// and no cell is ever dropped.
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace tev {

struct SummaryCell {
    uint32_t n = 0;
    double sum = 0;
    double sumSquares = 0;
};

class SummaryStore {
public:
    static constexpr int kTables = 100;
    // Rows and columns beyond these are refused (a garbage file must not make us allocate).
    static constexpr int kMaxRows = 4096;
    static constexpr int kMaxCols = 256;

    // Adds a value other than 0 to the cell; false (and nothing added) outside the bounds.
    bool Add(int table, int row, int col, double value);
    // nullptr for a cell that never received a value.
    const SummaryCell* Find(int table, int row, int col) const;

    // Cells with at least one value.
    size_t CellCount() const { return cells_; }
    // Rows of the table that hold a cell (its highest row + 1), 0 for none.
    int RowCount(int table) const;
    int ColCount(int table, int row) const;

    // Every cell with a value, in the order of table, row and column.
    template <class Visit> void ForEach(Visit visit) const {
        for (int table = 0; table < kTables; ++table) {
            const auto& rows = tables_[table];
            for (size_t row = 0; row < rows.size(); ++row) {
                for (size_t col = 0; col < rows[row].size(); ++col) {
                    const SummaryCell& cell = rows[row][col];
                    if (cell.n > 0)
                        visit(table, static_cast<int>(row), static_cast<int>(col), cell);
                }
            }
        }
    }

private:
    std::array<std::vector<std::vector<SummaryCell>>, kTables> tables_;
    size_t cells_ = 0;
};

} // namespace tev
