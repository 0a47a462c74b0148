#include "output/print_list.h"

#include "output/codepage.h"
#include "output/print_document.h"
#include "output/save_files.h"
#include "output/text_routines.h"

#include <algorithm>
#include <cstdlib>

namespace tev {
namespace {

enum class ListChoice { Cancel, Print, Save, SaveAndPrint };

struct ListTitle {
    std::vector<std::string> saveNames;
    bool spaced = false;
    bool continueDocument = false;
    bool noDialog = false;
    bool showFirst = false;
    int repeat = 0; // first lines repeated below every further page heading
    std::string text;
};

ListTitle ParseListTitle(const std::string& title) {
    ListTitle parsed;
    std::string_view rest = title;
    while (rest.size() >= 2 && rest[0] == '\0' && rest[1] == '\xFE') {
        const size_t end = rest.find('\0', 2);
        parsed.saveNames.emplace_back(
            rest.substr(2, end == std::string_view::npos ? rest.npos : end - 2));
        rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
    }
    auto take = [&rest](char code) {
        if (rest.empty() || rest.front() != code) return false;
        rest.remove_prefix(1);
        return true;
    };
    parsed.spaced = take('_');
    parsed.continueDocument = take('\\');
    if (!parsed.continueDocument) {
        parsed.noDialog = take('-');
        if (!parsed.noDialog) parsed.showFirst = take('+');
    }
    if (!rest.empty() && rest.front() >= '\x01' && rest.front() <= '\x03') {
        parsed.repeat = rest.front();
        rest.remove_prefix(1);
    }
    parsed.text = std::string(rest);
    return parsed;
}

ListChoice AskListChoice(Engine& engine, const ListTitle& title,
                         const std::vector<std::string>& lines) {
    Ui& ui = engine.ui();
    if (title.showFirst) ui.ShowLines(lines, title.text);
    OptionRequest request;
    request.caption =
        title.text + "\r\r" + lines[0] + "\r" + (lines.size() > 1 ? lines[1] : "") + "\r...";
    FillItems(request.options, "wirklich drucken;speichern als *.txt;speichern+drucken;anschauen");
    for (;;) {
        switch (ui.ChooseOption(request)) {
        case 1:
            return ListChoice::Print;
        case 2:
            return ListChoice::Save;
        case 3:
            return ListChoice::SaveAndPrint;
        case 4:
            ui.ShowLines(lines, title.text);
            break;
        default:
            return ListChoice::Cancel;
        }
    }
}

size_t LongestLine(const std::vector<std::string>& lines) {
    size_t longest = 0;
    for (const auto& line : lines)
        longest = std::max(longest, line.size());
    return longest;
}

// From 10 on the code's low byte is the height; below, the largest height from 40 down to 21 at
// which the longest line fits into 188 mm.
int ListLineHeight(Engine& engine, int fontCode, const std::string& fontName,
                   const std::vector<std::string>& lines) {
    const int size = static_cast<int>(std::labs(static_cast<long>(fontCode)) % 256);
    if (size >= 10) return size;
    PrintCanvas& canvas = *engine.printer;
    const auto longest = static_cast<long>(LongestLine(lines));
    PrintFont font;
    font.name = fontName;
    int tenWidth = 1;
    for (font.height = 40;; --font.height) {
        canvas.SetFont(font);
        tenWidth = std::max(1, canvas.TextWidth("....,....6"));
        if (font.height <= 21 || 18800 / tenWidth >= longest) break;
    }
    engine.services.log.Write(Win("PrintList Zeilenhöhe: ") + std::to_string(font.height) +
                              "  Breite(10 Zeichen): " + std::to_string(tenWidth) +
                              Win("  längste Zeile: ") + std::to_string(longest));
    return font.height;
}

void PrintLines(Engine& engine, const std::vector<std::string>& lines, const std::string& heading,
                const PrintFont& font, int xOffset, int repeat, bool spaced) {
    PrintCanvas& canvas = *engine.printer;
    PrintState& print = engine.print;
    const int count = static_cast<int>(lines.size());
    const int height = font.height;
    const int x = kLeftMargin + xOffset;
    canvas.SetFont(font);
    for (int i = 0; i < count; ++i) {
        std::string_view line = lines[i];
        if (!line.empty() && line.front() == '\f') {
            line.remove_prefix(1);
            canvas.NewPage();
            ++print.pageCounter;
            print.cursor = kPageTop;
        } else if (PageBreakDue(print, count - i, height)) {
            StartFurtherPage(engine, heading, font.name, true);
            canvas.SetFont(font);
            for (int r = 0; r < std::min(repeat, count); ++r) {
                canvas.TextOut(x, print.cursor, lines[r]);
                print.cursor += height;
            }
        }
        canvas.TextOut(x, print.cursor, std::string(line));
        print.cursor += height;
        if (spaced && (i + 1) % 5 == 0) print.cursor += height / 2;
    }
}

} // namespace

std::string ListFontName(int fontCode) {
    if (fontCode > 256) return "Arial";
    if (fontCode >= 1) return "Courier New";
    return "MS LineDraw";
}

bool PrintList(Engine& engine, const std::string& title, const std::vector<std::string>& lines,
               int xOffset, int fontCode, int gap) {
    if (lines.empty()) {
        if (gap < 0 && engine.print.cursor > kPageTop) EndPrintDocument(engine);
        return false;
    }
    ListTitle parsed = ParseListTitle(title);
    for (const auto& name : parsed.saveNames)
        SaveListText(engine, name, lines, parsed.text);
    if (!parsed.continueDocument && !parsed.noDialog) {
        const ListChoice choice = AskListChoice(engine, parsed, lines);
        if (choice == ListChoice::Cancel) return false;
        if (choice == ListChoice::Save || choice == ListChoice::SaveAndPrint) {
            const bool saved = SaveListText(engine, "", lines, parsed.text);
            if (choice == ListChoice::Save) return false;
            if (!saved) ReportUnsavedPrint(engine, TitleLines(parsed.text).front());
        }
    }
    // "\" continues the open document; with none open there is nothing to continue, so one
    // is begun (still without header).
    const bool needDocument =
        !parsed.continueDocument || !engine.printer || !engine.printer->InDocument();
    if (needDocument && (!PrinterReady(engine) || !OpenPrintDocument(engine, parsed.text)))
        return false;

    std::string& text = parsed.text;
    PrintFont font;
    font.name = ListFontName(fontCode);
    if (fontCode < 1) text = ToOemText(text);
    const std::string heading = TitleLines(text).front();
    ShowPrintProgress(engine, heading);
    if (!parsed.continueDocument) PrintPageHeader(engine, text, font.name);
    font.height = ListLineHeight(engine, fontCode, font.name, lines);
    PrintLines(engine, lines, heading, font, xOffset, parsed.repeat, parsed.spaced);
    ShowPrintDone(engine, heading);
    if (gap < 0) {
        EndPrintDocument(engine);
    } else {
        engine.print.cursor += gap;
    }
    return true;
}

bool PrintListBox(Engine& engine, const std::string& title, const std::vector<std::string>& lines,
                  int fontCode) {
    return PrintList(engine, title, lines, 0, fontCode, -1);
}

} // namespace tev
