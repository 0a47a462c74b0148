#pragma once
// The school sheet window TFormSt2: the tables of the loaded school one tab at a time, the
// cell hint and position, the notes, the nationality panel, the search for the next school,
// and the buttons to quit, save, reload, step through the schools and for the options. It
// shows the engine's sheet and hands every action to the engine.
#include "sheet/sheet_window_state.h"

#include <QWidget>
#include <functional>
#include <string>
#include <vector>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QSplitter;
class QStackedWidget;
class QTabBar;

namespace tev {

struct Engine;
class ClickLabel;
class NationalityPanel;
class QtUi;
class SheetGridModel;
class SheetGridView;

class TFormSt2 : public QWidget {
    Q_OBJECT
public:
    // Runs an engine command as the main window does (guarded, one at a time, the views
    // refreshed afterwards); false when it did not run.
    using CommandRunner = std::function<bool(const std::function<void()>&)>;

    TFormSt2(Engine& engine, QtUi& ui, CommandRunner run, QWidget* parent);

    // Every view from the engine's state; shows or hides the window as the engine says.
    void RefreshFromEngine();

    SheetGridView* GridView() const { return view_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildViews();
    QWidget* BuildSearchRow();
    QWidget* BuildButtonRow();
    void BuildShortcuts();

    bool Run(const std::function<void()>& command);
    void RefreshTabs();
    void RefreshPage();
    void RefreshCellTexts();
    void RefreshSearchPanel();
    void ToggleSearchPanel();
    void Quit();
    void StartOrStopSearch();
    void StepTab(int step);
    void CopyCells();
    void PasteCells();
    // Selects the cells of a finding just opened from the "Test" page, once.
    void SelectHighlight();

    Engine& engine_;
    QtUi& ui_;
    CommandRunner run_;
    bool refreshing_ = false;
    bool maximised_ = false;
    bool searchOpen_ = false;

    QLabel* subHeading_ = nullptr;
    QPlainTextEdit* notes_ = nullptr;
    NationalityPanel* nationalities_ = nullptr;
    QStackedWidget* pages_ = nullptr;
    QSplitter* gridPage_ = nullptr;
    SheetGridModel* model_ = nullptr;
    SheetGridView* view_ = nullptr;
    SheetGridModel* secondModel_ = nullptr;
    SheetGridView* secondView_ = nullptr;
    QListWidget* textPage_ = nullptr;

    QCheckBox* showSecond_ = nullptr;
    QWidget* searchPanel_ = nullptr;
    QWidget* searchFields_ = nullptr;
    ClickLabel* searchLabel_ = nullptr;
    ClickLabel* fromLabel_ = nullptr;
    ClickLabel* toLabel_ = nullptr;
    QLineEdit* criterion_ = nullptr;
    QPushButton* searchButton_ = nullptr;
    ClickLabel* position_ = nullptr;
    QLineEdit* extraRowCol_ = nullptr;
    ClickLabel* cellHint_ = nullptr;

    QSpinBox* schoolNumber_ = nullptr;
    QTabBar* tabs_ = nullptr;

    std::vector<std::string> shownTabs_;
    std::vector<std::string> shownList_;
    std::vector<std::string> shownNotes_;
    SheetHighlight shownHighlight_;
};

} // namespace tev
