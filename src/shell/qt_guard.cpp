#include "shell/qt_guard.h"

#include "output/codepage.h"
#include "shell/messages.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <exception>

namespace tev {
namespace {

bool fatalStopSeen = false;

} // namespace

bool RunGuarded(QWidget* parent, const std::function<void()>& work) {
    try {
        work();
        return true;
    } catch (const FatalStopError&) {
        fatalStopSeen = true;
        QCoreApplication::exit(1);
    } catch (const std::exception& error) {
        QMessageBox::critical(parent, "TEV",
                              QString::fromUtf8("Fehler: ") +
                                  QString::fromStdString(DisplayText(error.what())));
    }
    return false;
}

bool FatalStopSeen() {
    return fatalStopSeen;
}

} // namespace tev
