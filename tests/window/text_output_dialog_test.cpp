// The text output window answering range and option choices, as a viewer and as a list-file
// editor, driven through its real widgets.
#include "dialog_answers.h"
#include "output/codepage.h"
#include "output/qt_printer_canvas.h"
#include "output/text_output_dialog.h"
#include "shell/engine.h"
#include "shell/qt_ui.h"
#include "support/test_support.h"

#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <filesystem>

using namespace tev;
using namespace tev::test;

namespace {

const std::vector<std::string> kItems = {"Mainz", "Trier", "Speyer", "Worms", "Landau"};

QListWidget* ListOf(QWidget* dialog) {
    return Child<QListWidget>(dialog, "ListBox1");
}

void ClickLabelAt(QWidget* dialog, const char* name, int x) {
    auto* label = Child<QLabel>(dialog, name);
    QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(x, label->height() / 2));
}

} // namespace

class TextOutputDialogTest : public QObject {
    Q_OBJECT

private slots:
    void SingleChoiceReturnsTheChosenLine() {
        RangeRequest request;
        request.title = "Auswerten";
        request.items = kItems;
        request.first = 2;
        AnswerNext<TFormSelFrmD>([](TFormSelFrmD* dialog) {
            QCOMPARE(dialog->windowTitle(), QString("Auswerten"));
            QCOMPARE(ListOf(dialog)->currentRow(), 1);
            QVERIFY(Child<QPushButton>(dialog, "Balle")->isHidden());
            ClickLine(ListOf(dialog), 3);
            QCOMPARE(Child<QLabel>(dialog, "Label3")->text(), QString("4"));
            Click(Child(dialog, "BOK"));
        });
        QVERIFY(TFormSelFrmD::SelectRange(request, nullptr));
        QCOMPARE(request.first, 4);
        QCOMPARE(request.last, 4);
        QVERIFY(!request.all);
    }

    void MultiSelectionReturnsTheMarkedRangeAndAllTakesEveryLine() {
        RangeRequest request;
        request.title = "Schulen";
        request.items = kItems;
        request.multi = true;
        AnswerNext<TFormSelFrmD>([](TFormSelFrmD* dialog) {
            QListWidget* list = ListOf(dialog);
            ClickLine(list, 3);
            ClickLine(list, 1, Qt::ShiftModifier);
            Click(Child(dialog, "BOK"));
        });
        QVERIFY(TFormSelFrmD::SelectRange(request, nullptr));
        QCOMPARE(request.first, 2);
        QCOMPARE(request.last, 4);

        AnswerNext<TFormSelFrmD>([](TFormSelFrmD* dialog) {
            QVERIFY(!Child<QPushButton>(dialog, "Balle")->isHidden());
            Click(Child(dialog, "Balle"));
        });
        QVERIFY(TFormSelFrmD::SelectRange(request, nullptr));
        QVERIFY(request.all);
        QCOMPARE(request.first, 1);
        QCOMPARE(request.last, 5);
    }

    void CancelAndCodesOfTheTitle() {
        RangeRequest request;
        request.title = "Wahl";
        request.items = kItems;
        AnswerNext<TFormSelFrmD>([](TFormSelFrmD* dialog) { Click(Child(dialog, "BCancel")); });
        QVERIFY(!TFormSelFrmD::SelectRange(request, nullptr));

        // Code 3: "Weiter"; code 7: the search panel; code 1: no "Abbruch".
        request.title = "\x01\x03\x07Suche";
        AnswerNext<TFormSelFrmD>([](TFormSelFrmD* dialog) {
            QCOMPARE(Child(dialog, "BOK")->text(), QString("Weiter"));
            QVERIFY(Child(dialog, "BCancel")->isHidden());
            QVERIFY(!Child<QWidget>(dialog, "Panelsuch")->isHidden());
            Child<QLineEdit>(dialog, "Editsuch")->setText("WOR");
            Click(Child(dialog, "SBsuch"));
            QCOMPARE(ListOf(dialog)->currentRow(), 3);
            QVERIFY(dialog->windowTitle().startsWith("Suche   -->"));
            QVERIFY(dialog->windowTitle().endsWith("3: Worms"));
            Click(Child(dialog, "BOK"));
        });
        QVERIFY(TFormSelFrmD::SelectRange(request, nullptr));
        QCOMPARE(request.first, 4);
    }

