#include "output/text_output_dialog.h"

#include "output/codepage.h"
#include "output/print_window.h"
#include "output/qt_click_label.h"
#include "output/qt_line_spacing.h"
#include "output/qt_texts.h"
#include "output/text_routines.h"
#include "output/text_window_actions.h"
#include "shell/engine.h"
#include "shell/file_name_rules.h"
#include "shell/qt_guard.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>
#include <filesystem>

namespace tev {
namespace {

constexpr int kSidePanelWidth = 150;
// The window's classic first size, 659 x 407 with a side panel of 58, with our wider panel.
constexpr QSize kInitialSize(659 - 58 + kSidePanelWidth, 407);
constexpr int kMaxColumns = 20;
constexpr int kDefaultPrintSize = 30;
constexpr int kDefaultDisplaySize = 10;
constexpr size_t kMaxFileNames = 10000;
constexpr int kReadableColumnCharacters = 24;
const char* const kLineDraw = "MS LineDraw";

ClickLabel* SideLabel(const QString& text, const char* name, const QString& hint, QWidget* parent) {
    auto* label = new ClickLabel(text, parent);
    label->setObjectName(name);
    label->setToolTip(hint);
    label->setWordWrap(true);
    label->setStyleSheet("color: #1a3c8c;");
    return label;
}

QLabel* Strip(const QString& text, const char* name, const QString& hint, QWidget* parent) {
    auto* strip = new QLabel(text, parent);
    strip->setObjectName(name);
    strip->setToolTip(hint);
    strip->setAlignment(Qt::AlignCenter);
    strip->setStyleSheet("color: #555; background: #e4e4e4; border-radius: 3px;");
    strip->setAttribute(Qt::WA_TransparentForMouseEvents); // the panel takes the click
    return strip;
}

} // namespace

TFormSelFrmD::TFormSelFrmD(const std::string& title, Engine* engine, QWidget* parent)
    : QDialog(parent), engine_(engine), options_(ParseDialogOptions(title)) {
    setObjectName("TFormSelFrmD");
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::WindowMaximizeButtonHint);
    BuildWindow();
    ApplyOptions();
    SetListFont(kLineDraw);
    resize(std::max(kInitialSize.width(), sizeHint().width()),
           std::max(kInitialSize.height(), sizeHint().height()));
}

void TFormSelFrmD::BuildWindow() {
    list_ = new QListWidget(this);
    list_->setObjectName("ListBox1");
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    list_->setMinimumSize(240, 160);
    list_->setItemDelegate(new LineSpacing(2, list_));
    list_->viewport()->installEventFilter(this);
    connect(list_, &QListWidget::pressed, this, [this](const QModelIndex& index) {
        lineNumber_->setText(QString::number(index.row() + 1));
    });
    connect(list_, &QListWidget::itemDoubleClicked, this, [this] {
        if (options_.okVisible) Confirm();
    });

    editPanel_ = new QFrame(this);
    editPanel_->setObjectName("PanelEdit");
    edit_ = new QLineEdit(editPanel_);
    edit_->setObjectName("Edit1");
    edit_->setStyleSheet("background: #ffff90;");
    auto* editLayout = new QHBoxLayout(editPanel_);
    editLayout->setContentsMargins(2, 2, 2, 2);
    editLayout->addWidget(edit_);

    subject_ = new QLabel(this);
    subject_->setObjectName("Subject");
    subject_->setTextFormat(Qt::PlainText);
    subject_->setWordWrap(true);
    subject_->hide();

    auto* left = new QVBoxLayout;
    left->addWidget(subject_);
    left->addWidget(list_, 1);
    left->addWidget(editPanel_);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addLayout(left, 1);
    layout->addWidget(BuildSidePanel());
}

