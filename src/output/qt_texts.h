#pragma once
// Engine texts on screen: the conversions to and from QString, the fonts the program names
// ("Arial", "Courier New", "MS LineDraw") with what this machine has in their place, and the
// room the screen offers.
#include <QFont>
#include <QRect>
#include <QString>
#include <QStringList>
#include <string>

class QWidget;
#include <vector>

namespace tev {

// An engine text for display; "\r" line breaks become "\n".
QString ShownText(const std::string& text);
// A text shown in the DOS line-drawing font: program texts go through the DOS code page.
QString ShownLineDrawText(const std::string& text);
QStringList ShownLines(const std::vector<std::string>& lines, bool lineDrawFont = false);
// What the user typed, as an engine text.
std::string TypedText(const QString& text);

// The named font with fallbacks; size in pixels.
QFont NamedFont(const std::string& name, int pixelSize);
// A font size in points as pixels of a 96 dpi screen (10 points: 13 pixels).
int PointsAsPixels(int points);

// The available part of the screen the widget is on (or of the main screen).
QRect AvailableScreen(const QWidget* widget = nullptr);
// A dialog over the middle of the window it belongs to (or of the screen), kept on the screen.
void CentreOverParent(QWidget* dialog);

} // namespace tev
