#include "sheet/qt_sheet_grid.h"

#include "output/qt_texts.h"
#include "output/text_routines.h"
#include "sheet/cell_editability.h"
#include "sheet/sheet_commands.h"
#include "sheet/sheet_options.h"
#include "sheet/sheet_pages.h"
#include "sheet/sheet_view_texts.h"
#include "shell/engine.h"

#include <QApplication>
#include <QDrag>
#include <QDragEnterEvent>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QMimeData>
#include <QPainter>
#include <QRegularExpressionValidator>
#include <QScrollBar>
#include <algorithm>

namespace tev {
namespace {

constexpr int kCrossInset = 4;
// The cells of a finding opened from the "Test" page.
constexpr const char* kFindingHighlight = "#ffb347";
constexpr int kFrameInset = 2;

QColor Colour(const SheetColour& colour) {
    return QColor(colour.red, colour.green, colour.blue);
}

bool LooksNumeric(const std::string& text) {
    if (text.empty()) return false;
    bool digit = false;
    for (const char c : text) {
        if (c >= '0' && c <= '9') {
            digit = true;
        } else if (c != '-' && c != '+' && c != ',' && c != '.') {
            return false;
        }
    }
    return digit;
}

} // namespace

// The model.

SheetGridModel::SheetGridModel(Engine& engine, QObject* parent)
    : QAbstractTableModel(parent), engine_(engine) {}

const StringGrid* SheetGridModel::Grid() const {
    return name_.empty() ? nullptr : engine_.sheet.grids.Find(name_);
}

void SheetGridModel::SetGrid(const std::string& name) {
    beginResetModel();
    name_ = name;
    const StringGrid* grid = Grid();
    rows_ = grid ? grid->RowCount() : 0;
    cols_ = grid ? grid->ColCount() : 0;
    endResetModel();
}

void SheetGridModel::Refresh() {
    const StringGrid* grid = Grid();
    const int rows = grid ? grid->RowCount() : 0;
    const int cols = grid ? grid->ColCount() : 0;
    if (rows != rows_ || cols != cols_) {
        beginResetModel();
        rows_ = rows;
        cols_ = cols;
        endResetModel();
    } else if (rows > 0 && cols > 0) {
        emit dataChanged(index(0, 0), index(rows - 1, cols - 1));
    }
}

int SheetGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

int SheetGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : cols_;
}

bool SheetGridModel::IsFixed(const StringGrid& grid, int col, int row) const {
    return row < grid.FixedRows() || col < grid.FixedCols();
}

bool SheetGridModel::IsEditable(const StringGrid& grid, int col, int row) const {
    return IsCellEditable(grid, col, row, engine_.sheet.schoolYearCode, engine_.sheet.schoolNumber)
        .editable;
}

QVariant SheetGridModel::Background(const StringGrid& grid, int col, int row) const {
    const SheetWindowState& w = engine_.sheet.window;
    if (IsFixed(grid, col, row)) return QApplication::palette().color(QPalette::Button);
    if (w.highlight.Covers(grid.Name(), col, row)) return QColor(kFindingHighlight);
    if (grid.Name() == "SG91") {
        if (!IsHoursEntryCell(grid, col, row)) return Colour(w.lockedColour);
        // A target in row 1 over a filled row 2 is out of place.
        if (row == 1 && !Trim(grid.Cells(col, 2)).empty()) return QColor(Qt::red);
        return Colour(w.editableColour);
    }
    return Colour(IsEditable(grid, col, row) ? w.editableColour : w.lockedColour);
}