QWidget* TFormSelFrmD::BuildSidePanel() {
    sidePanel_ = new QFrame(this);
    sidePanel_->setObjectName("Panel1");
    sidePanel_->setFixedWidth(kSidePanelWidth);
    sidePanel_->installEventFilter(this);
    auto* panel = new QVBoxLayout(sidePanel_);
    panel->setContentsMargins(4, 0, 0, 0);
    panel->setSpacing(5);

    stepStrip_ = Strip(QString::fromUtf8("◄  ·  ►"), "StepStrip",
                       QString::fromUtf8("OK überspringt Trennzeilen: links aufwärts, rechts "
                                         "abwärts; Klick unterhalb: nicht"),
                       sidePanel_);
    ok_ = new QPushButton(sidePanel_);
    ok_->setObjectName("BOK");
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, &TFormSelFrmD::Confirm);
    columnBand_ = Strip(QString::fromUtf8("− Spalte   Aa   Spalte +"), "ColumnBand",
                        QString::fromUtf8("links: eine Spalte weniger, Mitte: Schrift "
                                          "wechseln, rechts: eine Spalte mehr"),
                        sidePanel_);
    cancel_ = new QPushButton(sidePanel_);
    cancel_->setObjectName("BCancel");
    connect(cancel_, &QPushButton::clicked, this, [this] { done(ResultCancel); });
    all_ = new QPushButton("alle", sidePanel_);
    all_->setObjectName("Balle");
    connect(all_, &QPushButton::clicked, this, [this] { done(ResultAll); });

    printLabel_ = SideLabel("(..drucken..)", "Label1",
                            "den Inhalt in einfacher Form ausdrucken:  li=bis_akt.Zeile / "
                            "Mitte=der_ganzen_Box bzw. markierte_Bereich/ re=ab_akt.Zeile",
                            sidePanel_);
    connect(printLabel_, &ClickLabel::pressed, this, [this](QPoint at) { Print(at.x()); });
    auto* save = SideLabel("(speichern)", "Label4",
                           "den Inhalt der Box in einfacher Form speichern", sidePanel_);
    connect(save, &ClickLabel::pressed, this, &TFormSelFrmD::Save);
    fontLabel_ =
        SideLabel("(font)", "Label5", "Arial ->Courier New -> MS LineDraw -> Arial", sidePanel_);
    connect(fontLabel_, &ClickLabel::pressed, this,
            [this] { SetListFont(NextListFont(fontName_)); });
    auto* clip =
        SideLabel("(->ClipBoard)", "Label6",
                  "den Inhalt der Box  bzw.  markierten Bereich in das Clipboard", sidePanel_);
    connect(clip, &ClickLabel::pressed, this, &TFormSelFrmD::CopyToClipboard);
    auto* scroll = SideLabel("<--   -->", "Label2", "horizontal scrollen aktivieren", sidePanel_);
    connect(scroll, &ClickLabel::pressed, this,
            [this] { list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn); });
    auto* codePage = SideLabel("x", "Label7", "", sidePanel_);
    connect(codePage, &ClickLabel::pressed, this, [this] {
        for (auto& line : lines_)
            line = DosToWindowsText(line);
        ShowListLines();
    });
    lineNumber_ = new QLabel(sidePanel_);
    lineNumber_->setObjectName("Label3");

    printSize_ = new QSpinBox(sidePanel_);
    printSize_->setObjectName("SE1");
    printSize_->setRange(20, 50);
    printSize_->setValue(kDefaultPrintSize);
    printSize_->setToolTip(QString::fromUtf8("Schriftgröße für Drucken"));
    displaySize_ = new QSpinBox(sidePanel_);
    displaySize_->setObjectName("SE2");
    displaySize_->setRange(6, 16);
    displaySize_->setValue(kDefaultDisplaySize);
    displaySize_->setToolTip(QString::fromUtf8("Anzeigegröße"));
    connect(displaySize_, &QSpinBox::valueChanged, this, [this] { SetListFont(fontName_); });
    auto* sizes = new QHBoxLayout;
    sizes->addWidget(printSize_);
    sizes->addWidget(displaySize_);

    searchPanel_ = new QFrame(sidePanel_);
    searchPanel_->setObjectName("Panelsuch");
    searchEdit_ = new QLineEdit(searchPanel_);
    searchEdit_->setObjectName("Editsuch");
    auto* searchButton = new QPushButton("suche", searchPanel_);
    searchButton->setObjectName("SBsuch");
    searchButton->setAutoDefault(false);
    connect(searchButton, &QPushButton::clicked, this, &TFormSelFrmD::Search);
    connect(searchEdit_, &QLineEdit::returnPressed, this, &TFormSelFrmD::Search);
    auto* search = new QVBoxLayout(searchPanel_);
    search->setContentsMargins(0, 0, 0, 0);
    search->addWidget(searchEdit_);
    search->addWidget(searchButton);

    const QString addHint = "Die unten im gelben Feld eingetragene Zeile hinzufügen und "
                            "automatisch speichern";
    addLabel_ = SideLabel("untere Zeile NEU hinzu", "LabelNeu", addHint, sidePanel_);
    connect(addLabel_, &ClickLabel::pressed, this, [this] { AddLine(false); });
    insertLabel_ = SideLabel(QString::fromUtf8("untere Zeile NEU einfügen"), "LabelneuEinf",
                             addHint, sidePanel_);
    connect(insertLabel_, &ClickLabel::pressed, this, [this] { AddLine(true); });
    removeLabel_ = SideLabel(
        QString::fromUtf8("angew. Zeile weg"), "LabelWeg",
        QString::fromUtf8("angewählte Zeile löschen und automatisch speichern"), sidePanel_);
    connect(removeLabel_, &ClickLabel::pressed, this, &TFormSelFrmD::RemoveLine);
    copyLabel_ = SideLabel(
        "Zeile kopieren", "Labelcopy",
        QString::fromUtf8("Die angewählte Zeile unten in das gelben Feld kopieren"), sidePanel_);
    connect(copyLabel_, &ClickLabel::pressed, this, &TFormSelFrmD::CopyLine);

    for (auto* button : {ok_, cancel_, all_})
        button->setMinimumHeight(28);
    panel->addWidget(stepStrip_);
    panel->addWidget(ok_);
    panel->addWidget(columnBand_);
    panel->addWidget(cancel_);
    panel->addWidget(all_);
    panel->addSpacing(8);
    for (QWidget* widget : std::initializer_list<QWidget*>{printLabel_, save, fontLabel_, clip,
                                                           scroll, codePage, lineNumber_})
        panel->addWidget(widget);
    panel->addLayout(sizes);
    panel->addWidget(searchPanel_);
    for (QWidget* widget :
         std::initializer_list<QWidget*>{addLabel_, insertLabel_, removeLabel_, copyLabel_})
        panel->addWidget(widget);
    panel->addStretch(1);
    return sidePanel_;
}

