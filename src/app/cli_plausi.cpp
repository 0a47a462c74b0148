#include "app/cli_plausi.h"

#include "app/cli_school.h"
#include "output/codepage.h"

#include <iostream>
#include <memory>

namespace tev::cli {

// Loading the school runs the test; its lines are printed, a line break inside a finding
// ("\r") as a line break.
void AddPlausiCommand(CommandRegistry& registry) {
    auto school = std::make_shared<std::string>();
    CLI::App& plausi = registry.Add(
        "plausi", "the plausibility test lines of the school", [school](Session& session) {
            LoadSchool(session, *school);
            for (const std::string& finding : session.engine->sheet.findings) {
                std::string shown = DisplayText(finding);
                for (char& c : shown) {
                    if (c == '\r') c = '\n';
                }
                std::cout << shown << '\n';
            }
            return 0;
        });
    plausi.add_option("SCHOOL", *school, "the six-digit school number")->required();
}

} // namespace tev::cli