QVariant SheetGridModel::data(const QModelIndex& index, int role) const {
    const StringGrid* grid = Grid();
    if (grid == nullptr || !index.isValid()) return {};
    const int col = index.column();
    const int row = index.row();
    const std::string& cell = grid->Cells(col, row);
    const bool fixed = IsFixed(*grid, col, row);
    switch (role) {
    case Qt::DisplayRole: {
        const std::string text = TrimRight(cell);
        return ShownText(!fixed && LooksNumeric(Trim(text)) ? Trim(text) : text);
    }
    case Qt::EditRole:
        return ShownText(Trim(cell));
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(
            Qt::AlignVCenter |
            (!fixed && LooksNumeric(Trim(cell)) ? Qt::AlignRight : Qt::AlignLeft));
    case Qt::BackgroundRole:
        return Background(*grid, col, row);
    case Qt::ForegroundRole:
        return QColor(Qt::black);
    case Qt::ToolTipRole:
        if (HasHoursHint(*grid)) return ShownText(HoursCellHint(*grid, col, row));
        if (grid->Name() == "SG81" || grid->Name() == "SG82")
            return QString::fromUtf8("Die  \"Facheingabe\"  ist nur mittels Doppelklick möglich");
        return {};
    case CrossRole:
        return !fixed && Trim(cell).empty() && !IsEditable(*grid, col, row);
    case FrameRole:
        return IsHoursEntryCell(*grid, col, row);
    default:
        return {};
    }
}

Qt::ItemFlags SheetGridModel::flags(const QModelIndex& index) const {
    const StringGrid* grid = Grid();
    if (grid == nullptr || !index.isValid()) return Qt::NoItemFlags;
    const int col = index.column();
    const int row = index.row();
    if (IsFixed(*grid, col, row)) return Qt::ItemIsEnabled;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (IsEditable(*grid, col, row) && IsTypedEntryAllowed(*grid, col)) flags |= Qt::ItemIsEditable;
    return flags;
}

bool SheetGridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !index.isValid() || Grid() == nullptr) return false;
    EditSheetCell(engine_, name_, index.column(), index.row(), TypedText(value.toString()));
    Refresh();
    emit CellEdited();
    return true;
}

// The cells.

void SheetCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const {
    QStyledItemDelegate::paint(painter, option, index);
    const QRect cell = option.rect;
    if (index.data(SheetGridModel::CrossRole).toBool()) {
        // An empty cell that takes no entry reads differently from a missing value.
        painter->save();
        painter->setPen(QPen(Qt::black, 1));
        const QRect inner = cell.adjusted(kCrossInset, kCrossInset, -kCrossInset, -kCrossInset);
        painter->drawLine(inner.topLeft(), inner.bottomRight());
        painter->drawLine(inner.topRight(), inner.bottomLeft());
        painter->restore();
    }
    if (index.data(SheetGridModel::FrameRole).toBool()) {
        painter->save();
        painter->setPen(QPen(Qt::black, 1));
        const int bottom = cell.bottom() - kFrameInset;
        const int right = cell.right() - kFrameInset;
        painter->drawLine(cell.left(), bottom, right, bottom);
        painter->drawLine(right, cell.top(), right, bottom);
        painter->restore();
    }
}

QWidget* SheetCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                         const QModelIndex& index) const {
    auto* editor = new QLineEdit(parent);
    editor->setFrame(false);
    auto* model = qobject_cast<SheetGridModel*>(const_cast<QAbstractItemModel*>(index.model()));
    if (model == nullptr) return editor;
    if (const StringGrid* grid = model->Grid();
        grid && !CellEditMask(*grid, index.column()).empty())
        editor->setValidator(
            new QRegularExpressionValidator(QRegularExpression("[-+ 0-9]{0,4}"), editor));
    // Every change of the text counts at once, so that the sums follow while typing.
    const QPersistentModelIndex cell(index);
    connect(editor, &QLineEdit::textEdited, editor, [model, cell](const QString& text) {
        if (cell.isValid()) model->setData(cell, text, Qt::EditRole);
    });
    return editor;
}

void SheetCellDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    if (auto* line = qobject_cast<QLineEdit*>(editor)) {
        if (!line->isModified()) line->setText(index.data(Qt::EditRole).toString());
        return;
    }
    QStyledItemDelegate::setEditorData(editor, index);
}

// The view.

