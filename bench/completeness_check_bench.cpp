// The data test over every school of the office, as a multiple of the reading floor.
#include "bench_office.h"
#include "evaluation/completeness_check.h"
#include "shell/school_loading.h"

namespace {

using tev::bench::StartedEngine;

void DataTestOfAllSchools(benchmark::State& state) {
    const int schools = static_cast<int>(state.range(0));
    StartedEngine started(schools);
    tev::bench::RunAgainstFloor(state, schools, [&] {
        for (const char* answer : {"alle", "ja", "ja", "abbruch", "abbruch"})
            started.ui.AddAnswer(answer);
        tev::Testen1Click(started.engine);
        benchmark::DoNotOptimize(started.engine.outputBox.size());
    });
}
BENCHMARK(DataTestOfAllSchools)->Arg(450)->Arg(900)->Arg(1800)->Unit(benchmark::kMillisecond);

void LoadOneSchool(benchmark::State& state) {
    StartedEngine started(450);
    int index = 0;
    const int count = static_cast<int>(started.engine.schoolList.lines.size());
    for (auto _ : state) {
        started.engine.schoolList.itemIndex = index++ % count;
        benchmark::DoNotOptimize(tev::LoadListedSchool(started.engine));
    }
}
BENCHMARK(LoadOneSchool)->Unit(benchmark::kMicrosecond);

void StartUpOnTheDemoOffice(benchmark::State& state) {
    const int schools = static_cast<int>(state.range(0));
    tev::bench::BenchOffice(schools);
    for (auto _ : state) {
        StartedEngine started(schools);
        benchmark::DoNotOptimize(started.engine.schoolList.lines.size());
    }
}
BENCHMARK(StartUpOnTheDemoOffice)->Arg(450)->Arg(1800)->Unit(benchmark::kMillisecond);

} // namespace
