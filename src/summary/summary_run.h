#pragma once
// The summary of every table over chosen schools ("Statistik  Zusammenfassung"): the school
// choice, the two passes over the data set files, and the display.
#include "shell/engine.h"

#include <optional>
#include <string>

namespace tev {

// The marks of the schools that take part: every mark without test marks, else the user's
// choice. Nothing when the choice is cancelled.
std::optional<std::string> ChooseMarkSet(Engine& engine, bool withTestMarks);

// Reads the chosen schools (or only redisplays the store of an earlier run), shows the
// window and offers the export.
void RunSummary(Engine& engine, bool withTestMarks);

// Rebuilds every grid of the summary window in the kind from the store; reads no file.
void ShowSummaryKind(Engine& engine, int kind);
// The button "Save" of the summary window: the display kind chosen from a list.
void SummarySaveClick(Engine& engine);
// "Quit": the window closes; the store stays for the next run.
void SummaryQuitClick(Engine& engine);

} // namespace tev
