#include "evaluation/school_loop.h"

#include "data/school_directory.h"
#include "data/table_blocks.h"
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

int ForEachSchoolFile(Engine& engine, const SchoolRange& range, const std::string& yearSuffix,
                      const std::function<void(int index, const DataSetText& text)>& work,
                      bool* stopped) {
    Ui& ui = engine.ui();
    const int count = static_cast<int>(engine.schoolList.lines.size());
    int read = 0;
    ui.ProgressStart(count);
    for (int line = std::max(1, range.first); line <= range.last && line <= count; ++line) {
        if (!ui.ProgressRunning()) {
            if (stopped) *stopped = true;
            break;
        }
        ui.ProgressStep(line);
        const std::string& listLine = engine.schoolList.lines[line - 1];
        const std::string number = listLine.size() >= 8 ? listLine.substr(2, 6) : "";
        DataSetText text;
        if (!number.empty() &&
            text.Read(engine.services.files, engine.work.tevDir + "SL" + number + yearSuffix)) {
            ++read;
            work(line - 1, text);
        }
        ui.ProcessMessages();
    }
    ui.ProgressEnd();
    return read;
}

} // namespace tev