    void FilteredChoiceAnswersWithLinesOfTheWholeList() {
        RangeRequest request;
        request.title = "Wahl;a;Extra";
        request.items = kItems;
        AnswerNext<TFormSelFrmD>([](TFormSelFrmD* dialog) {
            QListWidget* list = ListOf(dialog);
            QCOMPARE(list->count(), 3); // Mainz, Landau, Extra
            ClickLine(list, 1);
            Click(Child(dialog, "BOK"));
        });
        QVERIFY(TFormSelFrmD::SelectRange(request, nullptr));
        QCOMPARE(request.first, 5);
    }

    void SeparatorLinesAreSkippedInTheStepDirection() {
        RangeRequest request;
        request.title = "\x0bProfil";
        request.items = {"A", "-----", "B"};
        AnswerNext<TFormSelFrmD>([](TFormSelFrmD* dialog) {
            ClickLine(ListOf(dialog), 1);
            Click(Child(dialog, "BOK"));
        });
        QVERIFY(TFormSelFrmD::SelectRange(request, nullptr));
        QCOMPARE(request.first, 3);
    }

    void ManyLinesGoIntoColumnsAndTheSidePanelChangesThem() {
        RangeRequest request;
        request.title = "Schulen";
        for (int i = 0; i < 200; ++i)
            request.items.push_back("Schule " + std::to_string(i));
        AnswerNext<TFormSelFrmD>([](TFormSelFrmD* dialog) {
            const int columns = dialog->columns();
            QVERIFY(columns >= 2);
            auto* panel = Child<QWidget>(dialog, "Panel1");
            const QRect band = Child<QWidget>(dialog, "ColumnBand")->geometry();
            QTest::mouseClick(panel, Qt::LeftButton, {},
                              QPoint(panel->width() - 3, band.center().y()));
            QCOMPARE(dialog->columns(), columns + 1);
            QTest::mouseClick(panel, Qt::LeftButton, {}, QPoint(3, band.center().y()));
            QTest::mouseClick(panel, Qt::LeftButton, {}, QPoint(3, band.center().y()));
            QCOMPARE(dialog->columns(), columns - 1);
            QTest::mouseClick(panel, Qt::LeftButton, {},
                              QPoint(panel->width() / 2, band.center().y()));
            QCOMPARE(dialog->fontName(), std::string("Arial"));
            const QRect strip = Child<QWidget>(dialog, "StepStrip")->geometry();
            QTest::mouseClick(panel, Qt::LeftButton, {},
                              QPoint(panel->width() - 3, strip.center().y()));
            QCOMPARE(dialog->options().step, 1);
            QTest::mouseClick(panel, Qt::LeftButton, {}, QPoint(3, strip.center().y()));
            QCOMPARE(dialog->options().step, -1);
            QTest::mouseClick(panel, Qt::LeftButton, {}, QPoint(3, panel->height() - 3));
            QCOMPARE(dialog->options().step, 0);
            Click(Child(dialog, "BCancel"));
        });
        QVERIFY(!TFormSelFrmD::SelectRange(request, nullptr));
    }

    void OptionChoiceStartsOnThePresetAndTakesADoubleClick() {
        OptionRequest request;
        request.caption = Win("Schul-Gruppe wählen");
        request.options = {"  alle", "1  öff", "3  priv"};
        request.preset = 2;
        AnswerNext<TFormSelFrmD>([](TFormSelFrmD* dialog) {
            QCOMPARE(dialog->windowTitle(), QString::fromUtf8("Schul-Gruppe wählen"));
            QListWidget* list = ListOf(dialog);
            QCOMPARE(list->currentRow(), 1);
            QCOMPARE(list->item(2)->text(), QString("3  priv"));
            DoubleClickLine(list, 2);
            QVERIFY(!dialog->isVisible());
        });
        QCOMPARE(TFormSelFrmD::ChooseOption(request, nullptr), 3);

        AnswerNext<TFormSelFrmD>([](TFormSelFrmD* dialog) { Click(Child(dialog, "BCancel")); });
        QCOMPARE(TFormSelFrmD::ChooseOption(request, nullptr), 0);
    }

