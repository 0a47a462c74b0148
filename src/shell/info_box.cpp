#include "shell/info_box.h"

#include "output/codepage.h"

namespace tev {
namespace {

// Only the checksum of the identification is kept in the program.
constexpr uint32_t kDeveloperIdChecksum = 0x6b09a89e;

} // namespace

std::string InfoText() {
    return std::string(kVersionTitle) + "\r\r" +
           Win("Auswertung der Schulstatistik der Gymnasien\rfür die Schulaufsicht");
}

uint32_t IdChecksum(std::string_view text) {
    uint32_t hash = 2166136261u;
    for (const char c : text) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 16777619u;
    }
    return hash;
}

bool ToggleDeveloperModeById(Engine& engine, std::string_view typed) {
    if (typed.empty() || IdChecksum(typed) != kDeveloperIdChecksum) return false;
    auto& log = engine.services.log;
    log.SetDeveloperMode(log.developerMode() ^ 1);
    const bool developer = (log.developerMode() & 1) != 0;
    engine.window.developerPanelVisible = developer;
    engine.window.developerMenuVisible = developer;
    return true;
}

void InfoClick(Engine& engine) {
    Ui& ui = engine.ui();
    if (!ui.ShowInfoEscaped(InfoText())) return;
    TextRequest id;
    id.caption = "Info";
    id.prompt = "ID:";
    id.password = true;
    id.width = 20;
    if (ui.AskText(id)) ToggleDeveloperModeById(engine, id.value);
}

} // namespace tev
