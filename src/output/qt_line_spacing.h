#pragma once
// Lists of text lines with a little air between the lines, so that umlaut dots and
// descenders are not cut by the highlight of the line above or below.
#include <QStyledItemDelegate>

namespace tev {

class LineSpacing : public QStyledItemDelegate {
public:
    explicit LineSpacing(int extraPixels, QObject* parent)
        : QStyledItemDelegate(parent), extra_(extraPixels) {}

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        return QStyledItemDelegate::sizeHint(option, index) + QSize(0, extra_);
    }

private:
    int extra_;
};

} // namespace tev
