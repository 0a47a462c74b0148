#pragma once
// The window program's printer: the system printer, or PDF files when the machine has no
// printer. Positions in 0.1 mm from the top left of the printable area.
#include "output/document_files.h"
#include "output/print_canvas.h"
#include "output/recording_canvas.h"

#include <QFont>
#include <QPainter>
#include <QPrinter>
#include <QString>
#include <functional>
#include <vector>

namespace tev {

class QtPrinterCanvas : public PrintCanvas {
public:
    // pdfFile empty: the system printer. Otherwise the first document goes to pdfFile and
    // further ones to its name with "-2", "-3", ... before the extension, past the files that
    // exist already (an earlier run's printouts stay).
    explicit QtPrinterCanvas(const QString& pdfFile = {});
    // A document still open is ended.
    ~QtPrinterCanvas() override;
    QtPrinterCanvas(const QtPrinterCanvas&) = delete;
    QtPrinterCanvas& operator=(const QtPrinterCanvas&) = delete;

    QPrinter& printer() { return printer_; }
    bool PrintsToPdf() const { return !pdfFile_.isEmpty(); }
    // Told where each finished document went (a file or the printer's name).
    void SetDocumentDone(std::function<void(const QString&)> done) { done_ = std::move(done); }
    // Shows a document before it goes out: gets the printer and what draws the document onto
    // a printer (any number of times); returns where the document went (a printer's name or a
    // file), empty when it did not go out.
    using Preview =
        std::function<QString(QPrinter& printer, const std::function<void(QPrinter*)>& draw)>;
    // Set: every document is drawn into a recording first and goes out only from the preview.
    void SetPreview(Preview preview) { preview_ = std::move(preview); }

    bool BeginDocument(const std::string& title, PageOrientation orientation) override;
    void NewPage() override;
    void EndDocument() override;
    bool InDocument() const override { return painter_.isActive() || recording_; }
    // In a document the orientation applies from the next page on.
    void SetOrientation(PageOrientation orientation) override;
    void SetFont(const PrintFont& font) override;
    void TextOut(int x, int y, const std::string& text) override;
    int TextWidth(const std::string& text) override;
    void Line(int x1, int y1, int x2, int y2) override;
    std::string NextDocumentPath() const override;

private:
    QString Shown(const std::string& text) const;
    void ApplyFont(const PrintFont& font);
    void Replay(const std::vector<CanvasCall>& calls, QPrinter* printer) const;

    QPrinter printer_;
    QPainter painter_;
    QString pdfFile_;
    DocumentFiles files_;
    PrintFont font_;
    QFont qtFont_;
    std::function<void(const QString&)> done_;
    Preview preview_;
    bool recording_ = false;
    std::vector<CanvasCall> recorded_;
};

} // namespace tev
