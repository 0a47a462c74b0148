#pragma once
// The loop every cross-school report runs: a range of the school list, each school loaded in
// turn, the progress gauge moving, and a click on it stopping the work at the next school.
#include "shell/engine.h"

#include <functional>
#include <optional>
#include <string>

namespace tev {

// 1-based lines of the school list.
struct SchoolRange {
    int first = 1;
    int last = 0;
};

// Asks for the range; nothing when the user cancels.
std::optional<SchoolRange> ChooseSchoolRange(Engine& engine, const std::string& title);

// Loads each school of the range and hands it to the report (its list index and whether its
// data set could be read). Once the gauge is hidden the remaining schools are passed over,
// but the loop still ends normally so the report can write its totals.
void ForEachSchool(Engine& engine, const SchoolRange& range,
                   const std::function<void(int index, bool loaded)>& work);

// Loads the schools of the range in turn as ForEachSchool does, until `found` answers true
// for one; returns that school's list index, or -1 when none did or the gauge was hidden.
int FindSchool(Engine& engine, const SchoolRange& range,
               const std::function<bool(int index, bool loaded)>& found);

// The extracts' loop: the same range, gauge and stop, but each school's data set file of the
// year suffix is read as text instead of loading the school; a school without the file is
// passed over. Returns the number of files read; `stopped` tells whether the gauge was hidden.
class DataSetText;
int ForEachSchoolFile(Engine& engine, const SchoolRange& range, const std::string& yearSuffix,
                      const std::function<void(int index, const DataSetText& text)>& work,
                      bool* stopped = nullptr);

} // namespace tev
