// The main window's menus, built from the menu table, with a letter for Alt in every caption.
#include "output/qt_texts.h"
#include "shell/engine.h"
#include "shell/main_window.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <map>

namespace tev {
namespace {

const char* const kDeveloperMenu = "XXX";
// Disabled while a school loads.
const char* const kEditMenu = "Bearbeiten";
const char* const kPrintMenu = "Drucken";

std::string TopCaption(const std::string& path) {
    return path.substr(0, path.find('/'));
}

bool AltKey(QChar c) {
    return c.unicode() < 128 && c.isLetterOrNumber();
}

// The caption with "&" before the letter that Alt will take: the first letter, else the first
// letter of a later word, else any letter or digit that no earlier caption of the same menu
// took. `used` collects the letters taken.
QString WithAltKey(const QString& caption, QString& used) {
    auto freeAt = [&](qsizetype i) {
        return AltKey(caption[i]) && !used.contains(caption[i].toLower());
    };
    qsizetype chosen = -1;
    for (qsizetype i = 0; i < caption.size() && chosen < 0; ++i) {
        const bool wordStart = i == 0 || !caption[i - 1].isLetterOrNumber();
        if (wordStart && freeAt(i)) chosen = i;
    }
    for (qsizetype i = 0; i < caption.size() && chosen < 0; ++i) {
        if (freeAt(i)) chosen = i;
    }
    QString text;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (i == chosen) text += '&';
        text += caption[i];
        if (caption[i] == '&') text += '&';
    }
    if (chosen >= 0) used += caption[chosen].toLower();
    return text;
}

const char* HintOf(const std::string& handler) {
    if (handler == "Testen1Click") return "Testen aller Schulen";
    if (handler == "SBPrFSpClick") return "suche Fremdsprachen";
    return "";
}

QKeySequence ShortcutOf(const std::string& handler) {
    if (handler == "Beenden1Click") return QKeySequence(Qt::CTRL | Qt::Key_Q);
    if (handler == "AusgaberechteBox1Click") return QKeySequence(Qt::CTRL | Qt::Key_P);
    return {};
}

// What a disabled entry says about itself.
QString WhyDisabled(const MenuEntry& entry, bool blocked) {
    if (entry.handler.empty())
        return QString::fromUtf8("Ein Doppelklick auf die obere Tabelle druckt sie.");
    if (!entry.command) return QString::fromUtf8("Noch nicht verfügbar.");
    if (blocked) return QString::fromUtf8("Gesperrt, solange eine Schule geladen wird.");
    return {};
}

} // namespace

QMenu* TFormTEV1::TopMenu(const std::string& caption) const {
    const auto found = topMenus_.find(caption);
    return found == topMenus_.end() ? nullptr : found->second;
}

void TFormTEV1::BuildMenus() {
    QString barKeys;
    std::map<std::string, QString> menuKeys;
    for (const MenuEntry& entry : MainMenu()) {
        const size_t slash = entry.path.find('/');
        QAction* action = nullptr;
        if (slash == std::string::npos) {
            action = menuBar()->addAction(WithAltKey(ShownText(entry.path), barKeys));
        } else {
            const std::string top = entry.path.substr(0, slash);
            QMenu*& menu = topMenus_[top];
            if (!menu) {
                menu = menuBar()->addMenu(WithAltKey(ShownText(top), barKeys));
                menu->setObjectName(ShownText(top));
                menu->setToolTipsVisible(true);
            }
            action =
                menu->addAction(WithAltKey(ShownText(entry.path.substr(slash + 1)), menuKeys[top]));
        }
        action->setObjectName(QString::fromStdString(entry.handler));
        action->setData(ShownText(entry.path));
        action->setStatusTip(QString::fromUtf8(HintOf(entry.handler)));
        action->setShortcut(ShortcutOf(entry.handler));
        if (const MenuCommand command = entry.command) {
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
        QAction* action = menuActions_[i];
        const std::string top = TopCaption(entry.path);
        const bool blocked = !state.editMenusEnabled && (top == kEditMenu || top == kPrintMenu);
        const QString why = WhyDisabled(entry, blocked);
        action->setEnabled(why.isEmpty());
        const QString hint = action->statusTip();
        action->setToolTip(!why.isEmpty() ? why : hint.isEmpty() ? action->iconText() : hint);
        action->setVisible(!entry.developerOnly || developer);
    }
    if (QMenu* menu = TopMenu(kDeveloperMenu))
        menu->menuAction()->setVisible(state.developerMenuVisible);
    if (QMenu* menu = TopMenu(kPrintMenu)) menu->setEnabled(state.editMenusEnabled);
}

} // namespace tev
