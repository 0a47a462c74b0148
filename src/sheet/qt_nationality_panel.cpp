#include "sheet/qt_nationality_panel.h"

#include "output/qt_texts.h"
#include "sheet/nationality_list.h"

#include <QDragEnterEvent>
#include <QMimeData>
#include <QTabBar>
#include <QVBoxLayout>

namespace tev {
namespace {

constexpr int kPanelWidth = 200;
constexpr int kNarrowPanelWidth = 120;
constexpr int kWideTab = 5;

} // namespace

NationalityList::NationalityList(QWidget* parent) : QListWidget(parent) {
    setObjectName("LBNat");
    setDragEnabled(true);
    setDragDropMode(DragDrop);
    setDefaultDropAction(Qt::CopyAction);
    setAcceptDrops(true);
    setSelectionMode(SingleSelection);
}

QStringList NationalityList::mimeTypes() const {
    return {kNationalityItemType};
}

QMimeData* NationalityList::mimeData(const QList<QListWidgetItem*>& items) const {
    if (items.isEmpty()) return nullptr;
    auto* data = new QMimeData;
    data->setData(kNationalityItemType, QByteArray::number(row(items.front())));
    return data;
}

void NationalityList::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasFormat(kNationalityRowType))
        event->acceptProposedAction();
    else
        event->ignore();
}

void NationalityList::dragMoveEvent(QDragMoveEvent* event) {
    if (event->mimeData()->hasFormat(kNationalityRowType))
        event->acceptProposedAction();
    else
        event->ignore();
}

void NationalityList::dropEvent(QDropEvent* event) {
    if (!event->mimeData()->hasFormat(kNationalityRowType)) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    emit RowDroppedBack(event->mimeData()->data(kNationalityRowType).toInt());
}

NationalityPanel::NationalityPanel(QWidget* parent) : QFrame(parent) {
    setObjectName("PanelNat");
    setFrameShape(StyledPanel);
    setFixedWidth(kPanelWidth);
    tabs_ = new QTabBar;
    tabs_->setObjectName("TabSetNat");
    for (const char* caption : {"Eur", "Afr", "Amer", "As+Arab", "Austr", "<->"})
        tabs_->addTab(caption);
    tabs_->setExpanding(false);
    tabs_->setUsesScrollButtons(true);
    list_ = new NationalityList;
    list_->setToolTip(QString::fromUtf8("Doppelklick oder Ziehen in die Tabelle fügt hinzu; "
                                        "eine Tabellenzeile hierher ziehen nimmt sie zurück"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);
    layout->addWidget(tabs_);
    layout->addWidget(list_, 1);
    connect(tabs_, &QTabBar::tabBarClicked, this, &NationalityPanel::TabClicked);
    connect(list_, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { emit ItemChosen(list_->row(item)); });
    connect(list_, &NationalityList::RowDroppedBack, this, &NationalityPanel::RowDroppedBack);
}

void NationalityPanel::SetLines(const std::vector<std::string>& lines) {
    if (lines == lines_) return;
    lines_ = lines;
    list_->clear();
    list_->addItems(ShownLines(lines));
}

void NationalityPanel::TabClicked(int tab) {
    if (tab == kWideTab) {
        ToggleWidth();
        tabs_->setCurrentIndex(3);
        tab = 3;
    }
    const int item = NationalityTabItem(lines_, tab);
    if (item < 0) return;
    list_->setCurrentRow(item);
    list_->scrollToItem(list_->item(std::max(item - 1, 0)), QAbstractItemView::PositionAtTop);
}

void NationalityPanel::ToggleWidth() {
    wide_ = !wide_;
    if (!wide_) {
        setFixedWidth(kPanelWidth);
        list_->setFlow(QListView::TopToBottom);
        list_->setWrapping(false);
        return;
    }
    const QWidget* room = parentWidget() ? parentWidget() : this;
    const int columns = NationalityPanelColumns(room->width(), tableWidth_);
    setFixedWidth(columns == 0 ? kNarrowPanelWidth : columns * kPanelWidth);
    // Several columns: the items flow top to bottom and wrap into the next column.
    list_->setFlow(QListView::TopToBottom);
    list_->setWrapping(columns > 1);
    list_->setResizeMode(QListView::Adjust);
    list_->setGridSize(QSize(kPanelWidth - 10, list_->fontMetrics().height() + 4));
}

} // namespace tev
