#include "output/qt_print_preview.h"

#include "output/qt_printer_canvas.h"

#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QToolBar>

namespace tev {

QString ShowPrintPreview(QPrinter& printer, const std::function<void(QPrinter*)>& draw,
                         QWidget* parent) {
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setObjectName("PrintPreview");
    dialog.setWindowTitle(QString::fromUtf8("Druckvorschau – ") + printer.docName());
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, draw);
    QString savedPdf;
    if (auto* toolBar = dialog.findChild<QToolBar*>()) {
        QAction* save = toolBar->addAction(QString::fromUtf8(kSavePdfAction));
        save->setObjectName("SavePdf");
        QObject::connect(save, &QAction::triggered, &dialog, [&] {
            QString file = QFileDialog::getSaveFileName(&dialog, QString::fromUtf8(kSavePdfAction),
                                                        printer.docName() + ".pdf", "PDF (*.pdf)");
            if (file.isEmpty()) return;
            if (!file.endsWith(".pdf", Qt::CaseInsensitive)) file += ".pdf";
            QPrinter pdf(QPrinter::HighResolution);
            pdf.setOutputFormat(QPrinter::PdfFormat);
            pdf.setPageLayout(printer.pageLayout());
            pdf.setDocName(printer.docName());
            pdf.setOutputFileName(file);
            draw(&pdf);
            savedPdf = file;
            dialog.accept();
        });
    }
    if (dialog.exec() != QDialog::Accepted) return {};
    if (!savedPdf.isEmpty()) return savedPdf;
    return printer.outputFormat() == QPrinter::PdfFormat ? printer.outputFileName()
                                                         : printer.printerName();
}

void EnablePrintPreview(QtPrinterCanvas& printer) {
    printer.SetPreview([](QPrinter& target, const std::function<void(QPrinter*)>& draw) {
        return ShowPrintPreview(target, draw, QApplication::activeWindow());
    });
}

} // namespace tev
