#include "data/table_blocks.h"

#include "output/text_routines.h"
#include "shell/line_reader.h"

#include <algorithm>
#include <fstream>

namespace tev {
namespace {

bool StartsWith(std::string_view text, std::string_view start) {
    return text.substr(0, start.size()) == start;
}

bool IsBlockStart(std::string_view line) {
    return StartsWith(line, ".;");
}

} // namespace

bool DataSetText::Read(FileServices& files, const std::string& path) {
    lines_.clear();
    std::ifstream in;
    if (!files.OpenForReading("-" + path, in)) return false;
    LineReader reader(in);
    std::string line;
    while (lines_.size() < kMaxListFileLines && reader.Next(line))
        lines_.push_back(DosToWindowsText(line));
    return true;
}

int DataSetText::FindBlock(std::string_view tableDigits) const {
    const std::string marker = ".;" + std::string(tableDigits) + ";";
    for (size_t i = 0; i < lines_.size(); ++i) {
        if (StartsWith(lines_[i], marker)) return static_cast<int>(i);
    }
    return -1;
}

int DataSetText::FindLine(std::string_view text, int from) const {
    for (size_t i = static_cast<size_t>(std::max(0, from)); i < lines_.size(); ++i) {
        if (lines_[i].find(text) != std::string::npos) return static_cast<int>(i);
    }
    return -1;
}

std::vector<std::string> DataSetText::BlockRows(int header) const {
    std::vector<std::string> rows;
    if (header < 0) return rows;
    for (size_t i = static_cast<size_t>(header) + 2; i < lines_.size(); ++i) {
        if (IsBlockStart(lines_[i])) break;
        rows.push_back(lines_[i]);
    }
    return rows;
}

std::vector<std::string> DataSetText::TableRows(std::string_view tableDigits) const {
    return BlockRows(FindBlock(tableDigits));
}

std::string DataSetText::RowPrefix(int header) const {
    if (header < 0 || header >= static_cast<int>(lines_.size())) return "04;;";
    const std::string& line = lines_[static_cast<size_t>(header)];
    return "04" + Trim(FieldAt(line, 3)) + ";" + TrimRight(FieldAt(line, 5)) + ";";
}

std::string DataSetText::NameFirstPrefix(int header) const {
    const std::string prefix = RowPrefix(header);
    return FieldAt(prefix, 2) + ";" + FieldAt(prefix, 1) + ";";
}

std::string DataSetText::SchoolNumber() const {
    for (const auto& line : lines_) {
        if (IsBlockStart(line)) return Trim(FieldAt(line, 3));
    }
    return {};
}

std::string DataSetText::NumberedRow(std::string_view tableDigits, int number) const {
    const auto rows = TableRows(tableDigits);
    const std::string* row = NumberedRow(rows, number);
    return row ? *row : std::string();
}

std::string DataSetText::Cell(std::string_view row, int col) {
    // Field 1 is the row number, field 2 column 0.
    return Trim(FieldAt(row, col + 2));
}

bool DataSetText::HasDataFrom(std::string_view row, int col) {
    const auto fields = SplitFields(row);
    for (size_t i = static_cast<size_t>(std::max(0, col)) + 1; i < fields.size(); ++i) {
        if (!Trim(fields[i]).empty()) return true;
    }
    return false;
}

const std::string* DataSetText::NumberedRow(const std::vector<std::string>& rows, int number) {
    for (const auto& row : rows) {
        const std::string first = Trim(FieldAt(row, 1));
        if (!first.empty() && ParseInt(first) == number) return &row;
    }
    return nullptr;
}

} // namespace tev
