#include "bench_office.h"

#include "data/demo/demo_office.h"
#include "shell/program_start.h"

#include <random>
#include <string>

namespace tev::bench {

const std::filesystem::path& DemoOffice() {
    static const std::filesystem::path dir = [] {
        const auto path = std::filesystem::temp_directory_path() /
                          ("tev-bench-" + std::to_string(std::random_device{}()));
        DemoOptions options;
        options.firstYear = 116;
        options.lastYear = 116;
        WriteDemoOffice(path, options);
        return path;
    }();
    return dir;
}

void RemoveDemoOffice() {
    std::error_code ignored;
    std::filesystem::remove_all(DemoOffice(), ignored);
}

void StartOnDemoOffice(Engine& engine) {
    StartInputs inputs;
    inputs.parameters = {DemoOffice().string()};
    inputs.today = {2016, 11, 20};
    ProcessStart(engine, inputs);
    FormCreate(engine, inputs);
}

} // namespace tev::bench
