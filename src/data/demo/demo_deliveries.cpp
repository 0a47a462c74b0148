#include "data/demo/demo_deliveries.h"

#include "data/delivery_file.h"
#include "data/delivery_list.h"
#include "data/delivery_slip.h"
#include "data/demo/demo_places.h"
#include "data/demo/demo_write.h"
#include "output/codepage.h"
#include "output/text_routines.h"

#include <stdexcept>

namespace tev::demo {
namespace {

namespace fs = std::filesystem;

constexpr size_t kDeliveredSchools = 5;
constexpr size_t kNotYetDelivered = 3;
constexpr size_t kSlotsOnA = 3;

void MakeFolder(const fs::path& folder) {
    std::error_code error;
    fs::create_directories(folder, error);
    if (error)
        throw std::runtime_error("demo-data: cannot create " + folder.string() + ": " +
                                 error.message());
}

// The three files of one slot of a diskette, as the entry program names them.
void WriteSlot(const fs::path& drive, char digit, const DemoDelivery& delivery, int lastYear,
               int variant) {
    const DemoSchool& school = *delivery.school;
    DeliverySlip slip;
    slip.schoolNumber = school.number;
    slip.yearText = SchoolYearText(lastYear);
    slip.shortName = DosFromUtf8(school.shortName);
    slip.name = DosFromUtf8(school.name);
    slip.place = DosFromUtf8(DemoPlaces()[school.place].name);
    const std::string d(1, digit);
    WriteDemoFile(drive / ("stat" + d + ".dat"), DeliverySlipText(slip));
    const auto coded = EncodeDeliveryFile(delivery.dataSetText, variant,
                                          static_cast<uint16_t>(std::stoul(school.number)));
    WriteDemoFile(drive / ("STAL" + d + ".DAT"), std::string(coded.begin(), coded.end()));
    WriteDemoFile(drive / ("zeplist" + d + ".dat"), DemoLinesText(delivery.zepLines));
}

} // namespace

std::vector<const DemoSchool*> DemoDeliverySchools(const std::vector<DemoSchool>& schools,
                                                   int lastYear) {
    std::vector<const DemoSchool*> chosen;
    for (const auto& school : schools)
        if (chosen.size() < kNotYetDelivered && school.firstDataYear < lastYear &&
            school.lastDataYear == lastYear - 1)
            chosen.push_back(&school);
    for (const auto& school : schools)
        if (chosen.size() < kDeliveredSchools && school.firstDataYear <= lastYear &&
            school.lastDataYear >= lastYear)
            chosen.push_back(&school);
    return chosen;
}

void WriteDemoDeliveries(const fs::path& dir, const std::vector<DemoSchool>& schools,
                         const std::vector<DemoDelivery>& deliveries, int lastYear) {
    const fs::path driveA = dir / kDemoDriveA;
    const fs::path driveB = dir / kDemoDriveB;
    MakeFolder(driveA);
    MakeFolder(driveB);
    MakeFolder(dir / "eprdat");
    for (size_t i = 0; i < deliveries.size(); ++i) {
        const bool onA = i < kSlotsOnA;
        const char digit = static_cast<char>('1' + (onA ? i : i - kSlotsOnA));
        WriteSlot(onA ? driveA : driveB, digit, deliveries[i], lastYear, static_cast<int>(i % 8));
    }
    WriteDemoFile(dir / "laufwerke.ini", DemoLinesText({std::string("a=") + kDemoDriveA,
                                                        std::string("b=") + kDemoDriveB}));
    std::vector<std::string> entries;
    for (const auto& school : schools) {
        bool listed = true;
        for (const auto& delivery : deliveries)
            if (delivery.school == &school) listed = delivery.listed;
        if (listed) entries.push_back(PendingDeliveryEntry(school.number));
    }
    WriteDemoFile(dir / "eprdat" / "liefer.dat", DeliveryListText(entries));
}

} // namespace tev::demo
