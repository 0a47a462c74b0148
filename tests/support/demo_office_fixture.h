#pragma once
// A test fixture over one small demo office, made once for all tests of a suite: the reports'
// tests run on it one after the other.
#include "support/demo_sheets.h"

#include <gtest/gtest.h>
#include <initializer_list>
#include <map>
#include <string>
#include <vector>

namespace tev::test {

template <int Schools, int SchoolYearCode, int Seed> struct DemoOfficeFixture : ::testing::Test {
    static inline DemoSheets* office = nullptr;
    static void SetUpTestSuite() { office = new DemoSheets(Schools, SchoolYearCode, Seed); }
    static void TearDownTestSuite() {
        delete office;
        office = nullptr;
    }
    Engine& engine() { return office->engine(); }
    ScriptedUi& ui() { return office->ui(); }
    // The answers of the next command, in order.
    void Answer(std::initializer_list<std::string> answers) {
        ui().ClearAnswers();
        for (const auto& answer : answers)
            ui().AddAnswer(answer);
    }
    std::string DataFile(int index) const {
        return ReadFile(
            office->office() / "TEV" /
            ("SL" + office->SchoolNumber(index) + "." + std::to_string(SchoolYearCode % 100)));
    }
};

// The data lines of a table block of a data set file, read by hand: row number -> fields
// (the row number first, then the cells from column 0).
std::map<int, std::vector<std::string>> DataSetBlock(const std::string& fileText,
                                                     const std::string& table);

} // namespace tev::test
