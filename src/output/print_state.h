#pragma once
// The process-wide state of printing: one page cursor shared by every print routine, so that
// several lists and grids can go one below the other into one document.
#include <string>

namespace tev {

// Print control flags (bits of PrintState::controlFlags).
inline constexpr int kPrintNoChoiceDialogs = 1 << 1;  // PrintGrid asks nothing
inline constexpr int kPrintKeepDocumentOpen = 1 << 2; // lists do not end the document

// Page geometry in 0.1 mm, y growing downwards.
inline constexpr int kPageTop = 50;
inline constexpr int kLeftMargin = 100;
inline constexpr int kDateX = 1600;
inline constexpr int kBreakLimit = 2700;  // beyond it a page may break
inline constexpr int kBottomLimit = 2850; // no line reaches below it
inline constexpr int kLandscapeLess = 870;
inline constexpr int kHeaderHeight = 40;

struct PrintState {
    int cursor = kPageTop;       // page cursor
    bool landscape = false;      // orientation flag
    bool redirectToFile = false; // "Druck umleiten in Datei": PrintGrid saves instead
    int controlFlags = 0;
    std::string mark;         // print mark, at most 13 characters; empty: none
    std::string progressName; // the name being printed, at most 35 characters
    std::string progressText; // " wird gedruckt" / " ist gedruckt", at most 49 characters
    bool printing = false;    // status bit while a list is printed
    int pageCounter = 0;
    // A small grid ended with gap -2: the next document continues on its page.
    bool continueOnPage = false;

    int BreakLimit() const { return kBreakLimit - (landscape ? kLandscapeLess : 0); }
    int BottomLimit() const { return kBottomLimit - (landscape ? kLandscapeLess : 0); }
};

} // namespace tev
