#include "evaluation/school_loop.h"

#include "shell/school_loading.h"

namespace tev {

std::optional<SchoolRange> ChooseSchoolRange(Engine& engine, const std::string& title) {
    RangeRequest request;
    request.title = title;
    request.items = engine.schoolList.lines;
    request.multi = true;
    request.first = engine.schoolList.itemIndex + 1;
    if (request.items.empty() || !engine.ui().SelectRange(request)) return std::nullopt;
    return SchoolRange{request.first, request.last};
}

void ForEachSchool(Engine& engine, const SchoolRange& range,
                   const std::function<void(int index, bool loaded)>& work) {
    Ui& ui = engine.ui();
    const int count = static_cast<int>(engine.schoolList.lines.size());
    ui.ProgressStart(count);
    for (int line = range.first; line <= range.last && line <= count; ++line) {
        if (!ui.ProgressRunning()) continue;
        ui.ProgressStep(line);
        engine.schoolList.itemIndex = line - 1;
        const bool loaded = LoadListedSchool(engine);
        work(line - 1, loaded);
        ui.ProcessMessages();
    }
    ui.ProgressEnd();
}

} // namespace tev
