// The main window's menus, built from the menu table, with a letter for Alt in every caption.
#include "output/qt_texts.h"
#include "shell/engine.h"
#include "shell/main_window.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <map>
#include <utility>
#include <vector>

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

using Captions = std::vector<std::pair<QAction*, QString>>;

// Puts "&" before the letter Alt takes in each caption of one menu: first every caption's first
// letter while still free (so that "Info" keeps its "I" even after "Diverses"), then the first
// letter of a later word, then any letter or digit.
void AssignAltKeys(const Captions& captions) {
    QString used;
    std::vector<qsizetype> chosen(captions.size(), -1);
    auto tryTake = [&](size_t n, qsizetype i) {
        const QChar c = captions[n].second[i];
        if (!AltKey(c) || used.contains(c.toLower())) return false;
        chosen[n] = i;
        used += c.toLower();
        return true;
    };
    for (size_t n = 0; n < captions.size(); ++n) {
        if (!captions[n].second.isEmpty()) tryTake(n, 0);
    }
    for (size_t n = 0; n < captions.size(); ++n) {
        const QString& caption = captions[n].second;
        for (qsizetype i = 1; i < caption.size() && chosen[n] < 0; ++i) {
            if (!caption[i - 1].isLetterOrNumber()) tryTake(n, i);
        }
    }
    for (size_t n = 0; n < captions.size(); ++n) {
        for (qsizetype i = 0; i < captions[n].second.size() && chosen[n] < 0; ++i)
            tryTake(n, i);
    }
    for (size_t n = 0; n < captions.size(); ++n) {
        const QString& caption = captions[n].second;
        QString text;
        for (qsizetype i = 0; i < caption.size(); ++i) {
            if (i == chosen[n]) text += '&';
            text += caption[i];
            if (caption[i] == '&') text += '&';
        }
        captions[n].first->setText(text);
    }
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
    Captions bar;
    std::map<std::string, Captions> menus;
    for (const MenuEntry& entry : MainMenu()) {
        const size_t slash = entry.path.find('/');
        QAction* action = nullptr;
        if (slash == std::string::npos) {
            action = menuBar()->addAction(QString());
            bar.emplace_back(action, ShownText(entry.path));
        } else {
            const std::string top = entry.path.substr(0, slash);
            QMenu*& menu = topMenus_[top];
            if (!menu) {
                menu = menuBar()->addMenu(QString());
                menu->setObjectName(ShownText(top));
                menu->setToolTipsVisible(true);
                bar.emplace_back(menu->menuAction(), ShownText(top));
            }
            action = menu->addAction(QString());
            menus[top].emplace_back(action, ShownText(entry.path.substr(slash + 1)));
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
    AssignAltKeys(bar);
    for (const auto& [top, captions] : menus)
        AssignAltKeys(captions);
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
