// The main window on a small office made by the test: start-up through the real group
// choice, sorting, loading a school, the menus, the info box, the upper table, the school
// year button, the gauge and the sheet print over several schools.
#include "data/school_groups.h"
#include "dialog_answers.h"
#include "evaluation/course_overview.h"
#include "evaluation/course_overview_window.h"
#include "output/ask_text_dialog.h"
#include "output/chart_window.h"
#include "output/codepage.h"
#include "output/qt_printer_canvas.h"
#include "output/qt_texts.h"
#include "output/text_output_dialog.h"
#include "shell/engine.h"
#include "shell/main_menu.h"
#include "shell/main_window.h"
#include "shell/program_start.h"
#include "shell/qt_progress_panel.h"
#include "shell/qt_ui.h"
#include "support/demo_sheets.h"
#include "support/test_support.h"

#include <QAction>
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QValueAxis>
#include <QtTest>
#include <cstdlib>
#include <filesystem>
#include <memory>

using namespace tev;
using namespace tev::test;

namespace {

const char* const kPassphrase = "Kreidestaub-1998";

std::string DataSet(const std::string& number) {
    return ".;21;" + number + ";2016/17;Gym             \r\n" +
           " 0;;5;6;7;8;9;10;11;zusammen\r\n"
           " 1;m\x84nnlich;1;2;;;;;;\r\n"
           " 2;weiblich;3;;;;;;;\r\n";
}

SchoolNameLine School(const std::string& number, const std::string& shortName) {
    SchoolNameLine line;
    line.number = number;
    line.shortName = shortName;
    return line;
}

// Answers the group choice "Schul-Gruppe wählen" with its preset (all schools).
void AnswerGroupChoice() {
    AnswerNext<TFormSelFrmD>([](TFormSelFrmD* dialog) {
        QCOMPARE(dialog->windowTitle(), QString::fromUtf8("Schul-Gruppe wählen"));
        auto* list = Child<QListWidget>(dialog, "ListBox1");
        QCOMPARE(list->currentItem()->text(), ShownText(SchoolGroupEntry("  ")));
        Click(Child(dialog, "BOK"));
    });
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TempDir> temp_;
    std::unique_ptr<QtUi> ui_;
    std::unique_ptr<Engine> engine_;
    std::unique_ptr<TFormTEV1> window_;

    void Start() {
        temp_ = std::make_unique<TempDir>();
        const auto& dir = temp_->path();
        WriteFile(dir / "schulnam.dat", DosLines({School("112233", "Zeppelin-Gym").Text(),
                                                  School("112240", "\x8Erztl-Gym").Text(),
                                                  School("112250", "Bismarck").Text()}));
        WriteFile(dir / "TEV" / "SL112233.16", DataSet("112233"));
        WriteFile(dir / "TEV" / "SL112250.16", DataSet("112250"));
        WriteFile(dir / "TEV" / "SL112240.12", DataSet("112240"));
        ui_ = std::make_unique<QtUi>();
        engine_ = std::make_unique<Engine>(*ui_, dir);
        ui_->SetEngine(engine_.get());
        engine_->printer =
            std::make_unique<QtPrinterCanvas>(QString::fromStdString((dir / "druck.pdf").string()));
        StartInputs inputs;
        inputs.parameters = {dir.string()};
        inputs.today = {2016, 11, 20};
        ProcessStart(*engine_, inputs);
        AnswerGroupChoice();
        FormCreate(*engine_, inputs);
        window_ = std::make_unique<TFormTEV1>(*engine_, *ui_);
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    }

    QListWidget* SchoolList() const { return Child<QListWidget>(window_.get(), "LB"); }
    QListWidget* OutputBox() const { return Child<QListWidget>(window_.get(), "LB2"); }

    QAction* Action(const std::string& path) const {
        const QString wanted = ShownText(Win(path));
        for (QAction* action : window_->MenuActions()) {
            if (action->data().toString() == wanted) return action;
        }
        qFatal("no menu entry %s", path.c_str());
    }

    void ClickSortKey(int index) const {
        auto* key = Child<QRadioButton>(window_.get(), qPrintable(QString("RGSort%1").arg(index)));
        QTest::mouseClick(key, Qt::LeftButton, {}, QPoint(8, key->height() / 2));
    }

    // The dialog's middle is the window's (as far as the screen allows).
    bool Centred(const QWidget* dialog) const {
        const QPoint offset = dialog->frameGeometry().center() - window_->frameGeometry().center();
        const QRect screen = AvailableScreen(window_.get());
        const bool clamped = dialog->frameGeometry().left() == screen.left() ||
                             dialog->frameGeometry().right() == screen.right();
        return std::abs(offset.y()) <= 2 && (clamped || std::abs(offset.x()) <= 2);
    }

    int RowOf(const std::string& number) const {
        for (int i = 0; i < SchoolList()->count(); ++i) {
            if (SchoolList()->item(i)->text().mid(2, 6) == QString::fromStdString(number)) return i;
        }
        return -1;
    }

private slots:
    void init() { Start(); }

    void cleanup() {
        window_.reset();
        engine_.reset();
        ui_.reset();
        temp_.reset();
    }

    void StartUpShowsTheSchoolListAndTheStartingState() {
        QVERIFY(AvailableScreen(window_.get()).contains(window_->frameGeometry()));
        QCOMPARE(SchoolList()->count(), 3);
        for (int i = 0; i < 3; ++i)
            QCOMPARE(SchoolList()->item(i)->text(),
                     QString::fromStdString(DisplayText(engine_->schoolList.lines[i])));
        QVERIFY(SchoolList()->item(RowOf("112240"))->text().contains(QString::fromUtf8("Ärztl")));
        QCOMPARE(window_->windowTitle(), ShownText(engine_->window.caption));
        QCOMPARE(Child(window_.get(), "SBpjj")->text(), QString(".16"));
        QVERIFY(Child<QRadioButton>(window_.get(), "RGSort2")->isChecked());
        QCOMPARE(Child(window_.get(), "SBSize")->text(), QString("links schmaler"));
        QVERIFY(Child<QWidget>(window_.get(), "PanelTop")->isHidden());
        QVERIFY(Child<QWidget>(window_.get(), "Panel2")->isHidden());
        QVERIFY(Child<QWidget>(window_.get(), "Panel3")->isHidden());
        QVERIFY(!window_->TopMenu("XXX")->menuAction()->isVisible());
        QCOMPARE(Child<QCheckBox>(window_.get(), "CB91plausSoll")->text(),
                 QString::fromUtf8("9.1 Soll-Plausibilität"));
    }

    void AClickOnASortKeySortsTheList() {
        ClickSortKey(3);
        QCOMPARE(engine_->window.sortIndex, 3);
        QCOMPARE(SchoolList()->item(0)->text().mid(2, 6), QString("112240")); // Ä as A
        QCOMPARE(SchoolList()->item(1)->text().mid(2, 6), QString("112250"));
        QCOMPARE(SchoolList()->item(2)->text().mid(2, 6), QString("112233"));
        ClickSortKey(2);
        QCOMPARE(SchoolList()->item(0)->text().mid(2, 6), QString("112233"));
    }

    void AClickInTheListLoadsTheSchoolAndShowsItsTestLines() {
        ClickLine(SchoolList(), RowOf("112250"));
        QCOMPARE(engine_->schoolList.itemIndex, RowOf("112250"));
        QCOMPARE(engine_->sheet.header.SchoolNumber(), std::string("112250"));
        QCOMPARE(engine_->schoolList.busyMark, 0);
        QCOMPARE(OutputBox()->count(), static_cast<int>(engine_->sheet.findings.size()));
        for (int i = 0; i < OutputBox()->count(); ++i)
            QCOMPARE(OutputBox()->item(i)->text(),
                     QString::fromStdString(DisplayText(engine_->sheet.findings[i])));

        // A double click on an output line naming a school loads that school.
        engine_->outputBox.lines() = {"Kopf", "  112233 Zeppelin-Gym"};
        window_->RefreshFromEngine();
        DoubleClickLine(OutputBox(), 1);
        QCOMPARE(engine_->schoolList.itemIndex, RowOf("112233"));
        QCOMPARE(SchoolList()->currentRow(), RowOf("112233"));
        QCOMPARE(engine_->sheet.header.SchoolNumber(), std::string("112233"));
    }

    void RangeChoiceAndTextThroughTheRealDialogs() {
        RangeRequest range;
        range.title = "Auswerten";
        range.items = engine_->schoolList.lines;
        range.multi = true;
        AnswerNext<TFormSelFrmD>([](TFormSelFrmD* dialog) {
            auto* list = Child<QListWidget>(dialog, "ListBox1");
            ClickLine(list, 1);
            ClickLine(list, 2, Qt::ShiftModifier);
            Click(Child(dialog, "BOK"));
        });
        QVERIFY(ui_->SelectRange(range));
        QCOMPARE(range.first, 2);
        QCOMPARE(range.last, 3);
        AnswerNext<TFormSelFrmD>([](TFormSelFrmD* dialog) { Click(Child(dialog, "Balle")); });
        QVERIFY(ui_->SelectRange(range));
        QVERIFY(range.all);
        QCOMPARE(range.last, 3);

        TextRequest text;
        text.caption = "Schule suchen";
        text.prompt = "Name oder Nr";
        AnswerNext<AskTextDialog>([](AskTextDialog* dialog) {
            QTest::keyClicks(Child<QLineEdit>(dialog, "Edit"), "Bismarck");
            Click(Child(dialog, "OKBtn"));
        });
        QVERIFY(ui_->AskText(text));
        QCOMPARE(text.value, std::string("Bismarck"));
    }

    void TheMenusHoldEveryEntryWithUnbuiltOnesDisabled() {
        QCOMPARE(window_->MenuActions().size(), MainMenu().size());
        for (const MenuEntry& entry : MainMenu()) {
            QAction* action = Action(Utf8FromWin(entry.path));
            QCOMPARE(action->isVisible(), !entry.developerOnly);
            if (!entry.developerOnly) QCOMPARE(action->isEnabled(), entry.command != nullptr);
            // A disabled entry says why.
            if (!action->isEnabled()) QVERIFY(!action->toolTip().isEmpty());
        }
        QVERIFY(Action("Testen")->statusTip() == QString("Testen aller Schulen"));
        QVERIFY(Action("Auswerten/(teste 5.1+6.1)")
                    ->toolTip()
                    .contains(QString::fromUtf8("Noch nicht verfügbar")));
        engine_->window.editMenusEnabled = false; // as while a school loads
        window_->RefreshFromEngine();
        QVERIFY(!Action("Drucken/NachForderung")->isEnabled());
        QVERIFY(Action("Drucken/NachForderung")->toolTip().contains("solange eine Schule"));
        engine_->window.editMenusEnabled = true;
        window_->RefreshFromEngine();
        QVERIFY(Action("Drucken/NachForderung")->isEnabled());
    }

    void EveryMenuAndEntryHasItsOwnAltKey() {
        auto altKey = [](const QString& text) {
            for (qsizetype i = 0; i + 1 < text.size(); ++i) {
                if (text[i] != '&') continue;
                if (text[i + 1] != '&') return text[i + 1].toLower();
                ++i;
            }
            return QChar();
        };
        auto checkMenu = [&](const QList<QAction*>& actions) {
            QSet<QChar> keys;
            for (QAction* action : actions) {
                const QChar key = altKey(action->text());
                QVERIFY2(!key.isNull() && !keys.contains(key), qPrintable(action->text()));
                keys.insert(key);
            }
        };
        checkMenu(window_->menuBar()->actions());
        for (QAction* top : window_->menuBar()->actions()) {
            if (top->menu()) checkMenu(top->menu()->actions());
        }
        // Alt and the letter open the menu; Ctrl+Q ends, Ctrl+P prints the output box.
        const QChar file = altKey(window_->TopMenu("Datei")->title());
        QTest::keyClick(window_.get(), file.toLatin1(), Qt::AltModifier);
        QTRY_COMPARE(QApplication::activePopupWidget(), window_->TopMenu("Datei"));
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
        QTRY_VERIFY(!QApplication::activePopupWidget());
        // "Info" keeps its first letter although "Diverses" comes before it.
        bool informed = false;
        AnswerNext<QMessageBox>([&informed](QMessageBox* box) {
            informed = box->windowTitle() == "Info";
            box->button(QMessageBox::Ok)->click();
        });
        QTest::keyClick(window_.get(), Qt::Key_I, Qt::AltModifier);
        QTRY_VERIFY(informed);
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
        QCOMPARE(Action("Datei/Ende")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
        QCOMPARE(Action("Drucken/Ausgabe(rechte Box)")->shortcut(),
                 QKeySequence(Qt::CTRL | Qt::Key_P));
        QTest::keyClick(window_.get(), Qt::Key_Q, Qt::ControlModifier);
        QTRY_VERIFY(!window_->isVisible());
    }

    void ThePrintQuestionSaysWhatIsPrintedOverTheWindow() {
        engine_->outputBox.lines() = {"Zeile eins", "Zeile zwei", "Zeile drei"};
        window_->RefreshFromEngine();
        bool asked = false;
        AnswerNext<TFormSelFrmD>([this, &asked](TFormSelFrmD* dialog) {
            asked = true;
            QCOMPARE(dialog->windowTitle(), QString("Ausgabe"));
            auto* subject = dialog->findChild<QLabel*>("Subject");
            QVERIFY(subject && subject->isVisible());
            QVERIFY(subject->text().startsWith("Ausgabe\n"));
            QVERIFY(subject->text().contains("Zeile eins\nZeile zwei"));
            QVERIFY(Centred(dialog));
            Click(Child(dialog, "BCancel"));
        });
        QTest::keyClick(window_.get(), Qt::Key_P, Qt::ControlModifier);
        QVERIFY(asked);
    }

    void DialogsOpenOverTheMiddleOfTheWindow() {
        RangeRequest range;
        range.title = "Testen";
        range.items = engine_->schoolList.lines;
        bool asked = false;
        AnswerNext<TFormSelFrmD>([this, &asked](TFormSelFrmD* dialog) {
            asked = Centred(dialog);
            Click(Child(dialog, "BCancel"));
        });
        ui_->SelectRange(range);
        QVERIFY(asked);

        TextRequest text;
        text.caption = "Datei";
        text.prompt = "Name";
        text.mask = " "; // as wide as the screen
        asked = false;
        AnswerNext<AskTextDialog>([this, &asked](AskTextDialog* dialog) {
            asked = Centred(dialog);
            Click(Child(dialog, "CancelBtn"));
        });
        ui_->AskText(text);
        QVERIFY(asked);

        asked = false;
        AnswerNext<QMessageBox>([&asked](QMessageBox* box) {
            asked = box->text().contains("druck.pdf");
            box->button(QMessageBox::Ok)->click();
        });
        Action("Drucken/Drucker-Optionen")->trigger();
        QVERIFY(asked);
    }

    void LongOutputLinesShowWholeWithASidewaysScrollBar() {
        const std::string longLine = "-\\112233 Zeppelin-Gym " + std::string(240, 'x') + " Ende";
        engine_->outputBox.lines() = {"kurz", longLine, "PROTOKOLL:"};
        window_->RefreshFromEngine();
        auto whole = [this](int row) {
            QListWidgetItem* item = OutputBox()->item(row);
            return OutputBox()->visualItemRect(item).width() >
                   OutputBox()->fontMetrics().horizontalAdvance(item->text());
        };
        QTRY_VERIFY(whole(1));
        QVERIFY(OutputBox()->horizontalScrollBar()->maximum() > 0);
        // Lines added by a running report, and a longer one in place of a short one.
        engine_->outputBox.Add(longLine + " und noch weiter, noch ein gutes Stück weiter");
        engine_->outputBox.lines()[0] = longLine + std::string(100, 'y');
        window_->RefreshFromEngine();
        QTRY_VERIFY(whole(0));
        QVERIFY(whole(3));
    }

    void AfterSortingTheHighlightedLineIsTheLoadedSchool() {
        ClickLine(SchoolList(), RowOf("112250"));
        const auto findings = engine_->sheet.findings;
        ClickSortKey(3); // Ärztl, Bismarck, Zeppelin
        QCOMPARE(SchoolList()->currentRow(), RowOf("112250"));
        QCOMPARE(engine_->sheet.header.SchoolNumber(), std::string("112250"));
        QCOMPARE(engine_->outputBox.lines(), findings);

        // "Testergebnis" on an untested list runs the data test first; its last school stays
        // loaded and highlighted. By number the first line is a school with data, unmarked.
        ClickSortKey(2);
        QCOMPARE(SchoolList()->currentRow(), RowOf("112250"));
        QCOMPARE(engine_->schoolList.lines.front()[0], '0');
        AnswerNext<TFormSelFrmD>([](TFormSelFrmD* dialog) {
            AnswerNext<QMessageBox>([](QMessageBox* first) {
                AnswerNext<QMessageBox>([](QMessageBox* second) {
                    AnswerNext<TFormSelFrmD>([](TFormSelFrmD* print) {
                        AnswerNext<TFormSelFrmD>(
                            [](TFormSelFrmD* again) { Click(Child(again, "BCancel")); });
                        Click(Child(print, "BCancel"));
                    });
                    ClickBoxButton(second, "Ja");
                });
                ClickBoxButton(first, "Ja");
            });
            Click(Child(dialog, "Balle"));
        });
        ClickSortKey(1);
        QVERIFY(engine_->schoolList.lines.front()[0] != '0');
        const int row = SchoolList()->currentRow();
        QVERIFY(row >= 0);
        QCOMPARE(SchoolList()->item(row)->text().mid(2, 6).toStdString(),
                 engine_->sheet.header.SchoolNumber());
    }

    void TheInfoBoxIdentificationShowsTheDeveloperControls() {
        AnswerNext<QMessageBox>([](QMessageBox* box) {
            QVERIFY(box->text().startsWith("WnnTEV10.24"));
            AnswerNext<AskTextDialog>([](AskTextDialog* dialog) {
                auto* edit = Child<QLineEdit>(dialog, "Edit");
                QCOMPARE(edit->echoMode(), QLineEdit::Password);
                QTest::keyClicks(edit, kPassphrase);
                Click(Child(dialog, "OKBtn"));
            });
            QTest::keyClick(box, Qt::Key_Escape);
        });
        Action("Info")->trigger();
        QCOMPARE(engine_->developerMode() & 1, 1);
        QVERIFY(!Child<QWidget>(window_.get(), "Panel2")->isHidden());
        QVERIFY(window_->TopMenu("XXX")->menuAction()->isVisible());
        for (const MenuEntry& entry : MainMenu()) {
            QAction* action = Action(Utf8FromWin(entry.path));
            QVERIFY(action->isVisible());
            if (entry.developerOnly) QCOMPARE(action->isEnabled(), entry.command != nullptr);
        }

        // The developer button "ext" runs the import of deliveries; an empty diskette ends it.
        auto* ext = Child<QPushButton>(window_.get(), "SBext");
        QVERIFY(ext->isEnabled());
        QCOMPARE(ext->toolTip(), QString("sel_load_ext    noch nicht getestet!!!"));
        const auto diskette = temp_->path() / "leer";
        std::filesystem::create_directories(diskette);
        engine_->drives.a = diskette.string() + "/";
        bool told = false;
        AnswerNext<QMessageBox>([&told](QMessageBox* box) {
            told = box->text() == "*.dat auf Diskette nicht gefunden";
            box->button(QMessageBox::Ok)->click();
        });
        Click(ext);
        QVERIFY(told);

        // A developer entry: the school search selects and loads the school found.
        AnswerNext<AskTextDialog>([](AskTextDialog* dialog) {
            QTest::keyClicks(Child<QLineEdit>(dialog, "Edit"), "Bismarck");
            Click(Child(dialog, "OKBtn"));
        });
        Action("XXX/Suche Schule")->trigger();
        QCOMPARE(SchoolList()->currentRow(), RowOf("112250"));
        QCOMPARE(engine_->sheet.header.SchoolNumber(), std::string("112250"));

        // OK instead of Escape asks nothing.
        AnswerNext<QMessageBox>([](QMessageBox* box) { box->button(QMessageBox::Ok)->click(); });
        Action("Info")->trigger();
        QCOMPARE(engine_->developerMode() & 1, 1);
    }

    void TheUpperTableShowsTheEngineTableAndPrints() {
        engine_->upperTable.SetColCount(3);
        engine_->upperTable.SetRowCount(2);
        engine_->upperTable.SetFixedRows(1);
        engine_->upperTable.SetCells(0, 0, Win("Schülerzahlen"));
        engine_->upperTable.SetCells(2, 1, "417");
        Action("Diverses/Obere Tabelle schließen / anzeigen")->trigger();
        auto* table = Child<QTableWidget>(window_.get(), "SGausw");
        QVERIFY(!Child<QWidget>(window_.get(), "PanelTop")->isHidden());
        QCOMPARE(table->columnCount(), 3);
        QCOMPARE(table->item(0, 0)->text(), QString::fromUtf8("Schülerzahlen"));
        QCOMPARE(table->item(1, 2)->text(), QString("417"));

        AnswerNext<TFormSelFrmD>([](TFormSelFrmD* dialog) {
            QCOMPARE(dialog->windowTitle(), QString::fromUtf8("Schülerzahlen"));
            ChooseLine(dialog, "wirklich drucken");
        });
        const QPoint at = table->visualItemRect(table->item(1, 1)).center();
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, at);
        // A small table keeps its document open for a following one.
        QVERIFY(engine_->printer->InDocument());
        engine_->printer->EndDocument();
        QVERIFY(std::filesystem::file_size(temp_->path() / "druck.pdf") > 0);

        Action("Diverses/Obere Tabelle schließen / anzeigen")->trigger();
        QVERIFY(Child<QWidget>(window_.get(), "PanelTop")->isHidden());
    }

    void TheSchoolYearButtonSwitchesTheYear() {
        AnswerNext<TFormSelFrmD>([](TFormSelFrmD* dialog) {
            QCOMPARE(dialog->windowTitle(), QString::fromUtf8("Schuljahr wählen"));
            auto* list = Child<QListWidget>(dialog, "ListBox1");
            QCOMPARE(list->currentItem()->text(), QString(".16"));
            AnswerGroupChoice();
            ChooseLine(dialog, ".12");
        });
        Click(Child(window_.get(), "SBpjj"));
        QCOMPARE(Child(window_.get(), "SBpjj")->text(), QString(".12"));
        QCOMPARE(engine_->startup.schoolYearCode, 112);
        QCOMPARE(SchoolList()->item(RowOf("112240"))->text().at(0), QChar('0'));
        QCOMPARE(SchoolList()->item(RowOf("112233"))->text().at(0), QChar('\\'));
    }

    void TheListWidthToggles() {
        window_->resize(1320, 820);
        QTRY_COMPARE(SchoolList()->width(), 530);
        Click(Child(window_.get(), "SBSize"));
        QCOMPARE(SchoolList()->width(), 185);
        QCOMPARE(Child(window_.get(), "SBSize")->text(), QString("links breiter"));
        QTest::mouseClick(Child<QWidget>(window_.get(), "Panel1"), Qt::LeftButton);
        QCOMPARE(SchoolList()->width(), 530);
    }

    void AClickOnTheGaugeStopsTheRun() {
        auto* panel = Child<ProgressPanel>(window_.get(), "Panel3");
        ui_->ProgressStart(40);
        ui_->ProgressStep(10);
        QVERIFY(ui_->ProgressRunning());
        QVERIFY(!panel->isHidden());
        QCOMPARE(panel->gauge()->Percent(), 25);
        QTest::mouseClick(panel, Qt::LeftButton);
        QVERIFY(!ui_->ProgressRunning());
        QVERIFY(panel->isHidden());
    }

    void TablesForSeveralSchoolsPrintEachSchoolIntoOnePdf() {
        AnswerNext<TFormSelFrmD>([](TFormSelFrmD* dialog) {
            QCOMPARE(dialog->windowTitle(), QString("Schulbogen(Tabellen) drucken für "));
            AnswerNext<TFormSelFrmD>([](TFormSelFrmD* choice) {
                QCOMPARE(choice->windowTitle(), QString("Schulbogen(Tabellen) drucken"));
                ChooseLine(choice, "4 (4.1 - 4.4)");
            });
            Click(Child(dialog, "Balle"));
        });
        Action("Drucken/Tabellen für mehrere Schulen")->trigger();
        int printed = 0;
        for (int i = 0; i < OutputBox()->count(); ++i)
            printed += OutputBox()->item(i)->text().endsWith(":   gedruckt");
        QVERIFY(printed >= 2);
        QVERIFY(!engine_->printer->InDocument());
        const auto pdf = temp_->path() / "druck.pdf";
        QVERIFY(std::filesystem::exists(pdf));
        QVERIFY(!std::filesystem::exists(temp_->path() / "druck-2.pdf"));
        const auto text = temp_->path() / "druck.txt";
        const std::string command =
            "pdftotext -layout '" + pdf.string() + "' '" + text.string() + "'";
        QCOMPARE(std::system(command.c_str()), 0);
        const QString printedText = QString::fromUtf8(ReadFile(text)).simplified();
        QVERIFY(printedText.contains("Statistik 2016/17 Zeppelin-Gym"));
        QVERIFY(printedText.contains("Statistik 2016/17 Bismarck"));
        QVERIFY(printedText.contains(
            QString::fromUtf8("4.3 Inklusiv beschulte Schüler..... hat keine Zahlen > 0")));
    }

    void TheClassSizeReportShowsItsChartInAWindowThatEscapeCloses() {
        AnswerNext<TFormSelFrmD>([](TFormSelFrmD* dialog) {
            QVERIFY(
                dialog->windowTitle().startsWith(QString::fromUtf8("Klassenstärken auswerten")));
            Click(Child(dialog, "Balle"));
        });
        Action("Auswerten/Klassenstärken (1.2) auswerten")->trigger();
        ChartWindow* chartWindow = nullptr;
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* found = qobject_cast<ChartWindow*>(widget); found && found->isVisible())
                chartWindow = found;
        QVERIFY(chartWindow != nullptr);
        QVERIFY(QTest::qWaitForWindowExposed(chartWindow));
        QChart* chart = chartWindow->view()->chart();
        QCOMPARE(chart->title(), QString::fromUtf8("Klassenstärken 2016"));
        QVERIFY(chart->legend()->isVisible());
        const auto series = chart->series();
        QCOMPARE(series.size(), 1);
        auto* bars = qobject_cast<QBarSeries*>(series.first());
        QVERIFY(bars != nullptr);
        QCOMPARE(bars->count(), 8); // all levels, then 5 to 11
        QCOMPARE(bars->barSets().first()->label(), QString("Kl. 5-11"));
        QCOMPARE(bars->barSets().last()->label(), QString("Kl. 11"));
        QVERIFY(bars->isLabelsVisible());
        auto* categories = qobject_cast<QBarCategoryAxis*>(chart->axes(Qt::Horizontal).first());
        QVERIFY(categories != nullptr);
        QCOMPARE(categories->categories(),
                 QStringList({"1..16", "17..20", "21..24", "25..28", "29.."}));
        QCOMPARE(chart->axes(Qt::Vertical).first()->titleText(), QString("Klassen"));
        chartWindow->resize(500, 350);
        QCOMPARE(chartWindow->view()->size(), chartWindow->size());
        QPointer<ChartWindow> guard(chartWindow);
        QTest::keyClick(chartWindow, Qt::Key_Escape);
        QTRY_VERIFY(guard.isNull());
    }

