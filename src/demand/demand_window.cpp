#include "demand/demand_window.h"

#include "demand/demand_commands.h"
#include "demand/demand_grids.h"
#include "output/qt_texts.h"
#include "shell/engine.h"
#include "shell/qt_guard.h"

#include <QAction>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <map>

namespace tev {
namespace {

constexpr int kFontPixels = 13;
constexpr int kRowHeight = 19;
constexpr int kSequencesHeight = 96;
constexpr int kProfilesHeight = 100;
constexpr int kLanguagesHeight = 50;
constexpr int kReportedHeight = 140;
constexpr int kDemandHeight = 10 * kRowHeight + 6;
constexpr int kSummaryHeight = 9 * kRowHeight + 6;
constexpr int kSummaryNameWidth = 710;
constexpr int kHintsWidth = 360;
constexpr int kWidestColumn = 160;
const QColor kAqua(0, 255, 255);
const QColor kYellow(255, 255, 0);
const QColor kRed(255, 0, 0);
const QColor kGreen(0, 255, 0);

// The summary's editor turns a typed ";" into "," at once, as the office has always seen it.
class SummaryDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto* line = qobject_cast<QLineEdit*>(editor)) {
            QObject::connect(line, &QLineEdit::textEdited, line, [line](const QString& text) {
                if (!text.contains(';')) return;
                const int cursor = line->cursorPosition();
                line->setText(QString(text).replace(';', ','));
                line->setCursorPosition(cursor);
            });
        }
        return editor;
    }
};

QFrame* NewPanel(const char* name, const QColor* colour = nullptr) {
    auto* panel = new QFrame;
    panel->setObjectName(name);
    panel->setFrameShape(QFrame::StyledPanel);
    if (colour) {
        panel->setAutoFillBackground(true);
        QPalette palette = panel->palette();
        palette.setColor(QPalette::Window, *colour);
        panel->setPalette(palette);
    }
    return panel;
}

void Colour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Base, colour);
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void ShowLines(QListWidget* list, const std::vector<std::string>& lines) {
    const QStringList shown = ShownLines(lines);
    bool same = list->count() == shown.size();
    for (int i = 0; same && i < shown.size(); ++i)
        same = list->item(i)->text() == shown[i];
    if (same) return;
    list->clear();
    list->addItems(shown);
}

} // namespace

TFormLBR::TFormLBR(Engine& engine, QWidget* parent) : QMainWindow(parent), engine_(engine) {
    setObjectName("TFormLBR");
    setWindowFlag(Qt::Window);
    setWindowTitle("Lehrerbedarf");
    QFont font = NamedFont("Arial", kFontPixels);
    font.setBold(true);
    setFont(font);
    RunGuarded(this, [this] { DemandFormCreate(engine_); });
    BuildViews();
    BuildMenus();
    setMinimumSize(640, 480);
    const QRect screen = AvailableScreen(this);
    resize(std::min(screen.width(), 1280), std::min(screen.height(), 960));
    RefreshFromEngine();
}

QTableWidget* TFormLBR::NewGrid(const char* name, QWidget* parent) {
    auto* view = new QTableWidget(parent);
    view->setObjectName(name);
    view->horizontalHeader()->hide();
    view->verticalHeader()->hide();
    view->verticalHeader()->setDefaultSectionSize(kRowHeight);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    return view;
}

