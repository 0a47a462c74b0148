#include "app/cli_demand.h"

#include "app/cli_school.h"
#include "demand/demand_commands.h"

#include <memory>

namespace tev::cli {
namespace {

struct DemandArgs {
    std::string school;
    bool next = false;
};

int DemandCommand(Session& session, const DemandArgs& args) {
    LoadSchool(session, args.school);
    Engine& engine = *session.engine;
    if (args.next) BerechnenClick(engine);
    const DemandWindowState& state = engine.demand;
    for (const StringGrid* grid : {&state.sglbr, &state.sgbedarf, &state.sglbr1, &state.sglbr2,
                                   &state.sglbrspr, &state.sglbrf1n})
        PrintGridBlock(*grid);
    PrintListBlock("LBhinw", state.hints);
    return 0;
}

} // namespace

void AddDemandCommand(CommandRegistry& registry) {
    auto args = std::make_shared<DemandArgs>();
    CLI::App& demand = registry.Add(
        "demand",
        "load the school and print the teacher demand window's grids (SGLBR, SGBEDARF, SGLBR1, "
        "SGLBR2, SGLBRspr, SGLBRF1n) and its hint list LBhinw",
        [args](Session& session) { return DemandCommand(session, *args); });
    demand.add_option("SCHOOL", args->school, "the six-digit school number")->required();
    demand.add_flag("--next", args->next,
                    "after \"Berechnen\": the demand of the following school year");
}

} // namespace tev::cli
