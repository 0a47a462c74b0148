#pragma once
// Where printing goes: the printer of the window program, a PDF file of the command line, or
// a recording for the tests. Positions are in 0.1 mm from the top left of the page, y
// growing downwards; texts are engine texts (CP1252).
#include <memory>
#include <string>

namespace tev {

enum class PageOrientation { Portrait, Landscape };

struct PrintFont {
    std::string name = "Courier New"; // "Arial", "Courier New" or "MS LineDraw"
    int height = 40;                  // 0.1 mm
    bool bold = false;
    bool italic = false;
    bool underline = false;
};

class PrintCanvas {
public:
    virtual ~PrintCanvas() = default;

    // False when the printer cannot take a document now.
    virtual bool Ready() { return true; }
    virtual bool BeginDocument(const std::string& title, PageOrientation orientation) = 0;
    virtual void NewPage() = 0;
    virtual void EndDocument() = 0;
    virtual bool InDocument() const = 0;
    virtual void SetOrientation(PageOrientation orientation) = 0;
    virtual void SetFont(const PrintFont& font) = 0;
    virtual void TextOut(int x, int y, const std::string& text) = 0;
    // Width of a text in the current font, in 0.1 mm.
    virtual int TextWidth(const std::string& text) = 0;
    virtual void Line(int x1, int y1, int x2, int y2) = 0;
    // The file the next document goes to when printing goes to files; empty for a printer.
    virtual std::string NextDocumentPath() const { return {}; }
};

} // namespace tev