void TFormLBR::BuildViews() {
    auto* box = new QWidget;
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);

    // Hidden until "swap Auswertung" / "swap Auswertung Anmerkungen".
    sglbrausw_ = NewGrid("SGLBRausw", box);
    sglbrausw_->setFixedHeight(3 * kRowHeight);
    lbrausw_ = new QListWidget(box);
    lbrausw_->setObjectName("LBRausw");
    lbrausw_->setFixedHeight(80);
    layout->addWidget(sglbrausw_);
    layout->addWidget(lbrausw_);

    QFrame* panel1 = NewPanel("Panel1");
    auto* panel1Layout = new QVBoxLayout(panel1);
    panel1Layout->setContentsMargins(2, 2, 2, 2);
    sglbrf1n_ = NewGrid("SGLBRF1n", panel1);
    sglbrf1n_->setFixedHeight(kSequencesHeight);
    sgbedarf_ = NewGrid("SGBEDARF", panel1);
    sgbedarf_->setMinimumHeight(kDemandHeight);
    panel1Layout->addWidget(sglbrf1n_);
    panel1Layout->addWidget(sgbedarf_, 1);
    connect(sgbedarf_, &QTableWidget::currentCellChanged, this, [this](int row, int col) {
        if (refreshing_ || row < 0 || col < 0) return;
        RunCommand([this, col, row] { SGBEDARFSelectCell(engine_, col, row); });
    });
    connect(sgbedarf_, &QTableWidget::cellDoubleClicked, this, [this](int row, int col) {
        RunCommand([this, col, row] { SGBEDARFDblClick(engine_, col, row); });
    });
    layout->addWidget(panel1, 1);

    panel4_ = NewPanel("Panel4");
    auto* panel4Layout = new QHBoxLayout(panel4_);
    panel4Layout->setContentsMargins(0, 0, 0, 0);
    QFrame* panel5 = NewPanel("Panel5");
    auto* panel5Layout = new QVBoxLayout(panel5);
    panel5Layout->setContentsMargins(2, 2, 2, 2);
    sglbr2_ = NewGrid("SGLBR2", panel5);
    sglbr2_->setMinimumHeight(kProfilesHeight);
    sglbrspr_ = NewGrid("SGLBRspr", panel5);
    sglbrspr_->setFont(NamedFont("Arial", kFontPixels - 1));
    sglbrspr_->setMinimumHeight(kLanguagesHeight);
    sglbr1_ = NewGrid("SGLBR1", panel5);
    sglbr1_->setMinimumHeight(kReportedHeight);
    panel5Layout->addWidget(sglbr2_, 1);
    panel5Layout->addWidget(sglbrspr_, 1);
    panel5Layout->addWidget(sglbr1_, 1);
    listBox1_ = new QListWidget;
    listBox1_->setObjectName("ListBox1");
    listBox1_->setFont(NamedFont("Courier New", kFontPixels - 1));
    lb_ = new QListWidget;
    lb_->setObjectName("LB");
    connect(lb_, &QListWidget::itemDoubleClicked, this,
            [this] { RunCommand([this] { DemandLBDblClick(engine_); }); });
    panel4Layout->addWidget(panel5, 1);
    panel4Layout->addWidget(listBox1_);
    panel4Layout->addWidget(lb_);
    layout->addWidget(panel4_);

    QFrame* panel3 = NewPanel("Panel3", &kAqua);
    auto* panel3Layout = new QHBoxLayout(panel3);
    panel3Layout->setContentsMargins(4, 4, 4, 4);
    auto* left = new QVBoxLayout;
    hints_ = new QListWidget;
    hints_->setObjectName("LBhinw");
    hints_->setMinimumWidth(kHintsWidth / 2);
    label1_ = new QLabel;
    label1_->setObjectName("Label1");
    label1_->setWordWrap(true);
    label1_->setMinimumHeight(2 * kRowHeight);
    label1_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Colour(label1_, Qt::white);
    left->addWidget(hints_, 1);
    left->addWidget(label1_);
    sglbr_ = NewGrid("SGLBR", panel3);
    sglbr_->setFixedHeight(kSummaryHeight);
    sglbr_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked |
                            QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    sglbr_->setItemDelegate(new SummaryDelegate(sglbr_));
    Colour(sglbr_, kYellow);
    connect(sglbr_, &QTableWidget::cellChanged, this,
            [this](int row, int col) { SummaryEdited(row, col); });
    memo_ = new QPlainTextEdit;
    memo_->setObjectName("memoLBR1");
    Colour(memo_, kYellow);
    memo_->setMaximumWidth(200);
    panel3Layout->addLayout(left, 1);
    panel3Layout->addWidget(sglbr_);
    panel3Layout->addWidget(memo_);
    layout->addWidget(panel3);

    QFrame* panel2 = NewPanel("Panel2");
    auto* panel2Layout = new QHBoxLayout(panel2);
    panel2Layout->setContentsMargins(2, 2, 2, 2);
    bottomList_ = new QListWidget;
    bottomList_->setObjectName("LBRLB2");
    bottomList_->setFixedHeight(3 * kRowHeight);
    panel2Layout->addWidget(bottomList_);
    layout->addWidget(panel2);

    // The panels scroll as one box when the window is small.
    auto* scroll = new QScrollArea;
    scroll->setObjectName("ScrollBox1");
    scroll->setWidget(box);
    scroll->setWidgetResizable(true);
    setCentralWidget(scroll);
}

void TFormLBR::BuildMenus() {
    std::map<std::string, QMenu*> menus;
    for (const MenuEntry& entry : DemandMenu()) {
        const size_t slash = entry.path.find('/');
        QAction* action = nullptr;
        if (slash == std::string::npos) {
            action = menuBar()->addAction(ShownText(entry.path));
        } else {
            const std::string top = entry.path.substr(0, slash);
            QMenu*& menu = menus[top];
            if (!menu) {
                menu = menuBar()->addMenu(ShownText(top));
                menu->setObjectName(ShownText(top));
            }
            action = menu->addAction(ShownText(entry.path.substr(slash + 1)));
        }
        action->setObjectName(QString::fromStdString(entry.handler));
        action->setData(ShownText(entry.path));
        action->setEnabled(entry.command != nullptr);
        if (const MenuCommand command = entry.command) {
            connect(action, &QAction::triggered, this,
                    [this, command] { RunCommand([this, command] { command(engine_); }); });
        }
        menuActions_.push_back(action);
    }
    // "xxx" is an empty submenu: shown, without entries.
    for (auto& [caption, menu] : menus)
        menu->setEnabled(!menu->actions().isEmpty());
}

