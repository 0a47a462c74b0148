#include "output/qt_texts.h"

#include "output/codepage.h"
#include "output/text_routines.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace tev {

QString ShownText(const std::string& text) {
    QString shown = QString::fromStdString(DisplayText(text));
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

QString ShownLineDrawText(const std::string& text) {
    return QString::fromStdString(Utf8FromDos(ToOemText(text)));
}

QStringList ShownLines(const std::vector<std::string>& lines, bool lineDrawFont) {
    QStringList shown;
    shown.reserve(static_cast<qsizetype>(lines.size()));
    for (const auto& line : lines)
        shown << (lineDrawFont ? ShownLineDrawText(line)
                               : QString::fromStdString(DisplayText(line)));
    return shown;
}

std::string TypedText(const QString& text) {
    return EngineTextFromUtf8(text.toStdString());
}

QFont NamedFont(const std::string& name, int pixelSize) {
    QFont font;
    if (name == "Arial") {
        font.setFamilies({"Arial", "Liberation Sans", "Nimbus Sans", "DejaVu Sans"});
        font.setStyleHint(QFont::SansSerif);
    } else {
        // "Courier New", and the DOS line-drawing font, whose box characters DejaVu Sans Mono
        // has as well.
        font.setFamilies({QString::fromStdString(name), "Courier New", "DejaVu Sans Mono",
                          "Liberation Mono", "Noto Mono"});
        font.setStyleHint(QFont::TypeWriter);
        font.setFixedPitch(true);
    }
    font.setPixelSize(std::max(pixelSize, 1));
    return font;
}

int PointsAsPixels(int points) {
    return (points * 4 + 1) / 3;
}

QRect AvailableScreen(const QWidget* widget) {
    const QScreen* screen =
        widget && widget->screen() ? widget->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1280, 800);
}

void CentreOverParent(QWidget* dialog) {
    const QWidget* owner = dialog->parentWidget() ? dialog->parentWidget()->window() : nullptr;
    if (owner && !owner->isVisible()) owner = nullptr;
    const QRect screen = AvailableScreen(owner ? owner : dialog);
    QRect frame = dialog->frameGeometry();
    frame.moveCenter(owner ? owner->frameGeometry().center() : screen.center());
    const int left = std::min(frame.left(), screen.right() + 1 - frame.width());
    const int top = std::min(frame.top(), screen.bottom() + 1 - frame.height());
    dialog->move(std::max(left, screen.left()), std::max(top, screen.top()));
}

} // namespace tev
