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

// What a test list stands for, and the line that says so.
struct TestVerdict {
    DataTestStatus status = DataTestStatus::Missing;
    std::string line;
};

// The status of a test list is that of its first line ("F" faulty, "S" passed), or of its last
// when the first says neither. A passed test with a question mark in its verdict or in a remark
// below it is doubtful ("?"); the line is the one carrying the question.
TestVerdict JudgeTestLines(const std::vector<std::string>& findings);

// The ZEP list file of a school for the selected year.
std::string ZepListFile(const Engine& engine, const std::string& schoolNumber);

void Testen1Click(Engine& engine);
// "Testen"; with `findingLines` also one line per finding of every tested school: the school
// number, then the finding as FindingCsvLine writes it.
void RunDataTest(Engine& engine, std::vector<std::string>* findingLines);
void Fehl1Click(Engine& engine);
void NachForderung1Click(Engine& engine);

} // namespace tev
