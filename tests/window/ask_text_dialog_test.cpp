// The one-line text prompt: typing, hidden input, the countdown, masks and the hint.
#include "dialog_answers.h"
#include "output/ask_text_dialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QtTest>

using namespace tev;
using namespace tev::test;

class AskTextDialogTest : public QObject {
    Q_OBJECT

private slots:
    void TypedTextReplacesThePresetAndIsCut() {
        TextRequest request;
        request.caption = "Speichern;Dateiname ohne Endung";
        request.prompt = "Datei abspeichern unter";
        request.value = "auswert";
        request.maxLength = 8;
        AnswerNext<AskTextDialog>([](AskTextDialog* dialog) {
            QCOMPARE(dialog->windowTitle(), QString("Speichern"));
            auto* edit = Child<QLineEdit>(dialog, "Edit");
            QCOMPARE(edit->toolTip(), QString("Dateiname ohne Endung"));
            QCOMPARE(edit->text(), QString("auswert"));
            QCOMPARE(Child<QLabel>(dialog, "Label1")->text(), QString("Datei abspeichern unter"));
            edit->clear();
            QTest::keyClicks(edit, "klassen-2016");
            Click(Child(dialog, "OKBtn"));
        });
        QVERIFY(AskTextDialog::Ask(request));
        QCOMPARE(request.value, std::string("klassen-"));
        QCOMPARE(AskTextDialog::LastInput(), std::string("klassen-"));
    }

    void CancelKeepsTheValue() {
        TextRequest request;
        request.caption = "Suche";
        request.value = "alt";
        AnswerNext<AskTextDialog>([](AskTextDialog* dialog) {
            QTest::keyClicks(Child<QLineEdit>(dialog, "Edit"), "neu");
            Click(Child(dialog, "CancelBtn"));
        });
        QVERIFY(!AskTextDialog::Ask(request));
        QCOMPARE(request.value, std::string("alt"));
    }

    void CodeOneHidesTheTypedCharacters() {
        TextRequest request;
        request.caption = "\x01Info";
        request.prompt = "ID:";
        AnswerNext<AskTextDialog>([](AskTextDialog* dialog) {
            QCOMPARE(dialog->windowTitle(), QString("Info"));
            auto* edit = Child<QLineEdit>(dialog, "Edit");
            QCOMPARE(edit->echoMode(), QLineEdit::Password);
            QCOMPARE(edit->style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter), int('@'));
            QTest::keyClicks(edit, "geheim");
            QTest::keyClick(edit, Qt::Key_Return);
        });
        QVERIFY(AskTextDialog::Ask(request));
        QCOMPARE(request.value, std::string("geheim"));
    }

    void CountdownCancelsWhenItRunsOut() {
        TextRequest request;
        request.caption = std::string("\x1b\x02") + " Weiter?";
        AnswerNext<AskTextDialog>([](AskTextDialog* dialog) {
            QCOMPARE(dialog->windowTitle(), QString("     Weiter?"));
            auto* timer = dialog->findChild<QTimer*>();
            QVERIFY(timer && timer->isActive());
            QMetaObject::invokeMethod(timer, "timeout");
            QCOMPARE(dialog->windowTitle(), QString("  1  Weiter?"));
            QMetaObject::invokeMethod(timer, "timeout");
        });
        QVERIFY(!AskTextDialog::Ask(request));
    }

    void MasksFromTheMaskOrTheWidth() {
        TextRequest request;
        request.caption = "Zeitraum";
        request.width = -17;
        AnswerNext<AskTextDialog>([](AskTextDialog* dialog) {
            auto* edit = Child<QLineEdit>(dialog, "Edit");
            QCOMPARE(edit->inputMask(), QString("00/00/00-00/00/00;_"));
            Click(Child(dialog, "OKBtn"));
        });
        QVERIFY(AskTextDialog::Ask(request));

        request.width = 4;
        AnswerNext<AskTextDialog>([](AskTextDialog* dialog) {
            auto* edit = Child<QLineEdit>(dialog, "Edit");
            QVERIFY(edit->inputMask().isEmpty());
            QCOMPARE(edit->maxLength(), 4);
            Click(Child(dialog, "OKBtn"));
        });
        QVERIFY(AskTextDialog::Ask(request));
    }

    void CodeZeroAsksWithoutInputField() {
        TextRequest request;
        request.caption = std::string(1, '\0') + "Weiter";
        request.prompt = "Alle Schulen testen?";
        AnswerNext<AskTextDialog>([](AskTextDialog* dialog) {
            QVERIFY(Child<QLineEdit>(dialog, "Edit")->isHidden());
            Click(Child(dialog, "OKBtn"));
        });
        QVERIFY(AskTextDialog::Ask(request));
    }
};

QTEST_MAIN(AskTextDialogTest)
#include "ask_text_dialog_test.moc"
