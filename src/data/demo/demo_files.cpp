// Writing the demo office: the school-name file, the lists and templates, the data set file
// of every school and year, the ZEP lists and the fault list.
#include "data/data_set_format.h"
#include "data/demo/demo_deliveries.h"
#include "data/demo/demo_faults.h"
#include "data/demo/demo_lists.h"
#include "data/demo/demo_places.h"
#include "data/demo/demo_random.h"
#include "data/demo/demo_schools.h"
#include "data/demo/demo_tables.h"
#include "data/demo/demo_write.h"
#include "output/codepage.h"
#include "output/text_routines.h"

#include <sstream>
#include <stdexcept>

namespace tev {
namespace {

namespace fs = std::filesystem;
using namespace demo;

// About one data set in 25 comes without the school's ZEP list.
constexpr int kZepMissingPercent = 4;

std::string YearDigits(int year) {
    return SchoolYearText(year).substr(2, 2);
}

void CheckOptions(const DemoOptions& options) {
    if (options.schools < 1 || options.schools > kDemoMaxSchools)
        throw std::runtime_error("demo-data: the number of schools must be 1 to " +
                                 std::to_string(kDemoMaxSchools));
    if (options.firstYear < kDemoFirstYearCode || options.lastYear > kDemoLastYearCode ||
        options.firstYear > options.lastYear)
        throw std::runtime_error("demo-data: the school years must lie within ." +
                                 YearDigits(kDemoFirstYearCode) + " to ." +
                                 YearDigits(kDemoLastYearCode));
}

SchoolHeader HeaderOf(const DemoSchool& school, int year) {
    SchoolHeader header;
    header.SetSchoolNumber(school.number);
    header.shortName = FixedWidth(DosFromUtf8(school.shortName), 16);
    header.name = FixedWidth(DosFromUtf8(school.name), 30);
    header.place = FixedWidth(DosFromUtf8(DemoPlaces()[school.place].name), 16);
    header.yearText = SchoolYearText(year);
    return header;
}

// The data set of one school year: every table filled and summed, a planned fault put in.
std::string DataSetText(const DemoSchool& school, const SchoolProfile& profile,
                        const SchoolYearFigures& figures, const DemoOptions& options,
                        DemoOfficeResult& result) {
    const int year = figures.year;
    SheetGrids grids;
    const DemoYearInput input{school, profile, figures};
    BuildDemoTables(grids, input);
    DemoFaultKind kind;
    if (FaultPlanned(options.seed, school.number, year, kind))
        if (auto fault = ApplyFault(grids, kind, input)) result.faults.push_back(*fault);
    std::ostringstream text;
    const SchoolHeader header = HeaderOf(school, year);
    for (const std::string& name : BlockOrder(year))
        WriteBlock(*grids.Find(name), header, text);
    return text.str();
}

bool ZepListMissing(const DemoOptions& options, const DemoSchool& school, int year) {
    DemoRandom random(
        MixSeed({options.seed, std::stoull(school.number), static_cast<uint64_t>(year), 0x2E}));
    return random.Below(100) < kZepMissingPercent;
}

DemoFault Missing(const DemoSchool& school, int year, DemoFaultKind kind, std::string detail) {
    DemoFault fault;
    fault.schoolNumber = school.number;
    fault.schoolYearCode = year;
    fault.kind = kind;
    fault.table = "-";
    fault.detail = std::move(detail);
    return fault;
}

std::string MissingReason(const DemoSchool& school, int year, const DemoOptions& options) {
    if (year < school.firstDataYear)
        return "neu in der Dienststelle, Daten ab " + SchoolYearText(school.firstDataYear);
    if (school.lastDataYear == options.lastYear - 1 && year == options.lastYear)
        return "Datensatz noch nicht geliefert";
    return "Schule geschlossen, letzte Daten " + SchoolYearText(school.lastDataYear);
}

void WriteSchool(const fs::path& dir, const DemoSchool& school, const DemoOptions& options,
                 DemoOfficeResult& result) {
    const SchoolProfile profile = ProfileOf(school);
    for (const SchoolYearFigures& figures :
         SimulateSchool(school, options.firstYear, options.lastYear)) {
        const int year = figures.year;
        const std::string suffix = "." + YearDigits(year);
        if (year < school.firstDataYear || year > school.lastDataYear) {
            result.faults.push_back(Missing(school, year, DemoFaultKind::MissingDataSet,
                                            MissingReason(school, year, options)));
            continue;
        }
        WriteDemoFile(dir / "TEV" / ("SL" + school.number + suffix),
                      DataSetText(school, profile, figures, options, result));
        ++result.dataSetFiles;
        result.pupils[year - options.firstYear] += figures.TotalPupils();
        if (ZepListMissing(options, school, year)) {
            result.faults.push_back(Missing(school, year, DemoFaultKind::MissingZepList,
                                            "ZEP-Liste ze" + school.number + suffix + " fehlt"));
            continue;
        }
        WriteDemoLines(dir / "ZEP" / ("ze" + school.number + suffix),
                       ZepListLines(school, figures));
        ++result.zepLists;
    }
}

// The deliveries carry the data set the school would have had in the office; faults planned
// for it stay in the delivery but are not listed, since the office has no such file yet.
void WriteDeliveries(const fs::path& dir, const std::vector<DemoSchool>& schools,
                     const DemoOptions& options, DemoOfficeResult& result) {
    std::vector<DemoDelivery> deliveries;
    for (const DemoSchool* school : DemoDeliverySchools(schools, options.lastYear)) {
        const SchoolYearFigures figures =
            SimulateSchool(*school, options.firstYear, options.lastYear).back();
        DemoOfficeResult scratch;
        deliveries.push_back({school,
                              DataSetText(*school, ProfileOf(*school), figures, options, scratch),
                              ZepListLines(*school, figures)});
    }
    // One school delivers without being in the delivery list, so that case can be tried too.
    if (deliveries.size() > 1) deliveries.back().listed = false;
    WriteDemoDeliveries(dir, schools, deliveries, options.lastYear);
    result.deliveries = static_cast<int>(deliveries.size());
}

} // namespace

DemoOfficeResult WriteDemoOffice(const fs::path& dir, const DemoOptions& options) {
    CheckOptions(options);
    std::error_code error;
    if (fs::exists(dir / "schulnam.dat", error) || fs::exists(dir / "TEV", error))
        throw std::runtime_error("demo-data: " + dir.string() +
                                 " already holds an office; choose a new or empty directory");
    fs::create_directories(dir / "TEV", error);
    if (!error) fs::create_directories(dir / "ZEP", error);
    if (error)
        throw std::runtime_error("demo-data: cannot create " + dir.string() + ": " +
                                 error.message());

    const std::vector<DemoSchool> schools = MakeDemoSchools(options);
    std::vector<std::string> nameLines;
    for (const auto& school : schools)
        nameLines.push_back(SchoolNameFileLine(school));
    nameLines.push_back(".Z");
    WriteDemoLines(dir / "schulnam.dat", nameLines);
    WriteDemoLines(dir / "stal_Nat.def", NationalityListLines());
    WriteDemoLines(dir / "schulen.txt", SchoolMasterFileLines(schools));
    for (int version = 1; version <= 3; ++version)
        WriteDemoLines(dir / WorkingGroupListName(version), WorkingGroupListLines(version));
    WriteDemoLines(dir / "stat2.mm", OverviewLines());
    WriteDemoLines(dir / "nachford.mm", RequestLetterLines());

    DemoOfficeResult result;
    result.pupils.assign(options.lastYear - options.firstYear + 1, 0);
    for (const auto& school : schools)
        WriteSchool(dir, school, options, result);
    WriteDeliveries(dir, schools, options, result);

    std::vector<std::string> faultLines = FaultFileHeader(options);
    for (const auto& fault : result.faults)
        faultLines.push_back(FaultFileLine(fault));
    WriteDemoLines(dir / "demo-fehler.txt", faultLines);
    return result;
}

} // namespace tev
