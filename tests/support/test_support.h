#pragma once
// Small helpers shared by the tests: temporary folders, files, school-name lines and grids.
#include "sheet/string_grid.h"

#include <filesystem>
#include <string>
#include <vector>

namespace tev::test {

// A fresh folder below the system's temporary folder, removed with everything in it.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // The folder as a data directory text, ending with "/".
    std::string dir() const { return path_.string() + "/"; }

private:
    std::filesystem::path path_;
};

void WriteFile(const std::filesystem::path& file, const std::string& bytes);
std::string ReadFile(const std::filesystem::path& file);
// Lines joined with CR LF (and a final CR LF).
std::string DosLines(const std::vector<std::string>& lines);

// A grid from ";"-separated lines, as wide as the widest line (one fixed row and column).
StringGrid GridFromLines(const std::vector<std::string>& lines);
// Every row's cells joined by ";".
std::vector<std::string> GridLines(const StringGrid& grid);

// One line of "schulnam.dat" with its fields at their fixed columns.
struct SchoolNameLine {
    std::string status = "00";
    std::string number = "112233";
    std::string shortName = "Muster-Gym";
    std::string district = "Bez1";
    std::string name = "Mustergymnasium";
    std::string place = "Musterstadt";
    std::string regional = "111801";
    char track = ';';
    std::string postcode = "70173";
    std::string tail = "";
    std::string Text() const;
};

} // namespace tev::test
