// The teacher demand window on a school of a small demo office: opened through the main
// menu's command, coloured differences, recomputation, the typed allocations, the breakdown
// of a cell, the panels and the menu.
#include "data/demo/demo_office.h"
#include "demand/demand_commands.h"
#include "demand/demand_window.h"
#include "output/qt_texts.h"
#include "shell/engine.h"
#include "shell/scripted_ui.h"
#include "support/engine_start.h"
#include "support/test_support.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTableWidget>
#include <QtTest>
#include <memory>

using namespace tev;
using namespace tev::test;

namespace {

const QColor kRed(255, 0, 0);
const QColor kGreen(0, 255, 0);

QStringList GridTexts(const QTableWidget* view) {
    QStringList texts;
    for (int row = 0; row < view->rowCount(); ++row)
        for (int col = 0; col < view->columnCount(); ++col)
            texts << (view->item(row, col) ? view->item(row, col)->text() : QString());
    return texts;
}

} // namespace

class DemandWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TempDir> temp_;
    std::unique_ptr<ScriptedUi> ui_;
    std::unique_ptr<Engine> engine_;
    std::unique_ptr<TFormLBR> window_;

    template <typename T> T* Find(const char* name) {
        auto* child = window_->findChild<T*>(name);
        if (!child) qFatal("no child %s", name);
        return child;
    }
    void Trigger(const char* handler) {
        QAction* action = Find<QAction>(handler);
        QVERIFY(action->isEnabled());
        action->trigger();
    }
    QTableWidget* Demand() { return Find<QTableWidget>("SGBEDARF"); }

