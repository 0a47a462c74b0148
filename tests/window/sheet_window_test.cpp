// The school sheet window on a small office of five schools: opened through "Bearbeiten",
// typing into the grids, the nationality panel, the colours, the search for the next school
// and saving, all through clicks and keys on the real widgets.
#include "data/school_groups.h"
#include "dialog_answers.h"
#include "output/codepage.h"
#include "output/qt_texts.h"
#include "output/text_output_dialog.h"
#include "sheet/qt_nationality_panel.h"
#include "sheet/qt_sheet_grid.h"
#include "sheet/sheet_window.h"
#include "shell/engine.h"
#include "shell/file_services.h"
#include "shell/main_window.h"
#include "shell/program_start.h"
#include "shell/qt_ui.h"
#include "support/sheet_office.h"
#include "support/test_support.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QSpinBox>
#include <QTabBar>
#include <QtTest>
#include <memory>

using namespace tev;
using namespace tev::test;

namespace {

// Answers the next message box with its text kept for the test.
void AnswerBox(QString* text, const QString& button = {}) {
    AnswerNext<QMessageBox>([text, button](QMessageBox* box) {
        *text = box->text();
        if (button.isEmpty())
            box->button(QMessageBox::Ok)->click();
        else
            ClickBoxButton(box, button);
    });
}

// Drops data on a widget as a drag does: it must accept the entering drag to get the drop.
void DropOn(QWidget* target, QPoint at, const char* type, const QByteArray& bytes) {
    QMimeData data;
    data.setData(type, bytes);
    QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(target, &enter);
    QDropEvent drop(QPointF(at), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(target, &drop);
}

} // namespace

class SheetWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TempDir> temp_;
    std::unique_ptr<QtUi> ui_;
    std::unique_ptr<Engine> engine_;
    std::unique_ptr<TFormTEV1> window_;

    void Start() {
        temp_ = std::make_unique<TempDir>();
        WriteSheetOffice(temp_->path());
        ui_ = std::make_unique<QtUi>();
        engine_ = std::make_unique<Engine>(*ui_, temp_->path());
        ui_->SetEngine(engine_.get());
        StartInputs inputs;
        inputs.parameters = {temp_->path().string()};
        inputs.today = {2016, 11, 20};
        ProcessStart(*engine_, inputs);
        AnswerNext<TFormSelFrmD>([](TFormSelFrmD* dialog) { Click(Child(dialog, "BOK")); });
        FormCreate(*engine_, inputs);
        window_ = std::make_unique<TFormTEV1>(*engine_, *ui_);
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    }

    TFormSt2* Sheet() const { return window_->SheetWindow(); }
    SheetGridView* Grid() const { return Sheet()->GridView(); }

    // Opens the sheet through the main menu with the school at this list position loaded.
    void Open(int position) {
        for (QAction* action : window_->MenuActions()) {
            if (action->data().toString() == "Bearbeiten") action->trigger();
        }
        QVERIFY(QTest::qWaitForWindowExposed(Sheet()));
        GoToSchool(position);
    }

    void GoToSchool(int position) {
        auto* number = Child<QSpinBox>(Sheet(), "SE1");
        number->setFocus();
        number->selectAll();
        QTest::keyClicks(number, QString::number(position));
        QTest::keyClick(number, Qt::Key_Return);
        QCOMPARE(engine_->schoolList.itemIndex, position - 1);
    }

