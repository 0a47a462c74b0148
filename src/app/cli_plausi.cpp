#include "app/cli_plausi.h"

#include "app/cli_school.h"
#include "output/codepage.h"

#include <iostream>

namespace tev::cli {

// Loading the school runs the test; its lines are printed, a line break inside a finding
// ("\r") as a line break.
int PlausiCommand(Session& session, const Options& options) {
    if (options.arguments.size() != 1) throw UsageError{"plausi takes one SCHOOL"};
    LoadSchool(session, options.arguments[0]);
    for (const std::string& finding : session.engine->sheet.findings) {
        std::string shown = DisplayText(finding);
        for (char& c : shown) {
            if (c == '\r') c = '\n';
        }
        std::cout << shown << '\n';
    }
    return 0;
}

} // namespace tev::cli