private slots:
    void init() {
        temp_ = std::make_unique<TempDir>();
        DemoOptions options;
        options.schools = 4;
        options.seed = 5;
        options.firstYear = 123;
        options.lastYear = 124;
        WriteDemoOffice(temp_->path() / "office", options);
        ui_ = std::make_unique<ScriptedUi>(std::vector<std::string>{});
        engine_ = std::make_unique<Engine>(*ui_, temp_->path());
        StartOptions start;
        start.yearSuffix = ".24";
        StartEngine(*engine_, *ui_, temp_->path() / "office", start);
        window_ = std::make_unique<TFormLBR>(*engine_);
        // The main menu's "Lehrerbedarf" loads the first school and asks for the window.
        QVERIFY(!window_->isVisible());
        Lehrerbedarf1Click(*engine_);
        window_->RefreshFromEngine();
        QVERIFY(window_->isVisible());
        QVERIFY(!engine_->sheet.schoolNumber.empty());
    }
    void cleanup() {
        window_.reset();
        engine_.reset();
        ui_.reset();
        temp_.reset();
    }

    void differencesAgainstTheReportedHoursAreColoured() {
        const int level = 1;
        // From the data: the school reports two hours less than the demand of a subject.
        StringGrid* grid91 = engine_->sheet.grids.FindTable(91);
        QVERIFY(grid91);
        const int lastSubject = Demand()->columnCount() - 3;
        int col = 3;
        while (col <= lastSubject && Demand()->item(level, col)->text().trimmed().toInt() < 3)
            ++col;
        QVERIFY(col <= lastSubject);
        const int demand = Demand()->item(level, col)->text().trimmed().toInt();
        grid91->SetCells(col, level + 2, std::to_string(demand - 2));
        Trigger("Berechnentest1Click");
        QCOMPARE(Find<QTableWidget>("SGLBR1")->item(level, col)->text().trimmed().toInt(),
                 demand - 2);
        QCOMPARE(Demand()->item(level, col)->background().color(), kRed);
        grid91->SetCells(col, level + 2, std::to_string(demand + 1));
        Trigger("Berechnentest1Click");
        QCOMPARE(Demand()->item(level, col)->background().color(), kGreen);

        // The cases of the office's rule on the window's own grids.
        DemandWindowState& state = engine_->demand;
        const struct {
            int col;
            const char* demand;
            const char* reported;
            QColor colour;
        } cases[] = {{3, "12", "10", kRed}, {4, "8", "10", kGreen}, {5, " 10", "10", QColor()}};
        for (const auto& c : cases) {
            state.sgbedarf.SetCells(c.col, level, c.demand);
            state.sglbr1.SetCells(c.col, level, c.reported);
        }
        // The pupils and classes columns are never coloured.
        state.sgbedarf.SetCells(1, level, "999");
        window_->RefreshFromEngine();
        for (const auto& c : cases) {
            const QColor shown = Demand()->item(level, c.col)->background().color();
            if (c.colour.isValid()) {
                QCOMPARE(shown, c.colour);
            } else {
                QVERIFY(shown != kRed && shown != kGreen);
            }
        }
        const QColor pupils = Demand()->item(level, 1)->background().color();
        QVERIFY(pupils != kRed && pupils != kGreen);
    }

    void computingTwiceGivesTheSameGridsAndKeepsTheMode() {
        const QStringList atLoad = GridTexts(Find<QTableWidget>("SGLBR"));
        Trigger("Berechnen1Click");
        const QStringList demand = GridTexts(Demand());
        const QStringList summary = GridTexts(Find<QTableWidget>("SGLBR"));
        const QStringList languages = GridTexts(Find<QTableWidget>("SGLBRspr"));
        Trigger("Berechnen1Click");
        QCOMPARE(GridTexts(Demand()), demand);
        QCOMPARE(GridTexts(Find<QTableWidget>("SGLBR")), summary);
        QCOMPARE(GridTexts(Find<QTableWidget>("SGLBRspr")), languages);
        QCOMPARE(engine_->demand.mode, 0);
        QCOMPARE(engine_->sheet.record.demand.yearCode, 125);
        // "Berechnen test" is the statistics year again.
        Trigger("Berechnentest1Click");
        QCOMPARE(GridTexts(Find<QTableWidget>("SGLBR")), atLoad);
        QCOMPARE(engine_->sheet.record.demand.yearCode, 124);
    }

    void typedAllocationsJoinTheSum() {
        QTableWidget* summary = Find<QTableWidget>("SGLBR");
        const int before = summary->item(8, 1)->text().trimmed().toInt();
        QVERIFY(before > 0);
        QVERIFY(!(summary->item(0, 1)->flags() & Qt::ItemIsEditable));
        QVERIFY(summary->item(4, 1)->flags() & Qt::ItemIsEditable);
        summary->setCurrentCell(4, 1);
        summary->editItem(summary->item(4, 1));
        QLineEdit* editor = nullptr;
        for (QLineEdit* line : summary->findChildren<QLineEdit*>())
            if (line->isVisible()) editor = line;
        QVERIFY(editor);
        QTest::keyClicks(editor, "1;5");
        QCOMPARE(editor->text(), QString("1,5"));
        QTest::keyClick(editor, Qt::Key_Return);
        // The editor hands its text over once the key has been handled.
        QTRY_COMPARE(summary->item(4, 1)->text(), QString("1,5"));
        QCOMPARE(summary->item(8, 1)->text().trimmed(),
                 QString::number(before + 1) + QString::fromUtf8("½"));
        // The entry stays through a recomputation of the same school.
        Trigger("Berechnen1Click");
        QCOMPARE(Find<QTableWidget>("SGLBR")->item(4, 1)->text(), QString("1,5"));
    }

    void aCellShowsItsPartsAndTheMenuSwapsPanels() {
        QTableWidget* demand = Demand();
        int col = 3;
        while (demand->item(1, col)->text().trimmed().isEmpty())
            ++col;
        demand->setCurrentCell(1, col);
        const QString label = Find<QLabel>("Label1")->text();
        QVERIFY2(label.contains("9j") && label.contains("8j"), qPrintable(label));
        QVERIFY2(label.endsWith(" = " + demand->item(1, col)->text().trimmed()), qPrintable(label));

        const size_t shown = ui_->messages().size();
        demand->scrollToItem(demand->item(1, col));
        const QPoint cell = demand->visualItemRect(demand->item(1, col)).center();
        QTest::mouseClick(demand->viewport(), Qt::LeftButton, {}, cell);
        QTest::mouseDClick(demand->viewport(), Qt::LeftButton, {}, cell);
        QCOMPARE(ui_->messages().size(), shown + 1);
        QVERIFY(QString::fromStdString(ui_->messages().back()).contains("Std."));

        Trigger("Hilfe1Click");
        QVERIFY(ui_->messages().back().rfind("Laden zum \"Laden einer anderen Schule\"", 0) == 0);

        QCOMPARE(Find<QFrame>("Panel4")->height(), 4);
        Trigger("swapTestinfo1Click");
        QCOMPARE(Find<QFrame>("Panel4")->height(), 300);
        QVERIFY(Find<QTableWidget>("SGLBRausw")->isHidden());
        Trigger("swapAuswertung1Click");
        QVERIFY(!Find<QTableWidget>("SGLBRausw")->isHidden());

        QListWidget* lb = Find<QListWidget>("LB");
        QCOMPARE(lb->width(), 450);
        const QPoint line = lb->visualItemRect(lb->item(0)).center();
        QTest::mouseClick(lb->viewport(), Qt::LeftButton, {}, line);
        QTest::mouseDClick(lb->viewport(), Qt::LeftButton, {}, line);
        QCOMPARE(lb->width(), 50);

        // Entries without an action are there, and disabled.
        for (const char* handler : {"Laden1Click", "voran1Click", "Stdtafel1Click", "ZeigLBB1Click",
                                    "DruckeZuweisungsblatt1Click"})
            QVERIFY(!Find<QAction>(handler)->isEnabled());
        Trigger("Quit1Click");
        QVERIFY(!window_->isVisible());
    }
};

QTEST_MAIN(DemandWindowTest)
#include "demand_window_test.moc"
