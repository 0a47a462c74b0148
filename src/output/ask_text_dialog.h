#pragma once
// The program's one-line text prompt: file names, search texts, the identification of the
// info box. The caption may carry a code: 0 no input field, 1 hidden input, 27 and a count
// a countdown after which the prompt cancels itself; after ";" follows the field's hint.
#include "shell/ui.h"

#include <QDialog>
#include <string>

class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

namespace tev {

class AskTextDialog : public QDialog {
    Q_OBJECT
public:
    // False when cancelled; request.value holds the typed text otherwise.
    static bool Ask(TextRequest& request, QWidget* parent = nullptr);
    // The text last confirmed in any prompt of this run.
    static const std::string& LastInput();

    AskTextDialog(const TextRequest& request, QWidget* parent = nullptr);

    // The typed text as an engine text, cut to the request's capacity.
    std::string Typed() const;
    int countdown() const { return countdown_; }

private:
    void Tick();

    QLabel* prompt_ = nullptr;
    QLineEdit* edit_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QTimer* timer_ = nullptr;
    int countdown_ = 0;
    std::string captionTail_; // the caption behind the countdown number
    bool dosValue_ = false;
    int maxLength_ = 255;
};

} // namespace tev
