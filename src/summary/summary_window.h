#pragma once
// The summary window TFormSt2g: one tab per table of the summary, the display kind CBart,
// and the buttons "Save" (kind from a list), "L" (grid font), "Diverses" (printing and
// export) and "Quit". It shows the engine's summary grids and hands every action to the
// engine through the main window's command runner.
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QPushButton;
class QTabBar;
class QTableWidget;

namespace tev {

struct Engine;

class TFormSt2g : public QWidget {
    Q_OBJECT
public:
    // Runs an engine command and refreshes every window; false when it could not run.
    using CommandRunner = std::function<bool(const std::function<void()>&)>;

    TFormSt2g(Engine& engine, CommandRunner run, QWidget* parent = nullptr);

    // Shows or hides the window as the engine says and fills it from the summary grids.
    void RefreshFromEngine();

    // The grid font steps the "L" button moves through.
    int FontPixels() const { return fontPixels_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildViews();
    void ShowCurrentTab();
    void FontButtonClicked(int x);

    Engine& engine_;
    CommandRunner run_;
    QTabBar* tabs_ = nullptr;
    QComboBox* kind_ = nullptr;
    QLabel* title_ = nullptr;
    QTableWidget* grid_ = nullptr;
    QPushButton* fontButton_ = nullptr;
    std::vector<std::string> tabGrids_;
    int tabYear_ = -1;
    int fontPixels_ = 13;
    bool refreshing_ = false;
};

} // namespace tev