    void ShowTab(const QString& caption) {
        auto* tabs = Child<QTabBar>(Sheet(), "TabSetSt2");
        for (int i = 0; i < tabs->count(); ++i) {
            if (tabs->tabText(i) != caption) continue;
            // Tabs scrolled out of sight are reached by keys, as a user would.
            while (!tabs->rect().contains(tabs->tabRect(i).center()) && tabs->currentIndex() < i)
                QTest::keyClick(Sheet(), Qt::Key_PageDown, Qt::ControlModifier);
            if (tabs->currentIndex() != i)
                QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(i).center());
            QCOMPARE(tabs->currentIndex(), i);
            return;
        }
        qFatal("no tab %s", qPrintable(caption));
    }

    QPoint CellCentre(int col, int row) const {
        const QModelIndex cell = Grid()->model()->index(row, col);
        static_cast<QTableView*>(Grid())->scrollTo(cell);
        return Grid()->visualRect(cell).center();
    }

    void ClickCell(int col, int row) const {
        QTest::mouseClick(Grid()->viewport(), Qt::LeftButton, {}, CellCentre(col, row));
    }

    QString Shown(int col, int row) const {
        return Grid()->model()->index(row, col).data().toString();
    }

    const StringGrid& Table(int number) const { return *engine_->sheet.grids.FindTable(number); }

    std::vector<std::string> NationalityCodes() const {
        std::vector<std::string> codes;
        for (int row = 1; row < Table(23).RowCount(); ++row)
            codes.push_back(Table(23).Cells(0, row));
        return codes;
    }

    QListWidget* NationalityItems() const { return Child<QListWidget>(Sheet(), "LBNat"); }

    int Item(const QString& text) const {
        const auto found = NationalityItems()->findItems(text, Qt::MatchExactly);
        if (found.isEmpty()) qFatal("no nationality %s", qPrintable(text));
        return NationalityItems()->row(found.front());
    }

    void Search(const QString& criterion) {
        auto* edit = Child<QLineEdit>(Sheet(), "Edit1");
        edit->selectAll();
        QTest::keyClicks(edit, criterion);
        Click(Child(Sheet(), "SBsearchnext"));
    }

