#pragma once
// Bar charts drawn into image files without a display: Qt Charts on Qt's "offscreen"
// platform. Only in builds with Qt; the header itself is free of Qt.
#include "output/bar_chart.h"

#include <filesystem>
#include <memory>
#include <string>

namespace tev {

class ChartImageWriter {
public:
    // Starts Qt on the offscreen platform unless an application runs already.
    ChartImageWriter();
    ~ChartImageWriter();
    ChartImageWriter(const ChartImageWriter&) = delete;
    ChartImageWriter& operator=(const ChartImageWriter&) = delete;

    // Writes folder/<fileStem>.svg and folder/<fileStem>.png; empty when both were written,
    // otherwise what failed.
    std::string Write(const BarChart& chart, const std::filesystem::path& folder);

private:
    struct Runtime;
    std::unique_ptr<Runtime> qt_;
};

} // namespace tev
