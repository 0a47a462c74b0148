#include "output/selection_dialog.h"

#include "output/qt_click_label.h"
#include "output/qt_texts.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

namespace tev {
namespace {

constexpr int kDefaultFontSize = 10;

} // namespace

TFormSelFrm::TFormSelFrm(const std::string& title, std::vector<std::string> lines, int mode,
                         QWidget* parent)
    : QDialog(parent), lines_(std::move(lines)) {
    setObjectName("TFormSelFrm");
    setWindowTitle(ShownText(title));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::WindowMaximizeButtonHint);

    list_ = new QListWidget(this);
    list_->setObjectName("ListBox1");
    list_->addItems(ShownLines(lines_));
    list_->setFont(NamedFont("Courier New", PointsAsPixels(kDefaultFontSize)));
    connect(list_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);

    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("BOK");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* cancel = new QPushButton("Abbruch", this);
    cancel->setObjectName("BCancel");
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    print_ = new QPushButton("Drucken", this);
    print_->setObjectName("SBdrucken");
    print_->setVisible(mode == kPrintMode);
    connect(print_, &QPushButton::clicked, this, [this] {
        SelectionDialogShared().printFlag = 'D';
        accept();
    });
    auto* clip = new ClickLabel("(->ClipBoard)", this);
    clip->setObjectName("Label6");
    clip->setToolTip("den Inhalt der Box in das Clipboard");
    clip->setStyleSheet("color: #1a3c8c;");
    connect(clip, &ClickLabel::pressed, this, &TFormSelFrm::CopyToClipboard);
    fontSize_ = new QSpinBox(this);
    fontSize_->setObjectName("SpinEdit1");
    fontSize_->setRange(6, 24);
    fontSize_->setValue(kDefaultFontSize);
    fontSize_->setToolTip(QString::fromUtf8("Zeichengröße der Anzeige"));
    connect(fontSize_, &QSpinBox::valueChanged, this, [this](int size) {
        list_->setFont(NamedFont("Courier New", PointsAsPixels(size)));
        FitColumns();
    });

    auto* side = new QVBoxLayout;
    for (QWidget* widget : std::initializer_list<QWidget*>{ok, cancel, print_, clip, fontSize_})
        side->addWidget(widget);
    side->addStretch(1);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(list_, 1);
    layout->addLayout(side);

    const QRect screen = AvailableScreen();
    const int height = lines_.size() > 100 && screen.height() > 1000 ? screen.height() - 100 : 420;
    resize(560, std::min(height, screen.height()));
    const bool maximised = title.rfind("Ausgabe", 0) == 0 || mode == kPrintMode;
    if (maximised) setWindowState(Qt::WindowMaximized);
}

void TFormSelFrm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (layout()) layout()->activate();
    FitColumns();
}

void TFormSelFrm::FitColumns() {
    // Columns when the lines do not fit the list's height.
    const int rowHeight = list_->fontMetrics().height() + 4;
    const int visible = std::max(1, list_->viewport()->height() / rowHeight);
    if (static_cast<int>(lines_.size()) <= visible) {
        list_->setWrapping(false);
        list_->setGridSize(QSize());
        return;
    }
    int widest = 0;
    for (int i = 0; i < list_->count(); ++i)
        widest = std::max(widest, list_->fontMetrics().horizontalAdvance(list_->item(i)->text()));
    list_->setFlow(QListView::TopToBottom);
    list_->setWrapping(true);
    list_->setResizeMode(QListView::Adjust);
    list_->setGridSize(QSize(widest + 16, rowHeight));
}

void TFormSelFrm::CopyToClipboard() {
    QStringList text{windowTitle()};
    for (int i = 0; i < list_->count(); ++i)
        text << list_->item(i)->text();
    QGuiApplication::clipboard()->setText(text.join('\n'));
}

bool TFormSelFrm::SelectFromList(const std::string& title, std::string_view source, int countCode,
                                 int itemWidth, int& number, int mode,
                                 std::vector<std::string>* target, QWidget* parent) {
    const SelectionItems items = BuildSelectionItems(source, countCode, itemWidth);
    const int count = static_cast<int>(items.lines.size()) - (items.separatorLine >= 0 ? 1 : 0);
    SelectionDialogState& shared = SelectionDialogShared();
    if (shared.preset.Take(number, count)) return true;

    TFormSelFrm dialog(title, items.lines, mode, parent);
    if (dialog.list_->count() > 0)
        dialog.list_->setCurrentRow(std::clamp(number - 1, 0, dialog.list_->count() - 1));
    shared.printFlag = ' ';
    const bool confirmed = dialog.exec() == QDialog::Accepted;
    if (target) *target = items.lines;
    const int line = dialog.list_->currentRow();
    if (!confirmed || line < 0) return false;
    number = ChosenItemNumber(line, items.separatorLine);
    return true;
}

} // namespace tev
