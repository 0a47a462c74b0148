#include "output/recording_canvas.h"

namespace tev {

bool RecordingCanvas::Ready() {
    if (busyTimes_ <= 0) return true;
    --busyTimes_;
    return false;
}

bool RecordingCanvas::BeginDocument(const std::string& title, PageOrientation orientation) {
    inDocument_ = true;
    page_ = 1;
    ++documents_;
    orientation_ = orientation;
    CanvasCall call(CanvasCall::Kind::Begin);
    call.text = title;
    call.orientation = orientation;
    call.page = page_;
    calls_.push_back(call);
    return true;
}

void RecordingCanvas::NewPage() {
    ++page_;
    CanvasCall call(CanvasCall::Kind::NewPage);
    call.orientation = orientation_;
    call.page = page_;
    calls_.push_back(call);
}

void RecordingCanvas::EndDocument() {
    calls_.emplace_back(CanvasCall::Kind::End);
    inDocument_ = false;
    page_ = 0;
}

void RecordingCanvas::SetOrientation(PageOrientation orientation) {
    orientation_ = orientation;
    CanvasCall call(CanvasCall::Kind::Orientation);
    call.orientation = orientation;
    call.page = page_;
    calls_.push_back(call);
}

void RecordingCanvas::SetFont(const PrintFont& font) {
    font_ = font;
    CanvasCall call(CanvasCall::Kind::Font);
    call.font = font;
    call.page = page_;
    calls_.push_back(call);
}

void RecordingCanvas::TextOut(int x, int y, const std::string& text) {
    CanvasCall call(CanvasCall::Kind::Text);
    call.x = x;
    call.y = y;
    call.text = text;
    call.font = font_;
    call.page = page_;
    calls_.push_back(call);
}

int RecordingCanvas::TextWidth(const std::string& text) {
    return static_cast<int>(text.size()) * charWidth_ * font_.height / 40;
}

void RecordingCanvas::Line(int x1, int y1, int x2, int y2) {
    CanvasCall call(CanvasCall::Kind::Line);
    call.x = x1;
    call.y = y1;
    call.x2 = x2;
    call.y2 = y2;
    call.page = page_;
    calls_.push_back(call);
}

std::vector<CanvasCall> RecordingCanvas::Texts() const {
    return Calls(CanvasCall::Kind::Text);
}

std::vector<CanvasCall> RecordingCanvas::Calls(CanvasCall::Kind kind) const {
    std::vector<CanvasCall> found;
    for (const auto& call : calls_) {
        if (call.kind == kind) found.push_back(call);
    }
    return found;
}

const CanvasCall* RecordingCanvas::FindText(const std::string& part) const {
    for (const auto& call : calls_) {
        if (call.kind == CanvasCall::Kind::Text && call.text.find(part) != std::string::npos)
            return &call;
    }
    return nullptr;
}

} // namespace tev
