// The summary of every table over every school of the office, as a multiple of the reading
// floor.
#include "bench_office.h"
#include "evaluation/general_evaluation.h"

namespace {

using tev::bench::StartedEngine;

void SummaryOfAllSchools(benchmark::State& state) {
    const int schools = static_cast<int>(state.range(0));
    StartedEngine started(schools);
    tev::bench::RunAgainstFloor(state, schools, [&] {
        // A summary that exists is only shown again; each run reads afresh.
        started.engine.summary.Release();
        started.ui.AddAnswer("alle");
        started.ui.AddAnswer("nein");
        tev::AuswertenOhneTestkennz1Click(started.engine);
        benchmark::DoNotOptimize(started.engine.summary.schoolsRead);
    });
}
BENCHMARK(SummaryOfAllSchools)->Arg(450)->Arg(900)->Arg(1800)->Unit(benchmark::kMillisecond);

} // namespace
