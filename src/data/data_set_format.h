#pragma once
// The text form of a data set file: table blocks of one header line and one data line per
// grid row, cells separated by ";".
#include "data/school_header.h"
#include "sheet/sheet_grids.h"

#include <istream>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace tev {

// Row numbers at or above this are refused when reading: a file must not make us allocate.
inline constexpr int kMaxDataSetRow = 1000;

// The grids of a data set file in the order of the school year (SG92 is never stored).
std::vector<std::string> BlockOrder(int schoolYearCode);

std::string HeaderLine(const std::string& gridName, const SchoolHeader& header);
// The row number in two places, then the trimmed cell texts from column 0 on.
std::string DataLine(const StringGrid& grid, int row);
void WriteBlock(const StringGrid& grid, const SchoolHeader& header, std::ostream& out);

// The conversions of files written on the form of 1997 (FormYear 97): A moves every cell of
// tables 2.3 and 3.1 one column to the right; B widens table 7.2 by two columns after the
// first and drops its row 18 and its field 15.
enum class FormConversion { None, A, B };
FormConversion ConversionFor(int formYear, int tableNumber);

// A header line (".;21;123456;2016/17;Kurzname").
struct BlockHeader {
    int table = -1;          // characters 3 and 4; -1 when they are no two digits
    std::string tableDigits; // characters 3 and 4 as written
    std::string schoolNumber;
    std::string yearText; // a ":" in place of the year's sixth character reads as "0"
    int formYear = 0;     // characters 15 and 16
};
bool IsHeaderLine(std::string_view line);
BlockHeader ReadHeaderLine(std::string_view line);

// A data line cut at ";" into its row number and the views of its cells from column 0 on,
// with the block's conversion applied. False for a line without ";" and for a row the
// conversion drops.
bool SplitDataLine(std::string_view line, FormConversion conversion, int& row,
                   std::vector<std::string_view>& cells);

struct DataSetReadOptions {
    // Import of exchange files: blocks of the tables 1.x, 5.x and 6.x are refused.
    bool import = false;
    // Named in messages.
    std::string fileName;
    // Regime 1 lists the course subjects in a fixed order of its own.
    int courseRegime = 3;
};

struct DataSetReadResult {
    int storedLines = 0;
    // A block header named the form of 1997.
    bool form1997 = false;
    // Messages for the user: refused blocks, refused rows, cut lines.
    std::vector<std::string> messages;
};

// Reads the blocks into the grids; the header takes school number and year of the blocks.
DataSetReadResult ReadDataSet(std::istream& in, SheetGrids& grids, SchoolHeader& header,
                              const DataSetReadOptions& options);

} // namespace tev
