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

QFont QtFontOf(const PrintFont& font) {
    QFont qtFont = NamedFont(font.name, font.height);
    qtFont.setBold(font.bold);
    qtFont.setItalic(font.italic);
    qtFont.setUnderline(font.underline);
    // Metrics in page units, free of screen hinting.
    qtFont.setHintingPreference(QFont::PreferNoHinting);
    return qtFont;
}

QString ShownIn(const PrintFont& font, const std::string& text) {
    // The DOS fonts' texts are in the DOS code page.
    if (font.name == "MS LineDraw" || font.name == "Courier-OEM")
        return QString::fromStdString(Utf8FromDos(text));
    return QString::fromStdString(DisplayText(text));
}

void StartPainting(QPainter& painter, QPrinter& printer, const QFont& font) {
    const double scale = printer.resolution() / kUnitsPerInch;
    painter.scale(scale, scale);
    painter.setPen(QPen(Qt::black, 2));
    painter.setFont(font);
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
    if (preview_) {
        recording_ = true;
        recorded_.clear();
        CanvasCall begin(CanvasCall::Kind::Begin);
        begin.orientation = orientation;
        begin.font = font_;
        recorded_.push_back(begin);
        return true;
    }
    if (!painter_.begin(&printer_)) return false;
    StartPainting(painter_, printer_, qtFont_);
    return true;
}

void QtPrinterCanvas::NewPage() {
    if (recording_) {
        recorded_.emplace_back(CanvasCall::Kind::NewPage);
    } else if (InDocument()) {
        printer_.newPage();
    }
}

void QtPrinterCanvas::EndDocument() {
    if (!InDocument()) return;
    if (recording_) {
        recording_ = false;
        const std::vector<CanvasCall> calls = std::move(recorded_);
        recorded_.clear();
        const QString where =
            preview_(printer_, [this, &calls](QPrinter* target) { Replay(calls, target); });
        if (!where.isEmpty() && done_) done_(where);
        return;
    }
    painter_.end();
    if (done_) done_(PrintsToPdf() ? printer_.outputFileName() : printer_.printerName());
}

void QtPrinterCanvas::SetOrientation(PageOrientation orientation) {
    if (recording_) {
        CanvasCall call(CanvasCall::Kind::Orientation);
        call.orientation = orientation;
        recorded_.push_back(call);
        return;
    }
    printer_.setPageOrientation(QtOrientation(orientation));
}

void QtPrinterCanvas::SetFont(const PrintFont& font) {
    ApplyFont(font);
    if (recording_) {
        CanvasCall call(CanvasCall::Kind::Font);
        call.font = font;
        recorded_.push_back(call);
    }
}

void QtPrinterCanvas::ApplyFont(const PrintFont& font) {
    font_ = font;
    qtFont_ = QtFontOf(font);
    if (painter_.isActive()) painter_.setFont(qtFont_);
}

QString QtPrinterCanvas::Shown(const std::string& text) const {
    return ShownIn(font_, text);
}

void QtPrinterCanvas::TextOut(int x, int y, const std::string& text) {
    if (recording_) {
        CanvasCall call(CanvasCall::Kind::Text);
        call.x = x;
        call.y = y;
        call.text = text;
        recorded_.push_back(std::move(call));
        return;
    }
    if (!InDocument()) return;
    const QFontMetricsF metrics(qtFont_);
    painter_.drawText(QPointF(x, y + metrics.ascent()), Shown(text));
}

int QtPrinterCanvas::TextWidth(const std::string& text) {
    return static_cast<int>(QFontMetricsF(qtFont_).horizontalAdvance(Shown(text)) + 0.5);
}

void QtPrinterCanvas::Line(int x1, int y1, int x2, int y2) {
    if (recording_) {
        CanvasCall call(CanvasCall::Kind::Line);
        call.x = x1;
        call.y = y1;
        call.x2 = x2;
        call.y2 = y2;
        recorded_.push_back(call);
        return;
    }
    if (InDocument()) painter_.drawLine(QLineF(x1, y1, x2, y2));
}

void QtPrinterCanvas::Replay(const std::vector<CanvasCall>& calls, QPrinter* printer) const {
    if (printer == nullptr || calls.empty()) return;
    PrintFont font = calls.front().font;
    QFont qtFont = QtFontOf(font);
    printer->setPageOrientation(QtOrientation(calls.front().orientation));
    QPainter painter;
    if (!painter.begin(printer)) return;
    StartPainting(painter, *printer, qtFont);
    for (const CanvasCall& call : calls) {
        switch (call.kind) {
        case CanvasCall::Kind::NewPage:
            printer->newPage();
            break;
        case CanvasCall::Kind::Orientation:
            printer->setPageOrientation(QtOrientation(call.orientation));
            break;
        case CanvasCall::Kind::Font:
            font = call.font;
            qtFont = QtFontOf(font);
            painter.setFont(qtFont);
            break;
        case CanvasCall::Kind::Text:
            painter.drawText(QPointF(call.x, call.y + QFontMetricsF(qtFont).ascent()),
                             ShownIn(font, call.text));
            break;
        case CanvasCall::Kind::Line:
            painter.drawLine(QLineF(call.x, call.y, call.x2, call.y2));
            break;
        default:
            break;
        }
    }
    painter.end();
}

} // namespace tev
