#pragma once
// Printing a list of text lines: the output box, the school list and every other list box.
#include "shell/engine.h"

#include <string>
#include <vector>

namespace tev {

// The font of a list print: above 256 "Arial", 1..256 "Courier New", below 1 "MS LineDraw".
std::string ListFontName(int fontCode);

// Prints the lines under the title; true when printed.
// Title codes, in this order: code 0, 0xFE, a file name and code 0 (save the lines there
// first; repeatable); "_" (half a line more after every fifth line); "\" (continue the open
// document: no dialog, no header) or "-" (a new document without dialog); otherwise the
// dialog "wirklich drucken;speichern als *.txt;speichern+drucken;anschauen", with "+" showing
// the lines first. Then a code 1..3 repeats that many first lines below every page heading.
// fontCode: font (see ListFontName) and, in |fontCode| mod 256 from 10 on, the line height;
// below 10 the height is fitted to the longest line. gap >= 0 keeps the document open and
// advances the cursor by gap; gap < 0 ends the document.
bool PrintList(Engine& engine, const std::string& title, const std::vector<std::string>& lines,
               int xOffset, int fontCode, int gap);
bool PrintListBox(Engine& engine, const std::string& title, const std::vector<std::string>& lines,
                  int fontCode);

} // namespace tev
