#pragma once
// The pupil numbers report: per school and class level the classes, the pupils of the class
// table and of the two tracks, with sums, group subtotals and the schools whose tables
// disagree; saved as three CSV files and offered for printing.
#include "shell/engine.h"

namespace tev {

// tag 1: the short-report data sets (".16K"); tag 0: the October statistics (".16").
void SchlerzahlenKurzbericht1Click(Engine& engine, int tag);
void SchlerzahlenKurzberichtauswertung1Click(Engine& engine);
void SchlerzahlenOktoberstatistik1Click(Engine& engine);

} // namespace tev
