// The window program's printer writing PDF files, directly and through the engine's list
// printing.
#include "output/print_list.h"
#include "output/qt_printer_canvas.h"
#include "shell/engine.h"
#include "shell/qt_ui.h"
#include "support/test_support.h"

#include <QtTest>
#include <filesystem>

using namespace tev;
using namespace tev::test;

namespace {

bool NonEmptyFile(const QString& file) {
    std::error_code error;
    return std::filesystem::file_size(file.toStdString(), error) > 0 && !error;
}

} // namespace

class PrinterCanvasTest : public QObject {
    Q_OBJECT

private slots:
    void DocumentsBecomeNumberedPdfFiles() {
        TempDir temp;
        const QString pdf = QString::fromStdString((temp.path() / "druck.pdf").string());
        QtPrinterCanvas canvas(pdf);
        QStringList written;
        canvas.SetDocumentDone([&](const QString& where) { written << where; });
        QVERIFY(canvas.BeginDocument("Test", PageOrientation::Portrait));
        QVERIFY(canvas.InDocument());
        PrintFont font;
        font.name = "Arial";
        font.height = 40;
        canvas.SetFont(font);
        const int width = canvas.TextWidth("Schülerzahlen");
        QVERIFY(width > 100 && width < 400); // 40 units high: some 25 mm wide
        QVERIFY(canvas.TextWidth("WWWW") > canvas.TextWidth("iiii"));
        canvas.TextOut(100, 50, "Sch\xFClerzahlen");
        canvas.Line(100, 100, 1900, 100);
        canvas.SetOrientation(PageOrientation::Landscape);
        canvas.NewPage();
        canvas.TextOut(100, 50, "Seite 2");
        canvas.EndDocument();
        QVERIFY(!canvas.InDocument());
        QVERIFY(canvas.BeginDocument("Zweites", PageOrientation::Landscape));
        canvas.EndDocument();
        const QString second = QString::fromStdString((temp.path() / "druck-2.pdf").string());
        QCOMPARE(written, (QStringList{pdf, second}));
        QVERIFY(NonEmptyFile(pdf));
        QVERIFY(NonEmptyFile(second));

        // The next run continues the numbering: the printouts of this one stay.
        const auto before = std::filesystem::last_write_time(pdf.toStdString());
        QtPrinterCanvas nextRun(pdf);
        QCOMPARE(QString::fromStdString(nextRun.NextDocumentPath()),
                 QString::fromStdString((temp.path() / "druck-3.pdf").string()));
        QVERIFY(nextRun.BeginDocument("Dritter", PageOrientation::Portrait));
        nextRun.EndDocument();
        QVERIFY(NonEmptyFile(QString::fromStdString((temp.path() / "druck-3.pdf").string())));
        QCOMPARE(std::filesystem::last_write_time(pdf.toStdString()), before);
    }

    void TheEnginePrintsAListThroughIt() {
        TempDir temp;
        const QString pdf = QString::fromStdString((temp.path() / "liste.pdf").string());
        QtUi ui;
        Engine engine{ui, temp.path()};
        engine.printer = std::make_unique<QtPrinterCanvas>(pdf);
        std::vector<std::string> lines;
        for (int i = 0; i < 120; ++i)
            lines.push_back("Zeile " + std::to_string(i));
        QVERIFY(PrintList(engine, "-Liste", lines, 0, 35, -1));
        QVERIFY(!engine.printer->InDocument());
        QVERIFY(NonEmptyFile(pdf));
    }
};

QTEST_MAIN(PrinterCanvasTest)
#include "printer_canvas_test.moc"
