// The floor every reading figure is measured against: each data set file of the office read
// and its lines split at ";".
#include "bench_office.h"

namespace {

void ReadingFloor(benchmark::State& state) {
    const int schools = static_cast<int>(state.range(0));
    tev::bench::RunAgainstFloor(
        state, schools, [&] { benchmark::DoNotOptimize(tev::bench::ReadingFloor(schools)); });
}
BENCHMARK(ReadingFloor)->Arg(450)->Arg(900)->Arg(1800)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    tev::bench::RemoveBenchOffices();
    return 0;
}
