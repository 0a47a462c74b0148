#include "evaluation/school_loop.h"

#include "shell/school_loading.h"

#include <algorithm>

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
    FindSchool(engine, range, [&work](int index, bool loaded) {
        work(index, loaded);
        return false;
    });
}

int FindSchool(Engine& engine, const SchoolRange& range,
               const std::function<bool(int index, bool loaded)>& found) {
    Ui& ui = engine.ui();
    const int count = static_cast<int>(engine.schoolList.lines.size());
    int hit = -1;
    ui.ProgressStart(count);
    for (int line = std::max(1, range.first); line <= range.last && line <= count; ++line) {
        if (!ui.ProgressRunning()) break;
        ui.ProgressStep(line);
        engine.schoolList.itemIndex = line - 1;
        const bool loaded = LoadListedSchool(engine);
        const bool stop = found(line - 1, loaded);
        ui.ProcessMessages();
        if (stop) {
            hit = line - 1;
            break;
        }
    }
    ui.ProgressEnd();
    return hit;
}

} // namespace tev
