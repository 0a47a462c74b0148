#pragma once
// The main window: the school list, the output box, the upper result table, the sort keys,
// the school year button, the progress gauge and the menus. It shows the engine's state and
// hands every action to the engine; after each command it refreshes all its views.
#include "shell/main_menu.h"

#include <QMainWindow>
#include <functional>
#include <map>
#include <string>
#include <vector>

class QAction;
class QButtonGroup;
class QCheckBox;
class QFrame;
class QLabel;
class QListWidget;
class QMenu;
class QPushButton;
class QSplitter;
class QTableWidget;

namespace tev {

struct Engine;
class LineList;
class ProgressPanel;
class QtUi;
class TFormSt2;

class TFormTEV1 : public QMainWindow {
    Q_OBJECT
public:
    TFormTEV1(Engine& engine, QtUi& ui, QWidget* parent = nullptr);
    ~TFormTEV1() override;

    // Every view from the engine's state.
    void RefreshFromEngine();
    // Runs an engine command, then refreshes. Ignored while another command runs (the
    // gauge keeps the window responsive during long runs); false when ignored or failed.
    bool RunCommand(const std::function<void()>& command);
    bool CommandRunning() const { return running_; }
    // Another window that shows engine state; refreshed whenever this one is.
    void AddView(std::function<void()> refresh) { views_.push_back(std::move(refresh)); }

    // The menu actions in the order of the menu table, each with its path as data.
    const std::vector<QAction*>& MenuActions() const { return menuActions_; }
    QMenu* TopMenu(const std::string& caption) const;
    // The school sheet window ("Bearbeiten"); it follows every school the engine loads.
    TFormSt2* SheetWindow() const { return sheetWindow_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void BuildViews();
    QWidget* BuildControlColumn();
    QWidget* BuildDeveloperPanel();
    void BuildMenus();
    // The first size: the classic one where the screen has room for it, else the screen's.
    void FitToScreen();

    // The lists and menus only: what changes during a long run.
    void RefreshLists();
    void RefreshSchoolList();
    void RefreshOutputBox();
    void RefreshUpperTable();
    void RefreshMenus();

    void SchoolListClicked(int row);
    void UpperTableDoubleClicked();

    Engine& engine_;
    QtUi& ui_;
    bool running_ = false;
    bool refreshing_ = false;
    bool closeAfterCommand_ = false;

    QSplitter* splitter_ = nullptr;
    QFrame* panelTop_ = nullptr;
    QTableWidget* upperTable_ = nullptr;
    LineList* schoolList_ = nullptr;
    LineList* outputBox_ = nullptr;
    QFrame* widthStrip_ = nullptr;
    QPushButton* widthButton_ = nullptr;
    QButtonGroup* sortKeys_ = nullptr;
    QPushButton* yearButton_ = nullptr;
    QCheckBox* plausi91_ = nullptr;
    QCheckBox* plausi91Target_ = nullptr;
    QCheckBox* showDifferences_ = nullptr;
    QCheckBox* shortNameOnly_ = nullptr;
    ProgressPanel* gauge_ = nullptr;
    QFrame* developerPanel_ = nullptr;
    TFormSt2* sheetWindow_ = nullptr;

    std::vector<std::function<void()>> views_;
    std::vector<QAction*> menuActions_;
    std::map<std::string, QMenu*> topMenus_;
    std::vector<std::vector<std::string>> shownTable_;
    int appliedUpperTableHeight_ = -1;
};

} // namespace tev
