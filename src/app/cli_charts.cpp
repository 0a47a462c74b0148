#include "app/cli_charts.h"

#include "app/cli_options.h"
#include "output/codepage.h"

#include <filesystem>
#include <iostream>

#ifdef TEV_CHARTS
#include "output/chart_images.h"
#endif

namespace tev::cli {

bool ChartFilesAvailable() {
#ifdef TEV_CHARTS
    return true;
#else
    return false;
#endif
}

std::shared_ptr<bool> WriteChartFiles(ScriptedUi& ui) {
    auto failed = std::make_shared<bool>(false);
#ifdef TEV_CHARTS
    auto writer = std::make_shared<ChartImageWriter>();
    ui.SetChartSink([writer, failed](const BarChart& chart) {
        const std::string problem = writer->Write(chart, std::filesystem::current_path());
        if (problem.empty()) {
            std::cerr << "info: " << chart.fileStem << ".svg, " << chart.fileStem
                      << ".png: " << DisplayText(chart.title) << '\n';
            return;
        }
        std::cerr << "tev-cli: the chart \"" << DisplayText(chart.title)
                  << "\" could not be written: " << problem << '\n';
        *failed = true;
    });
#else
    (void)ui;
    throw UsageError{"--charts: this tev-cli was built without Qt (TEV_BUILD_GUI=OFF) and "
                     "cannot draw charts; build with Qt 6 Charts to use it"};
#endif
    return failed;
}

} // namespace tev::cli
