#include "output/codepage.h"
#include "output/print_document.h"
#include "output/print_window.h"

#include <algorithm>

namespace tev {
namespace {

constexpr int kSecondColumnX = 1000;
constexpr int kSecondColumnTop = 100;
constexpr int kDefaultPrintSize = 30;

int LineHeight(const std::vector<std::string>& lines, const TextWindowRange& range, int printSize) {
    if (printSize != kDefaultPrintSize) return std::clamp(printSize, 20, 50);
    size_t longest = 100;
    for (int i = range.from; i <= range.to; ++i)
        longest = std::max(longest, lines[i].size());
    return std::max(22, static_cast<int>(3330 / longest));
}

} // namespace

TextWindowRange TextWindowPrintRange(const TextWindowPrint& request, int lineCount) {
    TextWindowRange range;
    const int last = lineCount - 1;
    const int current = std::clamp(request.currentLine, 0, std::max(0, last));
    if (request.multi && 1 <= request.first && request.first < request.last &&
        request.last <= lineCount) {
        return {"markierten Text", request.first - 1, request.last - 1};
    }
    const int width = std::max(1, request.labelWidth);
    const int quarter = std::clamp(4 * request.clickX / width, 0, 3);
    if (quarter == 0) return {"bis akt.Zeile", 0, current};
    if (quarter == 3) return {"ab akt.Zeile", current, last};
    return {"ganze Box", 0, last};
}

bool PrintTextWindow(Engine& engine, const std::vector<std::string>& lines,
                     const TextWindowPrint& request) {
    if (!engine.printer) return false;
    if (!engine.printer->Ready()) {
        engine.services.messages.ShowInfo(Win("Drucker ist beschäftigt"));
        return false;
    }
    if (lines.empty()) return false;
    const TextWindowRange range = TextWindowPrintRange(request, static_cast<int>(lines.size()));
    if (!engine.services.messages.AskYesNo(range.name + " wirklich drucken?")) return false;
    if (!OpenPrintDocument(engine, request.caption)) return false;

    PrintCanvas& canvas = *engine.printer;
    PrintState& print = engine.print;
    print.pageCounter = 0;
    PrintFont font;
    font.name = request.fontName;
    font.height = kHeaderHeight;
    canvas.SetFont(font);
    canvas.TextOut(kLeftMargin, print.cursor, request.caption);
    print.cursor += 50;
    font.height = LineHeight(lines, range, request.printSize);
    canvas.SetFont(font);
    int x = kLeftMargin;
    for (int i = range.from; i <= range.to; ++i) {
        if (print.cursor > kBreakLimit) {
            if (request.listColumns >= 2 && x == kLeftMargin) {
                x = kSecondColumnX;
                print.cursor = kSecondColumnTop;
            } else {
                StartFurtherPage(engine, request.caption, font.name, false);
                canvas.SetFont(font);
                x = kLeftMargin;
            }
        }
        canvas.TextOut(x, print.cursor, lines[i]);
        print.cursor += font.height + 1;
    }
    EndPrintDocument(engine);
    return true;
}

} // namespace tev
