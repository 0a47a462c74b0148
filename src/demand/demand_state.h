#pragma once
// The teacher demand window as the engine holds it: its grids, lists and panel states. The
// window shows them and forwards the user's actions to the demand commands.
#include "sheet/string_grid.h"

#include <string>
#include <vector>

namespace tev {

struct DemandWindowState {
    // Added to the school year code wherever the year enters a formula: 0 at load, 1 while
    // "Berechnen" computes the following school year.
    int mode = 0;
    // The 9-year timetable lookups read one level further (nothing in the program sets it).
    bool extraLevel = false;
    bool created = false;
    bool visible = false;

    StringGrid sglbrf1n{"SGLBRF1n", 8, 1};   // pupils per language sequence
    StringGrid sgbedarf{"SGBEDARF", 29, 10}; // the computed demand
    StringGrid sglbr1{"SGLBR1", 29, 14};     // the hours the school reports
    StringGrid sglbr2{"SGLBR2", 9, 21};      // pupils per profile
    StringGrid sglbrspr{"SGLBRspr", 9, 16};  // language groups and pupils
    StringGrid sglbr{"SGLBR", 2, 9};         // the summary of weekly hours
    StringGrid sglbrausw{"SGLBRausw", 6, 2}; // hidden: the school's figures in one line
    // Hidden work grids: per level (rows) and SubjectIndexTable position (columns) the hours
    // of the 9-year and the 8-year track as numbers (n) and as their parts (texts).
    StringGrid matText{"SGmatLBRbedarf", 55, 9};
    StringGrid matText2{"SGmatLBRbedarf2", 55, 9};
    StringGrid matNumbers{"SGmatnLBRbedarf", 55, 9};
    StringGrid matNumbers2{"SGmatnLBRbedarf2", 55, 9};

    std::vector<std::string> hints;       // LBhinw
    std::vector<std::string> timetable;   // ListBox1: the profile timetable
    std::vector<std::string> computation; // LB: pupils and classes per level
    std::vector<std::string> remarks;     // LBRausw (hidden)
    std::vector<std::string> bottomList;  // LBRLB2
    std::string label1;                   // the parts of the selected SGBEDARF cell
    std::string memo = "---";             // memoLBR1
    std::string languageLetters;          // "EFLS", stored at creation

    bool evaluationVisible = false; // SGLBRausw
    bool remarksVisible = false;    // LBRausw
    int panel4Height = 4;           // 300 shown, 4 collapsed
    int lbWidth = 450;              // 450 or 50
    bool printAbort = false;        // "DruckAbbr"

    // The school whose entries rows 4 to 7 of SGLBR hold.
    std::string summarySchool;
    // A loop over many schools computes the demand only for the school it leaves loaded
    // (DeferDemandOnLoad); until then the computation of the last load is pending.
    bool deferOnLoad = false;
    bool loadComputationPending = false;
};

} // namespace tev
