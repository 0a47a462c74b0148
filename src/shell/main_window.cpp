#include "shell/main_window.h"

#include "data/delivery_import.h"
#include "output/print_commands.h"
#include "output/print_grid.h"
#include "output/qt_printer_canvas.h"
#include "output/qt_texts.h"
#include "sheet/sheet_repairs.h"
#include "sheet/sheet_window.h"
#include "shell/engine.h"
#include "shell/qt_guard.h"
#include "shell/qt_line_list.h"
#include "shell/qt_progress_panel.h"
#include "shell/qt_ui.h"
#include "shell/school_list_sort.h"
#include "shell/school_loading.h"
#include "shell/school_selection.h"
#include "shell/school_year_switch.h"
#include "shell/sort_choice.h"
#include "shell/window_commands.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSplitter>
#include <QStatusBar>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

namespace tev {
namespace {

constexpr int kSchoolListFontPixels = 11;
constexpr int kOutputBoxFontPixels = 13;
// Below these the lists stop being of use; from 800 x 600 on both stay above them.
constexpr int kSchoolListMinWidth = 150;
constexpr int kOutputBoxMinWidth = 220;
constexpr QSize kClassicSize(1320, 820);
// What a window manager's frame takes around the window.
constexpr QSize kFrameAllowance(16, 48);
constexpr int kUpperTableRowHeight = 18;
constexpr int kUpperTableDefaultHeight = 220;
constexpr int kUpperTableWidestColumn = 400;
constexpr int kNarrowListLimit = 301;

// A thin strip beside the school list; a click on it toggles the list's width.
class WidthStrip : public QFrame {
public:
    explicit WidthStrip(std::function<void()> clicked) : clicked_(std::move(clicked)) {
        setObjectName("Panel1");
        setFixedWidth(7);
        setFrameShape(QFrame::StyledPanel);
        setCursor(Qt::PointingHandCursor);
        setStyleSheet("background: #c8ccd4;");
    }

protected:
    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton) clicked_();
    }

private:
    std::function<void()> clicked_;
};

QString WidthCaption(int listWidth) {
    return listWidth < kNarrowListLimit ? "links breiter" : "links schmaler";
}

// What a developer button runs: the command of its handler in the menu table.
MenuCommand CommandOfHandler(const std::string& handler) {
    for (const MenuEntry& entry : MainMenu()) {
        if (entry.handler == handler) return entry.command;
    }
    return nullptr;
}

} // namespace

TFormTEV1::TFormTEV1(Engine& engine, QtUi& ui, QWidget* parent)
    : QMainWindow(parent), engine_(engine), ui_(ui) {
    setObjectName("TFormTEV1");
    BuildViews();
    BuildMenus();
    sheetWindow_ = new TFormSt2(
        engine_, ui_, [this](const std::function<void()>& command) { return RunCommand(command); },
        this);
    ui_.SetParent(this);
    ui_.SetProgressPanel(gauge_);
    ui_.SetViewRefresh([this] { RefreshLists(); });
    if (auto* printer = dynamic_cast<QtPrinterCanvas*>(engine_.printer.get())) {
        printer->SetDocumentDone([this](const QString& where) {
            statusBar()->showMessage(QString::fromUtf8("gedruckt: ") + where, 15000);
        });
    }
    statusBar(); // created now, so that the first printout does not shift the layout
    RefreshFromEngine();
    FitToScreen();
}

TFormTEV1::~TFormTEV1() {
    ui_.SetViewRefresh(nullptr);
    ui_.SetProgressPanel(nullptr);
    ui_.SetParent(nullptr);
    if (auto* printer = dynamic_cast<QtPrinterCanvas*>(engine_.printer.get()))
        printer->SetDocumentDone(nullptr);
}

