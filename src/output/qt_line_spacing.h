#pragma once
// Lists of text lines with a little air between the lines, so that umlaut dots and
// descenders are not cut by the highlight of the line above or below.
#include <QStyledItemDelegate>

namespace tev {

class LineSpacing : public QStyledItemDelegate {
public:
    explicit LineSpacing(int extraPixels, QObject* parent)
        : QStyledItemDelegate(parent), extra_(extraPixels) {}

    // A list of uniform item sizes takes every line's size from one sample line: giving each
    // the width of the widest keeps long lines whole and the sideways scroll range right.
    void SetLineWidth(int pixels) { lineWidth_ = pixels; }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index) + QSize(0, extra_);
        size.setWidth(std::max(size.width(), lineWidth_));
        return size;
    }

private:
    int extra_;
    int lineWidth_ = 0;
};

} // namespace tev
