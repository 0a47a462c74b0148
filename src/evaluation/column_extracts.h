#pragma once
// The column extracts of fixed tables (working groups, course sizes, courses of the final
// years, Abitur averages): a definition presets the sheet's column extract, which runs over
// the chosen schools with its total row and is saved as a file named after the definition.
#include "shell/engine.h"

#include <optional>
#include <string>
#include <vector>

namespace tev {

struct ColumnExtractDefinition {
    std::string grid;  // "SG71"
    std::string label; // "Kursgrößen"
    int col = 0;       // the column extracted
    int row = 0;       // the first row of the range
    bool nextColumnToo = false;
};

// The definition texts offered, in the program's code page.
std::vector<std::string> ColumnExtractTexts();
// "7.1 Kursgrößen  0201 02-1 0201 S  ": the table and the label (16 characters), the first range
// field as column and row, and the last flag "2" taking the following column as well.
std::optional<ColumnExtractDefinition> ParseColumnExtract(const std::string& text);
// "__Kursgroessen_71.csv": the table's digits keep 8.1 and 8.2 of the same label apart.
std::string ColumnExtractFileName(const ColumnExtractDefinition& definition);

void SpaltenAuszge1Click(Engine& engine);

} // namespace tev