void TFormTEV1::BuildViews() {
    schoolList_ = new LineList("LB", NamedFont("Courier New", kSchoolListFontPixels), 3);
    schoolList_->setMinimumWidth(kSchoolListMinWidth);
    // Its chosen width where there is room; the output box takes what is left over.
    schoolList_->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    connect(schoolList_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { SchoolListClicked(schoolList_->row(item)); });
    // Keys move the current line as a click does; mouse presses wait for the click.
    connect(schoolList_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!refreshing_ && row >= 0 && QApplication::mouseButtons() == Qt::NoButton)
            SchoolListClicked(row);
    });

    widthStrip_ = new WidthStrip([this] { RunCommand([this] { ToggleListWidth(engine_); }); });

    outputBox_ = new LineList("LB2", NamedFont("Arial", kOutputBoxFontPixels), 2);
    outputBox_->setMinimumWidth(kOutputBoxMinWidth);
    connect(outputBox_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        const int row = outputBox_->row(item);
        RunCommand([this, row] { LB2DblClick(engine_, row); });
    });

    auto* lists = new QWidget;
    auto* listLayout = new QHBoxLayout(lists);
    listLayout->setContentsMargins(0, 0, 0, 0);
    listLayout->setSpacing(4);
    listLayout->addWidget(schoolList_);
    listLayout->addWidget(widthStrip_);
    listLayout->addWidget(outputBox_, 1);
    listLayout->addWidget(BuildControlColumn());

    panelTop_ = new QFrame;
    panelTop_->setObjectName("PanelTop");
    upperTable_ = new QTableWidget(panelTop_);
    upperTable_->setObjectName("SGausw");
    upperTable_->horizontalHeader()->hide();
    upperTable_->verticalHeader()->hide();
    upperTable_->verticalHeader()->setDefaultSectionSize(kUpperTableRowHeight);
    upperTable_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    upperTable_->setFont(NamedFont("Arial", kOutputBoxFontPixels));
    connect(upperTable_, &QTableWidget::cellDoubleClicked, this,
            [this] { UpperTableDoubleClicked(); });
    auto* topLayout = new QVBoxLayout(panelTop_);
    topLayout->setContentsMargins(0, 0, 0, 0);
    topLayout->addWidget(upperTable_);
    panelTop_->hide();

    splitter_ = new QSplitter(Qt::Vertical);
    splitter_->addWidget(panelTop_);
    splitter_->addWidget(lists);
    splitter_->setStretchFactor(0, 0);
    splitter_->setStretchFactor(1, 1);
    splitter_->setChildrenCollapsible(false);

    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(splitter_);
    setCentralWidget(central);
}

QWidget* TFormTEV1::BuildControlColumn() {
    auto* column = new QWidget;
    column->setObjectName("ControlColumn");
    column->setFixedWidth(215);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);

    auto* yearRow = new QHBoxLayout;
    auto* yearLabel = new QLabel("Schuljahr");
    yearButton_ = new QPushButton;
    yearButton_->setObjectName("SBpjj");
    yearButton_->setToolTip(QString::fromUtf8("Schuljahr wählen"));
    connect(yearButton_, &QPushButton::clicked, this,
            [this] { RunCommand([this] { SBpjjClick(engine_); }); });
    yearRow->addWidget(yearLabel);
    yearRow->addWidget(yearButton_, 1);
    layout->addLayout(yearRow);

    widthButton_ = new QPushButton;
    widthButton_->setObjectName("SBSize");
    connect(widthButton_, &QPushButton::clicked, this,
            [this] { RunCommand([this] { ToggleListWidth(engine_); }); });
    layout->addWidget(widthButton_);

    // The keys and options scroll when the upper table leaves them too little room; the
    // gauge below them stays in sight.
    auto* options = new QWidget;
    auto* optionsLayout = new QVBoxLayout(options);
    optionsLayout->setContentsMargins(0, 0, 0, 0);
    auto* scroll = new QScrollArea;
    scroll->setObjectName("ControlScroll");
    scroll->setWidget(options);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->viewport()->setAutoFillBackground(false);
    options->setAutoFillBackground(false);
    layout->addWidget(scroll, 1);

    auto* sortBox = new QGroupBox("sortieren nach");
    sortBox->setObjectName("RGSort");
    auto* sortLayout = new QVBoxLayout(sortBox);
    sortLayout->setSpacing(1);
    sortKeys_ = new QButtonGroup(this);
    const auto& captions = SortKeyCaptions();
    for (int i = 0; i < static_cast<int>(captions.size()); ++i) {
        auto* key = new QRadioButton(QString::fromStdString(captions[i]));
        key->setObjectName(QString("RGSort%1").arg(i));
        sortKeys_->addButton(key, i);
        sortLayout->addWidget(key);
    }
    connect(sortKeys_, &QButtonGroup::idClicked, this,
            [this](int index) { RunCommand([this, index] { RGSortClick(engine_, index); }); });
    optionsLayout->addWidget(sortBox);

    auto box = [&](const char* name, const QString& caption, bool MainWindowState::*flag) {
        auto* check = new QCheckBox(caption);
        check->setObjectName(name);
        connect(check, &QCheckBox::clicked, this,
                [this, flag](bool on) { engine_.window.*flag = on; });
        optionsLayout->addWidget(check);
        return check;
    };
    plausi91_ = box("CB91plaus", "9.1 Plaus-Test", &MainWindowState::check91Plaus);
    plausi91Target_ = box("CB91plausSoll", QString::fromUtf8("9.1 Soll-Plausibilität"),
                          &MainWindowState::check91PlausSoll);
    showDifferences_ = box("CBshowdiff", "Diff zeigen", &MainWindowState::showDifferences);
    shortNameOnly_ = box("CBnurNamek", "nur Kurzname", &MainWindowState::shortNameOnly);

    gauge_ = new ProgressPanel;
    gauge_->setFixedHeight(110);
    optionsLayout->addWidget(BuildDeveloperPanel());
    optionsLayout->addStretch(1);
    layout->addWidget(gauge_);
    return column;
}

