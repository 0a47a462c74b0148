#pragma once
// A data directory with one school, "Schiller-Gym" 112233, and its data set of 2016/17,
// started and with the school selected: the ground of the load and save tests.
#include "shell/engine.h"
#include "shell/scripted_ui.h"
#include "support/engine_start.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

namespace tev::test {

inline const char* const kSchillerDataSet = ".;21;112233;2016/17;Schiller-Gym    \r\n"
                                            " 0;;5;6;7;8;9;10;11;zusammen\r\n"
                                            " 1;m\xE4nnlich;1;2;;;;;;\r\n"
                                            " 2;weiblich;3;;;;;;;\r\n"
                                            ".;34;112233;2016/17;Schiller-Gym    \r\n"
                                            " 1;Heim;4\r\n";

struct SchillerOffice : ::testing::Test {
    TempDir temp;
    ScriptedUi ui;
    Engine engine{ui, temp.path()};
    std::filesystem::path file = temp.path() / "TEV" / "SL112233.16";

    // Writes the school list and the data set, starts the engine and selects the school.
    void StartOffice() {
        SchoolNameLine school;
        school.shortName = "Schiller-Gym";
        WriteFile(temp.path() / "schulnam.dat", DosLines({school.Text()}));
        WriteFile(file, kSchillerDataSet);
        StartEngine(engine, ui, temp.path());
        engine.schoolList.itemIndex = 0;
    }
};

} // namespace tev::test
