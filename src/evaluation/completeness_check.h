#pragma once
// The data test of all schools: each school's data set loaded and tested, its list line
// marked, the faulty ones listed with their findings, and the lists that follow from the
// marks.
#include "shell/engine.h"

#include <string>
#include <vector>

namespace tev {

enum class DataTestStatus {
    Missing = 0,
    Faulty = 1,
    Ok = 2,
    ZepMissing = 3,
    ZepPresent = 4,
    Doubtful = 5
};

// The six 24-character texts of the protocol; their first characters are the marks.
const std::vector<std::string>& DataTestTexts();

// The status a test list stands for: its first line, or its last when the first says nothing;
// a passed verdict with a question mark is doubtful.
DataTestStatus ClassifyTestLines(const std::vector<std::string>& findings);

// The ZEP list file of a school for the selected year.
std::string ZepListFile(const Engine& engine, const std::string& schoolNumber);

void Testen1Click(Engine& engine);
void Fehl1Click(Engine& engine);
void NachForderung1Click(Engine& engine);

} // namespace tev
