#include "app/cli_plausi.h"

#include "app/cli_school.h"
#include "output/codepage.h"

#include <iostream>
#include <memory>

namespace tev::cli {

// Loading the school runs the test; its lines are printed, a line break inside a finding
// ("\r") as a line break. With --csv one line per finding instead.
void AddPlausiCommand(CommandRegistry& registry) {
    auto school = std::make_shared<std::string>();
    auto csv = std::make_shared<bool>(false);
    CLI::App& plausi = registry.Add(
        "plausi", "the plausibility test lines of the school", [school, csv](Session& session) {
            LoadSchool(session, *school);
            const Sheet& sheet = session.engine->sheet;
            if (*csv) {
                for (const Finding& finding : sheet.findingDetails)
                    std::cout << DisplayText(FindingCsvLine(finding, sheet.findings)) << '\n';
                return 0;
            }
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
    plausi.add_flag("--csv", *csv,
                    "one line per finding: severity (Fehler/Hinweis);table;column;row;text, "
                    "column and row empty where the finding concerns a whole row, column or "
                    "table");
}

} // namespace tev::cli
