#pragma once
// "Abgleich_Schulnam_dat": brings the school-name file of the office drive up to date with
// the table of schools delivered as "schuln_6.csv".
//
// The delivered table has one school a line, fields separated by ";":
//   school number (6 digits); short name; "Bezirk"; school name; place; regional number;
//   postcode
// Lines whose first six characters are not digits (headings) are passed over. Results:
//   schuln_6.csx  the school-name file with the delivered fields written in
//   schuln_6.csy  one line per changed field: number;field;old;new
//   schuln_6.neu  school-name lines for the delivered schools the file does not know
#include "shell/engine.h"

#include <string>
#include <vector>

namespace tev {

struct ReconcileResult {
    std::vector<std::string> schoolLines; // the updated school-name file
    std::vector<std::string> changes;
    std::vector<std::string> newSchools;   // as school-name lines
    std::vector<std::string> newDelivered; // the delivered lines of the new schools
};

ReconcileResult ReconcileSchoolLines(const std::vector<std::string>& schoolLines,
                                     const std::vector<std::string>& delivered);

void ReconcileSchoolFile(Engine& engine);
void AbgleichSchulnamdat1Click(Engine& engine);

} // namespace tev
