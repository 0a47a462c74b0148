#include "sheet/sheet_window.h"

#include "output/qt_click_label.h"
#include "output/qt_finding_marks.h"
#include "output/qt_texts.h"
#include "sheet/finding_navigation.h"
#include "sheet/nationality_list.h"
#include "sheet/qt_nationality_panel.h"
#include "sheet/qt_sheet_grid.h"
#include "sheet/sheet_clipboard.h"
#include "sheet/sheet_commands.h"
#include "sheet/sheet_options.h"
#include "sheet/sheet_pages.h"
#include "sheet/sheet_tabs.h"
#include "shell/engine.h"
#include "shell/qt_ui.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QSpinBox>
#include <QSplitter>
#include <QStackedWidget>
#include <QTabBar>
#include <QVBoxLayout>

namespace tev {
namespace {

constexpr int kNotesHeight = 200;
constexpr int kNotesFontPixels = 16;
constexpr int kListFontPixels = 13;
constexpr int kCriterionWidth = 90;
constexpr int kExtraRowColWidth = 36;

const char* const kExtractHint =
    "Tabellenauszug erstellen aus der durch die Maus angewählten  Zeile oder Spalte unter "
    "Bedingung (s.links);\n Sonderfall 9.2 und S: Soll/Ist des entspr. Faches;\n Sonderfall 9.2 "
    "und Zeile KlassenSollSumme: Soll/Ist über alle Fächer.  ";

QFrame* Panel(const char* name, const char* colour = nullptr) {
    auto* panel = new QFrame;
    panel->setObjectName(name);
    panel->setFrameShape(QFrame::StyledPanel);
    if (colour) {
        panel->setAutoFillBackground(true);
        QPalette palette = panel->palette();
        palette.setColor(QPalette::Window, QColor(colour));
        panel->setPalette(palette);
    }
    return panel;
}

QHBoxLayout* Row(QWidget* parent) {
    auto* layout = new QHBoxLayout(parent);
    layout->setContentsMargins(3, 2, 3, 2);
    layout->setSpacing(4);
    return layout;
}

QString Joined(const std::vector<std::string>& lines) {
    return ShownLines(lines).join('\n');
}

bool IsTestPage(const Sheet& sheet) {
    const auto tabs = SheetTabs(sheet.schoolYearCode);
    const int tab = sheet.window.tabIndex;
    return tab >= 0 && tab < static_cast<int>(tabs.size()) && tabs[tab].page == SheetPage::Test;
}

} // namespace

TFormSt2::TFormSt2(Engine& engine, QtUi& ui, CommandRunner run, QWidget* parent)
    : QWidget(parent, Qt::Window), engine_(engine), ui_(ui), run_(std::move(run)) {
    setObjectName("TFormSt2");
    LoadNationalityList(engine_);
    BuildViews();
    BuildShortcuts();
    RefreshFromEngine();
}

void TFormSt2::BuildViews() {
    auto* top = Panel("Panel1");
    subHeading_ = new QLabel;
    subHeading_->setObjectName("Label0");
    subHeading_->setAlignment(Qt::AlignCenter);
    subHeading_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    Row(top)->addWidget(subHeading_);

    notes_ = new QPlainTextEdit;
    notes_->setObjectName("Memo32");
    notes_->setReadOnly(true);
    notes_->setFont(NamedFont("Arial", kNotesFontPixels));
    notes_->setMaximumHeight(kNotesHeight);
    notes_->setToolTip("Klick aktualisiert die Hinweise");
    notes_->viewport()->installEventFilter(this);
    notes_->hide();

    nationalities_ = new NationalityPanel;
    nationalities_->hide();
    connect(nationalities_, &NationalityPanel::ItemChosen, this, [this](int item) {
        const auto& lines = engine_.sheet.window.nationalities;
        if (item < 0 || item >= static_cast<int>(lines.size())) return;
        const std::string line = lines[item];
        Run([this, line] { AddNationality(engine_, line); });
    });
    connect(nationalities_, &NationalityPanel::RowDroppedBack, this,
            [this](int row) { Run([this, row] { RemoveNationality(engine_.sheet, row); }); });

    model_ = new SheetGridModel(engine_, this);
    view_ = new SheetGridView;
    view_->setObjectName("SheetGrid");
    view_->SetSheetModel(model_);
    connect(view_, &SheetGridView::CurrentCellChanged, this, [this](int col, int row) {
        if (!refreshing_) Run([this, col, row] { SelectSheetCell(engine_, col, row); });
    });
    connect(view_, &SheetGridView::CellActionRequested, this, [this](int col, int row) {
        Run([this, col, row] { SheetCellDoubleClicked(engine_, col, row); });
    });
    connect(model_, &SheetGridModel::CellEdited, this, &TFormSt2::RefreshCellTexts);
    view_->canDragRow = [this](int col, int row) {
        const DragBackCheck check = CheckNationalityDragBack(engine_.sheet, col, row);
        if (!check.allowed && !check.refusal.empty())
            Run([this, text = check.refusal] { engine_.services.messages.ShowInfo(text); });
        return check.allowed;
    };
    connect(view_, &SheetGridView::Dropped, this, [this](const QByteArray& data) {
        const auto& lines = engine_.sheet.window.nationalities;
        const int item = data.toInt();
        if (item < 0 || item >= static_cast<int>(lines.size())) return;
        const std::string line = lines[item];
        Run([this, line] { AddNationality(engine_, line); });
    });

    secondModel_ = new SheetGridModel(engine_, this);
    secondView_ = new SheetGridView;
    secondView_->setObjectName("SecondGrid");
    secondView_->SetSheetModel(secondModel_);
    connect(secondModel_, &SheetGridModel::CellEdited, this, [this] { model_->Refresh(); });
    gridPage_ = new QSplitter(Qt::Vertical);
    gridPage_->addWidget(view_);
    gridPage_->addWidget(secondView_);
    gridPage_->setStretchFactor(0, 3);
    gridPage_->setStretchFactor(1, 1);
    secondView_->hide();

    textPage_ = new QListWidget;
    textPage_->setObjectName("LB");
    textPage_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    textPage_->setToolTip(QString::fromUtf8(
        "Doppelklick druckt die Zeilen; auf der Seite \"Test\" öffnet er die Zelle eines Befunds"));
    connect(textPage_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        const int line = textPage_->row(item);
        Run([this, line] { SheetListLineDoubleClicked(engine_, line); });
    });

