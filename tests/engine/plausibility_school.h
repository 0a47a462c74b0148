#pragma once
// A small school for the plausibility tests whose tables agree with each other in every way
// the test checks, and a handful of ways to change it.
#include "shell/engine.h"
#include "shell/scripted_ui.h"
#include "support/test_support.h"

#include <string>
#include <string_view>
#include <vector>

namespace tev::test {

class PlausibilitySchool {
public:
    // 434 pupils on the 8-year track: 56 in each class 5 to 10 (two classes), 50 in Jgst.1 and
    // 48 in Jgst.2, half of them girls, with all tables that refer to them filled in.
    explicit PlausibilitySchool(int schoolYearCode = 116);
    // Only the sheet shaped for the year, nothing filled in.
    static PlausibilitySchool Empty(int schoolYearCode);

    StringGrid& Grid(int table);
    void Put(int table, int col, int row, int value);
    void Put(int table, int col, int row, std::string_view text);
    // Column of a table whose heading (row 0, trimmed) is the text (UTF-8); -1 when none.
    int Column(int table, std::string_view heading);
    // Row of a table whose label in column 0 (trimmed) is the text; -1 when none.
    int Row(int table, std::string_view label);
    // Pupils of a class level (0 = class 5 .. 8 = Jgst.2) of table 1.8 in one language row,
    // with its total and girls rows and sums kept consistent.
    void SetPupils(int level, int pupils);
    // Table 2.1: the non-promoted pupils of class 5 with their sums.
    void SetNotPromoted(int male, int female);

    // Runs the plausibility test; returns the sheet's findings.
    const std::vector<std::string>& Test();
    // Whether a line of the last test starts with (or contains) the text (UTF-8).
    bool Has(std::string_view utf8Text) const;
    std::string Findings() const; // for failure messages

    TempDir temp;
    ScriptedUi ui;
    Engine engine{ui, temp.path()};

private:
    struct EmptyTag {};
    PlausibilitySchool(int schoolYearCode, EmptyTag);
    void FillConsistentSchool();
};

} // namespace tev::test
