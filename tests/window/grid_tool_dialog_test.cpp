// The grid tool's window: popup entries by mouse and by keyboard, the small field, editing,
// cancel, and the size of an 800x600 screen.
#include "dialog_answers.h"
#include "output/codepage.h"
#include "output/grid_tool_dialog.h"
#include "output/text_output_dialog.h"
#include "shell/engine.h"
#include "shell/qt_ui.h"
#include "support/test_support.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTableView>
#include <QtTest>

using namespace tev;
using namespace tev::test;

namespace {

using Lines = std::vector<std::string>;

const Lines kClasses = {"Schule;Schueler;Klassen", "A;56;2", "B;  81;3", "C;;", "D;7;0"};

QTableView* GridOf(QWidget* dialog) {
    return Child<QTableView>(dialog, "SG");
}

QPoint CellPoint(QTableView* grid, int col, int row) {
    return grid->visualRect(grid->model()->index(row, col)).center();
}

QMenu* OpenPopup() {
    auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (!popup) qFatal("no popup menu open");
    return popup;
}

} // namespace

class GridToolDialogTest : public QObject {
    Q_OBJECT

    TempDir temp;
    QtUi ui;
    Engine engine{ui, temp.path()};

private slots:
    void initTestCase() { ui.SetEngine(&engine); }

