// The summary window over a summary of three schools: its tabs, the display kind chosen
// with the keyboard, the font button and Quit.
#include "dialog_answers.h"
#include "evaluation/general_evaluation.h"
#include "output/codepage.h"
#include "sheet/table_headings.h"
#include "shell/engine.h"
#include "shell/scripted_ui.h"
#include "summary/summary_window.h"
#include "support/engine_start.h"
#include "support/test_support.h"

#include <QComboBox>
#include <QPushButton>
#include <QTabBar>
#include <QTableWidget>
#include <QtTest>
#include <memory>

using namespace tev;
using namespace tev::test;

class SummaryWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TempDir> temp_;
    std::unique_ptr<ScriptedUi> ui_;
    std::unique_ptr<Engine> engine_;
    std::unique_ptr<TFormSt2g> window_;
    int row_ = 0;

    bool Run(const std::function<void()>& command) {
        command();
        window_->RefreshFromEngine();
        return true;
    }
    QTableWidget* Grid() { return Child<QTableWidget>(window_.get(), "SGgrid"); }
    QString Cell(int col, int row) {
        const QTableWidgetItem* item = Grid()->item(row, col);
        return item ? item->text() : QString();
    }
    void ShowTab(const QString& caption) {
        auto* tabs = Child<QTabBar>(window_.get(), "TabSet");
        for (int i = 0; i < tabs->count(); ++i)
            if (tabs->tabText(i) == caption) {
                QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(i).center());
                return;
            }
        QFAIL("no such tab");
    }

private slots:
    void init() {
        temp_ = std::make_unique<TempDir>();
        SheetGrids shapes;
        SetAllTableHeadings(shapes, 116);
        row_ = shapes.FindTable(22)->FixedRows();
        std::vector<std::string> names;
        int i = 0;
        for (const char* value : {"2", "0", "4"}) {
            SchoolNameLine line;
            line.number = std::to_string(111111 * ++i);
            names.push_back(line.Text());
            WriteFile(temp_->path() / "TEV" / ("SL" + line.number + ".16"),
                      DosLines({".;22;" + line.number + ";2016/17;Gym",
                                std::to_string(row_) + ";Land;;" + value}));
        }
        WriteFile(temp_->path() / "schulnam.dat", DosLines(names));
        ui_ = std::make_unique<ScriptedUi>();
        engine_ = std::make_unique<Engine>(*ui_, temp_->path());
        StartEngine(*engine_, *ui_, temp_->path());
        window_ = std::make_unique<TFormSt2g>(
            *engine_, [this](const std::function<void()>& command) { return Run(command); });
        window_->RefreshFromEngine();
    }
    void cleanup() {
        window_.reset();
        engine_.reset();
        ui_.reset();
        temp_.reset();
    }

    void hiddenUntilASummaryRuns() {
        QVERIFY(!window_->isVisible());
        ui_->AddAnswer("alle");
        ui_->AddAnswer("nein");
        Run([this] { AuswertenOhneTestkennz1Click(*engine_); });
        QVERIFY(window_->isVisible());
        auto* tabs = Child<QTabBar>(window_.get(), "TabSet");
        QCOMPARE(tabs->tabText(0), QString::fromUtf8("Übersicht"));
        QCOMPARE(tabs->count(), 26);
    }

    void kindChosenWithTheKeyboardRedisplays() {
        ui_->AddAnswer("alle");
        ui_->AddAnswer("nein");
        Run([this] { AuswertenOhneTestkennz1Click(*engine_); });
        ShowTab("2.2");
        QCOMPARE(Cell(2, row_), QString("6"));
        auto* kind = Child<QComboBox>(window_.get(), "CBart");
        kind->setFocus();
        // Kind 1 ("Summe x") down two steps is kind 3, the mean over the schools with a value.
        QTest::keyClick(kind, Qt::Key_Down);
        QTest::keyClick(kind, Qt::Key_Down);
        QCOMPARE(engine_->summary.displayKind, 3);
        QCOMPARE(Cell(2, row_), QString("3,0"));
        QCOMPARE(Cell(3, row_), QString());
    }

    void fontButtonAndQuit() {
        ui_->AddAnswer("alle");
        ui_->AddAnswer("nein");
        Run([this] { AuswertenOhneTestkennz1Click(*engine_); });
        window_->resize(800, 600);
        auto* font = Child<QPushButton>(window_.get(), "SBLoad");
        const int before = window_->FontPixels();
        QTest::mouseClick(font, Qt::LeftButton, {}, QPoint(3, font->height() / 2));
        QVERIFY(window_->FontPixels() < before);
        QTest::mouseClick(font, Qt::LeftButton, {}, QPoint(font->width() / 2, font->height() / 2));
        QCOMPARE(window_->FontPixels(), before);
        Click(Child(window_.get(), "BtQuit"));
        QVERIFY(!window_->isVisible());
        QVERIFY(!engine_->summary.windowVisible);
        QVERIFY(engine_->summary.store != nullptr);
    }
};

QTEST_MAIN(SummaryWindowTest)
#include "summary_window_test.moc"