QWidget* TFormTEV1::BuildDeveloperPanel() {
    developerPanel_ = new QFrame;
    developerPanel_->setObjectName("Panel2");
    developerPanel_->setFrameShape(QFrame::StyledPanel);
    auto* grid = new QGridLayout(developerPanel_);
    grid->setContentsMargins(4, 4, 4, 4);
    struct Button {
        const char* name;
        const char* caption;
        MenuCommand command; // nullptr: not built yet
        const char* hint;
    };
    const Button buttons[] = {
        {"SBext", "ext", SBextClick, "sel_load_ext    noch nicht getestet!!!"},
        {"SBSetSNr", "SN", CommandOfHandler("SBSetSNrClick"),
         "sucht und ersetzt die richtige Schulnummer für alle Namen SLxxxxxx.98"},
        {"SBRepairSGs", "Rep", SBRepairSGsClick, "Repair SGs on prompt"},
        {"SBrepair91", "R91", CommandOfHandler("SBrepair91Click"), ""},
        {"SBPrFSp", "FSp", CommandOfHandler("SBPrFSpClick"), "suche Fremdsprachen"},
    };
    int index = 0;
    for (const Button& spec : buttons) {
        auto* button = new QPushButton(spec.caption);
        button->setObjectName(spec.name);
        button->setToolTip(QString::fromUtf8(spec.hint));
        const MenuCommand command = spec.command;
        button->setEnabled(command != nullptr);
        if (command) {
            connect(button, &QPushButton::clicked, this,
                    [this, command] { RunCommand([this, command] { command(engine_); }); });
        }
        grid->addWidget(button, index / 3, index % 3);
        ++index;
    }
    developerPanel_->hide();
    return developerPanel_;
}

bool TFormTEV1::RunCommand(const std::function<void()>& command) {
    if (running_) return false;
    running_ = true;
    const bool done = RunGuarded(this, command);
    running_ = false;
    if (FatalStopSeen()) {
        hide();
        return false;
    }
    RefreshFromEngine();
    if (closeAfterCommand_) close();
    return done;
}

void TFormTEV1::FitToScreen() {
    const QRect screen = AvailableScreen(this);
    const QSize room = screen.size() - kFrameAllowance;
    const QSize size = kClassicSize.boundedTo(room).expandedTo(minimumSizeHint());
    resize(size);
    move(screen.left() + std::max(0, (screen.width() - size.width()) / 2),
         screen.top() + std::max(0, (room.height() - size.height()) / 2));
}

void TFormTEV1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // Once the window is laid out the splitter knows its height.
    QTimer::singleShot(0, this, [this] {
        appliedUpperTableHeight_ = -1;
        RefreshUpperTable();
    });
}

void TFormTEV1::closeEvent(QCloseEvent* event) {
    if (running_) {
        // The running loop stops at its next school; the window closes after it.
        closeAfterCommand_ = true;
        gauge_->End();
        event->ignore();
        return;
    }
    event->accept();
}

void TFormTEV1::SchoolListClicked(int row) {
    if (running_ || engine_.schoolList.busyMark != 0) return;
    RunCommand([this, row] {
        SelectListedSchool(engine_, row);
        LBClick(engine_);
    });
}

