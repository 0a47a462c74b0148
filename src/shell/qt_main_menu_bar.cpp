// The main window's menus, built from the menu table.
#include "output/qt_texts.h"
#include "shell/engine.h"
#include "shell/main_window.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace tev {
namespace {

const char* const kDeveloperMenu = "XXX";
// Disabled while a school loads.
const char* const kEditMenu = "Bearbeiten";
const char* const kPrintMenu = "Drucken";

std::string TopCaption(const std::string& path) {
    return path.substr(0, path.find('/'));
}

QString ActionText(const std::string& caption) {
    QString text = ShownText(caption);
    text.replace('&', "&&");
    return text;
}

const char* HintOf(const std::string& handler) {
    if (handler == "Testen1Click") return "Testen aller Schulen";
    if (handler == "SBPrFSpClick") return "suche Fremdsprachen";
    return "";
}

} // namespace

std::function<void()> TFormTEV1::WindowHandler(const std::string& handler) {
    if (handler == "InfoClick") return [this] { InfoClick(); };
    if (handler == "DruckerOptionen1Click") return [this] { PrinterOptions(); };
    return {};
}

bool TFormTEV1::EntryAvailable(const MenuEntry& entry) {
    return entry.command != nullptr || static_cast<bool>(WindowHandler(entry.handler));
}

QMenu* TFormTEV1::TopMenu(const std::string& caption) const {
    const auto found = topMenus_.find(caption);
    return found == topMenus_.end() ? nullptr : found->second;
}

void TFormTEV1::BuildMenus() {
    for (const MenuEntry& entry : MainMenu()) {
        const size_t slash = entry.path.find('/');
        QAction* action = nullptr;
        if (slash == std::string::npos) {
            action = menuBar()->addAction(ActionText(entry.path));
        } else {
            const std::string top = entry.path.substr(0, slash);
            QMenu*& menu = topMenus_[top];
            if (!menu) {
                menu = menuBar()->addMenu(ActionText(top));
                menu->setObjectName(ShownText(top));
                menu->setToolTipsVisible(true);
            }
            action = menu->addAction(ActionText(entry.path.substr(slash + 1)));
        }
        action->setObjectName(QString::fromStdString(entry.handler));
        action->setData(ShownText(entry.path));
        const QString hint = QString::fromUtf8(HintOf(entry.handler));
        action->setToolTip(hint.isEmpty() ? action->text() : hint);
        action->setStatusTip(hint);
        if (const auto handler = WindowHandler(entry.handler)) {
            connect(action, &QAction::triggered, this, [this, handler] { RunCommand(handler); });
        } else if (const MenuCommand command = entry.command) {
            connect(action, &QAction::triggered, this,
                    [this, command] { RunCommand([this, command] { command(engine_); }); });
        }
        menuActions_.push_back(action);
    }
}

void TFormTEV1::RefreshMenus() {
    const MainWindowState& state = engine_.window;
    const bool developer = state.developerMenuVisible;
    const auto& entries = MainMenu();
    for (size_t i = 0; i < entries.size() && i < menuActions_.size(); ++i) {
        const MenuEntry& entry = entries[i];
        const std::string top = TopCaption(entry.path);
        const bool blocked = !state.editMenusEnabled && (top == kEditMenu || top == kPrintMenu);
        menuActions_[i]->setEnabled(EntryAvailable(entry) && !blocked);
        menuActions_[i]->setVisible(!entry.developerOnly || developer);
    }
    if (QMenu* menu = TopMenu(kDeveloperMenu))
        menu->menuAction()->setVisible(state.developerMenuVisible);
    if (QMenu* menu = TopMenu(kPrintMenu)) menu->setEnabled(state.editMenusEnabled);
}

} // namespace tev
