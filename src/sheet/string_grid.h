#pragma once
// The engine's grid: a named table of cell texts with fixed heading rows and columns, column
// widths and row heights in pixels, a hint and a tag. Cells are addressed (column, row).
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tev {

// No grid grows beyond these bounds, whatever a file or a caller asks for.
inline constexpr int kMaxGridCols = 200;
inline constexpr int kMaxGridRows = 1000;
// Widths and heights are kept within 0..kMaxCellExtent pixels.
inline constexpr int kMaxCellExtent = 10000;
inline constexpr int kDefaultColWidth = 64;
inline constexpr int kDefaultRowHeight = 24;

class StringGrid {
public:
    explicit StringGrid(std::string name = {}, int colCount = 5, int rowCount = 5);

    const std::string& Name() const { return name_; }
    void SetName(std::string name) { name_ = std::move(name); }

    int ColCount() const { return colCount_; }
    int RowCount() const { return rowCount_; }
    // Existing cells keep their texts; counts are clamped to 0..kMaxGridCols/kMaxGridRows.
    void SetColCount(int count);
    void SetRowCount(int count);

    int FixedCols() const { return fixedCols_; }
    int FixedRows() const { return fixedRows_; }
    // Clamped to 0..ColCount / 0..RowCount.
    void SetFixedCols(int count);
    void SetFixedRows(int count);

    // Outside the grid: reading gives an empty text, writing is ignored.
    const std::string& Cells(int col, int row) const {
        return Inside(col, row) ? At(col, row) : EmptyText();
    }
    void SetCells(int col, int row, std::string_view text) {
        if (!Inside(col, row)) return;
        // Most cells a file or a sum writes are empty, and emptying needs no call; a file's
        // headings mostly find the same text in place.
        std::string& cell = At(col, row);
        if (text.empty())
            cell.clear();
        else if (cell.size() != text.size() || std::string_view(cell) != text)
            Assign(cell, text);
    }

    std::vector<std::string> Row(int row) const;
    std::vector<std::string> Col(int col) const;
    // Overwrites a row or column from a separated text (see FillItems); fields beyond the
    // grid are dropped, cells the text does not reach keep their texts.
    void FillRow(int row, std::string_view text);
    void FillCol(int col, std::string_view text);

    // Empties every cell; the shape stays.
    void Clear();
    // True when no cell holds more than blanks.
    bool IsBlank() const;

    // An empty column or row before the given one (at the end for the count), with the
    // default size; false when the grid is at its bound or the place is outside.
    bool InsertCol(int before);
    bool InsertRow(int before);
    // Removes the columns or rows first..last (clipped to the grid); the fixed counts stay
    // within the new counts.
    void DeleteCols(int first, int last);
    void DeleteRows(int first, int last);

    int ColWidth(int col) const;
    int RowHeight(int row) const;
    void SetColWidth(int col, int width);
    void SetRowHeight(int row, int height);
    // Every column and row back to the default size.
    void ResetSizes();

    const std::string& Hint() const { return hint_; }
    void SetHint(std::string hint) { hint_ = std::move(hint); }
    int Tag() const { return tag_; }
    void SetTag(int tag) { tag_ = tag; }

private:
    // Cells and SetCells run for every cell a school's test reads or sums, so they stay inline.
    bool Inside(int col, int row) const {
        return col >= 0 && col < colCount_ && row >= 0 && row < rowCount_;
    }
    std::string& At(int col, int row) { return cells_[Index(col, row)]; }
    const std::string& At(int col, int row) const { return cells_[Index(col, row)]; }
    size_t Index(int col, int row) const {
        return static_cast<size_t>(row) * static_cast<size_t>(colCount_) + static_cast<size_t>(col);
    }
    // The cells laid out for another column count; old column c goes to column to(c), or
    // nowhere when that is outside.
    template <typename ColumnMap> void Relayout(int colCount, ColumnMap to);
    static const std::string& EmptyText();
    // Out of line: inlined, GCC 12 warns falsely about the copy (-Wstringop-overflow).
    static void Assign(std::string& cell, std::string_view text);

    std::string name_;
    int colCount_ = 0;
    int rowCount_ = 0;
    int fixedCols_ = 0;
    int fixedRows_ = 0;
    // Row by row in one block: a school's load, test and sums sweep every cell several times.
    std::vector<std::string> cells_;
    std::vector<int> colWidths_;
    std::vector<int> rowHeights_;
    std::string hint_;
    int tag_ = 0;
};

} // namespace tev
