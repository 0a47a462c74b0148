#pragma once
// "Auswerten allgemein": the summary of every table over chosen schools, started from the
// main window, with or without regard to the data test marks.
#include "shell/engine.h"

namespace tev {

// tag 1: with test marks (the data test runs first when no school is marked "+"); tag 0:
// every school of the range that has a data set.
void AuswertenClick(Engine& engine, int tag);
void AuswertenAllgemein1Click(Engine& engine);
void AuswertenOhneTestkennz1Click(Engine& engine);

} // namespace tev