    void ViewerCopiesFontsAndCloses() {
        AnswerNext<TFormSelFrmD>([](TFormSelFrmD* dialog) {
            QVERIFY(Child(dialog, "BOK")->isHidden());
            QCOMPARE(Child(dialog, "BCancel")->text(), QString::fromUtf8("Schließen"));
            QCOMPARE(dialog->fontName(), std::string("MS LineDraw"));
            ClickLabelAt(dialog, "Label5", 3);
            QCOMPARE(dialog->fontName(), std::string("Arial"));
            ClickLabelAt(dialog, "Label6", 3);
            QCOMPARE(QGuiApplication::clipboard()->text(), QString::fromUtf8("Zeile 1\nÄrger"));
            Click(Child(dialog, "BCancel"));
        });
        TFormSelFrmD::ShowLines({"Zeile 1", "\x8Erger"}, "Ansicht", nullptr);
    }

    void ListFileEditingSavesEveryChange() {
        TempDir temp;
        const std::string file = (temp.path() / "liste.dat").string();
        WriteFile(file, DosLines({"erste"}));
        AnswerNext<TFormSelFrmD>([](TFormSelFrmD* dialog) {
            QVERIFY(!Child<QWidget>(dialog, "PanelEdit")->isHidden());
            QVERIFY(!Child<QWidget>(dialog, "LabelneuEinf")->isHidden());
            auto* edit = Child<QLineEdit>(dialog, "Edit1");
            QTest::keyClicks(edit, "zweite ");
            edit->insert(QString::fromUtf8("ä"));
            ClickLabelAt(dialog, "LabelNeu", 3);
            ClickLine(ListOf(dialog), 0);
            ClickLabelAt(dialog, "LabelWeg", 3);
            QCOMPARE(edit->text(), QString("erste"));
            Click(Child(dialog, "BCancel"));
        });
        TFormSelFrmD::EditListFile(file, "\x04\x04\x05Liste", nullptr);
        // The line-drawing font writes the DOS code page.
        QCOMPARE(ReadFile(file), std::string("zweite \x84\r\n"));
    }

    void PrintsTheLinesFromTheCurrentLineToAPdf() {
        TempDir temp;
        const QString pdf = QString::fromStdString((temp.path() / "druck.pdf").string());
        QtUi ui;
        Engine engine{ui, temp.path()};
        engine.printer = std::make_unique<QtPrinterCanvas>(pdf);
        AnswerNext<TFormSelFrmD>([](TFormSelFrmD* dialog) {
            ClickLine(ListOf(dialog), 1);
            AnswerNext<QMessageBox>([](QMessageBox* box) {
                QCOMPARE(box->text(), QString("ab akt.Zeile wirklich drucken?"));
                ClickBoxButton(box, "Ja");
            });
            auto* label = Child<QLabel>(dialog, "Label1");
            QVERIFY(label->isEnabled());
            ClickLabelAt(dialog, "Label1", label->width() - 2);
            Click(Child(dialog, "BCancel"));
        });
        TFormSelFrmD::ShowLines({"eins", "zwei", "drei"}, "Liste", &engine);
        QVERIFY(std::filesystem::exists(pdf.toStdString()));
        QVERIFY(std::filesystem::file_size(pdf.toStdString()) > 0);
    }

    void ChoosesAFileOfTheDirectory() {
        TempDir temp;
        WriteFile(temp.path() / "a.txt", "");
        WriteFile(temp.path() / "b.TXT", "");
        WriteFile(temp.path() / "c.csv", "");
        AnswerNext<TFormSelFrmD>([](TFormSelFrmD* dialog) {
            QCOMPARE(ListOf(dialog)->count(), 2);
            ClickLine(ListOf(dialog), 1);
            Click(Child(dialog, "BOK"));
        });
        QCOMPARE(TFormSelFrmD::ChooseFromFiles("Datei", temp.path().string(), "*.txt"),
                 std::string("b.TXT"));
    }
};

QTEST_MAIN(TextOutputDialogTest)
#include "text_output_dialog_test.moc"
