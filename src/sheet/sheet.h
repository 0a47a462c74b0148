#pragma once
// The school sheet as the engine holds it: the grids of the loaded school (the working copy
// of its data set file), its numeric record and header, and what the sheet window shows
// besides the grids.
#include <string>
#include <vector>

#include "data/school_header.h"
#include "data/school_record.h"
#include "sheet/sheet_grids.h"
#include "sheet/table_headings.h"

namespace tev {

struct Sheet {
    SheetGrids grids;
    SchoolRecord record;
    SchoolHeader header;
    // The data set file last loaded; saving writes to it.
    std::string currentFile;
    // Characters 78 to 83 of the loaded school's list line.
    std::string regionalNumber;
    std::string schoolNumber;
    std::string caption;
    // The loaded data set is still on the form of 1997.
    bool form1997 = false;
    // The findings of the last plausibility test.
    std::vector<std::string> findings;
    // Rows that come from lists outside the school's data (working groups, nationalities).
    TableRowLists rowLists;
    // The school year the grids are shaped for.
    int schoolYearCode = 0;
    int courseRegime = 1;
    int screenWidth = kDefaultScreenWidth;
    // The school number spin field of the sheet window (1-based list position).
    int schoolSpinValue = 0;
    // Whether the grids of tables 1.1 and 1.8 show their fixed columns (not for private
    // schools).
    bool pupilTablesFixedCols = true;
};

} // namespace tev
