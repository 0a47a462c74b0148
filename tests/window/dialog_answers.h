#pragma once
// Answering the program's modal dialogs from a test: the answer runs as soon as a dialog of
// the wanted kind is the active modal window.
#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QListWidget>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <functional>

namespace tev::test {

template <typename Dialog> void AnswerNext(std::function<void(Dialog*)> answer) {
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, answer] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible()) return;
        timer->stop();
        timer->deleteLater();
        answer(dialog);
        // A failed check left the dialog open: close it, so that the test ends.
        if (QTest::currentTestFailed() && dialog->isVisible()) {
            if (auto* modal = qobject_cast<QDialog*>(dialog)) modal->reject();
        }
    });
    timer->start();
}

template <typename Button = QAbstractButton> Button* Child(QWidget* parent, const char* name) {
    auto* child = parent->findChild<Button*>(name);
    if (!child) qFatal("no child named %s", name);
    return child;
}

inline void Click(QAbstractButton* button) {
    QTest::mouseClick(button, Qt::LeftButton);
}

inline void ClickLine(QListWidget* list, int row, Qt::KeyboardModifiers keys = {}) {
    QListWidgetItem* item = list->item(row);
    if (!item) qFatal("no line %d", row);
    list->scrollToItem(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, keys, list->visualItemRect(item).center());
}

inline void DoubleClickLine(QListWidget* list, int row) {
    QListWidgetItem* item = list->item(row);
    if (!item) qFatal("no line %d", row);
    const QPoint at = list->visualItemRect(item).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
}

// Picks the line with this text in a selection dialog and confirms it.
template <typename Dialog> void ChooseLine(Dialog* dialog, const QString& text) {
    auto* list = Child<QListWidget>(dialog, "ListBox1");
    const auto found = list->findItems(text, Qt::MatchExactly);
    if (found.isEmpty()) qFatal("no line %s", qPrintable(text));
    ClickLine(list, list->row(found.front()));
    Click(Child(dialog, "BOK"));
}

// The message box button with this text.
inline void ClickBoxButton(QMessageBox* box, const QString& text) {
    for (QAbstractButton* button : box->buttons()) {
        if (button->text() == text) {
            button->click();
            return;
        }
    }
    qFatal("no button %s", qPrintable(text));
}

} // namespace tev::test
