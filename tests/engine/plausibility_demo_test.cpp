#include "data/demo/demo_office.h"
#include "data/school_groups.h"
#include "output/codepage.h"
#include "output/text_routines.h"
#include "sheet/plausibility_test.h"
#include "shell/program_start.h"
#include "shell/school_loading.h"
#include "shell/school_selection.h"
#include "shell/scripted_ui.h"
#include "support/engine_start.h"
#include "support/test_support.h"

#include <gtest/gtest.h>
#include <map>

using namespace tev;
using namespace tev::test;

namespace {

// A message stem with "<Klst>" or "<Zeile>" placeholders matches a line whose fixed parts
// stand in it in order, the first at its start.
bool Matches(const std::string& line, const std::string& stem) {
    size_t from = 0;
    size_t pos = 0;
    bool first = true;
    while (from <= stem.size()) {
        size_t open = stem.find('<', from);
        if (open != std::string::npos && stem.find('>', open) == std::string::npos)
            open = std::string::npos;
        const std::string part =
            stem.substr(from, open == std::string::npos ? std::string::npos : open - from);
        const size_t found = line.find(part, pos);
        if (found == std::string::npos || (first && found != 0)) return false;
        pos = found + part.size();
        first = false;
        if (open == std::string::npos) return true;
        from = stem.find('>', open) + 1;
    }
    return true;
}

// The findings proper: the lines between the heading and the request to correct them.
std::vector<std::string> FindingLines(const std::vector<std::string>& lines) {
    std::vector<std::string> findings;
    if (lines.empty() || lines.front() != kFindingsHeading) return findings;
    for (size_t i = 1; i < lines.size() && !lines[i].empty(); ++i)
        findings.push_back(lines[i]);
    return findings;
}

std::string Shown(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines)
        text += Utf8FromWin(line) + "\n";
    return text;
}

} // namespace

TEST(PlausibilityDemoOffice, FindsExactlyThePlantedFaults) {
    TempDir temp;
    DemoOptions options;
    options.schools = 40;
    options.seed = 7;
    options.firstYear = 118;
    options.lastYear = 121;
    const DemoOfficeResult office = WriteDemoOffice(temp.path() / "office", options);

    std::map<std::pair<std::string, int>, std::vector<DemoFault>> faults;
    for (const DemoFault& fault : office.faults)
        faults[{fault.schoolNumber, fault.schoolYearCode}].push_back(fault);

    int consistent = 0;
    for (int year = options.firstYear; year <= options.lastYear; ++year) {
        ScriptedUi ui;
        ui.SetUseDefaults(true);
        Engine engine(ui, temp.path());
        StartOptions start;
        start.yearSuffix = "." + std::to_string(year % 100);
        StartEngine(engine, ui, (temp.path() / "office"), start);
        ASSERT_FALSE(engine.schoolList.lines.empty());
        for (int i = 0; i < static_cast<int>(engine.schoolList.lines.size()); ++i) {
            SelectListedSchool(engine, i);
            LoadListedSchool(engine);
            const std::string number = engine.schoolList.lines[i].substr(2, 6);
            const auto& lines = engine.sheet.findings;
            std::vector<std::string> stems;
            bool missing = false;
            for (const DemoFault& fault : faults[{number, year}]) {
                if (fault.kind == DemoFaultKind::MissingDataSet) missing = true;
                for (const auto& stem : DemoFaultFindings(fault))
                    stems.push_back(stem);
            }
            const std::string where = "school " + number + " year " + std::to_string(year);
            if (missing) {
                EXPECT_EQ(lines, std::vector<std::string>{kNoData}) << where;
                continue;
            }
            if (stems.empty()) {
                // Nothing but the one line: a stray note would be a fault of its own.
                EXPECT_EQ(lines, std::vector<std::string>{kDataOk}) << where << "\n"
                                                                    << Shown(lines);
                ++consistent;
                continue;
            }
            const std::vector<std::string> found = FindingLines(lines);
            for (const auto& stem : stems) {
                EXPECT_TRUE(
                    std::any_of(found.begin(), found.end(),
                                [&](const std::string& line) { return Matches(line, stem); }))
                    << where << ": no \"" << Utf8FromWin(stem) << "\" in\n"
                    << Shown(lines);
            }
            for (const auto& line : found) {
                EXPECT_TRUE(
                    std::any_of(stems.begin(), stems.end(),
                                [&](const std::string& stem) { return Matches(line, stem); }))
                    << where << ": unplanned \"" << Utf8FromWin(line) << "\"";
            }
        }
    }
    EXPECT_GT(consistent, 0);
}
