#pragma once
// The grid tool's window (TInputDlg): a report's table, the popup menu of the tool's entries
// (double click, right click, or the menu key), and the small field at the bottom left for the
// constant, the count of sum rows and the file name.
#include "output/grid_tool.h"

#include <QDialog>
#include <string>

class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTableView;

namespace tev {

struct Engine;
class GridToolModel;

class TInputDlg : public QDialog {
    Q_OBJECT
public:
    // engine: where saving and the entries' questions go; without one the popup is disabled.
    // True when closed with OK; when cancelled the tool is as it was given.
    static bool Show(GridTool& tool, Engine* engine, QWidget* parent = nullptr);

    TInputDlg(GridTool& tool, Engine* engine, QWidget* parent = nullptr);

    // The popup as it is built for the tool's state; it opens at the point of the grid.
    QMenu* BuildPopup();
    void OpenPopup(QPoint atViewport);
    const GridTool& tool() const { return tool_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void RunEntry(const std::string& key);
    // The view follows the tool: cells, sizes, the current cell, editing and the status line.
    void Refresh(const std::string& note = {});
    // The status line: the note of the last entry, else the current and remembered cells.
    void ShowState(const std::string& note = {});
    QPoint CurrentCellPoint() const;

    GridTool& tool_;
    Engine* engine_;
    GridToolModel* model_ = nullptr;
    QTableView* grid_ = nullptr;
    QLineEdit* input_ = nullptr;
    QLabel* status_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
    bool refreshing_ = false;
};

} // namespace tev
