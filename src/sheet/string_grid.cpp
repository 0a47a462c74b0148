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

void StringGrid::SetColCount(int count) {
    const int cols = std::clamp(count, 0, kMaxGridCols);
    if (cols == colCount_) return;
    colCount_ = cols;
    for (auto& row : rows_)
        row.resize(colCount_);
    colWidths_.resize(colCount_, kDefaultColWidth);
    fixedCols_ = std::min(fixedCols_, colCount_);
}

void StringGrid::SetRowCount(int count) {
    const int rows = std::clamp(count, 0, kMaxGridRows);
    if (rows == RowCount()) return;
    rows_.resize(rows, std::vector<std::string>(colCount_));
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
    if (row < 0 || row >= RowCount()) return {};
    return rows_[row];
}

std::vector<std::string> StringGrid::Col(int col) const {
    if (col < 0 || col >= colCount_) return {};
    std::vector<std::string> texts;
    texts.reserve(rows_.size());
    for (const auto& row : rows_)
        texts.push_back(row[col]);
    return texts;
}

void StringGrid::FillRow(int row, std::string_view text) {
    if (row < 0 || row >= RowCount()) return;
    auto items = rows_[row];
    FillItems(items, text);
    for (int c = 0; c < colCount_ && c < static_cast<int>(items.size()); ++c)
        rows_[row][c] = std::move(items[c]);
}

void StringGrid::FillCol(int col, std::string_view text) {
    if (col < 0 || col >= colCount_) return;
    auto items = Col(col);
    FillItems(items, text);
    for (int r = 0; r < RowCount() && r < static_cast<int>(items.size()); ++r)
        rows_[r][col] = std::move(items[r]);
}

bool StringGrid::IsBlank() const {
    for (const auto& row : rows_)
        for (const auto& cell : row)
            if (cell.find_first_not_of(' ') != std::string::npos) return false;
    return true;
}

void StringGrid::Clear() {
    for (auto& row : rows_)
        for (auto& cell : row)
            cell.clear();
}

bool StringGrid::InsertCol(int before) {
    if (before < 0 || before > colCount_ || colCount_ >= kMaxGridCols) return false;
    for (auto& row : rows_)
        row.insert(row.begin() + before, std::string());
    colWidths_.insert(colWidths_.begin() + before, kDefaultColWidth);
    ++colCount_;
    return true;
}

bool StringGrid::InsertRow(int before) {
    if (before < 0 || before > RowCount() || RowCount() >= kMaxGridRows) return false;
    rows_.insert(rows_.begin() + before, std::vector<std::string>(colCount_));
    rowHeights_.insert(rowHeights_.begin() + before, kDefaultRowHeight);
    return true;
}

void StringGrid::DeleteCols(int first, int last) {
    first = std::max(first, 0);
    last = std::min(last, colCount_ - 1);
    if (first > last) return;
    for (auto& row : rows_)
        row.erase(row.begin() + first, row.begin() + last + 1);
    colWidths_.erase(colWidths_.begin() + first, colWidths_.begin() + last + 1);
    colCount_ -= last - first + 1;
    fixedCols_ = std::min(fixedCols_, colCount_);
}

void StringGrid::DeleteRows(int first, int last) {
    first = std::max(first, 0);
    last = std::min(last, RowCount() - 1);
    if (first > last) return;
    rows_.erase(rows_.begin() + first, rows_.begin() + last + 1);
    rowHeights_.erase(rowHeights_.begin() + first, rowHeights_.begin() + last + 1);
    fixedRows_ = std::min(fixedRows_, RowCount());
}

int StringGrid::ColWidth(int col) const {
    return col >= 0 && col < colCount_ ? colWidths_[col] : kDefaultColWidth;
}

int StringGrid::RowHeight(int row) const {
    return row >= 0 && row < RowCount() ? rowHeights_[row] : kDefaultRowHeight;
}

void StringGrid::SetColWidth(int col, int width) {
    if (col >= 0 && col < colCount_) colWidths_[col] = ClampExtent(width);
}

void StringGrid::SetRowHeight(int row, int height) {
    if (row >= 0 && row < RowCount()) rowHeights_[row] = ClampExtent(height);
}

void StringGrid::ResetSizes() {
    std::fill(colWidths_.begin(), colWidths_.end(), kDefaultColWidth);
    std::fill(rowHeights_.begin(), rowHeights_.end(), kDefaultRowHeight);
}

} // namespace tev