void TFormTEV1::UpperTableDoubleClicked() {
    GridPrintContext context;
    context.currentRow = upperTable_->currentRow();
    const auto ranges = upperTable_->selectedRanges();
    if (!ranges.isEmpty()) {
        context.selectionTop = ranges.front().topRow();
        context.selectionBottom = ranges.front().bottomRow();
    }
    RunCommand([this, context] { SGauswDblClick(engine_, context); });
}

// Views.

void TFormTEV1::RefreshFromEngine() {
    refreshing_ = true;
    const MainWindowState& state = engine_.window;
    setWindowTitle(ShownText(state.caption));
    RefreshSchoolList();
    RefreshOutputBox();
    schoolList_->SetPreferredWidth(state.listWidth);
    widthButton_->setText(WidthCaption(state.listWidth));
    widthStrip_->setToolTip(WidthCaption(state.listWidth));
    if (QAbstractButton* key = sortKeys_->button(state.sortIndex)) key->setChecked(true);
    yearButton_->setText(ShownText(engine_.startup.yearSuffix));
    plausi91_->setChecked(state.check91Plaus);
    plausi91Target_->setChecked(state.check91PlausSoll);
    showDifferences_->setChecked(state.showDifferences);
    shortNameOnly_->setChecked(state.shortNameOnly);
    developerPanel_->setVisible(state.developerPanelVisible);
    RefreshUpperTable();
    RefreshMenus();
    refreshing_ = false;
    if (sheetWindow_) sheetWindow_->RefreshFromEngine();
    for (const auto& refresh : views_)
        refresh();
    if (engine_.quitRequested && !running_) close();
}

void TFormTEV1::RefreshLists() {
    refreshing_ = true;
    RefreshSchoolList();
    RefreshOutputBox();
    RefreshMenus();
    refreshing_ = false;
}

void TFormTEV1::RefreshSchoolList() {
    const auto& list = engine_.schoolList;
    schoolList_->ShowLines(list.lines);
    const int index = list.itemIndex < schoolList_->count() ? list.itemIndex : -1;
    if (schoolList_->currentRow() != index) schoolList_->setCurrentRow(index);
    if (index < 0) schoolList_->clearSelection();
}

void TFormTEV1::RefreshOutputBox() {
    outputBox_->ShowLines(engine_.outputBox.lines());
}

void TFormTEV1::RefreshUpperTable() {
    const StringGrid& grid = engine_.upperTable;
    const bool visible = engine_.window.upperTableVisible;
    panelTop_->setVisible(visible);
    if (!visible) return;
    std::vector<std::vector<std::string>> cells;
    cells.reserve(grid.RowCount());
    for (int row = 0; row < grid.RowCount(); ++row)
        cells.push_back(grid.Row(row));
    if (cells != shownTable_) {
        shownTable_ = std::move(cells);
        upperTable_->clear();
        upperTable_->setColumnCount(grid.ColCount());
        upperTable_->setRowCount(grid.RowCount());
        const QBrush fixed = palette().brush(QPalette::Button);
        for (int row = 0; row < grid.RowCount(); ++row) {
            for (int col = 0; col < grid.ColCount(); ++col) {
                auto* item = new QTableWidgetItem(ShownText(grid.Cells(col, row)));
                if (row < grid.FixedRows() || col < grid.FixedCols()) item->setBackground(fixed);
                upperTable_->setItem(row, col, item);
            }
        }
        // The report's widths, widened where a text would be cut.
        upperTable_->resizeColumnsToContents();
        for (int col = 0; col < grid.ColCount(); ++col) {
            const int content = std::min(upperTable_->columnWidth(col), kUpperTableWidestColumn);
            upperTable_->setColumnWidth(col, std::max(grid.ColWidth(col), content));
        }
    }
    const int height =
        engine_.upperTableHeight > 0 ? engine_.upperTableHeight : kUpperTableDefaultHeight;
    // The user's own splitter position stays until a report asks for another height.
    if (appliedUpperTableHeight_ != engine_.upperTableHeight) {
        splitter_->setSizes({height, std::max(splitter_->height() - height, 200)});
        appliedUpperTableHeight_ = engine_.upperTableHeight;
    }
}

} // namespace tev
