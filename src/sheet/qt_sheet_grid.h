#pragma once
// One grid of the school sheet on screen: a table model over the engine's grid (texts, the
// colours of editable and locked cells, the black cross on empty locked cells), the cell
// drawing and editing, and a view whose heading rows and columns stay in place when the
// table scrolls.
#include "sheet/sheet_clipboard.h"

#include <QAbstractTableModel>
#include <QStyledItemDelegate>
#include <QTableView>
#include <functional>
#include <string>

namespace tev {

struct Engine;
class StringGrid;

class SheetGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Role { CrossRole = Qt::UserRole + 1, FrameRole };

    SheetGridModel(Engine& engine, QObject* parent = nullptr);

    // Shows another grid of the sheet (an empty name shows nothing).
    void SetGrid(const std::string& name);
    const std::string& GridName() const { return name_; }
    const StringGrid* Grid() const;
    // The engine's grid may have changed: texts, colours, maybe its shape.
    void Refresh();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // Typed text goes to the engine's edit handler; the table's sums follow at once.
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

signals:
    void CellEdited();

private:
    bool IsFixed(const StringGrid& grid, int col, int row) const;
    bool IsEditable(const StringGrid& grid, int col, int row) const;
    QVariant Background(const StringGrid& grid, int col, int row) const;

    Engine& engine_;
    std::string name_;
    int rows_ = 0;
    int cols_ = 0;
};

class SheetCellDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
};

class SheetGridView : public QTableView {
    Q_OBJECT
public:
    explicit SheetGridView(QWidget* parent = nullptr);

    void SetSheetModel(SheetGridModel* model);
    SheetGridModel* SheetModel() const { return model_; }
    // Column widths and row heights from the engine's grid (and the chosen width factors);
    // the heading rows and columns are pinned.
    void ApplyLayout(const Engine& engine);
    // Makes the cell current without telling anybody.
    void ShowCell(int col, int row);
    // Selects a range of cells / the bounding range of the selection (the current cell when
    // nothing is selected).
    void SelectCells(const CellRange& range);
    CellRange SelectedCells() const;

    // Asked when a row is dragged out of the view; true lets the drag start.
    std::function<bool(int col, int row)> canDragRow;
    // The MIME type of rows dragged out, and of items this view accepts as drops.
    QString dragRowType;
    QString acceptedDropType;

signals:
    // A double click on a cell that has an action of its own (printing, a label, a subject).
    void CellActionRequested(int col, int row);
    void CurrentCellChanged(int col, int row);
    // Something of acceptedDropType was dropped here.
    void Dropped(const QByteArray& data);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    QTableView* MakePin();
    void PlacePins();
    int PinnedWidth() const;
    int PinnedHeight() const;

    SheetGridModel* model_ = nullptr;
    QTableView* top_ = nullptr;
    QTableView* left_ = nullptr;
    QTableView* corner_ = nullptr;
    int fixedCols_ = 0;
    int fixedRows_ = 0;
    QPoint pressAt_;
    QModelIndex pressIndex_;
    bool silent_ = false;
};

} // namespace tev