    void ADoubleClickOpensThePopupAndAnEntryAddsASumRow() {
        GridTool tool(GridFromLines(kClasses), "Klassen 2016");
        AnswerNext<TInputDlg>([](TInputDlg* dialog) {
            QCOMPARE(dialog->windowTitle(), QString("Klassen 2016"));
            QTableView* grid = GridOf(dialog);
            QCOMPARE(grid->model()->data(grid->model()->index(2, 1)).toString(), QString("  81"));
            const QPoint cell = CellPoint(grid, 1, 2);
            QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell);
            QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cell);
            QMenu* popup = OpenPopup();
            QCOMPARE(popup->actions().first()->text(),
                     QString("Spalte, Zeile merken  [1|2]  (gemerkt:-1|-1  -1|-1   count:3|5)"));
            auto* sums = popup->findChild<QAction*>("sum-rows");
            QVERIFY(sums && sums->isEnabled());
            QTest::mouseClick(popup, Qt::LeftButton, {}, popup->actionGeometry(sums).center());
            QCOMPARE(grid->model()->rowCount(), 6);
            QCOMPARE(grid->model()->data(grid->model()->index(5, 1)).toString(), QString("144"));
            Click(Child(dialog, "OKBtn"));
        });
        QVERIFY(TInputDlg::Show(tool, &engine));
        QCOMPARE(GridLines(tool.grid).back(), std::string("zus;144;5"));
        QCOMPARE(tool.modified, kGridChanged | kGridSumRowsAdded);
    }

    // Arrows, Ctrl+M for "merken", Tab to the small field, the menu key and the arrows in the
    // popup, Ctrl+Return for OK.
    void KeyboardOnlyComputesAColumnWithTheConstant() {
        GridTool tool(GridFromLines(kClasses), "Klassen");
        AnswerNext<TInputDlg>([](TInputDlg* dialog) {
            QTableView* grid = GridOf(dialog);
            dialog->activateWindow(); // shortcuts reach the active window only
            QVERIFY(QTest::qWaitForWindowActive(dialog));
            grid->setFocus();
            QTest::keyClick(grid, Qt::Key_Right);
            QCOMPARE(dialog->tool().current.col, 2);
            QTest::keyClick(grid, Qt::Key_M, Qt::ControlModifier);
            QCOMPARE(dialog->tool().remembered.col, 2);
            QCOMPARE(Child<QLabel>(dialog, "Label1")->text(),
                     QString("[2|1]  (gemerkt:2|1  -1|-1   count:3|5)"));
            QTest::keyClick(grid, Qt::Key_Tab);
            auto* input = Child<QLineEdit>(dialog, "Editn");
            QVERIFY(input->hasFocus());
            QTest::keyClicks(input, "10");
            QTest::keyClick(input, Qt::Key_Backtab);
            QVERIFY(grid->hasFocus());
            QTest::keyClick(grid, Qt::Key_Menu);
            QMenu* popup = OpenPopup();
            QTest::keyClick(popup, Qt::Key_Down); // "merken"
            QTest::keyClick(popup, Qt::Key_Down); // the arithmetic
            QCOMPARE(popup->activeAction()->objectName(), QString("arithmetic"));
            AnswerNext<TFormSelFrmD>([](TFormSelFrmD* choice) {
                auto* list = Child<QListWidget>(choice, "ListBox1");
                QCOMPARE(list->count(), 16);
                QCOMPARE(list->item(3)->text(), QString("S2/Sp2 -> Sp2"));
                QCOMPARE(list->item(14)->text(), QString("Sp2*10 -> neueS"));
                DoubleClickLine(list, 14);
            });
            QTest::keyClick(popup, Qt::Key_Return);
            QCOMPARE(dialog->tool().grid.Col(3), (Lines{"Klassen*10", "20", "30", "", "0"}));
            QCOMPARE(grid->model()->columnCount(), 4);
            dialog->activateWindow(); // the closed choice does not hand activation back here
            QVERIFY(QTest::qWaitForWindowActive(dialog));
            QTest::keyClick(grid, Qt::Key_Return, Qt::ControlModifier);
            QVERIFY(!dialog->isVisible());
        });
        QVERIFY(TInputDlg::Show(tool, &engine));
        QCOMPARE(tool.grid.ColCount(), 4);
        QCOMPARE(tool.input, std::string("10"));
    }

    void EditingIsSwitchedOnAndCancelGivesTheTableBack() {
        GridTool tool(GridFromLines(kClasses), "Klassen");
        AnswerNext<TInputDlg>([](TInputDlg* dialog) {
            QTableView* grid = GridOf(dialog);
            dialog->activateWindow(); // typed keys go to the focus of the active window
            QVERIFY(QTest::qWaitForWindowActive(dialog));
            QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, CellPoint(grid, 2, 1));
            QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, CellPoint(grid, 2, 1));
            QMenu* popup = OpenPopup();
            auto* editing = popup->findChild<QAction*>("swap-editing");
            QTest::mouseClick(popup, Qt::LeftButton, {}, popup->actionGeometry(editing).center());
            QCOMPARE(Child<QLabel>(dialog, "Label1")->text(), QString("goEditing an"));
            grid->setFocus();
            QTest::keyClick(grid, Qt::Key_1); // the first key opens the cell's editor
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_2);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QTRY_COMPARE(dialog->tool().grid.Cells(2, 1), std::string("12"));
            QCOMPARE(dialog->tool().modified, kGridChanged);
            QTest::keyClick(grid, Qt::Key_Escape);
        });
        QVERIFY(!TInputDlg::Show(tool, &engine));
        QCOMPARE(GridLines(tool.grid), kClasses);
        QCOMPARE(tool.modified, 0);
        QVERIFY(!tool.editing);
    }

    void EverythingStaysInReachAt800x600() {
        GridTool tool(GridFromLines(kClasses), "Klassen");
        TInputDlg dialog(tool, &engine);
        QVERIFY(dialog.minimumWidth() <= 800 && dialog.minimumHeight() <= 600);
        dialog.resize(800, 600);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        for (const char* name : {"SG", "Editn", "Label1", "OKBtn", "CancelBtn"}) {
            auto* widget = Child<QWidget>(&dialog, name);
            QVERIFY2(dialog.rect().contains(widget->geometry()), name);
        }
        QVERIFY(GridOf(&dialog)->height() > 400);
        QVERIFY(!GridOf(&dialog)->toolTip().isEmpty());
    }
};

QTEST_MAIN(GridToolDialogTest)
#include "grid_tool_dialog_test.moc"
