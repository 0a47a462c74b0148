#include "output/chart_images.h"
#include "output/qt_bar_chart.h"

#include <QApplication>
#include <QChart>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

namespace tev {
namespace {

constexpr int kImageWidth = 1000;
constexpr int kImageHeight = 650;

} // namespace

struct ChartImageWriter::Runtime {
    std::unique_ptr<QApplication> application;
    int argc = 1;
    char name[8] = "tev-cli";
    char* argv[2] = {name, nullptr};
};

ChartImageWriter::ChartImageWriter() : qt_(std::make_unique<Runtime>()) {
    if (QCoreApplication::instance() != nullptr) return;
    // No display is needed: the charts are drawn into images only.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qt_->application = std::make_unique<QApplication>(qt_->argc, qt_->argv);
}

ChartImageWriter::~ChartImageWriter() = default;

std::string ChartImageWriter::Write(const BarChart& chart, const std::filesystem::path& folder) {
    if (chart.fileStem.empty()) return "the chart has no file name";
    // The chart laid out in a scene of the image's size, as a view on a screen would.
    QGraphicsScene scene;
    QChart* drawn = MakeBarChart(chart);
    scene.addItem(drawn);
    const QRectF area(0, 0, kImageWidth, kImageHeight);
    scene.setSceneRect(area);
    drawn->setGeometry(area);
    QCoreApplication::processEvents();
    if (drawn->layout() != nullptr) drawn->layout()->activate();
    const QSize size(kImageWidth, kImageHeight);
    const QString title = ChartText(chart.title);
    const std::filesystem::path svgPath = folder / (chart.fileStem + ".svg");
    const std::filesystem::path pngPath = folder / (chart.fileStem + ".png");

    QSvgGenerator svg;
    svg.setFileName(QString::fromStdString(svgPath.string()));
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setTitle(title);
    svg.setDescription(QStringLiteral("TEV"));
    {
        QPainter painter;
        if (!painter.begin(&svg)) return "cannot write " + svgPath.string();
        scene.render(&painter, area, area);
        if (!painter.end()) return "cannot write " + svgPath.string();
    }
    std::error_code ec;
    if (std::filesystem::file_size(svgPath, ec) == 0 || ec)
        return "cannot write " + svgPath.string();

    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        scene.render(&painter, area, area);
    }
    image.setText("Title", title);
    if (!image.save(QString::fromStdString(pngPath.string()), "PNG"))
        return "cannot write " + pngPath.string();
    return {};
}

} // namespace tev
