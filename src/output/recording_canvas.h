#pragma once
// A print canvas that records every call, for tests and for checking print layouts.
#include "output/print_canvas.h"

#include <string>
#include <vector>

namespace tev {

struct CanvasCall {
    enum class Kind { Begin, NewPage, End, Orientation, Font, Text, Line };
    explicit CanvasCall(Kind callKind) : kind(callKind) {}
    Kind kind;
    int x = 0;
    int y = 0;
    int x2 = 0;
    int y2 = 0;
    std::string text; // text, document title
    PrintFont font;   // the font in force (Font, Text)
    PageOrientation orientation = PageOrientation::Portrait;
    int page = 0; // 1-based page of the document; 0 outside a document
};

class RecordingCanvas : public PrintCanvas {
public:
    // Ready() answers false this many times before it answers true.
    void SetBusyTimes(int times) { busyTimes_ = times; }
    // Each text is charWidth per character wide, times the font height / 40.
    void SetCharWidth(int width) { charWidth_ = width; }

    bool Ready() override;
    bool BeginDocument(const std::string& title, PageOrientation orientation) override;
    void NewPage() override;
    void EndDocument() override;
    bool InDocument() const override { return inDocument_; }
    void SetOrientation(PageOrientation orientation) override;
    void SetFont(const PrintFont& font) override;
    void TextOut(int x, int y, const std::string& text) override;
    int TextWidth(const std::string& text) override;
    void Line(int x1, int y1, int x2, int y2) override;

    const std::vector<CanvasCall>& calls() const { return calls_; }
    std::vector<CanvasCall> Texts() const;
    std::vector<CanvasCall> Calls(CanvasCall::Kind kind) const;
    // The first text call whose text contains `part`; nullptr when none.
    const CanvasCall* FindText(const std::string& part) const;
    int documents() const { return documents_; }

private:
    std::vector<CanvasCall> calls_;
    PrintFont font_;
    PageOrientation orientation_ = PageOrientation::Portrait;
    bool inDocument_ = false;
    int page_ = 0;
    int documents_ = 0;
    int busyTimes_ = 0;
    int charWidth_ = 24;
};

} // namespace tev
