// The data test of 450 schools run from the main window on the offscreen platform: the same
// engine loop as the engine benchmark, plus what the window adds (gauge, views, message loop).
#include "bench_office.h"
#include "evaluation/completeness_check.h"
#include "output/codepage.h"
#include "shell/main_window.h"
#include "shell/qt_ui.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

// The window's own gauge, views and message processing, with the questions of the data test
// answered at once: all schools, yes, yes, and no printout.
class AnsweringUi : public tev::QtUi {
public:
    bool SelectRange(tev::RangeRequest& request) override {
        request.first = 1;
        request.last = static_cast<int>(request.items.size());
        return !request.items.empty();
    }
    tev::YesNoCancel AskYesNoCancel(const std::string&, bool) override {
        return tev::YesNoCancel::Yes;
    }
    int ChooseOption(const tev::OptionRequest& request) override {
        return request.caption == tev::Win("Schul-Gruppe wählen") ? request.preset : 0;
    }
};

void WindowDataTestOfAllSchools(benchmark::State& state) {
    AnsweringUi ui;
    tev::Engine engine(ui, tev::bench::BenchOffice(450));
    ui.SetEngine(&engine);
    tev::bench::StartOnBenchOffice(engine, 450);
    tev::TFormTEV1 window(engine, ui);
    window.show();
    QApplication::processEvents();
    for (auto _ : state) {
        window.RunCommand([&engine] { tev::Testen1Click(engine); });
        benchmark::DoNotOptimize(engine.outputBox.size());
    }
    state.counters["schools"] = static_cast<double>(engine.schoolList.lines.size());
}
BENCHMARK(WindowDataTestOfAllSchools)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    tev::bench::RemoveBenchOffices();
    return 0;
}
