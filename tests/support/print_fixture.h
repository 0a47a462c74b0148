#pragma once
// An engine with the scripted user and a recording printer, for the print and save tests.
#include "output/recording_canvas.h"
#include "shell/engine.h"
#include "shell/scripted_ui.h"
#include "support/test_support.h"

#include <gtest/gtest.h>
#include <memory>

namespace tev::test {

struct PrintFixture : ::testing::Test {
    TempDir temp;
    ScriptedUi ui;
    Engine engine{ui, temp.path()};
    RecordingCanvas* canvas = nullptr;

    PrintFixture() {
        auto recording = std::make_unique<RecordingCanvas>();
        canvas = recording.get();
        engine.printer = std::move(recording);
        engine.startup.today = {2016, 11, 20};
    }

    // The texts printed in the line font (not the 40 high headers), in order.
    std::vector<CanvasCall> LineTexts(int height) const {
        std::vector<CanvasCall> found;
        for (const auto& call : canvas->Texts()) {
            if (call.font.height == height) found.push_back(call);
        }
        return found;
    }
    int Count(CanvasCall::Kind kind) const { return static_cast<int>(canvas->Calls(kind).size()); }
    std::string File(const std::string& name) const { return ReadFile(temp.path() / name); }
};

// "Zeile 1", "Zeile 2", ...
inline std::vector<std::string> NumberedLines(int count, const std::string& stem = "Zeile ") {
    std::vector<std::string> lines;
    for (int i = 1; i <= count; ++i)
        lines.push_back(stem + std::to_string(i));
    return lines;
}

} // namespace tev::test
