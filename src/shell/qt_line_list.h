#pragma once
// The main window's lists of engine lines (the school list and the output box). A refresh
// touches only what changed, so that a long run can show its progress cheaply, and every line
// shows whole, with a sideways scroll bar when it is wider than the list.
#include <QListWidget>
#include <string>
#include <vector>

namespace tev {

class LineSpacing;

class LineList : public QListWidget {
public:
    LineList(const char* name, const QFont& font, int extraPixels, QWidget* parent = nullptr);

    void ShowLines(const std::vector<std::string>& lines);

    // The width the list asks its layout for (0: the list's own); a narrow window may give it
    // less, down to its minimum width.
    void SetPreferredWidth(int pixels);
    QSize sizeHint() const override;

private:
    void Widen(const QString& text);

    LineSpacing* delegate_;
    std::vector<std::string> shown_;
    int widest_ = 0;
    int preferredWidth_ = 0;
};

} // namespace tev