void TFormSelFrmD::ApplyOptions() {
    ok_->setText(ShownText(options_.okCaption));
    ok_->setVisible(options_.okVisible);
    cancel_->setText(ShownText(options_.cancelCaption));
    cancel_->setVisible(!options_.cancelHidden);
    all_->setVisible(multi_ && !options_.cancelHidden);
    searchPanel_->setVisible(options_.searchPanel);
    editPanel_->setVisible(options_.listFileEditing >= 1);
    addLabel_->setVisible(options_.listFileEditing >= 1);
    insertLabel_->setVisible(options_.listFileEditing >= 2);
    removeLabel_->setVisible(options_.deleteLine);
    copyLabel_->setVisible(options_.copyLine);
    printLabel_->setEnabled(engine_ != nullptr && engine_->printer != nullptr);
}

void TFormSelFrmD::SetCaption(const std::string& caption) {
    caption_ = caption;
    setWindowTitle(ShownText(caption));
}

void TFormSelFrmD::SetLines(std::vector<std::string> lines) {
    lines_ = std::move(lines);
    list_->clear();
    list_->addItems(ShownLines(lines_, fontName_ == kLineDraw));
}

void TFormSelFrmD::ShowListLines() {
    const QStringList shown = ShownLines(lines_, fontName_ == kLineDraw);
    if (list_->count() != shown.size()) {
        const int current = list_->currentRow();
        list_->clear();
        list_->addItems(shown);
        if (current >= 0) list_->setCurrentRow(std::min(current, list_->count() - 1));
        return;
    }
    for (int i = 0; i < shown.size(); ++i)
        list_->item(i)->setText(shown[i]);
}

void TFormSelFrmD::SetMulti(bool multi) {
    multi_ = multi;
    list_->setSelectionMode(multi ? QAbstractItemView::ExtendedSelection
                                  : QAbstractItemView::SingleSelection);
    ApplyOptions();
}

void TFormSelFrmD::SetListFont(const std::string& name) {
    fontName_ = name;
    list_->setFont(NamedFont(name, PointsAsPixels(displaySize_->value())));
    fontLabel_->setToolTip(QString::fromStdString(name) +
                           "   (Arial ->Courier New -> MS LineDraw -> Arial)");
    ShowListLines();
    SetColumns(columns_);
}

int TFormSelFrmD::RowHeight() const {
    return list_->fontMetrics().height() + 4;
}

