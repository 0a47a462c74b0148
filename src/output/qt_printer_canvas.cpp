#include "output/qt_printer_canvas.h"

#include "output/codepage.h"
#include "output/qt_texts.h"

#include <QFontMetricsF>
#include <QPageLayout>

namespace tev {
namespace {

constexpr double kUnitsPerInch = 254.0; // 0.1 mm

QPageLayout::Orientation QtOrientation(PageOrientation orientation) {
    return orientation == PageOrientation::Landscape ? QPageLayout::Landscape
                                                     : QPageLayout::Portrait;
}

} // namespace

QtPrinterCanvas::QtPrinterCanvas(const QString& pdfFile)
    : printer_(QPrinter::HighResolution), pdfFile_(pdfFile), files_(pdfFile.toStdString(), true) {
    if (PrintsToPdf()) printer_.setOutputFormat(QPrinter::PdfFormat);
    printer_.setPageSize(QPageSize(QPageSize::A4));
    SetFont(font_);
}

QtPrinterCanvas::~QtPrinterCanvas() {
    if (InDocument()) painter_.end();
}

std::string QtPrinterCanvas::NextDocumentPath() const {
    return PrintsToPdf() ? files_.Upcoming().string() : std::string();
}

bool QtPrinterCanvas::BeginDocument(const std::string& title, PageOrientation orientation) {
    if (InDocument()) EndDocument();
    if (PrintsToPdf()) printer_.setOutputFileName(QString::fromStdString(files_.Next().string()));
    printer_.setDocName(ShownText(title));
    printer_.setPageOrientation(QtOrientation(orientation));
    if (!painter_.begin(&printer_)) return false;
    const double scale = printer_.resolution() / kUnitsPerInch;
    painter_.scale(scale, scale);
    painter_.setPen(QPen(Qt::black, 2));
    painter_.setFont(qtFont_);
    return true;
}

void QtPrinterCanvas::NewPage() {
    if (InDocument()) printer_.newPage();
}

void QtPrinterCanvas::EndDocument() {
    if (!InDocument()) return;
    painter_.end();
    if (done_) done_(PrintsToPdf() ? printer_.outputFileName() : printer_.printerName());
}

void QtPrinterCanvas::SetOrientation(PageOrientation orientation) {
    printer_.setPageOrientation(QtOrientation(orientation));
}

void QtPrinterCanvas::SetFont(const PrintFont& font) {
    font_ = font;
    qtFont_ = NamedFont(font.name, font.height);
    qtFont_.setBold(font.bold);
    qtFont_.setItalic(font.italic);
    qtFont_.setUnderline(font.underline);
    // Metrics in page units, free of screen hinting.
    qtFont_.setHintingPreference(QFont::PreferNoHinting);
    if (InDocument()) painter_.setFont(qtFont_);
}

QString QtPrinterCanvas::Shown(const std::string& text) const {
    // The DOS fonts' texts are in the DOS code page.
    if (font_.name == "MS LineDraw" || font_.name == "Courier-OEM")
        return QString::fromStdString(Utf8FromDos(text));
    return QString::fromStdString(DisplayText(text));
}

void QtPrinterCanvas::TextOut(int x, int y, const std::string& text) {
    if (!InDocument()) return;
    const QFontMetricsF metrics(qtFont_);
    painter_.drawText(QPointF(x, y + metrics.ascent()), Shown(text));
}

int QtPrinterCanvas::TextWidth(const std::string& text) {
    return static_cast<int>(QFontMetricsF(qtFont_).horizontalAdvance(Shown(text)) + 0.5);
}

void QtPrinterCanvas::Line(int x1, int y1, int x2, int y2) {
    if (InDocument()) painter_.drawLine(QLineF(x1, y1, x2, y2));
}

} // namespace tev
