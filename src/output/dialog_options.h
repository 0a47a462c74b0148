#pragma once
// The control codes that lead the title of a text output window call, and the filling of
// its line list from the items, a filter and extra lines.
#include <string>
#include <string_view>
#include <vector>

namespace tev {

struct DialogOptions {
    int widthLimit = 0;        // code 0 and a byte w: every line cut to w characters
    bool cancelHidden = false; // code 1: neither "Abbruch" nor "alle"
    std::string cancelCaption = "Abbruch";
    std::string okCaption = "OK";
    bool okVisible = true;
    int listFileEditing = 0;    // code 4: 1 appending lines, 2 (a second code 4) also inserting
    bool deleteLine = false;    // code 5
    bool copyLine = false;      // code 6
    bool searchPanel = false;   // code 7
    int step = 0;               // codes 9..11: -1, 0, +1
    bool separatorSkip = false; // lines beginning with "-" cannot be chosen
    std::vector<std::string> extraLines; // between two codes 14
    char joinChar = ' ';                 // code 27 and the character
    std::string title;                   // what follows the codes
};

// Consumes the leading control codes, each at most once, in their fixed order.
DialogOptions ParseDialogOptions(std::string_view title);

// The rest of a range title: caption; filter; extra lines up to the first empty field.
struct RangeTitle {
    std::string caption;
    std::string filter;
    std::vector<std::string> extraLines;
};
RangeTitle SplitRangeTitle(std::string_view title);

struct ListedLines {
    std::vector<std::string> lines;
    // Per line: its 1-based number in the unfiltered list (the items, then the extra lines).
    std::vector<int> itemNumbers;
    std::string caption;
};

// The lines a range choice shows: the items (only those containing the filter; when none
// does, the filter with its first letter upper-cased), the title's extra lines and the
// options' extra lines, each cut to the width limit. An empty caption takes the first line.
ListedLines FillRangeLines(const std::vector<std::string>& items, const RangeTitle& title,
                           const DialogOptions& options);

// Whether OK may end the dialog on this line.
bool LineAcceptable(const std::string& line, const DialogOptions& options);
// The acceptable line OK settles on: the current one, or with a step the first acceptable
// one in its direction; -1 when there is none.
int AcceptedLine(const std::vector<std::string>& lines, int current, const DialogOptions& options);

} // namespace tev
