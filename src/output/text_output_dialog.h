#pragma once
// The general text output window: a range or option choice over a list of lines, a viewer
// with printing, saving, clipboard, fonts and search, and the editor of small list files.
// A window is created for every call and released when the call returns.
#include "output/dialog_options.h"
#include "shell/ui.h"

#include <QDialog>
#include <string>
#include <vector>

class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;

namespace tev {

struct Engine;
class ClickLabel;

class TFormSelFrmD : public QDialog {
    Q_OBJECT
public:
    enum Result { ResultOk = 1, ResultCancel = 2, ResultAll = 8 };

    // engine: where printing goes; without one the print label is disabled.
    static bool SelectRange(RangeRequest& request, Engine* engine, QWidget* parent = nullptr);
    // The 1-based number of the chosen option, 0 when cancelled.
    static int ChooseOption(const OptionRequest& request, Engine* engine,
                            QWidget* parent = nullptr);
    static void ShowLines(const std::vector<std::string>& lines, const std::string& title,
                          Engine* engine, QWidget* parent = nullptr);
    // Every change of the list is saved to the file at once.
    static void EditListFile(const std::string& fileName, const std::string& title, Engine* engine,
                             QWidget* parent = nullptr);
    // A file name of the directory that matches the mask; empty when cancelled.
    static std::string ChooseFromFiles(const std::string& title, const std::string& directory,
                                       const std::string& mask, QWidget* parent = nullptr);

    TFormSelFrmD(const std::string& title, Engine* engine, QWidget* parent = nullptr);

    const DialogOptions& options() const { return options_; }
    const std::vector<std::string>& lines() const { return lines_; }
    const std::string& fontName() const { return fontName_; }
    int columns() const { return columns_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void BuildWindow();
    QWidget* BuildSidePanel();
    // Buttons, labels and panels as the options say.
    void ApplyOptions();
    void SetCaption(const std::string& caption);
    void SetLines(std::vector<std::string> lines);
    void ShowListLines();
    void SetMulti(bool multi);
    void SetListFont(const std::string& name);
    void SetColumns(int columns);
    int RowHeight() const;
    int MinimumColumnWidth() const;
    void SetCurrentLine(int line);
    // A range choice: columns when the lines do not fit the list.
    void FitColumnsToLines(int sizeClass);
    // An option choice: the window follows the line count, with columns when they do not fit.
    void FitToOptions(int sizeClass);
    // 1-based marked range from the list's selection.
    void MarkedRange(int& first, int& last) const;
    std::string TypedLine() const;

    void Confirm();
    void SidePanelPressed(QPoint position);
    void Print(int x);
    void Save();
    void CopyToClipboard();
    void Search();
    void AddLine(bool insert);
    void RemoveLine();
    void CopyLine();

    Engine* engine_;
    DialogOptions options_;
    std::string caption_;
    std::vector<std::string> lines_;
    std::string fontName_ = "MS LineDraw";
    int columns_ = 0;
    bool multi_ = false;
    int fitColumnsFor_ = -1; // size class of a range choice: columns are fitted when shown
    std::string listFile_;
    // What OK settled on: the 0-based line and the 1-based marked range.
    int chosenLine_ = 0;
    int chosenFirst_ = 1;
    int chosenLast_ = 1;

    QListWidget* list_ = nullptr;
    QLabel* subject_ = nullptr;
    QFrame* sidePanel_ = nullptr;
    QLabel* stepStrip_ = nullptr;
    QLabel* columnBand_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QPushButton* all_ = nullptr;
    ClickLabel* printLabel_ = nullptr;
    ClickLabel* fontLabel_ = nullptr;
    QLabel* lineNumber_ = nullptr;
    QSpinBox* printSize_ = nullptr;
    QSpinBox* displaySize_ = nullptr;
    QFrame* searchPanel_ = nullptr;
    QLineEdit* searchEdit_ = nullptr;
    ClickLabel* addLabel_ = nullptr;
    ClickLabel* insertLabel_ = nullptr;
    ClickLabel* removeLabel_ = nullptr;
    ClickLabel* copyLabel_ = nullptr;
    QFrame* editPanel_ = nullptr;
    QLineEdit* edit_ = nullptr;
};

} // namespace tev
