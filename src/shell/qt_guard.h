#pragma once
// Engine work started from a window: whatever it throws ends here and never runs through
// Qt's event loop. A fatal stop (its message was shown already) ends the program with exit
// code 1; any other failure is shown and the program goes on.
#include <QWidget>
#include <functional>

namespace tev {

// False when the work failed.
bool RunGuarded(QWidget* parent, const std::function<void()>& work);

// Set once a fatal stop was met; the program is ending.
bool FatalStopSeen();

} // namespace tev