void TFormSelFrmD::SetColumns(int columns) {
    columns_ = std::max(columns, 0);
    if (columns_ == 0) {
        list_->setWrapping(false);
        list_->setGridSize(QSize());
        list_->setUniformItemSizes(false);
        return;
    }
    const int width = std::max(list_->viewport()->width() / columns_, MinimumColumnWidth());
    list_->setFlow(QListView::TopToBottom);
    list_->setWrapping(true);
    list_->setResizeMode(QListView::Adjust);
    list_->setUniformItemSizes(true);
    list_->setGridSize(QSize(width, RowHeight()));
}

void TFormSelFrmD::FitColumnsToLines(int sizeClass) {
    const int height = list_->viewport()->height();
    const int count = static_cast<int>(lines_.size());
    int columns = RangeListColumns(height, RowHeight(), count, sizeClass);
    const int visible = std::max(1, (height - 20) / RowHeight());
    if (columns > 0 && count / visible >= columns && AvailableScreen(this).width() > 1000) {
        const int widthOfColumn = list_->viewport()->width() / columns;
        resize(std::min(width() + widthOfColumn, AvailableScreen(this).width()), this->height());
        ++columns;
    }
    // Wide enough that a column shows the start of its lines (a school's number and short
    // name), as far as the screen allows; beyond it the list scrolls sideways.
    const int wanted = columns * MinimumColumnWidth() - list_->viewport()->width();
    if (columns > 0 && wanted > 0) {
        const QRect screen = AvailableScreen(this);
        resize(std::min(width() + wanted, screen.width() - 20), this->height());
        if (layout()) layout()->activate();
    }
    SetColumns(columns);
}

int TFormSelFrmD::MinimumColumnWidth() const {
    return list_->fontMetrics().averageCharWidth() * kReadableColumnCharacters;
}

void TFormSelFrmD::FitToOptions(int sizeClass) {
    const int count = static_cast<int>(lines_.size());
    const QRect screen = AvailableScreen(this);
    const int rowHeight = RowHeight();
    // Window margins and the list's frame around its lines.
    const int chrome = 2 * 6 + 2 * list_->frameWidth() + 8;
    const int fittingRows = std::max(1, (screen.height() - 120 - chrome) / rowHeight);
    int columns = 0;
    if (count > fittingRows) {
        const int wanted = (count + fittingRows - 1) / fittingRows;
        columns = std::clamp(wanted, 1, std::max(1, 40 / (sizeClass + 4)));
    }
    int widest = 0;
    for (int i = 0; i < list_->count(); ++i)
        widest = std::max(widest, list_->fontMetrics().horizontalAdvance(list_->item(i)->text()));
    widest += 28;
    const int listWidth = widest * std::max(columns, 1);
    const int shownRows = columns > 0 ? fittingRows : count;
    const int newWidth = std::clamp(listWidth + kSidePanelWidth + 24, 360, screen.width() - 20);
    const int subject =
        subject_->isHidden() ? 0 : subject_->heightForWidth(newWidth - kSidePanelWidth - 24) + 6;
    const int newHeight =
        std::clamp(shownRows * rowHeight + chrome + 8 + subject,
                   sidePanel_->minimumSizeHint().height() + 12, screen.height() - 60);
    resize(std::max(newWidth, minimumSizeHint().width()), newHeight);
    SetColumns(columns);
}

void TFormSelFrmD::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (layout()) layout()->activate();
    if (fitColumnsFor_ >= 0) {
        FitColumnsToLines(fitColumnsFor_);
        fitColumnsFor_ = -1;
    }
    CentreOverParent(this);
    if (list_->currentItem()) list_->scrollToItem(list_->currentItem());
}

bool TFormSelFrmD::eventFilter(QObject* watched, QEvent* event) {
    if (watched == sidePanel_ && event->type() == QEvent::MouseButtonPress) {
        SidePanelPressed(static_cast<QMouseEvent*>(event)->position().toPoint());
        return true;
    }
    if (watched == list_->viewport() && event->type() == QEvent::Resize && columns_ > 0) {
        list_->setGridSize(QSize(
            std::max(list_->viewport()->width() / columns_, MinimumColumnWidth()), RowHeight()));
    }
    return QDialog::eventFilter(watched, event);
}

