#include "output/grid_tool_dialog.h"

#include "output/codepage.h"
#include "output/grid_tool_numbers.h"
#include "output/qt_texts.h"
#include "output/text_routines.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QContextMenuEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPalette>
#include <QPushButton>
#include <QShortcut>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>
#include <map>

namespace tev {
namespace {

const char* const kGridHint =
    "Spalten können breiter/schmaler gezogen werden.  Doppelklick=Sonderoptionen";
const char* const kInputHint =
    "Konstante der Spaltenrechnung, Anzahl der Summenzeilen oder Dateiname (DSN) zum Speichern";
constexpr int kCellFontPixels = 13;
constexpr int kMinimumWidth = 480;
constexpr int kMinimumHeight = 320;
constexpr int kStartWidth = 1000;
constexpr int kStartHeight = 700;

// A cell that reads as a number whole: shown right-aligned, as the office's tables have them.
bool NumericCell(const std::string& text) {
    const std::string cell = Trim(text);
    if (cell.empty()) return false;
    return cell.find_first_not_of("0123456789,.-+\xBD") == std::string::npos &&
           cell.find_first_of("0123456789\xBD") != std::string::npos;
}

std::string WithoutCodes(const std::string& title) {
    size_t start = 0;
    while (start < title.size() && static_cast<unsigned char>(title[start]) < 32)
        ++start;
    return title.substr(start);
}

} // namespace

// The tool's grid as Qt sees it; edits go straight into the grid.
class GridToolModel : public QAbstractTableModel {
public:
    explicit GridToolModel(GridTool& tool, QObject* parent)
        : QAbstractTableModel(parent), tool_(tool) {}

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : tool_.grid.RowCount();
    }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : tool_.grid.ColCount();
    }
    QVariant data(const QModelIndex& index, int role) const override {
        const std::string& cell = tool_.grid.Cells(index.column(), index.row());
        switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole:
            return ShownText(cell);
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(Qt::AlignVCenter |
                                       (NumericCell(cell) ? Qt::AlignRight : Qt::AlignLeft));
        case Qt::BackgroundRole:
            if (Fixed(index)) return QApplication::palette().brush(QPalette::Button);
            return {};
        default:
            return {};
        }
    }
    Qt::ItemFlags flags(const QModelIndex& index) const override {
        Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
        if (tool_.editing && !Fixed(index)) flags |= Qt::ItemIsEditable;
        return flags;
    }
    bool setData(const QModelIndex& index, const QVariant& value, int role) override {
        if (role != Qt::EditRole || !index.isValid()) return false;
        tool_.grid.SetCells(index.column(), index.row(), TypedText(value.toString()));
        tool_.modified |= kGridChanged;
        emit dataChanged(index, index);
        return true;
    }
    QVariant headerData(int section, Qt::Orientation, int role) const override {
        if (role == Qt::DisplayRole) return section;
        return {};
    }
    void Reset() {
        beginResetModel();
        endResetModel();
    }

private:
    bool Fixed(const QModelIndex& index) const {
        return index.column() < tool_.grid.FixedCols() || index.row() < tool_.grid.FixedRows();
    }

    GridTool& tool_;
};

TInputDlg::TInputDlg(GridTool& tool, Engine* engine, QWidget* parent)
    : QDialog(parent), tool_(tool), engine_(engine) {
    setObjectName("TInputDlg");
    setWindowTitle(ShownText(WithoutCodes(tool_.title)));
    setSizeGripEnabled(true);

    model_ = new GridToolModel(tool_, this);
    grid_ = new QTableView(this);
    grid_->setObjectName("SG");
    grid_->setModel(model_);
    grid_->setFont(NamedFont("Courier New", kCellFontPixels));
    grid_->setToolTip(ShownText(Win(kGridHint)));
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setTabKeyNavigation(false); // arrows move between cells, Tab to the next control
    // The mouse's context menu comes to the viewport, the keyboard's to the grid itself.
    grid_->installEventFilter(this);
    grid_->viewport()->installEventFilter(this);
    for (QHeaderView* header : {grid_->horizontalHeader(), grid_->verticalHeader()}) {
        header->setMinimumSectionSize(0);
        header->setSectionResizeMode(QHeaderView::Interactive);
    }
    connect(grid_->horizontalHeader(), &QHeaderView::sectionResized, this,
            [this](int col, int, int width) {
                if (!refreshing_) tool_.grid.SetColWidth(col, width);
            });
    connect(grid_->verticalHeader(), &QHeaderView::sectionResized, this,
            [this](int row, int, int height) {
                if (!refreshing_) tool_.grid.SetRowHeight(row, height);
            });

    input_ = new QLineEdit(QString::fromStdString(Utf8FromWin(tool_.input)), this);
    input_->setObjectName("Editn");
    input_->setToolTip(ShownText(Win(kInputHint)));
    input_->setMaximumWidth(160);
    connect(input_, &QLineEdit::textChanged, this,
            [this](const QString& text) { tool_.input = TypedText(text); });
    status_ = new QLabel(this);
    status_->setObjectName("Label1");
    status_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    ok_ = new QPushButton("OK", this);
    ok_->setObjectName("OKBtn");
    cancel_ = new QPushButton("Abbruch", this);
    cancel_->setObjectName("CancelBtn");
    // Return belongs to the grid and the small field; OK is Ctrl+Return or a click.
    for (QPushButton* button : {ok_, cancel_}) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    auto* confirm = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Return), this);
    connect(confirm, &QShortcut::activated, this, &QDialog::accept);
    auto* remember = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_M), this);
    connect(remember, &QShortcut::activated, this, [this] { RunEntry("remember"); });
    auto* popup = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10), grid_);
    connect(popup, &QShortcut::activated, this, [this] { OpenPopup(CurrentCellPoint()); });

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(input_);
    bottom->addWidget(status_, 1);
    bottom->addWidget(ok_);
    bottom->addWidget(cancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grid_, 1);
    layout->addLayout(bottom);

    connect(grid_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& index) {
                if (refreshing_ || !index.isValid()) return;
                tool_.current = {index.column(), index.row()};
                ShowState();
            });
    Refresh();

    const QRect screen = AvailableScreen(this);
    setMinimumSize(std::min(kMinimumWidth, screen.width()),
                   std::min(kMinimumHeight, screen.height()));
    resize(std::min(kStartWidth, screen.width()), std::min(kStartHeight, screen.height() - 40));
}

