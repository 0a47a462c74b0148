#pragma once
// The nationality panel of table 2.3: the list "stal_Nat.def", adding a nationality to the
// table (double click or drag from the list) and taking a row back (drag onto the list).
#include "shell/engine.h"

#include <string>
#include <string_view>
#include <vector>

namespace tev {

// Reads "stal_Nat.def" of the data directory into the sheet window's list; without the file
// the list stays empty.
void LoadNationalityList(Engine& engine);

// The number at the start of a list line or table cell, -1 when there is none.
int NationalityCode(std::string_view line);

// Why a code may not be entered in the school year, empty when it may.
std::string NationalityRefusal(int code, std::string_view line, int schoolYearCode);

// Adds the nationality of a list line ("nnn Name") to table 2.3 at its place by code: 133
// becomes "170 Serbien", a code the table has already changes nothing, a refused code is
// answered with its message. True when a row was added.
bool AddNationality(Engine& engine, const std::string& line);

struct DragBackCheck {
    bool allowed = false;
    std::string refusal; // shown when the drag is refused, engine text
};
// A nationality row of table 2.3 can be taken back only while it has no pupils; the refusal
// names the row when the mouse was pressed on its code or name.
DragBackCheck CheckNationalityDragBack(const Sheet& sheet, int col, int row);
// Deletes the row (rows below move up) when CheckNationalityDragBack allows it.
bool RemoveNationality(Sheet& sheet, int row);

// The tabs "Eur" .. "Austr" (0..4): the first list line whose code starts with 1 + tab, -1
// when there is none.
int NationalityTabItem(const std::vector<std::string>& lines, int tab);
// How many 200-pixel columns the widened panel gets beside a table of gridWidth pixels.
int NationalityPanelColumns(int availableWidth, int gridWidth);

} // namespace tev
