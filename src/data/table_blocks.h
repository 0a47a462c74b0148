#pragma once
// A school's data set file read as plain text lines, for the reports that take rows straight
// from the file instead of loading the school into the sheet: the blocks of its tables are
// found by their header lines (".;41;" for table 4.1).
#include "shell/file_services.h"

#include <string>
#include <string_view>
#include <vector>

namespace tev {

class DataSetText {
public:
    DataSetText() = default;
    explicit DataSetText(std::vector<std::string> lines) : lines_(std::move(lines)) {}

    // Reads the file quietly; false (and no lines) when it is missing or unreadable. Overlong
    // lines are cut and the line count is bounded, so a garbage file cannot take all memory.
    // The texts come in the program's code page, as reports show and save them.
    bool Read(FileServices& files, const std::string& path);

    const std::vector<std::string>& lines() const { return lines_; }
    bool empty() const { return lines_.empty(); }

    // The header line of a table ("41" for table 4.1), -1 when the file has none.
    int FindBlock(std::string_view tableDigits) const;
    // The first line from `from` on that holds the text anywhere, -1 when none does.
    int FindLine(std::string_view text, int from = 0) const;
    // The data rows of the block whose header is at `header`: from the second line after it
    // (the heading row is left out) up to the next header line.
    std::vector<std::string> BlockRows(int header) const;
    // The same for a table, empty when the file has no block of it.
    std::vector<std::string> TableRows(std::string_view tableDigits) const;
    // The leading columns "Disch;Schulnamek;" of lines copied from the block: "04", the
    // school number and the short name of its header line.
    std::string RowPrefix(int header) const;
    // The same columns the other way round, "Schulnamek;Disch;", for the lists headed so.
    std::string NameFirstPrefix(int header) const;
    // The school number of the file's first table header, empty when it has none.
    std::string SchoolNumber() const;
    // The row of a table whose row number (its first field) is `number`, empty when none.
    std::string NumberedRow(std::string_view tableDigits, int number) const;
    // A data row's cell in column `col` (column 0 is the row's label), empty when missing.
    static std::string Cell(std::string_view row, int col);
    // Whether any cell from column `col` on holds something.
    static bool HasDataFrom(std::string_view row, int col);
    // The row of a block with this row number (the first field), nullptr when there is none.
    static const std::string* NumberedRow(const std::vector<std::string>& rows, int number);

private:
    std::vector<std::string> lines_;
};

} // namespace tev