    pages_ = new QStackedWidget;
    pages_->addWidget(gridPage_);
    pages_->addWidget(textPage_);

    auto* centre = new QWidget;
    auto* centreLayout = new QHBoxLayout(centre);
    centreLayout->setContentsMargins(0, 0, 0, 0);
    centreLayout->setSpacing(2);
    centreLayout->addWidget(nationalities_);
    centreLayout->addWidget(pages_, 1);

    auto* body = new QSplitter(Qt::Vertical);
    body->setObjectName("Body");
    body->addWidget(notes_);
    body->addWidget(centre);
    body->setStretchFactor(1, 1);
    body->setChildrenCollapsible(false);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);
    layout->addWidget(top);
    layout->addWidget(body, 1);
    layout->addWidget(BuildSearchRow());
    layout->addWidget(BuildButtonRow());
    setMinimumSize(320, 240);
}

QWidget* TFormSt2::BuildSearchRow() {
    auto* row = Panel("Panel2");
    auto* layout = Row(row);

    auto* second = Panel("Panel5", "red");
    showSecond_ = new QCheckBox;
    showSecond_->setObjectName("CBshow2");
    showSecond_->setToolTip("eine zweite Tabelle teilweise anzeigen");
    Row(second)->addWidget(showSecond_);
    connect(showSecond_, &QCheckBox::clicked, this,
            [this](bool on) { Run([this, on] { SetSecondGrid(engine_, on); }); });
    layout->addWidget(second);

    searchPanel_ = Panel("Panel3", "aqua");
    auto* searchLayout = Row(searchPanel_);
    searchLabel_ = new ClickLabel(QString::fromUtf8("Such&e"));
    searchLabel_->setObjectName("LabSuch");
    searchLabel_->setToolTip(
        QString::fromUtf8("Suche der nächsten Schule öffnen/schließen (Alt+E)"));
    connect(searchLabel_, &ClickLabel::pressed, this, [this] { ToggleSearchPanel(); });
    searchLayout->addWidget(searchLabel_);
    searchFields_ = new QWidget;
    auto* fields = new QHBoxLayout(searchFields_);
    fields->setContentsMargins(0, 0, 0, 0);
    fromLabel_ = new ClickLabel;
    fromLabel_->setObjectName("Labvon");
    fromLabel_->setToolTip(
        QString::fromUtf8("die gewählte Zelle als Anfang des Suchbereichs (Alt+V)"));
    connect(fromLabel_, &ClickLabel::pressed, this,
            [this] { Run([this] { SetSearchFrom(engine_); }); });
    toLabel_ = new ClickLabel;
    toLabel_->setObjectName("Labbis");
    toLabel_->setToolTip(QString::fromUtf8("die gewählte Zelle als Ende des Suchbereichs (Alt+B)"));
    connect(toLabel_, &ClickLabel::pressed, this,
            [this] { Run([this] { SetSearchTo(engine_); }); });
    auto* criterionPanel = Panel("Panel4");
    auto* criterionLayout = Row(criterionPanel);
    criterion_ = new QLineEdit(">0");
    criterion_->setObjectName("Edit1");
    criterion_->setFixedWidth(kCriterionWidth);
    criterion_->setToolTip(">0    oder    =0    oder   <0     oder    Suchtext    oder  *   oder  "
                           "a..e   oder  \\a..e");
    searchLabel_->setBuddy(criterion_);
    connect(criterion_, &QLineEdit::returnPressed, this, [this] { StartOrStopSearch(); });
    searchButton_ = new QPushButton("S&tart");
    searchButton_->setObjectName("SBsearchnext");
    connect(searchButton_, &QPushButton::clicked, this, [this] { StartOrStopSearch(); });
    criterionLayout->addWidget(criterion_);
    criterionLayout->addWidget(searchButton_);
    fields->addWidget(fromLabel_);
    fields->addWidget(toLabel_);
    fields->addWidget(criterionPanel);
    searchLayout->addWidget(searchFields_);
    searchFields_->hide();
    layout->addWidget(searchPanel_);

    position_ = new ClickLabel("Z   S");
    position_->setObjectName("PanelZS");
    position_->setFrameShape(QFrame::StyledPanel);
    position_->setToolTip(QString::fromUtf8(kExtractHint));
    // Left half: the row, right half: the column.
    connect(position_, &ClickLabel::pressed, this, [this](QPoint at) {
        const bool column = at.x() > position_->width() / 2;
        Run([this, column] {
            PanelZSClick(engine_, column, TypedText(extraRowCol_->text()),
                         TypedText(criterion_->text()));
        });
    });
    layout->addWidget(position_);
    auto* extra = Panel("Panel6");
    extraRowCol_ = new QLineEdit;
    extraRowCol_->setObjectName("EditZS");
    extraRowCol_->setFixedWidth(kExtraRowColWidth);
    Row(extra)->addWidget(extraRowCol_);
    layout->addWidget(extra);

    cellHint_ = new ClickLabel;
    cellHint_->setObjectName("Label1");
    cellHint_->setAutoFillBackground(true);
    QPalette yellow = cellHint_->palette();
    yellow.setColor(QPalette::Window, QColor("yellow"));
    cellHint_->setPalette(yellow);
    cellHint_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    cellHint_->setMinimumWidth(60);
    connect(cellHint_, &ClickLabel::pressed, this, [this] { ToggleSearchPanel(); });
    layout->addWidget(cellHint_, 1);
    return row;
}