SheetGridView::SheetGridView(QWidget* parent) : QTableView(parent) {
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setHorizontalScrollMode(ScrollPerPixel);
    setVerticalScrollMode(ScrollPerPixel);
    setSelectionMode(ContiguousSelection);
    setEditTriggers(AnyKeyPressed | EditKeyPressed | DoubleClicked | SelectedClicked);
    setItemDelegate(new SheetCellDelegate(this));
    setTabKeyNavigation(true);
    top_ = MakePin();
    left_ = MakePin();
    corner_ = MakePin();
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, top_->horizontalScrollBar(),
            &QScrollBar::setValue);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, left_->verticalScrollBar(),
            &QScrollBar::setValue);
}

QTableView* SheetGridView::MakePin() {
    auto* pin = new QTableView(this);
    pin->setObjectName("pin");
    pin->horizontalHeader()->hide();
    pin->verticalHeader()->hide();
    pin->setHorizontalScrollMode(ScrollPerPixel);
    pin->setVerticalScrollMode(ScrollPerPixel);
    pin->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    pin->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    pin->setFrameShape(QFrame::NoFrame);
    pin->setFocusPolicy(Qt::NoFocus);
    pin->setSelectionMode(NoSelection);
    pin->setEditTriggers(NoEditTriggers);
    pin->setItemDelegate(new SheetCellDelegate(pin));
    // Clicks and the wheel reach the table underneath.
    pin->setAttribute(Qt::WA_TransparentForMouseEvents);
    pin->hide();
    viewport()->stackUnder(pin);
    return pin;
}

void SheetGridView::SetSheetModel(SheetGridModel* model) {
    model_ = model;
    setModel(model);
    for (QTableView* pin : {top_, left_, corner_})
        pin->setModel(model);
}

void SheetGridView::ApplyLayout(const Engine& engine) {
    const StringGrid* grid = model_ ? model_->Grid() : nullptr;
    fixedCols_ = grid ? std::min(grid->FixedCols(), grid->ColCount()) : 0;
    fixedRows_ = grid ? std::min(grid->FixedRows(), grid->RowCount()) : 0;
    if (grid != nullptr) {
        for (QTableView* view : {static_cast<QTableView*>(this), top_, left_, corner_}) {
            for (int col = 0; col < grid->ColCount(); ++col)
                view->setColumnWidth(col, ShownColumnWidth(engine.sheet, *grid, col));
            for (int row = 0; row < grid->RowCount(); ++row)
                view->setRowHeight(row, grid->RowHeight(row));
        }
    }
    PlacePins();
}

int SheetGridView::PinnedWidth() const {
    int width = 0;
    for (int col = 0; col < fixedCols_; ++col)
        width += columnWidth(col);
    return width;
}

int SheetGridView::PinnedHeight() const {
    int height = 0;
    for (int row = 0; row < fixedRows_; ++row)
        height += rowHeight(row);
    return height;
}

void SheetGridView::PlacePins() {
    const int frame = frameWidth();
    const QRect area = viewport()->geometry();
    const int width = std::min(PinnedWidth(), area.width());
    const int height = std::min(PinnedHeight(), area.height());
    top_->setVisible(fixedRows_ > 0);
    left_->setVisible(fixedCols_ > 0);
    corner_->setVisible(fixedRows_ > 0 && fixedCols_ > 0);
    top_->setGeometry(frame, frame, area.width(), height);
    left_->setGeometry(frame, frame, width, area.height());
    corner_->setGeometry(frame, frame, width, height);
    top_->horizontalScrollBar()->setValue(horizontalScrollBar()->value());
    left_->verticalScrollBar()->setValue(verticalScrollBar()->value());
}

void SheetGridView::ShowCell(int col, int row) {
    if (model_ == nullptr) return;
    const QModelIndex cell = model_->index(row, col);
    if (!cell.isValid() || cell == currentIndex()) return;
    silent_ = true;
    setCurrentIndex(cell);
    silent_ = false;
}

void SheetGridView::SelectCells(const CellRange& range) {
    if (model_ == nullptr) return;
    const QModelIndex first = model_->index(range.top, range.left);
    const QModelIndex last = model_->index(range.bottom, range.right);
    if (!first.isValid() || !last.isValid()) return;
    selectionModel()->select(QItemSelection(first, last), QItemSelectionModel::ClearAndSelect);
}

