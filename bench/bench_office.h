#pragma once
// Demo offices of 450, 900 and 1800 schools for one school year (2016/17), written once per
// run and removed at its end, and an engine started on one of them.
#include "shell/engine.h"
#include "shell/scripted_ui.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <ctime>
#include <filesystem>

namespace tev::bench {

inline constexpr int kBenchYear = 116;

// The office of the given number of schools: 450, or a multiple of it (the demo generator
// writes at most 600 schools, so larger offices repeat the 450 under new school numbers).
const std::filesystem::path& BenchOffice(int schools);
// Removes every office written by this run.
void RemoveBenchOffices();

// Starts the engine on the office as the programs start, all schools listed. The group
// question is for `engine`'s own Ui to answer.
void StartOnBenchOffice(Engine& engine, int schools);

struct StartedEngine {
    explicit StartedEngine(int schools);
    ScriptedUi ui;
    Engine engine;
};

// Processor seconds of this process (user and system): the machine is shared, so wall time
// would measure the neighbours too.
inline double ProcessSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// Processor seconds of one run of the floor: every data set file of the office read and its lines
// split at ";", the fastest of a few runs.
double FloorSeconds(int schools);
// What the floor does once; returns the number of fields, so that nothing is left out.
long ReadingFloor(int schools);

// Runs the body once untimed, then once per iteration, and reports its processor time as a
// multiple of the floor of the same office, measured just before: "x_floor" for the fastest
// iteration (the floor is the fastest of its runs, so both are measured alike and a busy neighbour
// on the machine moves the figure least), "x_floor_mean" for the mean.
template <class Body> void RunAgainstFloor(benchmark::State& state, int schools, Body body) {
    const double floor = FloorSeconds(schools);
    // Untimed, as the floor's first run: files into the cache, the engine's buffers grown.
    body();
    double total = 0;
    double fastest = 0;
    for (auto _ : state) {
        const double start = ProcessSeconds();
        body();
        const double seconds = ProcessSeconds() - start;
        total += seconds;
        fastest = fastest == 0 ? seconds : std::min(fastest, seconds);
    }
    const double mean = state.iterations() > 0 ? total / state.iterations() : 0;
    state.counters["schools"] = schools;
    state.counters["x_floor"] = fastest / floor;
    state.counters["x_floor_mean"] = mean / floor;
    state.counters["floor_ms"] = floor * 1000;
}

} // namespace tev::bench
