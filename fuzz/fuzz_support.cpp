#include "fuzz_support.h"

#include "data/school_groups.h"
#include "output/codepage.h"
#include "shell/program_start.h"

#include <cstdlib>
#include <fstream>
#include <unistd.h>

namespace tev::fuzz {

const std::filesystem::path& ScratchDirectory() {
    static const std::filesystem::path directory = [] {
        const auto base = std::filesystem::exists("/dev/shm")
                              ? std::filesystem::path("/dev/shm")
                              : std::filesystem::temp_directory_path();
        auto dir = base / ("tev-fuzz-" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir / "TEV");
        std::atexit([] { std::filesystem::remove_all(ScratchDirectory()); });
        return dir;
    }();
    return directory;
}

void WriteScratchFile(const std::filesystem::path& name, const uint8_t* data, size_t size) {
    std::ofstream out(ScratchDirectory() / name, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

QuietUi::QuietUi() {
    SetUseDefaults(true);
    SetStandingAnswer(Win("Schul-Gruppe wählen"), SchoolGroupEntry("  "));
}

void QuietUi::ShowInfo(const std::string&) {}

std::unique_ptr<StartedEngine> StartOnScratch(const std::string& yearSuffix) {
    auto started = std::make_unique<StartedEngine>();
    started->engine = std::make_unique<Engine>(started->ui, ScratchDirectory());
    StartInputs inputs;
    inputs.parameters = {ScratchDirectory().string()};
    inputs.today = Date{2016, 11, 20};
    inputs.yearSuffix = yearSuffix;
    ProcessStart(*started->engine, inputs);
    FormCreate(*started->engine, inputs);
    return started;
}

} // namespace tev::fuzz
