#pragma once
// The demo office: a data directory with the school-name file, several hundred schools'
// data set files for a run of school years, the ZEP lists, the nationality and definition
// lists and the text templates, all made up but with figures that agree with each other the
// way real schools' do, except for a documented share of deliberate faults.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace tev {

inline constexpr int kDemoFirstYearCode = 113; // 2013/14
inline constexpr int kDemoLastYearCode = 129;  // 2029/30
inline constexpr int kDemoMaxSchools = 600;    // the school list keeps the order of 600

struct DemoOptions {
    int schools = 450;
    uint64_t seed = 1;
    int firstYear = 114; // school year codes (years since 1900)
    int lastYear = 124;
};

enum class DemoFaultKind {
    OriginTotal,          // 2.2: one class level's total is one more than in 1.1+1.8
    BirthYearsMissing,    // 2.4: not filled in
    GirlsAboveTotal,      // 1.1 or 1.8: more girls than pupils at one class level
    TooManyNotPromoted,   // 2.1: more than a tenth of the pupils not promoted
    ForeignersMismatch,   // 2.3: more foreign pupils than 1.1+1.8 count
    ForbiddenNationality, // 2.3: a nationality code that is no longer allowed
    ClassTableMismatch,   // 1.2: one class has a pupil more than 1.1+1.8 count
    ResidenceMismatch,    // 4.1 (and 4.2): one pupil more than 1.1+1.8 count
    AbiturMismatch,       // 8.3: one certificate more than 3.2 counts
    HoursPupilMismatch,   // 9.1: one pupil more at a class level than 1.1+1.8 count
    SportsCertificates,   // 3.3: more certificates than participants
    MissingDataSet,       // no data set file for the year (new, closed or not delivered)
    MissingZepList,       // no ZEP list for the year
};

struct DemoFault {
    std::string schoolNumber;
    int schoolYearCode = 0;
    DemoFaultKind kind = DemoFaultKind::OriginTotal;
    std::string table; // "2.2", "-" for missing files
    int level = 0;     // class level 5..11, 12 for Jgst.1, 13 for Jgst.2, 0 for none
    std::string detail;
};

struct DemoOfficeResult {
    int dataSetFiles = 0;
    int zepLists = 0;
    int deliveries = 0;            // on the diskette folders "Diskette-A" and "Diskette-B"
    std::vector<DemoFault> faults; // in the order of demo-fehler.txt
    std::vector<int> pupils;       // all pupils of the data set files, per school year
};

// Writes the office into dir (created when missing). Refuses a directory that already holds
// an office ("schulnam.dat" or "TEV"), so that no real data are ever overwritten. Throws
// std::runtime_error with a clear message on failure.
DemoOfficeResult WriteDemoOffice(const std::filesystem::path& dir, const DemoOptions& options);

// The fault list "demo-fehler.txt" of a demo office, read back.
std::vector<DemoFault> ReadDemoFaultFile(const std::filesystem::path& file);
// Short ASCII code of a kind as the fault list writes it ("summe22"), and back.
std::string DemoFaultCode(DemoFaultKind kind);
bool DemoFaultKindOfCode(const std::string& code, DemoFaultKind& kind);
// The plausibility test's messages (CP1252, the fixed parts) that the fault raises, in test
// order; "<Klst>" stands for the fault's class level, "<Zeile>" for a row label. Missing
// files raise none: the completeness test marks them instead.
std::vector<std::string> DemoFaultFindings(const DemoFault& fault);

} // namespace tev