    void AnyBarChartShowsItsValues() {
        BarChart chart;
        chart.title = Win("Schüler je Klassenstufe");
        chart.axisTitle = "Klassenstufe";
        chart.valueTitle = Win("Schüler");
        chart.categories = {"5", "6"};
        chart.series = {{"G9", {120, 110}}, {"G8", {60, 0}}};
        chart.stacked = true;
        ui_->ShowChart(chart);
        ChartWindow* chartWindow = nullptr;
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* found = qobject_cast<ChartWindow*>(widget); found && found->isVisible())
                chartWindow = found;
        QVERIFY(chartWindow != nullptr);
        QCOMPARE(chartWindow->windowTitle(), QString::fromUtf8("Schüler je Klassenstufe"));
        auto* bars =
            qobject_cast<QAbstractBarSeries*>(chartWindow->view()->chart()->series().first());
        QVERIFY(bars != nullptr);
        QCOMPARE(bars->barSets().at(0)->at(1), 110.0);
        QCOMPARE(bars->barSets().at(1)->label(), QString("G8"));
        // Stacked bars need room for the sum of a category.
        auto* values =
            qobject_cast<QValueAxis*>(chartWindow->view()->chart()->axes(Qt::Vertical).first());
        QVERIFY(values->max() >= 180);
        chartWindow->close();
    }

    // The course overview window on a demo office: a subject clicked twice is unchosen again,
    // clicked once and built over two selected schools it fills the table.
    void courseOverviewMarksSubjectsByClicks() {
        DemoSheets sheets(3, 124);
        sheets.Load(0);
        CourseOverviewState state;
        FillCourseOverview(sheets.engine(), state);
        TFormTev2 window(sheets.engine(), state);
        window.resize(800, 600);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QListWidget* subjects = window.subjectList();
        QCOMPARE(subjects->item(0)->text(), QString::fromUtf8("_ D"));

        ClickLine(subjects, 0);
        QCOMPARE(subjects->item(0)->text(), QString::fromUtf8("x D"));
        QVERIFY(state.subjects[0].chosen);
        ClickLine(subjects, 0);
        QCOMPARE(subjects->item(0)->text(), QString::fromUtf8("_ D"));
        QVERIFY(!state.subjects[0].chosen);

        // Without a chosen subject the build ends with its message and no table.
        window.schoolList()->item(0)->setSelected(true);
        Click(Child(&window, "SBGO"));
        QCOMPARE(window.table()->rowCount(), 1);
        QCOMPARE(ShownText(sheets.ui().messages().back()),
                 ShownText(Win("kein Fach gefunden oder links wurde kein Fach angewählt!!!")));

        ClickLine(subjects, 0);
        ClickLine(window.schoolList(), 1, Qt::ControlModifier);
        Click(Child(&window, "SBGO"));
        // Heading row, one row per school, the closing count.
        QCOMPARE(window.table()->rowCount(), 4);
        QCOMPARE(window.table()->item(0, kCourseSubjectCol)->text(), QString("Fach"));
        QCOMPARE(window.table()->item(1, kCourseSubjectCol)->text(), QString("D"));
        QCOMPARE(window.table()->item(3, 0)->text(), QString("  2 Schulen     "));
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
