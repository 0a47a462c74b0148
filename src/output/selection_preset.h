#pragma once
// The lines of the one-line selection dialog, and its preset answers: while any are left,
// the dialog is not shown and answers with the caller's default.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tev {

struct SelectionItems {
    std::vector<std::string> lines;
    int separatorLine = -1; // 0-based line of the separator, -1 when there is none
};

// countCode -1: the items are the ";" separated fields of source. Otherwise source holds
// fixed-width items of itemWidth characters; a code below -255 or above 2559 carries in its
// high byte where the separator goes (after item 256 - high byte) and the count in its low
// byte, any other code is the count itself.
SelectionItems BuildSelectionItems(std::string_view source, int countCode, int itemWidth);

// The 1-based item number of a chosen line: lines after the separator count one less.
int ChosenItemNumber(int line, int separatorLine);

class SelectionPreset {
public:
    void Set(int answers) { left_ = static_cast<int16_t>(answers); }
    int Left() const { return left_; }
    // With preset answers left: uses one, limits number to 1..count and returns true.
    bool Take(int& number, int count);

private:
    int16_t left_ = 0;
};

// The process-wide state of the selection dialog.
struct SelectionDialogState {
    SelectionPreset preset;
    char printFlag = ' '; // "D" when the dialog was closed with "Drucken"
};
SelectionDialogState& SelectionDialogShared();

} // namespace tev