CellRange SheetGridView::SelectedCells() const {
    const QModelIndexList cells =
        selectionModel() ? selectionModel()->selectedIndexes() : QModelIndexList();
    if (cells.isEmpty()) {
        const QModelIndex current = currentIndex();
        return {current.column(), current.row(), current.column(), current.row()};
    }
    CellRange range{cells.front().column(), cells.front().row(), cells.front().column(),
                    cells.front().row()};
    for (const QModelIndex& cell : cells) {
        range.left = std::min(range.left, cell.column());
        range.top = std::min(range.top, cell.row());
        range.right = std::max(range.right, cell.column());
        range.bottom = std::max(range.bottom, cell.row());
    }
    return range;
}

void SheetGridView::resizeEvent(QResizeEvent* event) {
    QTableView::resizeEvent(event);
    PlacePins();
}

void SheetGridView::scrollTo(const QModelIndex& index, ScrollHint hint) {
    QTableView::scrollTo(index, hint);
    if (!index.isValid()) return;
    // A cell must not hide under the pinned headings.
    const QRect cell = visualRect(index);
    if (index.column() >= fixedCols_ && cell.left() < PinnedWidth())
        horizontalScrollBar()->setValue(horizontalScrollBar()->value() -
                                        (PinnedWidth() - cell.left()));
    if (index.row() >= fixedRows_ && cell.top() < PinnedHeight())
        verticalScrollBar()->setValue(verticalScrollBar()->value() - (PinnedHeight() - cell.top()));
}

void SheetGridView::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QTableView::currentChanged(current, previous);
    if (!silent_ && current.isValid()) emit CurrentCellChanged(current.column(), current.row());
}

void SheetGridView::mouseDoubleClickEvent(QMouseEvent* event) {
    const QModelIndex cell = indexAt(event->position().toPoint());
    const StringGrid* grid = model_ ? model_->Grid() : nullptr;
    if (cell.isValid() && grid && HasCellDoubleClickAction(*grid, cell.column(), cell.row())) {
        emit CellActionRequested(cell.column(), cell.row());
        event->accept();
        return;
    }
    QTableView::mouseDoubleClickEvent(event);
}

void SheetGridView::mousePressEvent(QMouseEvent* event) {
    pressAt_ = event->position().toPoint();
    pressIndex_ = indexAt(pressAt_);
    QTableView::mousePressEvent(event);
}

void SheetGridView::mouseMoveEvent(QMouseEvent* event) {
    const bool dragging = (event->buttons() & Qt::LeftButton) && !dragRowType.isEmpty() &&
                          pressIndex_.isValid() &&
                          (event->position().toPoint() - pressAt_).manhattanLength() >=
                              QApplication::startDragDistance();
    if (!dragging) {
        QTableView::mouseMoveEvent(event);
        return;
    }
    const QModelIndex pressed = pressIndex_;
    pressIndex_ = QModelIndex();
    if (!canDragRow || !canDragRow(pressed.column(), pressed.row())) return;
    auto* data = new QMimeData;
    data->setData(dragRowType, QByteArray::number(pressed.row()));
    auto* drag = new QDrag(this);
    drag->setMimeData(data);
    drag->exec(Qt::MoveAction);
}

void SheetGridView::dragEnterEvent(QDragEnterEvent* event) {
    if (!acceptedDropType.isEmpty() && event->mimeData()->hasFormat(acceptedDropType))
        event->acceptProposedAction();
    else
        event->ignore();
}

void SheetGridView::dragMoveEvent(QDragMoveEvent* event) {
    if (!acceptedDropType.isEmpty() && event->mimeData()->hasFormat(acceptedDropType))
        event->acceptProposedAction();
    else
        event->ignore();
}

void SheetGridView::dropEvent(QDropEvent* event) {
    if (acceptedDropType.isEmpty() || !event->mimeData()->hasFormat(acceptedDropType)) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    emit Dropped(event->mimeData()->data(acceptedDropType));
}

} // namespace tev
