// The one-line selection dialog: preset answers, the separator, printing and cancelling.
#include "dialog_answers.h"
#include "output/selection_dialog.h"

#include <QtTest>

using namespace tev;
using namespace tev::test;

class SelectionDialogTest : public QObject {
    Q_OBJECT

private slots:
    void PresetAnswersDoNotShowTheDialog() {
        SelectionDialogShared().preset.Set(2);
        int number = 7;
        QVERIFY(TFormSelFrm::SelectFromList("Drucker", "Laser;Nadel;PDF", -1, 0, number, 0));
        QCOMPARE(number, 3);
        number = 2;
        QVERIFY(TFormSelFrm::SelectFromList("Drucker", "Laser;Nadel;PDF", -1, 0, number, 0));
        QCOMPARE(number, 2);

        AnswerNext<TFormSelFrm>([](TFormSelFrm* dialog) {
            auto* list = Child<QListWidget>(dialog, "ListBox1");
            QCOMPARE(list->currentRow(), 1);
            ClickLine(list, 0);
            Click(Child(dialog, "BOK"));
        });
        QVERIFY(TFormSelFrm::SelectFromList("Drucker", "Laser;Nadel;PDF", -1, 0, number, 0));
        QCOMPARE(number, 1);
    }

    void TheLineAfterTheSeparatorIsTheItemAfterIt() {
        const int code = static_cast<int16_t>(0xFE04); // separator after item 2, four items
        std::vector<std::string> shown;
        int number = 1;
        AnswerNext<TFormSelFrm>([](TFormSelFrm* dialog) {
            QVERIFY(Child(dialog, "SBdrucken")->isHidden());
            ClickLine(Child<QListWidget>(dialog, "ListBox1"), 3);
            Click(Child(dialog, "BOK"));
        });
        QVERIFY(
            TFormSelFrm::SelectFromList("Profil", "p1  p2  p3  p4  ", code, 4, number, 0, &shown));
        QCOMPARE(number, 3);
        QCOMPARE(shown.size(), size_t(5));
        QCOMPARE(shown[2], std::string("----"));
    }

    void CancelLeavesTheNumberAndPrintSetsTheFlag() {
        int number = 2;
        AnswerNext<TFormSelFrm>([](TFormSelFrm* dialog) {
            ClickLine(Child<QListWidget>(dialog, "ListBox1"), 0);
            Click(Child(dialog, "BCancel"));
        });
        QVERIFY(!TFormSelFrm::SelectFromList("Wahl", "a;b;c", -1, 0, number, 0));
        QCOMPARE(number, 2);
        QCOMPARE(SelectionDialogShared().printFlag, ' ');

        AnswerNext<TFormSelFrm>([](TFormSelFrm* dialog) {
            QVERIFY(!Child(dialog, "SBdrucken")->isHidden());
            Click(Child(dialog, "SBdrucken"));
        });
        QVERIFY(TFormSelFrm::SelectFromList("Ausgabe", "a;b;c", -1, 0, number,
                                            TFormSelFrm::kPrintMode));
        QCOMPARE(number, 2);
        QCOMPARE(SelectionDialogShared().printFlag, 'D');
    }
};

QTEST_MAIN(SelectionDialogTest)
#include "selection_dialog_test.moc"
