#include "summary/summary_window.h"

#include "output/codepage.h"
#include "output/qt_texts.h"
#include "output/text_routines.h"
#include "sheet/table_titles.h"
#include "shell/engine.h"
#include "summary/summary_export.h"
#include "summary/summary_run.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTabBar>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace tev {
namespace {

constexpr int kSmallestFont = 9;
constexpr int kLargestFont = 21;
constexpr int kDefaultFont = 13;

// "L" acts on where it is pressed: its left part makes the grid font smaller, its right part
// larger, its middle puts it back.
class FontButton : public QPushButton {
public:
    FontButton(std::function<void(int)> pressedAt) : QPushButton("L"), pressedAt_(pressedAt) {}

protected:
    void mouseReleaseEvent(QMouseEvent* event) override {
        QPushButton::mouseReleaseEvent(event);
        if (event->button() == Qt::LeftButton && rect().contains(event->pos()))
            pressedAt_(event->pos().x());
    }

private:
    std::function<void(int)> pressedAt_;
};

} // namespace

TFormSt2g::TFormSt2g(Engine& engine, CommandRunner run, QWidget* parent)
    : QWidget(parent, Qt::Window), engine_(engine), run_(std::move(run)) {
    setObjectName("TFormSt2g");
    setWindowTitle("Statistik  Zusammenfassung");
    // Closing the main window ends the program, also while this one is open.
    setAttribute(Qt::WA_QuitOnClose, false);
    BuildViews();
    setMinimumSize(640, 400);
    resize(1000, 700);
}

void TFormSt2g::BuildViews() {
    tabs_ = new QTabBar;
    tabs_->setObjectName("TabSet");
    tabs_->setExpanding(false);
    tabs_->setUsesScrollButtons(true);
    connect(tabs_, &QTabBar::currentChanged, this, [this] {
        if (!refreshing_) ShowCurrentTab();
    });

    kind_ = new QComboBox;
    kind_->setObjectName("CBart");
    for (const auto& text : DisplayKindTexts())
        kind_->addItem(ShownText(text));
    kind_->setToolTip(ShownText(DisplayKindHint()));
    connect(kind_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (refreshing_ || index < 0) return;
        if (!run_([this, index] { ShowSummaryKind(engine_, index); })) RefreshFromEngine();
    });

    auto* save = new QPushButton("Save");
    save->setObjectName("SBSave");
    connect(save, &QPushButton::clicked, this,
            [this] { run_([this] { SummarySaveClick(engine_); }); });
    fontButton_ = new FontButton([this](int x) { FontButtonClicked(x); });
    fontButton_->setObjectName("SBLoad");
    fontButton_->setToolTip(QString::fromUtf8("links: Schrift kleiner, rechts: größer, Mitte: "
                                              "normal"));
    fontButton_->setFixedWidth(60);
    auto* diverses = new QPushButton("Diverses");
    diverses->setObjectName("SPDiverses");
    connect(diverses, &QPushButton::clicked, this,
            [this] { run_([this] { SummaryDiversesClick(engine_); }); });
    auto* quit = new QPushButton("Quit");
    quit->setObjectName("BtQuit");
    connect(quit, &QPushButton::clicked, this, [this] {
        run_([this] { SummaryQuitClick(engine_); });
        hide();
    });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(kind_, 1);
    buttons->addWidget(save);
    buttons->addWidget(fontButton_);
    buttons->addWidget(diverses);
    buttons->addWidget(quit);

    title_ = new QLabel;
    title_->setObjectName("LabelTitle");
    title_->setWordWrap(true);

    grid_ = new QTableWidget;
    grid_->setObjectName("SGgrid");
    grid_->horizontalHeader()->hide();
    grid_->verticalHeader()->hide();
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setFont(NamedFont("Arial", fontPixels_));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(tabs_);
    layout->addLayout(buttons);
    layout->addWidget(title_);
    layout->addWidget(grid_, 1);
}

void TFormSt2g::RefreshFromEngine() {
    const SummaryState& summary = engine_.summary;
    refreshing_ = true;
    if (tabYear_ != summary.schoolYearCode || tabGrids_.empty()) {
        const int current = std::max(tabs_->currentIndex(), 1);
        while (tabs_->count() > 0)
            tabs_->removeTab(0);
        tabGrids_.clear();
        for (const auto& tab : SummaryTabs(summary.schoolYearCode)) {
            tabs_->addTab(ShownText(tab.caption));
            tabGrids_.push_back(tab.gridName);
        }
        tabs_->setCurrentIndex(std::min(current, tabs_->count() - 1));
        tabYear_ = summary.schoolYearCode;
    }
    kind_->setCurrentIndex(summary.displayKind);
    refreshing_ = false;
    if (!summary.windowVisible) {
        hide();
        return;
    }
    ShowCurrentTab();
    if (!isVisible()) show();
}

void TFormSt2g::ShowCurrentTab() {
    const SummaryState& summary = engine_.summary;
    const int index = tabs_->currentIndex();
    const std::string name =
        index >= 0 && index < static_cast<int>(tabGrids_.size()) ? tabGrids_[index] : std::string();
    const StringGrid* grid = name.empty() ? nullptr : summary.grids.Find(name);
    grid_->clear();
    if (!grid) {
        grid_->setRowCount(0);
        grid_->setColumnCount(0);
        title_->clear();
        return;
    }
    const std::string title = TableTitle(name, summary.schoolYearCode);
    title_->setText(ShownText((title.empty() ? "" : title + "     ") +
                              "N = " + std::to_string(summary.schoolsRead) + " Schulen     " +
                              Trim(DisplayKindTexts()[summary.displayKind])));
    grid_->setRowCount(grid->RowCount());
    grid_->setColumnCount(grid->ColCount());
    const QBrush fixed = palette().brush(QPalette::Button);
    for (int row = 0; row < grid->RowCount(); ++row) {
        for (int col = 0; col < grid->ColCount(); ++col) {
            auto* item = new QTableWidgetItem(ShownText(grid->Cells(col, row)));
            const bool heading = row < grid->FixedRows() || col < grid->FixedCols();
            if (heading) {
                item->setBackground(fixed);
            } else {
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            }
            grid_->setItem(row, col, item);
        }
    }
    for (int col = 0; col < grid->ColCount(); ++col)
        grid_->setColumnWidth(col, grid->ColWidth(col));
    grid_->resizeColumnsToContents();
    for (int col = 0; col < grid->ColCount(); ++col)
        grid_->setColumnWidth(
            col, std::min(std::max(grid_->columnWidth(col), grid->ColWidth(col)), 500));
}

void TFormSt2g::FontButtonClicked(int x) {
    const int third = std::max(1, fontButton_->width() / 3);
    if (x < third)
        fontPixels_ = std::max(kSmallestFont, fontPixels_ - 2);
    else if (x >= 2 * third)
        fontPixels_ = std::min(kLargestFont, fontPixels_ + 2);
    else
        fontPixels_ = kDefaultFont;
    grid_->setFont(NamedFont("Arial", fontPixels_));
    ShowCurrentTab();
}

void TFormSt2g::closeEvent(QCloseEvent* event) {
    engine_.summary.windowVisible = false;
    event->accept();
}

} // namespace tev
