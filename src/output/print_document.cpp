#include "output/print_document.h"

#include "output/codepage.h"
#include "output/text_routines.h"

#include <algorithm>
#include <ctime>

namespace tev {
namespace {

PageOrientation Orientation(const PrintState& print) {
    return print.landscape ? PageOrientation::Landscape : PageOrientation::Portrait;
}

std::string ClockText() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    const uint32_t time =
        static_cast<uint32_t>((local.tm_hour << 11) | (local.tm_min << 5) | (local.tm_sec / 2));
    return DateTimeText(time).substr(9, 5);
}

void SetFont(PrintCanvas& canvas, const std::string& name, int height) {
    PrintFont font;
    font.name = name;
    font.height = height;
    canvas.SetFont(font);
}

} // namespace

bool PrinterReady(Engine& engine) {
    if (!engine.printer) {
        engine.services.log.Write("PrinterReady: kein Drucker");
        return false;
    }
    while (!engine.printer->Ready()) {
        if (engine.ui().AskYesNoCancel(Win("Drucker ist beschäftigt"), false) != YesNoCancel::Yes)
            return false;
    }
    return true;
}

bool OpenPrintDocument(Engine& engine, const std::string& title) {
    if (!engine.printer) return false;
    PrintCanvas& canvas = *engine.printer;
    PrintState& print = engine.print;
    canvas.SetOrientation(Orientation(print));
    if (canvas.InDocument()) {
        // A page cannot turn half-way: a landscape print after a small grid starts anew.
        if (!print.continueOnPage || print.landscape) {
            canvas.NewPage();
            print.cursor = kPageTop;
        }
    } else {
        if (!canvas.BeginDocument(title, Orientation(print))) return false;
        print.cursor = kPageTop;
    }
    print.continueOnPage = false;
    print.pageCounter = 1;
    return true;
}

void EndPrintDocument(Engine& engine) {
    PrintState& print = engine.print;
    if (engine.printer) {
        if (engine.printer->InDocument() && !(print.controlFlags & kPrintKeepDocumentOpen))
            engine.printer->EndDocument();
        engine.printer->SetOrientation(PageOrientation::Portrait);
    }
    print.landscape = false;
    print.cursor = kPageTop;
    print.continueOnPage = false;
}

void ReportUnsavedPrint(Engine& engine, const std::string& name) {
    engine.services.messages.ShowInfo(Win("nicht gespeichert, nur gedruckt: ") + name);
}

void ShowPrintProgress(Engine& engine, const std::string& name) {
    PrintState& print = engine.print;
    print.progressName = name.substr(0, 35);
    print.progressText = (print.progressName + " wird gedruckt").substr(0, 49);
    print.printing = true;
}

void ShowPrintDone(Engine& engine, const std::string& name) {
    PrintState& print = engine.print;
    print.progressName = name.substr(0, 35);
    print.progressText = (print.progressName + " ist gedruckt").substr(0, 49);
    print.printing = false;
}

std::string PrintDateText(const Engine& engine) {
    const Date& today = engine.startup.today;
    return DateText(PackDate(today.year, today.month, today.day));
}

std::vector<std::string> TitleLines(const std::string& title) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (;;) {
        const size_t end = title.find('\r', start);
        lines.push_back(title.substr(start, end - start));
        if (end == std::string::npos) break;
        start = end + 1;
    }
    return lines;
}

namespace {

// The date stands at its place unless the heading beside it is longer; then just after it.
int DateX(PrintCanvas& canvas, const std::string& heading) {
    return std::max(kDateX, kLeftMargin + canvas.TextWidth(heading) + kHeaderHeight);
}

} // namespace

void PrintPageHeader(Engine& engine, const std::string& title, const std::string& fontName) {
    PrintCanvas& canvas = *engine.printer;
    PrintState& print = engine.print;
    SetFont(canvas, fontName, kHeaderHeight);
    const std::vector<std::string> lines = TitleLines(title);
    canvas.TextOut(DateX(canvas, lines.front()), print.cursor, PrintDateText(engine));
    if (!print.mark.empty()) {
        SetFont(canvas, fontName, 21);
        canvas.TextOut(1800, print.cursor, ClockText());
        canvas.TextOut(1780, print.cursor + 21, "(" + print.mark.substr(0, 13) + ")");
        SetFont(canvas, fontName, kHeaderHeight);
    }
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) print.cursor += kHeaderHeight;
        canvas.TextOut(kLeftMargin, print.cursor, lines[i]);
    }
    print.cursor += 50;
}

void StartFurtherPage(Engine& engine, const std::string& heading, const std::string& fontName,
                      bool withDate) {
    PrintCanvas& canvas = *engine.printer;
    PrintState& print = engine.print;
    canvas.NewPage();
    ++print.pageCounter;
    print.cursor = kPageTop;
    SetFont(canvas, fontName, kHeaderHeight);
    const std::string text = heading + "   -" + std::to_string(print.pageCounter) + "-";
    canvas.TextOut(kLeftMargin, print.cursor, text);
    if (withDate) canvas.TextOut(DateX(canvas, text), print.cursor, PrintDateText(engine));
    print.cursor += 50;
}

bool PageBreakDue(const PrintState& print, int remaining, int height) {
    if (print.cursor <= print.BreakLimit()) return false;
    return remaining > (print.BottomLimit() - print.cursor) / std::max(1, height);
}

} // namespace tev