void TFormSelFrmD::SidePanelPressed(QPoint position) {
    const int okTop = ok_->isVisible() ? ok_->geometry().top() : columnBand_->geometry().top();
    const int cancelTop =
        cancel_->isVisible() ? cancel_->geometry().top() : columnBand_->geometry().bottom() + 1;
    if (position.y() < okTop) {
        options_.step = position.x() >= sidePanel_->width() / 2 ? 1 : -1;
    } else if (position.y() < cancelTop) {
        const int third = 3 * position.x() / std::max(sidePanel_->width(), 1);
        if (third <= 0 && columns_ > 0) SetColumns(columns_ - 1);
        if (third == 1) SetListFont(NextListFont(fontName_));
        if (third >= 2 && columns_ < kMaxColumns) SetColumns(columns_ + 1);
    } else {
        options_.step = 0;
    }
}

void TFormSelFrmD::MarkedRange(int& first, int& last) const {
    const int current = list_->currentRow();
    int low = -1;
    int high = -1;
    if (multi_) {
        for (const QModelIndex& index : list_->selectionModel()->selectedIndexes()) {
            low = low < 0 ? index.row() : std::min(low, index.row());
            high = std::max(high, index.row());
        }
    }
    if (high < 0) low = high = std::max(current, 0);
    last = std::max(high + 1, 1);
    first = std::min(low + 1, last);
}

void TFormSelFrmD::Confirm() {
    if (lines_.empty()) {
        done(ResultOk);
        return;
    }
    const int current = std::max(list_->currentRow(), 0);
    const int accepted = AcceptedLine(lines_, current, options_);
    if (accepted < 0) {
        QApplication::beep();
        return;
    }
    MarkedRange(chosenFirst_, chosenLast_);
    chosenLine_ = accepted;
    done(ResultOk);
}

void TFormSelFrmD::Print(int x) {
    if (!engine_ || !engine_->printer) return;
    TextWindowPrint request;
    request.clickX = x;
    request.labelWidth = printLabel_->width();
    request.caption = caption_;
    request.fontName = fontName_;
    request.currentLine = list_->currentRow();
    request.multi = multi_;
    MarkedRange(request.first, request.last);
    request.printSize = printSize_->value();
    request.listColumns = columns_;
    std::vector<std::string> printed = lines_;
    // The line-drawing font prints in the DOS code page.
    if (fontName_ == kLineDraw) {
        for (auto& line : printed)
            line = ToOemText(line);
    }
    RunGuarded(this, [&] { PrintTextWindow(*engine_, printed, request); });
}

void TFormSelFrmD::Save() {
    QString name = QFileDialog::getSaveFileName(this, "speichern", "tmp.txt", "Text (*.txt)");
    if (name.isEmpty()) return;
    if (!QFileInfo(name).fileName().contains('.')) name += ".txt";
    SaveListFile(name.toStdString(), lines_);
}

void TFormSelFrmD::CopyToClipboard() {
    if (lines_.empty()) return;
    int first = 0;
    int last = 0;
    MarkedRange(first, last);
    const LineRange range = MarkedOrAllLines(multi_, first, last, static_cast<int>(lines_.size()));
    QStringList copied;
    for (int i = range.from; i <= range.to; ++i)
        copied << list_->item(i)->text();
    QGuiApplication::clipboard()->setText(copied.join('\n'));
}

void TFormSelFrmD::Search() {
    const int found = FindLineAfter(lines_, list_->currentRow(), TypedText(searchEdit_->text()));
    if (found < 0) return;
    list_->setCurrentRow(found);
    list_->scrollToItem(list_->item(found), QAbstractItemView::PositionAtTop);
    SetCaption(SearchCaption(caption_, found, lines_[found]));
}

std::string TFormSelFrmD::TypedLine() const {
    const std::string typed = TypedText(edit_->text());
    return fontName_ == kLineDraw ? ToOemText(typed) : typed;
}

void TFormSelFrmD::AddLine(bool insert) {
    const int current = list_->currentRow();
    if (!AddListLine(lines_, TypedLine(), insert ? std::max(current, 0) : -1)) return;
    SaveListFile(listFile_, lines_);
    ShowListLines();
}

void TFormSelFrmD::RemoveLine() {
    const int current = list_->currentRow();
    if (current < 0 || current >= list_->count()) return;
    edit_->setText(list_->item(current)->text());
    std::string removed;
    const int next = RemoveListLine(lines_, current, removed);
    SaveListFile(listFile_, lines_);
    delete list_->takeItem(current);
    if (next >= 0) list_->setCurrentRow(next);
}

void TFormSelFrmD::CopyLine() {
    if (QListWidgetItem* item = list_->currentItem()) edit_->setText(item->text());
}

