#pragma once
// How the grid tool reads cells as numbers and writes what it computes. Cells of report tables
// hold whole numbers, decimal commas and halves ("12", "27,5", "3½"), often padded with blanks.
#include <string>
#include <string_view>

namespace tev {

// Nothing or blanks only: such a cell takes part in no result.
bool IsBlankCell(std::string_view text);
// The leading number of a cell: blanks, a sign, digits, a decimal comma or point and a "½";
// a cell that does not start with a number counts 0 ("12,5" 12.5, "1½" 1.5, "x" 0).
double CellValue(std::string_view text);
// A computed value with a decimal comma and at most that many decimals, whole numbers without
// any ("12", "3,5", "0,33"); empty for a value that is not a number (a division by zero).
std::string ResultText(double value, int decimals = 2);

} // namespace tev
