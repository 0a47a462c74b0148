#include "support/test_support.h"

#include <algorithm>
#include <fstream>
#include <random>
#include <sstream>

namespace tev::test {
namespace {

void Put(std::string& line, size_t position, const std::string& text, size_t length) {
    std::string field = text.substr(0, length);
    field.resize(length, ' ');
    if (line.size() < position - 1 + length) line.resize(position - 1 + length, ' ');
    line.replace(position - 1, length, field);
}

} // namespace

StringGrid GridFromLines(const std::vector<std::string>& lines) {
    size_t cols = 0;
    for (const auto& line : lines)
        cols = std::max(cols, static_cast<size_t>(std::count(line.begin(), line.end(), ';')) + 1);
    StringGrid grid("SG", static_cast<int>(cols), static_cast<int>(lines.size()));
    for (size_t row = 0; row < lines.size(); ++row) {
        std::stringstream fields(lines[row]);
        std::string cell;
        for (int col = 0; std::getline(fields, cell, ';'); ++col)
            grid.SetCells(col, static_cast<int>(row), cell);
    }
    return grid;
}

std::vector<std::string> GridLines(const StringGrid& grid) {
    std::vector<std::string> lines;
    for (int row = 0; row < grid.RowCount(); ++row) {
        std::string line;
        for (int col = 0; col < grid.ColCount(); ++col)
            line += (col > 0 ? ";" : "") + grid.Cells(col, row);
        lines.push_back(line);
    }
    return lines;
}

TempDir::TempDir() {
    std::random_device random;
    const auto base = std::filesystem::temp_directory_path();
    for (;;) {
        path_ = base / ("tev-test-" + std::to_string(random()));
        if (std::filesystem::create_directory(path_)) break;
    }
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

void WriteFile(const std::filesystem::path& file, const std::string& bytes) {
    std::filesystem::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << bytes;
}

std::string ReadFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string DosLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines)
        text += line + "\r\n";
    return text;
}

std::string SchoolNameLine::Text() const {
    std::string line;
    Put(line, 1, status, 2);
    Put(line, 3, number, 6);
    Put(line, 9, shortName, 16);
    Put(line, 25, district, 6);
    Put(line, 31, name, 30);
    Put(line, 61, place, 16);
    Put(line, 77, "x", 1);
    Put(line, 78, regional, 6);
    Put(line, 84, std::string(1, track), 1);
    Put(line, 185, postcode, 5);
    if (!tail.empty()) Put(line, 215, tail, 20);
    return line;
}

} // namespace tev::test
