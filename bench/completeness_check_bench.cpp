// Loading and testing every school of a demo office of 450 schools, as the data test does.
#include "bench_office.h"
#include "data/school_groups.h"
#include "evaluation/completeness_check.h"
#include "output/codepage.h"
#include "shell/school_loading.h"
#include "shell/scripted_ui.h"

#include <benchmark/benchmark.h>

namespace {

struct StartedEngine {
    tev::ScriptedUi ui;
    tev::Engine engine{ui, tev::bench::DemoOffice()};

    StartedEngine() {
        ui.SetStandingAnswer(tev::Win("Schul-Gruppe wählen"), tev::SchoolGroupEntry("  "));
        tev::bench::StartOnDemoOffice(engine);
    }
};

void DataTestOfAllSchools(benchmark::State& state) {
    StartedEngine started;
    for (auto _ : state) {
        for (const char* answer : {"alle", "ja", "ja", "abbruch", "abbruch"}) {
            started.ui.AddAnswer(answer);
        }
        tev::Testen1Click(started.engine);
        benchmark::DoNotOptimize(started.engine.outputBox.size());
    }
    state.counters["schools"] = static_cast<double>(started.engine.schoolList.lines.size());
}
BENCHMARK(DataTestOfAllSchools)->Unit(benchmark::kMillisecond);

void LoadOneSchool(benchmark::State& state) {
    StartedEngine started;
    int index = 0;
    const int count = static_cast<int>(started.engine.schoolList.lines.size());
    for (auto _ : state) {
        started.engine.schoolList.itemIndex = index++ % count;
        benchmark::DoNotOptimize(tev::LoadListedSchool(started.engine));
    }
}
BENCHMARK(LoadOneSchool)->Unit(benchmark::kMicrosecond);

void StartUpOnTheDemoOffice(benchmark::State& state) {
    tev::bench::DemoOffice();
    for (auto _ : state) {
        StartedEngine started;
        benchmark::DoNotOptimize(started.engine.schoolList.lines.size());
    }
}
BENCHMARK(StartUpOnTheDemoOffice)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    tev::bench::RemoveDemoOffice();
    return 0;
}