QWidget* TFormSt2::BuildButtonRow() {
    auto* row = Panel("PanelBottom");
    auto* layout = Row(row);
    auto* left = new QWidget;
    left->setObjectName("PanelBottomLeft");
    auto* buttons = new QHBoxLayout(left);
    buttons->setContentsMargins(0, 0, 0, 0);
    auto button = [&](const char* name, const QString& caption, const QString& hint,
                      std::function<void()> action) {
        auto* pushButton = new QPushButton(caption);
        pushButton->setObjectName(name);
        pushButton->setToolTip(hint);
        pushButton->setAutoDefault(false);
        connect(pushButton, &QPushButton::clicked, this, std::move(action));
        buttons->addWidget(pushButton);
        return pushButton;
    };
    button("BtQuit", "&Quit", QString::fromUtf8("Fenster schließen (Ctrl+W)"), [this] { Quit(); });
    schoolNumber_ = new QSpinBox;
    schoolNumber_->setObjectName("SE1");
    schoolNumber_->setRange(0, 999);
    schoolNumber_->setKeyboardTracking(false);
    schoolNumber_->setToolTip("relative Nummer in der Schulenliste (Alt+N)");
    connect(schoolNumber_, &QSpinBox::valueChanged, this, [this](int value) {
        if (!refreshing_) Run([this, value] { SE1Change(engine_, value); });
    });
    buttons->addWidget(schoolNumber_);
    button("SBSave", "&Save", "Daten abspeichern (Ctrl+S)",
           [this] { Run([this] { SBSaveClick(engine_); }); });
    button("SBLoad", "&L", "Daten nachladen", [this] { Run([this] { SBLoadClick(engine_); }); });
    button("SPDiverses", "&Drucken", "Drucken der Tabellen (Ctrl+P)",
           [this] { Run([this] { SPDiversesClick(engine_); }); });
    layout->addWidget(left);

    tabs_ = new QTabBar;
    tabs_->setObjectName("TabSetSt2");
    tabs_->setUsesScrollButtons(true);
    tabs_->setExpanding(false);
    tabs_->setShape(QTabBar::RoundedSouth);
    tabs_->setToolTip(QString::fromUtf8("Ctrl+Bild ab / Ctrl+Bild auf: nächste / vorige Tabelle"));
    connect(tabs_, &QTabBar::currentChanged, this, [this](int index) {
        if (!refreshing_ && index >= 0) Run([this, index] { ShowSheetTab(engine_, index); });
    });
    layout->addWidget(tabs_, 1);
    return row;
}

