#pragma once
// "Zentrale Klassenarbeit: Schülerzahlen -> ZKSch.txt": the class-9 pupils per test subject of
// every school, keyed as the school master file "schulen.txt" keys them, for the central class
// test; the master file is written back with the schools' pupil numbers as "schulen_.txt".
#include "data/table_blocks.h"
#include "shell/engine.h"

namespace tev {

// A school's class-9 pupils: all of them (they write German and mathematics) and those
// learning English, French and Latin (from the language sequences); the school's total.
struct CentralTestCounts {
    int all = 0;
    int english = 0;
    int french = 0;
    int latin = 0;
    int pupils = 0;
};
CentralTestCounts CentralTestCountsOf(const DataSetText& text);

void ZentraleKlassenarbeit1Click(Engine& engine);

} // namespace tev