void TFormSelFrmD::SetCurrentLine(int line) {
    if (list_->count() == 0) return;
    list_->setCurrentRow(std::clamp(line, 0, list_->count() - 1));
}

// The calls.

bool TFormSelFrmD::SelectRange(RangeRequest& request, Engine* engine, QWidget* parent) {
    TFormSelFrmD window(request.title, engine, parent);
    const RangeTitle title = SplitRangeTitle(window.options_.title);
    ListedLines listed = FillRangeLines(request.items, title, window.options_);
    const int sizeClass = std::abs(request.mode) % 1000;
    window.SetCaption(listed.caption);
    window.SetMulti(request.multi);
    window.SetListFont(RangeListFont(request.mode));
    window.SetLines(listed.lines);
    const int count = static_cast<int>(listed.lines.size());
    window.SetCurrentLine(request.first >= 1 && request.first <= count ? request.first - 1 : 0);
    if (sizeClass > 99) {
        const QRect screen = AvailableScreen(&window);
        window.resize(screen.width() - 10, screen.height() - 100);
    }
    window.fitColumnsFor_ = sizeClass;
    const int result = window.exec();
    request.all = false;
    if (result == ResultAll) {
        request.first = 1;
        request.last = count;
        request.all = true;
        return count > 0;
    }
    if (result != ResultOk || count == 0) return false;
    auto number = [&](int line) {
        return title.filter.empty() ? line + 1 : listed.itemNumbers[line];
    };
    if (request.multi) {
        request.first = number(window.chosenFirst_ - 1);
        request.last = number(window.chosenLast_ - 1);
    } else {
        request.first = request.last = number(window.chosenLine_);
    }
    return true;
}

int TFormSelFrmD::ChooseOption(const OptionRequest& request, Engine* engine, QWidget* parent) {
    TFormSelFrmD window(request.caption, engine, parent);
    // A caption of several lines (the print question: the title and the first lines of what
    // is printed) keeps its first line as the window's title and shows itself in the window.
    const std::string& caption = window.options_.title;
    const size_t lineBreak = caption.find_first_of("\r\n");
    window.SetCaption(caption.substr(0, lineBreak));
    if (lineBreak != std::string::npos) {
        window.subject_->setText(ShownText(caption));
        window.subject_->show();
    }
    window.SetListFont(request.mode < 0 ? "Courier New" : kLineDraw);
    window.SetLines(request.options);
    window.SetCurrentLine(request.preset - 1);
    window.FitToOptions(std::abs(request.mode) % 100);
    if (window.exec() != ResultOk || request.options.empty()) return 0;
    return window.chosenLine_ + 1;
}

void TFormSelFrmD::ShowLines(const std::vector<std::string>& lines, const std::string& title,
                             Engine* engine, QWidget* parent) {
    TFormSelFrmD window(title, engine, parent);
    window.options_.okVisible = false;
    window.options_.cancelCaption = Win("Schließen");
    window.options_.searchPanel = true;
    window.ApplyOptions();
    window.SetCaption(window.options_.title);
    window.SetLines(lines);
    window.exec();
}

void TFormSelFrmD::EditListFile(const std::string& fileName, const std::string& title,
                                Engine* engine, QWidget* parent) {
    TFormSelFrmD window(title, engine, parent);
    if (window.options_.listFileEditing == 0) {
        window.options_.listFileEditing = 1;
        window.options_.okVisible = false;
        window.options_.cancelCaption = Win("Schließen");
    }
    window.ApplyOptions();
    window.listFile_ = fileName;
    window.SetCaption(window.options_.title.empty() ? fileName : window.options_.title);
    window.SetLines(ReadListFile(fileName));
    window.exec();
}

std::string TFormSelFrmD::ChooseFromFiles(const std::string& title, const std::string& directory,
                                          const std::string& mask, QWidget* parent) {
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(directory, error)) {
        if (names.size() >= kMaxFileNames) break;
        const std::string name = entry.path().filename().string();
        if (entry.is_regular_file(error) && MatchesFilePattern(name, mask.empty() ? "*" : mask))
            names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    TFormSelFrmD window(title, nullptr, parent);
    window.SetCaption(window.options_.title);
    window.SetListFont("Courier New");
    window.SetLines(names);
    window.SetCurrentLine(0);
    if (names.size() > 20) window.setWindowState(Qt::WindowMaximized);
    if (window.exec() != ResultOk || names.empty()) return {};
    return names[window.chosenLine_];
}

} // namespace tev
