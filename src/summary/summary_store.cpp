#include "summary/summary_store.h"

namespace tev {

bool SummaryStore::Add(int table, int row, int col, double value) {
    if (table < 0 || table >= kTables || row < 0 || row >= kMaxRows || col < 0 || col >= kMaxCols)
        return false;
    auto& rows = tables_[table];
    if (static_cast<size_t>(row) >= rows.size()) rows.resize(row + 1);
    auto& cells = rows[row];
    if (static_cast<size_t>(col) >= cells.size()) cells.resize(col + 1);
    SummaryCell& cell = cells[col];
    if (cell.n == 0) ++cells_;
    ++cell.n;
    cell.sum += value;
    cell.sumSquares += value * value;
    return true;
}

const SummaryCell* SummaryStore::Find(int table, int row, int col) const {
    if (table < 0 || table >= kTables || row < 0 || col < 0) return nullptr;
    const auto& rows = tables_[table];
    if (static_cast<size_t>(row) >= rows.size()) return nullptr;
    const auto& cells = rows[row];
    if (static_cast<size_t>(col) >= cells.size() || cells[col].n == 0) return nullptr;
    return &cells[col];
}

int SummaryStore::RowCount(int table) const {
    return table >= 0 && table < kTables ? static_cast<int>(tables_[table].size()) : 0;
}

int SummaryStore::ColCount(int table, int row) const {
    if (row < 0 || row >= RowCount(table)) return 0;
    return static_cast<int>(tables_[table][row].size());
}

} // namespace tev