QMenu* TInputDlg::BuildPopup() {
    auto* popup = new QMenu(this);
    popup->setObjectName("PopupMenu1");
    popup->setAttribute(Qt::WA_DeleteOnClose);
    std::map<std::string, QMenu*> submenus;
    for (const GridToolEntry& entry : GridToolMenu(tool_)) {
        QMenu* into = popup;
        if (!entry.submenu.empty()) {
            QMenu*& submenu = submenus[entry.submenu];
            if (!submenu) submenu = popup->addMenu(ShownText(entry.submenu));
            into = submenu;
        }
        if (entry.caption.empty()) {
            into->addSeparator();
            continue;
        }
        QAction* action = into->addAction(ShownText(entry.caption));
        action->setObjectName(QString::fromStdString(entry.key));
        action->setEnabled(engine_ != nullptr);
        const std::string key = entry.key;
        connect(action, &QAction::triggered, this, [this, key] { RunEntry(key); });
    }
    return popup;
}

void TInputDlg::OpenPopup(QPoint atViewport) {
    // The menu key may come as a key and as a context menu event: one popup is enough.
    if (QApplication::activePopupWidget()) return;
    BuildPopup()->popup(grid_->viewport()->mapToGlobal(atViewport));
}

QPoint TInputDlg::CurrentCellPoint() const {
    return grid_->visualRect(model_->index(tool_.current.row, tool_.current.col)).center();
}

bool TInputDlg::eventFilter(QObject* watched, QEvent* event) {
    if (watched == grid_->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        OpenPopup(static_cast<QMouseEvent*>(event)->position().toPoint());
        return true;
    }
    if (watched == grid_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Menu) {
        OpenPopup(CurrentCellPoint());
        return true;
    }
    if ((watched == grid_ || watched == grid_->viewport()) &&
        event->type() == QEvent::ContextMenu) {
        const auto* menu = static_cast<QContextMenuEvent*>(event);
        if (menu->reason() == QContextMenuEvent::Keyboard)
            OpenPopup(CurrentCellPoint());
        else
            OpenPopup(grid_->viewport()->mapFromGlobal(menu->globalPos()));
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TInputDlg::RunEntry(const std::string& key) {
    if (!engine_) return;
    if (QWidget* editor = QApplication::focusWidget(); editor && grid_->isAncestorOf(editor))
        grid_->setFocus(); // an open cell editor commits its text first
    const std::string note = RunGridToolEntry(*engine_, tool_, key);
    Refresh(note);
}

void TInputDlg::Refresh(const std::string& note) {
    refreshing_ = true;
    const StringGrid& grid = tool_.grid;
    model_->Reset();
    for (int col = 0; col < grid.ColCount(); ++col)
        grid_->horizontalHeader()->resizeSection(col, grid.ColWidth(col));
    for (int row = 0; row < grid.RowCount(); ++row)
        grid_->verticalHeader()->resizeSection(row, grid.RowHeight(row));
    grid_->setEditTriggers(tool_.editing ? QAbstractItemView::AnyKeyPressed |
                                               QAbstractItemView::EditKeyPressed |
                                               QAbstractItemView::SelectedClicked
                                         : QAbstractItemView::NoEditTriggers);
    const QModelIndex current = model_->index(tool_.current.row, tool_.current.col);
    if (current.isValid()) grid_->setCurrentIndex(current);
    refreshing_ = false;
    ShowState(note);
}

void TInputDlg::ShowState(const std::string& note) {
    if (!note.empty()) {
        status_->setText(ShownText(note));
        return;
    }
    status_->setText(ShownText(GridToolCellsText(tool_)));
}

bool TInputDlg::Show(GridTool& tool, Engine* engine, QWidget* parent) {
    const GridTool given = tool;
    TInputDlg dialog(tool, engine, parent);
    if (dialog.exec() == QDialog::Accepted) return true;
    tool = given;
    return false;
}

} // namespace tev