void TFormSt2::BuildShortcuts() {
    auto shortcut = [this](const QKeySequence& keys, std::function<void()> action) {
        auto* key = new QShortcut(keys, this);
        connect(key, &QShortcut::activated, this, std::move(action));
    };
    shortcut(QKeySequence::Save, [this] { Run([this] { SBSaveClick(engine_); }); });
    shortcut(QKeySequence::Print, [this] { Run([this] { SPDiversesClick(engine_); }); });
    shortcut(QKeySequence::Close, [this] { Quit(); });
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_PageDown), [this] { StepTab(1); });
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_PageUp), [this] { StepTab(-1); });
    shortcut(QKeySequence(Qt::ALT | Qt::Key_V),
             [this] { Run([this] { SetSearchFrom(engine_); }); });
    shortcut(QKeySequence(Qt::ALT | Qt::Key_B), [this] { Run([this] { SetSearchTo(engine_); }); });
    shortcut(QKeySequence(Qt::ALT | Qt::Key_N), [this] { schoolNumber_->setFocus(); });
    shortcut(QKeySequence::Copy, [this] { CopyCells(); });
    shortcut(QKeySequence::Paste, [this] { PasteCells(); });
    shortcut(QKeySequence::Undo, [this] { Run([this] { UndoSheetEdit(engine_); }); });
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_Y),
             [this] { Run([this] { RedoSheetEdit(engine_); }); });
    shortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z),
             [this] { Run([this] { RedoSheetEdit(engine_); }); });
}

void TFormSt2::CopyCells() {
    const std::string& grid = engine_.sheet.window.shownGrid;
    if (grid.empty() || pages_->currentWidget() != gridPage_) return;
    QApplication::clipboard()->setText(
        ShownText(CopySheetCells(engine_, grid, view_->SelectedCells())));
}

