#pragma once
// The row kinds (RowId 0..85) of the pupil tables 1.1 and 1.8 and the order in which they
// stand in the grid rows.
#include <string>

namespace tev {

inline constexpr int kRowIdCount = 86;
inline constexpr int kRowIdLabelWidth = 16;
// Rows 1..kPupilTableRows - 1 of tables 1.1 and 1.8 carry one RowId each.
inline constexpr int kPupilTableRows = 57;
// RowId 1..kLanguageRowIds are the foreign-language sequences.
inline constexpr int kLanguageRowIds = 35;

// The 16-character label of a RowId, in CP1252 (blanks for ids outside 0..85). Language
// sequences stand at position 1 (one language), 5 (two) or 9 (with a profile mark, which is
// at positions 14-15, a one-letter mark at 15).
const std::string& RowIdLabel(int rowId);

// The RowId of a grid row of tables 1.1/1.8 (0 for row 0 and rows outside the table).
int RowIdOfRow(int row);
// The grid row of a RowId, or -1 when tables 1.1/1.8 have no row for it.
int RowOfRowId(int rowId);

} // namespace tev
