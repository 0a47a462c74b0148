#include "sheet/hours_columns.h"

#include "sheet/subject_tables.h"

#include <string>

namespace tev {
namespace {

// As table 9.1 is headed: column 16 carries "Son".
constexpr const char* kStandardCodes[kHoursSubjectColumns] = {
    "EvR", "KR",  "D", "Ek", "G",  "Gk",  "E",   "F",  "L",  "Gr", "Ru", "I",
    "Sp",  "Son", "M", "Ph", "Ch", "Bio", "Nat", "SM", "SW", "Mu", "BK", "Eth"};

// The same order spelled as positions; the standard list is trusted only while both agree.
constexpr std::array<int, kHoursSubjectColumns> kReference = {
    12, 13, 1, 10, 9, 11, 2, 3, 4, 5, 6, 30, 31, 37, 15, 16, 17, 18, 36, 19, 20, 8, 7, 14};

} // namespace

const std::array<int, kHoursSubjectColumns>& StandardHoursSubjects() {
    static const std::array<int, kHoursSubjectColumns> standard = [] {
        std::array<int, kHoursSubjectColumns> positions{};
        for (int i = 0; i < kHoursSubjectColumns; ++i)
            positions[i] = SubjectIndexOf(kStandardCodes[i]);
        return positions;
    }();
    return standard;
}

int CheckHoursColumns(Sheet& sheet, const TraceLog* log) {
    auto& working = sheet.record.hours91.subjectIndex;
    const auto& standard = StandardHoursSubjects();
    int repaired = 0;
    for (int i = 0; i < kHoursSubjectColumns; ++i) {
        auto& entry = working[kFirstHoursSubjectColumn + i];
        if (entry == standard[i] || standard[i] != kReference[i]) continue;
        entry = static_cast<uint8_t>(standard[i]);
        ++repaired;
    }
    if (repaired > 0 && log != nullptr)
        log->Write("ZepSt2.test_matpoi9: " + std::to_string(repaired));
    return repaired;
}

} // namespace tev
