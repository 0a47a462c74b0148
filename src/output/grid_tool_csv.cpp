#include "output/grid_tool_csv.h"

#include "output/codepage.h"
#include "output/save_files.h"
#include "output/text_routines.h"
#include "shell/durable_file.h"

#include <algorithm>
#include <vector>

namespace tev {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr char kDosEndMark = '\x1A';

std::vector<std::string_view> Lines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    return lines;
}

} // namespace

bool ReadGridCsv(std::string_view bytes, StringGrid& grid, CsvEncoding& encoding,
                 std::string& error) {
    CsvEncoding found = CsvEncoding::WindowsCodePage;
    if (bytes.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
        bytes.remove_prefix(kByteOrderMark.size());
        found = CsvEncoding::Utf8WithMark;
    } else if (LooksLikeUtf8(bytes)) {
        found = CsvEncoding::Utf8;
    }
    bytes = bytes.substr(0, bytes.find(kDosEndMark));
    const std::vector<std::string_view> lines = Lines(bytes);
    if (lines.size() > static_cast<size_t>(kMaxGridRows)) {
        error = std::to_string(lines.size()) + " lines; a table holds at most " +
                std::to_string(kMaxGridRows);
        return false;
    }
    std::vector<std::vector<std::string>> rows;
    size_t cols = 0;
    for (size_t i = 0; i < lines.size(); ++i) {
        std::string line(lines[i]);
        if (found != CsvEncoding::WindowsCodePage) {
            line = Win(lines[i]);
            if (Utf8FromWin(line) != lines[i]) {
                error = "line " + std::to_string(i + 1) +
                        ": a character that the Windows code page (CP1252) does not have";
                return false;
            }
        }
        rows.push_back(SplitFields(line));
        cols = std::max(cols, rows.back().size());
        if (cols > static_cast<size_t>(kMaxGridCols)) {
            error = "line " + std::to_string(i + 1) + ": more than " +
                    std::to_string(kMaxGridCols) + " fields";
            return false;
        }
    }
    StringGrid read(grid.Name(), static_cast<int>(cols), static_cast<int>(rows.size()));
    for (size_t row = 0; row < rows.size(); ++row)
        for (size_t col = 0; col < rows[row].size(); ++col)
            read.SetCells(static_cast<int>(col), static_cast<int>(row), rows[row][col]);
    grid = std::move(read);
    encoding = found;
    return true;
}

bool LoadGridCsvFile(const std::string& path, StringGrid& grid, CsvEncoding& encoding,
                     std::string& error) {
    const FileBytes file = ReadWholeFile(RealDisk(), path, kMaxGridCsvBytes);
    if (!file.ok) {
        error = "cannot read " + path + " (" + file.problem + ")";
        return false;
    }
    return ReadGridCsv(file.bytes, grid, encoding, error);
}

std::string GridCsvBytes(const StringGrid& grid, CsvEncoding encoding) {
    const std::string text = GridCsvText(grid, "");
    switch (encoding) {
    case CsvEncoding::WindowsCodePage:
        return text;
    case CsvEncoding::Utf8:
        return Utf8FromWin(text);
    case CsvEncoding::Utf8WithMark:
        return std::string(kByteOrderMark) + Utf8FromWin(text);
    }
    return text;
}

std::string SaveGridCsvFile(const std::string& path, const StringGrid& grid, CsvEncoding encoding) {
    return ReplaceWholeFile(RealDisk(), path, GridCsvBytes(grid, encoding));
}

} // namespace tev
