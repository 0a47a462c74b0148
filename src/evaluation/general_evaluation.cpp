#include "evaluation/general_evaluation.h"

#include "evaluation/completeness_check.h"
#include "shell/school_loading.h"
#include "summary/summary_run.h"

#include <algorithm>

namespace tev {

void AuswertenClick(Engine& engine, int tag) {
    auto& list = engine.schoolList;
    if (list.itemIndex < 0 && !list.lines.empty()) {
        list.itemIndex = 0;
        LoadListedSchool(engine);
    }
    const bool anyPassed =
        std::any_of(list.lines.rbegin(), list.lines.rend(),
                    [](const auto& line) { return !line.empty() && line[0] == '+'; });
    if (tag == 1 && !anyPassed) Testen1Click(engine);
    engine.outputBox.Clear();
    RunSummary(engine, tag == 1);
}

void AuswertenAllgemein1Click(Engine& engine) {
    AuswertenClick(engine, 1);
}

void AuswertenOhneTestkennz1Click(Engine& engine) {
    AuswertenClick(engine, 0);
}

} // namespace tev
