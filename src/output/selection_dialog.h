#pragma once
// The small modal dialog that picks one line of a list (the printer profiles among others).
// While preset answers are left it is not shown and answers with the caller's default.
#include "output/selection_preset.h"

#include <QDialog>
#include <string>
#include <string_view>
#include <vector>

class QListWidget;
class QPushButton;
class QSpinBox;

namespace tev {

class TFormSelFrm : public QDialog {
    Q_OBJECT
public:
    // Shows "Drucken" and opens maximised.
    static constexpr int kPrintMode = 999;

    // source, countCode, itemWidth: see BuildSelectionItems. number: in the default, out the
    // chosen item (1-based; unchanged when cancelled). target, when given, receives every
    // line of the list. True when confirmed; the print flag tells whether by "Drucken".
    static bool SelectFromList(const std::string& title, std::string_view source, int countCode,
                               int itemWidth, int& number, int mode,
                               std::vector<std::string>* target = nullptr,
                               QWidget* parent = nullptr);

    TFormSelFrm(const std::string& title, std::vector<std::string> lines, int mode,
                QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void CopyToClipboard();
    void FitColumns();

    std::vector<std::string> lines_;
    QListWidget* list_ = nullptr;
    QPushButton* print_ = nullptr;
    QSpinBox* fontSize_ = nullptr;
};

} // namespace tev