void TFormSt2::PasteCells() {
    const std::string grid = engine_.sheet.window.shownGrid;
    if (grid.empty() || pages_->currentWidget() != gridPage_) return;
    const std::string text = TypedText(QApplication::clipboard()->text());
    const CellRange range = view_->SelectedCells();
    Run([this, grid, range, text] { PasteSheetCells(engine_, grid, range, text); });
}

void TFormSt2::SelectHighlight() {
    const SheetHighlight& mark = engine_.sheet.window.highlight;
    const StringGrid* grid = model_->Grid();
    if (mark.grid.empty() || mark.grid != model_->GridName() || grid == nullptr) {
        shownHighlight_ = {};
        return;
    }
    if (mark.grid == shownHighlight_.grid && mark.col == shownHighlight_.col &&
        mark.row == shownHighlight_.row)
        return;
    shownHighlight_ = mark;
    CellRange range{mark.col, mark.row, mark.col, mark.row};
    if (mark.col < 0) {
        range.left = grid->FixedCols();
        range.right = grid->ColCount() - 1;
    }
    if (mark.row < 0) {
        range.top = grid->FixedRows();
        range.bottom = grid->RowCount() - 1;
    }
    view_->SelectCells(range);
    static_cast<QTableView*>(view_)->scrollTo(model_->index(range.top, range.left));
}

bool TFormSt2::Run(const std::function<void()>& command) {
    if (!run_) return false;
    // Questions of the sheet open over the sheet.
    ui_.SetParent(this);
    const bool done = run_(command);
    ui_.SetParent(parentWidget());
    RefreshFromEngine();
    return done;
}

// Views.

void TFormSt2::RefreshFromEngine() {
    const SheetWindowState& w = engine_.sheet.window;
    if (w.visible != isVisible()) setVisible(w.visible);
    if (!w.visible) return;
    refreshing_ = true;
    RefreshTabs();
    setWindowTitle(ShownText(w.caption));
    subHeading_->setText(ShownText(w.subHeading));
    RefreshPage();
    nationalities_->setVisible(w.nationalityPanel);
    nationalities_->SetLines(w.nationalities);
    schoolNumber_->setMaximum(std::max(1, static_cast<int>(engine_.schoolList.lines.size())));
    schoolNumber_->setValue(engine_.sheet.schoolSpinValue);
    RefreshSearchPanel();
    RefreshCellTexts();
    refreshing_ = false;
}

void TFormSt2::RefreshTabs() {
    const auto tabs = SheetTabs(engine_.sheet.schoolYearCode);
    std::vector<std::string> captions;
    for (const SheetTab& tab : tabs)
        captions.push_back(tab.caption);
    if (captions != shownTabs_) {
        shownTabs_ = captions;
        while (tabs_->count() > 0)
            tabs_->removeTab(0);
        for (const SheetTab& tab : tabs) {
            tabs_->addTab(ShownText(tab.caption));
        }
    }
    tabs_->setCurrentIndex(engine_.sheet.window.tabIndex);
}

void TFormSt2::RefreshPage() {
    const SheetWindowState& w = engine_.sheet.window;
    if (w.shownGrid.empty()) {
        pages_->setCurrentWidget(textPage_);
        textPage_->setFont(NamedFont(w.listInArial ? "Arial" : "Courier New", kListFontPixels));
        if (w.listLines != shownList_) {
            shownList_ = w.listLines;
            textPage_->clear();
            textPage_->addItems(ShownLines(w.listLines));
            if (IsTestPage(engine_.sheet)) MarkFindings(textPage_, engine_.sheet.findingDetails);
        }
        return;
    }
    pages_->setCurrentWidget(gridPage_);
    if (model_->GridName() != w.shownGrid) {
        model_->SetGrid(w.shownGrid);
    } else {
        model_->Refresh();
    }
    const bool nationalityTable = w.shownGrid == "SG23";
    view_->dragRowType = nationalityTable ? kNationalityRowType : "";
    view_->acceptedDropType = nationalityTable ? kNationalityItemType : "";
    view_->setAcceptDrops(nationalityTable);
    view_->ApplyLayout(engine_);
    const auto cell = w.currentCells.find(w.shownGrid);
    if (cell != w.currentCells.end()) view_->ShowCell(cell->second.col, cell->second.row);
    SelectHighlight();

    const bool second = !w.secondGrid.empty() && w.secondGrid != w.shownGrid;
    secondView_->setVisible(second);
    if (second) {
        if (secondModel_->GridName() != w.secondGrid)
            secondModel_->SetGrid(w.secondGrid);
        else
            secondModel_->Refresh();
        secondView_->ApplyLayout(engine_);
    }
    if (const StringGrid* grid = model_->Grid()) {
        int width = 0;
        for (int col = 0; col < grid->ColCount(); ++col)
            width += view_->columnWidth(col);
        nationalities_->SetTableWidth(width);
    }
}