private slots:
    void init() { Start(); }

    void cleanup() {
        window_.reset();
        engine_.reset();
        ui_.reset();
        temp_.reset();
    }

    void ADoubleClickOnAFindingOpensItsCellMarked() {
        Open(1);
        engine_->sheet.grids.FindTable(22)->SetCells(2, 1, "99"); // 2.2 class 6 too many
        ShowTab("Test");
        auto* lines = Child<QListWidget>(Sheet(), "LB");
        int line = -1;
        for (int i = 0; i < lines->count(); ++i) {
            if (lines->item(i)->text().startsWith("Summe KlSt. 6 in   1.1+1.8 <> 2.2")) line = i;
        }
        QVERIFY2(line >= 0, "no finding of 2.2");
        // Errors are told from the other lines by more than their text.
        QCOMPARE(lines->item(line)->data(Qt::UserRole).toInt(), 1);
        QVERIFY(!lines->item(line)->icon().isNull());
        QVERIFY(lines->item(0)->icon().isNull());

        DoubleClickLine(lines, line);
        QCOMPARE(engine_->sheet.window.shownGrid, std::string("SG22"));
        QVERIFY(Grid()->isVisible());
        // Class 6 is column 2 of 2.2; the finding is about its sum in the last row.
        const int sumRow = Table(22).RowCount() - 1;
        QCOMPARE(Grid()->currentIndex().column(), 2);
        QCOMPARE(Grid()->currentIndex().row(), sumRow);
        QVERIFY(Grid()->selectionModel()->isSelected(Grid()->model()->index(sumRow, 2)));
        const QColor marked =
            Grid()->model()->index(sumRow, 2).data(Qt::BackgroundRole).value<QColor>();
        const QColor plain =
            Grid()->model()->index(sumRow, 3).data(Qt::BackgroundRole).value<QColor>();
        QVERIFY(marked != plain);
    }

    void PasteFillsOpenCellsSumsFollowAndUndoTakesItBack() {
        Open(1);
        ShowTab("2.1");
        const StringGrid& grid = Table(21);
        const std::vector<std::string> male = grid.Row(1);
        const std::vector<std::string> female = grid.Row(2);
        QApplication::clipboard()->setText("1\t2\t3\n4\t5\t6\n");
        ClickCell(1, 1);
        QTest::keyClick(Grid(), Qt::Key_V, Qt::ControlModifier);
        // Rows 1 and 2 are boys and girls, row 3 their sum.
        QCOMPARE(Shown(1, 1), QString("1"));
        QCOMPARE(Shown(3, 2), QString("6"));
        QCOMPARE(Shown(1, 3).trimmed(), QString("5"));
        QCOMPARE(Shown(2, 3).trimmed(), QString("7"));
        QCOMPARE(Shown(3, 3).trimmed(), QString("9"));

        QTest::keyClick(Grid(), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), QString("1\n"));

        QTest::keyClick(Grid(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(grid.Row(1), male);
        QCOMPARE(grid.Row(2), female);
        QCOMPARE(Shown(1, 3).trimmed().toInt(),
                 QString::fromStdString(male[1]).trimmed().toInt() +
                     QString::fromStdString(female[1]).trimmed().toInt());
        QTest::keyClick(Grid(), Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(Shown(2, 2), QString("5"));
    }

    void BearbeitenOpensTheSheetOfTheLoadedSchool() {
        Open(2);
        QCOMPARE(engine_->sheet.schoolNumber, std::string("112202"));
        ShowTab("2.1");
        QVERIFY(Sheet()->windowTitle().contains("Birken-Gym"));
        QCOMPARE(Shown(1, 1), QString("3"));
        ClickCell(1, 1);
        QCOMPARE(Child<QLabel>(Sheet(), "PanelZS")->text(), QString("Z 1  S 1"));
        QVERIFY(Child<QLabel>(Sheet(), "Label1")->text().endsWith("] = 3"));

        ShowTab(QString::fromUtf8("Übersicht"));
        auto* lines = Child<QListWidget>(Sheet(), "LB");
        QVERIFY(lines->isVisible());
        QCOMPARE(lines->item(1)->text(), QString::fromUtf8("1.1 Schüler"));
    }

    void ALanguageLetterTypedIntoOneOneAppearsInOneEight() {
        Open(1);
        ShowTab("1.1");
        ClickCell(1, 3);
        QTest::keyClicks(Grid(), "F");
        QTest::keyClick(Grid()->focusWidget(), Qt::Key_Return);
        ClickCell(1, 5);
        QCOMPARE(Table(11).Cells(1, 3), std::string("F"));
        QCOMPARE(Table(18).Cells(1, 3), std::string("F"));
        ShowTab("1.8(8j.)");
        QCOMPARE(Shown(1, 3), QString("F"));
    }

    void NationalitiesAreAddedInCodeOrderOrRefusedWithTheirText() {
        Open(2); // 140 Montenegro only
        ShowTab("2.3");
        QVERIFY(NationalityItems()->isVisible());

        DoubleClickLine(NationalityItems(), Item("133 Serbien und Montenegro"));
        QCOMPARE(NationalityCodes(), (std::vector<std::string>{"140", "170", ""}));
        QCOMPARE(Shown(1, 2), QString("Serbien"));

        DoubleClickLine(NationalityItems(), Item("170 Serbien"));
        QCOMPARE(NationalityCodes(), (std::vector<std::string>{"140", "170", ""}));

        QString refusal;
        AnswerBox(&refusal);
        DoubleClickLine(NationalityItems(), Item("199 Europa sonstige"));
        QCOMPARE(refusal, QString("199 Europa sonstige ab 2014/15 nicht mehr verwenden!"));
        QCOMPARE(NationalityCodes(), (std::vector<std::string>{"140", "170", ""}));

        // A list item dropped onto the table is added like a double click.
        DropOn(Grid()->viewport(), CellCentre(2, 1), kNationalityItemType,
               QByteArray::number(Item("121 Albanien")));
        QCOMPARE(NationalityCodes(), (std::vector<std::string>{"121", "140", "170", ""}));
    }

    void ARowGoesBackToTheListOnlyWithoutPupils() {
        Open(1); // 121 Albanien with 2 pupils, 170 Serbien with 1
        ShowTab("2.3");
        QString refusal;
        AnswerBox(&refusal);
        const QPoint from = CellCentre(1, 1);
        QTest::mousePress(Grid()->viewport(), Qt::LeftButton, {}, from);
        QMouseEvent move(QEvent::MouseMove, QPointF(from + QPoint(0, 30)),
                         Grid()->viewport()->mapToGlobal(QPointF(from + QPoint(0, 30))),
                         Qt::NoButton, Qt::LeftButton, {});
        QApplication::sendEvent(Grid()->viewport(), &move);
        QTest::mouseRelease(Grid()->viewport(), Qt::LeftButton, {}, from);
        QCOMPARE(refusal, QString::fromUtf8("Albanien  kann nur zurückgezogen werden, wenn "
                                            "entspr. Anzahl der Schüler < 1"));
        QCOMPARE(NationalityCodes(), (std::vector<std::string>{"121", "170", ""}));

        // A row without pupils dropped onto the list is taken out.
        DoubleClickLine(NationalityItems(), Item("140 Montenegro"));
        QCOMPARE(NationalityCodes(), (std::vector<std::string>{"121", "140", "170", ""}));
        DropOn(NationalityItems()->viewport(), QPoint(10, 10), kNationalityRowType, "2");
        QCOMPARE(NationalityCodes(), (std::vector<std::string>{"121", "170", ""}));
    }

    void AShadeOfAColourIsComputedAndPaintsTheEditableCells() {
        Open(1);
        ShowTab("2.1");
        AnswerNext<TFormSelFrmD>([](TFormSelFrmD* options) {
            AnswerNext<TFormSelFrmD>([](TFormSelFrmD* colours) {
                AnswerNext<TFormSelFrmD>(
                    [](TFormSelFrmD* shades) { ChooseLine(shades, "ganz blass"); });
                ChooseLine(colours, "Blue");
            });
            ChooseLine(options, QString::fromUtf8("Farbe für \"änderbare Felder\""));
        });
        Click(Child(Sheet(), "SPDiverses"));
        // (4 * 255 + 0 - 255) / 4 for red and green; blue stays 255.
        QCOMPARE(Grid()->model()->index(1, 1).data(Qt::BackgroundRole).value<QColor>(),
                 QColor(191, 191, 255));
    }

    void TheSearchStopsAtTheFirstSchoolThatMeetsTheCriterion() {
        Open(1); // 2.1 class 5 boys of the schools: 0, 3, 7, empty, 4
        ShowTab("2.1");
        ClickCell(1, 1);
        QTest::mouseClick(Child<QLabel>(Sheet(), "LabSuch"), Qt::LeftButton);
        QTest::mouseClick(Child<QLabel>(Sheet(), "Labvon"), Qt::LeftButton);
        QCOMPARE(Child<QLabel>(Sheet(), "Labvon")->text(), QString("SG21  von  [1|1]"));

        const struct {
            const char* criterion;
            const char* found;
        } steps[] = {{">0", "112202"}, {"\\2..5", "112203"}, {"*", "112204"}, {">0", "112205"}};
        for (const auto& step : steps) {
            Search(step.criterion);
            QCOMPARE(engine_->sheet.schoolNumber, std::string(step.found));
            QCOMPARE(Child<QSpinBox>(Sheet(), "SE1")->value(), engine_->schoolList.itemIndex + 1);
        }
        QString none;
        AnswerBox(&none);
        Search(">0");
        QCOMPARE(none, QString("keine (weitere) Schule gefunden"));
        QCOMPARE(Child(Sheet(), "SBsearchnext")->text(), QString("S&tart"));
    }

    void SaveAsksAndWritesTheDataSet() {
        Open(2);
        ShowTab("2.1");
        ClickCell(1, 1);
        QTest::keyClicks(Grid(), "9");
        QTest::keyClick(Grid()->focusWidget(), Qt::Key_Return);
        const auto file = temp_->path() / "TEV" / "SL112202.16";
        const std::string before = ReadFile(file);

        QString question;
        AnswerBox(&question, "Nein");
        Click(Child(Sheet(), "SBSave"));
        QVERIFY(question.endsWith("SL112202.16  wirklich abspeichern?"));
        QCOMPARE(ReadFile(file), before);

        AnswerBox(&question, "Ja");
        Click(Child(Sheet(), "SBSave"));
        const std::string after = ReadFile(file);
        QVERIFY(after.find(";9;") != std::string::npos);
        // The safe save keeps the previous data set as its backup and leaves nothing else.
        QCOMPARE(ReadFile(FileServices::BackupName(file.string())), before);
        QCOMPARE(std::distance(std::filesystem::directory_iterator(file.parent_path()),
                               std::filesystem::directory_iterator{}),
                 6);
    }
};

QTEST_MAIN(SheetWindowTest)
#include "sheet_window_test.moc"
