#pragma once
// The school sheet as the engine holds it: the grids of the loaded school (the working copy
// of its data set file), its numeric record and header, and what the sheet window shows
// besides the grids.
#include "data/school_header.h"
#include "data/school_record.h"
#include "sheet/finding.h"
#include "sheet/headed_grids.h"
#include "sheet/sheet_edit_history.h"
#include "sheet/sheet_grids.h"
#include "sheet/sheet_window_state.h"
#include "sheet/table_headings.h"

#include <string>
#include <vector>

namespace tev {

// What the last load found of the data set file. Only a file that was read whole, or that
// did not exist, may be replaced by a save: otherwise a save would write an empty sheet over
// data nobody has seen.
enum class LoadState { NotLoaded, Missing, Read, Unreadable };

struct Sheet {
    SheetGrids grids;
    SchoolRecord record;
    SchoolHeader header;
    // The data set file last loaded; saving writes to it.
    std::string currentFile;
    LoadState loadState = LoadState::NotLoaded;
    // Changed by the user since the last load or save: loading another school asks first.
    bool edited = false;
    // The cell edits since the last load or save, for undo and redo.
    SheetEditHistory history;
    // Why the file could not be read (LoadState::Unreadable).
    std::string loadProblem;
    // Characters 78 to 83 of the loaded school's list line.
    std::string regionalNumber;
    std::string schoolNumber;
    std::string caption;
    // The loaded data set is still on the form of 1997.
    bool form1997 = false;
    // The findings of the last plausibility test.
    std::vector<std::string> findings;
    // Severity and cells of the lines of `findings` that are findings.
    std::vector<Finding> findingDetails;
    // Rows that come from lists outside the school's data (working groups, nationalities).
    TableRowLists rowLists;
    // The table grids' shape and headings for the year, kept for the next school's load.
    HeadedGrids headedGrids;
    // The school year the grids are shaped for.
    int schoolYearCode = 0;
    int courseRegime = 1;
    int screenWidth = kDefaultScreenWidth;
    // The school number spin field of the sheet window (1-based list position).
    int schoolSpinValue = 0;
    // Whether the grids of tables 1.1 and 1.8 show their fixed columns (not for private
    // schools).
    bool pupilTablesFixedCols = true;
    // What the sheet window shows.
    SheetWindowState window;
    // The lines last chosen in the sheet's print choice (0: none), kept for the next school.
    int printFirst = 0;
    int printLast = 0;
};

} // namespace tev
