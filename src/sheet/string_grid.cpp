#include "sheet/string_grid.h"

#include "output/text_routines.h"

#include <algorithm>

namespace tev {
namespace {

const std::string kEmpty;

int ClampExtent(int pixels) {
    return std::clamp(pixels, 0, kMaxCellExtent);
}

} // namespace

StringGrid::StringGrid(std::string name, int colCount, int rowCount) : name_(std::move(name)) {
    SetColCount(colCount);
    SetRowCount(rowCount);
    SetFixedCols(1);
    SetFixedRows(1);
}

template <typename ColumnMap> void StringGrid::Relayout(int colCount, ColumnMap to) {
    std::vector<std::string> moved(static_cast<size_t>(rowCount_) * static_cast<size_t>(colCount));
    for (int row = 0; row < rowCount_; ++row) {
        for (int col = 0; col < colCount_; ++col) {
            const int target = to(col);
            if (target < 0 || target >= colCount) continue;
            moved[static_cast<size_t>(row) * static_cast<size_t>(colCount) +
                  static_cast<size_t>(target)] = std::move(At(col, row));
        }
    }
    cells_ = std::move(moved);
    colCount_ = colCount;
}

void StringGrid::SetColCount(int count) {
    const int cols = std::clamp(count, 0, kMaxGridCols);
    if (cols == colCount_) return;
    Relayout(cols, [](int col) { return col; });
    colWidths_.resize(colCount_, kDefaultColWidth);
    fixedCols_ = std::min(fixedCols_, colCount_);
}

void StringGrid::SetRowCount(int count) {
    const int rows = std::clamp(count, 0, kMaxGridRows);
    if (rows == rowCount_) return;
    rowCount_ = rows;
    cells_.resize(static_cast<size_t>(rows) * static_cast<size_t>(colCount_));
    rowHeights_.resize(rows, kDefaultRowHeight);
    fixedRows_ = std::min(fixedRows_, rows);
}

void StringGrid::SetFixedCols(int count) {
    fixedCols_ = std::clamp(count, 0, colCount_);
}

void StringGrid::SetFixedRows(int count) {
    fixedRows_ = std::clamp(count, 0, RowCount());
}

void StringGrid::Assign(std::string& cell, std::string_view text) {
    cell = text;
}

const std::string& StringGrid::EmptyText() {
    return kEmpty;
}

std::vector<std::string> StringGrid::Row(int row) const {
    if (row < 0 || row >= rowCount_) return {};
    const auto first = cells_.begin() + static_cast<std::ptrdiff_t>(Index(0, row));
    return {first, first + colCount_};
}

std::vector<std::string> StringGrid::Col(int col) const {
    if (col < 0 || col >= colCount_) return {};
    std::vector<std::string> texts;
    texts.reserve(rowCount_);
    for (int row = 0; row < rowCount_; ++row)
        texts.push_back(At(col, row));
    return texts;
}

void StringGrid::FillRow(int row, std::string_view text) {
    if (row < 0 || row >= rowCount_) return;
    auto items = Row(row);
    FillItems(items, text);
    for (int c = 0; c < colCount_ && c < static_cast<int>(items.size()); ++c)
        At(c, row) = std::move(items[c]);
}

void StringGrid::FillCol(int col, std::string_view text) {
    if (col < 0 || col >= colCount_) return;
    auto items = Col(col);
    FillItems(items, text);
    for (int r = 0; r < rowCount_ && r < static_cast<int>(items.size()); ++r)
        At(col, r) = std::move(items[r]);
}

bool StringGrid::IsBlank() const {
    return std::all_of(cells_.begin(), cells_.end(), [](const std::string& cell) {
        return cell.find_first_not_of(' ') == std::string::npos;
    });
}

void StringGrid::Clear() {
    for (auto& cell : cells_)
        cell.clear();
}

bool StringGrid::InsertCol(int before) {
    if (before < 0 || before > colCount_ || colCount_ >= kMaxGridCols) return false;
    Relayout(colCount_ + 1, [before](int col) { return col < before ? col : col + 1; });
    colWidths_.insert(colWidths_.begin() + before, kDefaultColWidth);
    return true;
}

bool StringGrid::InsertRow(int before) {
    if (before < 0 || before > rowCount_ || rowCount_ >= kMaxGridRows) return false;
    cells_.insert(cells_.begin() + static_cast<std::ptrdiff_t>(Index(0, before)), colCount_,
                  std::string());
    rowHeights_.insert(rowHeights_.begin() + before, kDefaultRowHeight);
    ++rowCount_;
    return true;
}

void StringGrid::DeleteCols(int first, int last) {
    first = std::max(first, 0);
    last = std::min(last, colCount_ - 1);
    if (first > last) return;
    const int removed = last - first + 1;
    Relayout(colCount_ - removed, [first, last, removed](int col) {
        return col < first ? col : col > last ? col - removed : -1;
    });
    colWidths_.erase(colWidths_.begin() + first, colWidths_.begin() + last + 1);
    fixedCols_ = std::min(fixedCols_, colCount_);
}

void StringGrid::DeleteRows(int first, int last) {
    first = std::max(first, 0);
    last = std::min(last, rowCount_ - 1);
    if (first > last) return;
    cells_.erase(cells_.begin() + static_cast<std::ptrdiff_t>(Index(0, first)),
                 cells_.begin() + static_cast<std::ptrdiff_t>(Index(0, last + 1)));
    rowHeights_.erase(rowHeights_.begin() + first, rowHeights_.begin() + last + 1);
    rowCount_ -= last - first + 1;
    fixedRows_ = std::min(fixedRows_, rowCount_);
}

int StringGrid::ColWidth(int col) const {
    return col >= 0 && col < colCount_ ? colWidths_[col] : kDefaultColWidth;
}

int StringGrid::RowHeight(int row) const {
    return row >= 0 && row < rowCount_ ? rowHeights_[row] : kDefaultRowHeight;
}

void StringGrid::SetColWidth(int col, int width) {
    if (col >= 0 && col < colCount_) colWidths_[col] = ClampExtent(width);
}

void StringGrid::SetRowHeight(int row, int height) {
    if (row >= 0 && row < rowCount_) rowHeights_[row] = ClampExtent(height);
}

void StringGrid::ResetSizes() {
    std::fill(colWidths_.begin(), colWidths_.end(), kDefaultColWidth);
    std::fill(rowHeights_.begin(), rowHeights_.end(), kDefaultRowHeight);
}

} // namespace tev
