#include "app/cli_school.h"

#include "shell/school_loading.h"
#include "shell/school_selection.h"

#include <stdexcept>

namespace tev::cli {

void LoadSchool(Session& session, const std::string& number) {
    Engine& engine = *session.engine;
    const auto& lines = engine.schoolList.lines;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].size() >= 8 && lines[i].compare(2, 6, number) == 0) {
            SelectListedSchool(engine, static_cast<int>(i));
            LBClick(engine);
            return;
        }
    }
    throw std::runtime_error("school " + number + " is not in the school list");
}

} // namespace tev::cli