bool TFormLBR::RunCommand(const std::function<void()>& command) {
    const bool done = RunGuarded(this, command);
    if (FatalStopSeen()) {
        hide();
        return false;
    }
    RefreshFromEngine();
    if (afterCommand_) afterCommand_();
    return done;
}

void TFormLBR::closeEvent(QCloseEvent* event) {
    engine_.demand.visible = false;
    event->accept();
}

void TFormLBR::ShowGrid(QTableWidget* view, const StringGrid& grid) {
    if (view->columnCount() != grid.ColCount()) view->setColumnCount(grid.ColCount());
    if (view->rowCount() != grid.RowCount()) view->setRowCount(grid.RowCount());
    const QBrush fixed = palette().brush(QPalette::Button);
    for (int row = 0; row < grid.RowCount(); ++row) {
        for (int col = 0; col < grid.ColCount(); ++col) {
            const QString text = ShownText(grid.Cells(col, row));
            QTableWidgetItem* item = view->item(row, col);
            if (!item) {
                item = new QTableWidgetItem;
                item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
                const bool isFixed = row < grid.FixedRows() || col < grid.FixedCols();
                if (isFixed) item->setBackground(fixed);
                item->setTextAlignment(isFixed ? Qt::AlignLeft | Qt::AlignVCenter
                                               : Qt::AlignRight | Qt::AlignVCenter);
                view->setItem(row, col, item);
            }
            if (item->text() != text) item->setText(text);
        }
    }
    // The office's widths, widened where a number or name would be cut.
    view->resizeColumnsToContents();
    for (int col = 0; col < grid.ColCount(); ++col)
        view->setColumnWidth(
            col, std::max(grid.ColWidth(col), std::min(view->columnWidth(col), kWidestColumn)));
}

void TFormLBR::ColourDemandCells() {
    const DemandWindowState& state = engine_.demand;
    const QBrush normal = sgbedarf_->palette().brush(QPalette::Base);
    for (int row = 0; row < sgbedarf_->rowCount(); ++row) {
        for (int col = 0; col < sgbedarf_->columnCount(); ++col) {
            QTableWidgetItem* item = sgbedarf_->item(row, col);
            if (!item || row < state.sgbedarf.FixedRows() || col < state.sgbedarf.FixedCols())
                continue;
            switch (DemandCellColour(state, col, row)) {
            case CellColour::Red:
                item->setBackground(kRed);
                break;
            case CellColour::Green:
                item->setBackground(kGreen);
                break;
            case CellColour::Normal:
                item->setBackground(normal);
                break;
            }
        }
    }
}

void TFormLBR::SummaryEdited(int row, int col) {
    if (refreshing_) return;
    QTableWidgetItem* item = sglbr_->item(row, col);
    if (!item) return;
    const std::string typed = TypedText(item->text());
    RunCommand([this, col, row, typed] { SGLBRSetEditText(engine_, col, row, typed); });
}

void TFormLBR::RefreshFromEngine() {
    refreshing_ = true;
    const DemandWindowState& state = engine_.demand;
    ShowGrid(sglbrausw_, state.sglbrausw);
    ShowGrid(sglbrf1n_, state.sglbrf1n);
    ShowGrid(sgbedarf_, state.sgbedarf);
    ColourDemandCells();
    ShowGrid(sglbr2_, state.sglbr2);
    ShowGrid(sglbrspr_, state.sglbrspr);
    ShowGrid(sglbr1_, state.sglbr1);
    ShowGrid(sglbr_, state.sglbr);
    for (int row = 0; row < sglbr_->rowCount(); ++row) {
        if (QTableWidgetItem* item = sglbr_->item(row, 1)) {
            const bool editable = IsDemandSummaryEditable(1, row);
            item->setFlags(editable ? item->flags() | Qt::ItemIsEditable
                                    : item->flags() & ~Qt::ItemIsEditable);
        }
    }
    // The names column as wide as its texts, at most as the office's 710 pixels.
    sglbr_->resizeColumnToContents(0);
    sglbr_->setColumnWidth(0, std::min(sglbr_->columnWidth(0) + 8, kSummaryNameWidth));
    sglbr_->setColumnWidth(1, 90);
    sglbr_->setFixedWidth(sglbr_->columnWidth(0) + sglbr_->columnWidth(1) +
                          2 * sglbr_->frameWidth());
    ShowLines(hints_, state.hints);
    ShowLines(listBox1_, state.timetable);
    ShowLines(lb_, state.computation);
    ShowLines(lbrausw_, state.remarks);
    ShowLines(bottomList_, state.bottomList);
    label1_->setText(ShownText(state.label1));
    if (memo_->toPlainText().isEmpty()) memo_->setPlainText(ShownText(state.memo));
    lb_->setFixedWidth(state.lbWidth);
    panel4_->setFixedHeight(state.panel4Height);
    sglbrausw_->setVisible(state.evaluationVisible);
    lbrausw_->setVisible(state.remarksVisible);
    refreshing_ = false;
    if (state.visible && !isVisible()) {
        show();
        raise();
    } else if (!state.visible && isVisible()) {
        hide();
    }
}

} // namespace tev
