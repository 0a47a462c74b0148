#pragma once
// Qt's print preview over a document of the program: pages, page count, zoom, print, and
// saving the document as a PDF file.
#include <QString>
#include <functional>

class QPrinter;
class QWidget;

namespace tev {

class QtPrinterCanvas;

inline constexpr const char* kSavePdfAction = "Als PDF speichern";

// Modal; returns where the document went (the printer's name or the PDF file), empty when the
// user closed the preview without printing.
QString ShowPrintPreview(QPrinter& printer, const std::function<void(QPrinter*)>& draw,
                         QWidget* parent);

// Every document of the printer is shown in the preview over the active window first.
void EnablePrintPreview(QtPrinterCanvas& printer);

} // namespace tev
