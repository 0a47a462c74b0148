#pragma once
// What the course overview window (TFormTev2) shows: the subject list with its marks, the
// school list with its selection, the option for empty rows, and the result table SG.
#include "sheet/string_grid.h"

#include <string>
#include <vector>

namespace tev {

struct CourseSubject {
    std::string name;               // the item's code: "D", "W_Gl"
    std::vector<std::string> codes; // the 6.1 subject codes the item builds together
    bool chosen = false;
};

struct CourseOverviewState {
    std::vector<CourseSubject> subjects;  // LBF
    std::vector<std::string> schools;     // LBS
    std::vector<std::string> schoolLines; // the school list lines behind LBS
    std::vector<bool> schoolSelected;
    bool emptyRowToo = false; // CBemptytoo
    StringGrid table{"SG", 22, 1};
    std::vector<std::string> done; // LBdone
    // Left for the command line to print after a run without the window.
    bool tableShown = false;
};

} // namespace tev