void TFormSt2::RefreshCellTexts() {
    const SheetWindowState& w = engine_.sheet.window;
    position_->setText(ShownText(w.positionText));
    cellHint_->setText(ShownText(w.cellHint));
    cellHint_->setToolTip(ShownText(w.cellHint));
    if (w.notes != shownNotes_) {
        shownNotes_ = w.notes;
        notes_->setPlainText(Joined(w.notes));
    }
    notes_->setVisible(!w.notes.empty());
    if (secondView_->isVisible()) secondModel_->Refresh();
}

void TFormSt2::RefreshSearchPanel() {
    const SheetWindowState& w = engine_.sheet.window;
    auto cellText = [](const SheetCell& cell) {
        return QString("[%1|%2]").arg(cell.col).arg(cell.row);
    };
    fromLabel_->setText(w.searchGrid.empty() ? QString("... von ...")
                                             : QString::fromStdString(w.searchGrid) + "  von  " +
                                                   cellText(w.searchFrom));
    toLabel_->setText(w.searchGrid.empty() ? QString("bis  ...")
                                           : "  bis  " + cellText(w.searchTo));
    searchButton_->setText(w.searchRunning ? "&Abbruch" : "S&tart");
    showSecond_->setChecked(!w.secondGrid.empty());
    searchFields_->setVisible(searchOpen_);
}

void TFormSt2::ToggleSearchPanel() {
    searchOpen_ = !searchOpen_;
    searchFields_->setVisible(searchOpen_);
    if (searchOpen_) criterion_->setFocus();
}

void TFormSt2::StartOrStopSearch() {
    if (engine_.sheet.window.searchRunning) {
        // "Abbruch": the search stops at the school it has reached.
        ui_.ProgressEnd();
        return;
    }
    searchButton_->setText("&Abbruch");
    const std::string criterion = TypedText(criterion_->text());
    Run([this, criterion] { SBsearchnextClick(engine_, criterion); });
}

void TFormSt2::StepTab(int step) {
    const int count = tabs_->count();
    int index = tabs_->currentIndex();
    for (int tried = 0; tried < count; ++tried) {
        index = (index + step + count) % count;
        if (!tabs_->isTabEnabled(index)) continue;
        tabs_->setCurrentIndex(index);
        return;
    }
}

void TFormSt2::Quit() {
    Run([this] { BtQuitClick(engine_); });
}

void TFormSt2::closeEvent(QCloseEvent* event) {
    if (engine_.sheet.window.visible) {
        // Closing the window is "Quit": the question whether to save comes first.
        Quit();
        if (engine_.sheet.window.visible) {
            event->ignore();
            return;
        }
    }
    event->accept();
}

void TFormSt2::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (maximised_) return;
    maximised_ = true;
    setGeometry(AvailableScreen(parentWidget()));
    setWindowState(windowState() | Qt::WindowMaximized);
}

bool TFormSt2::eventFilter(QObject* watched, QEvent* event) {
    if (watched == notes_->viewport() && event->type() == QEvent::MouseButtonPress)
        Run([this] { RefreshSheetCellTexts(engine_); });
    return QWidget::eventFilter(watched, event);
}

} // namespace tev
