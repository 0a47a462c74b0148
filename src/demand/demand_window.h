#pragma once
// The teacher demand window TFormLBR: the pupils by language sequence and profile, the
// language groups, the reported hours next to the computed demand (differences coloured), the
// hints and the summary of weekly hours. A view of the engine's demand state; every action
// goes to the demand commands.
#include <QMainWindow>
#include <functional>
#include <vector>

class QAction;
class QFrame;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QTableWidget;

namespace tev {

struct Engine;
class StringGrid;

class TFormLBR : public QMainWindow {
    Q_OBJECT
public:
    explicit TFormLBR(Engine& engine, QWidget* parent = nullptr);

    // Every view from the engine's state; shows or hides the window as the state says.
    void RefreshFromEngine();
    // Runs a command of the window, then refreshes it (and whoever listens).
    bool RunCommand(const std::function<void()>& command);
    // Called after each command of this window, e.g. to refresh the main window.
    void SetAfterCommand(std::function<void()> after) { afterCommand_ = std::move(after); }

    // The menu actions in the order of the menu table.
    const std::vector<QAction*>& MenuActions() const { return menuActions_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildViews();
    void BuildMenus();
    QTableWidget* NewGrid(const char* name, QWidget* parent);
    void ShowGrid(QTableWidget* view, const StringGrid& grid);
    void ColourDemandCells();
    void SummaryEdited(int row, int col);

    Engine& engine_;
    bool refreshing_ = false;
    std::function<void()> afterCommand_;
    std::vector<QAction*> menuActions_;

    QTableWidget* sglbrausw_ = nullptr;
    QListWidget* lbrausw_ = nullptr;
    QTableWidget* sglbrf1n_ = nullptr;
    QTableWidget* sgbedarf_ = nullptr;
    QFrame* panel4_ = nullptr;
    QTableWidget* sglbr2_ = nullptr;
    QTableWidget* sglbrspr_ = nullptr;
    QTableWidget* sglbr1_ = nullptr;
    QListWidget* listBox1_ = nullptr;
    QListWidget* lb_ = nullptr;
    QListWidget* hints_ = nullptr;
    QLabel* label1_ = nullptr;
    QTableWidget* sglbr_ = nullptr;
    QPlainTextEdit* memo_ = nullptr;
    QListWidget* bottomList_ = nullptr;
};

} // namespace tev
