#include "shell/qt_line_list.h"

#include "output/codepage.h"
#include "output/qt_line_spacing.h"

#include <QLayout>
#include <algorithm>

namespace tev {
namespace {

// Room for the item's margins around its text.
constexpr int kTextMargins = 16;

QString Shown(const std::string& line) {
    return QString::fromStdString(DisplayText(line));
}

} // namespace

LineList::LineList(const char* name, const QFont& font, int extraPixels, QWidget* parent)
    : QListWidget(parent), delegate_(new LineSpacing(extraPixels, this)) {
    setObjectName(name);
    setFont(font);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setTextElideMode(Qt::ElideNone);
    setUniformItemSizes(true);
    setItemDelegate(delegate_);
}

void LineList::Widen(const QString& text) {
    widest_ = std::max(widest_, fontMetrics().horizontalAdvance(text) + kTextMargins);
}

void LineList::ShowLines(const std::vector<std::string>& lines) {
    if (lines == shown_) return;
    const int widestBefore = widest_;
    const size_t shown = shown_.size();
    if (lines.size() == shown && count() == static_cast<int>(shown)) {
        for (size_t i = 0; i < shown; ++i) {
            if (lines[i] == shown_[i]) continue;
            const QString text = Shown(lines[i]);
            Widen(text);
            item(static_cast<int>(i))->setText(text);
        }
    } else {
        const bool appended = lines.size() > shown && count() == static_cast<int>(shown) &&
                              std::equal(shown_.begin(), shown_.end(), lines.begin());
        if (!appended) {
            clear();
            widest_ = 0;
        }
        QStringList added;
        added.reserve(static_cast<qsizetype>(lines.size()));
        for (size_t i = appended ? shown : 0; i < lines.size(); ++i) {
            added << Shown(lines[i]);
            Widen(added.back());
        }
        delegate_->SetLineWidth(widest_);
        addItems(added);
    }
    shown_ = lines;
    if (widest_ != widestBefore) {
        delegate_->SetLineWidth(widest_);
        // The view keeps the size of its sample line until it lays its items out anew.
        doItemsLayout();
    }
}

void LineList::SetPreferredWidth(int pixels) {
    if (pixels == preferredWidth_) return;
    preferredWidth_ = pixels;
    updateGeometry();
    // At once, not with the next pass of the event loop: a toggle shows its new width.
    if (QWidget* holder = parentWidget(); holder && holder->layout()) holder->layout()->activate();
}

QSize LineList::sizeHint() const {
    QSize size = QListWidget::sizeHint();
    if (preferredWidth_ > 0) size.setWidth(preferredWidth_);
    return size;
}

} // namespace tev
