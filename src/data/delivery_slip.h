#pragma once
// The delivery set file "stat1.dat" (or "stat2.dat", "stat3.dat", "stat.dat") that the
// schools' entry program puts on the diskette beside the coded data set: it names the school
// and the school year of the delivery. Text lines ended by CR LF, in the DOS code page:
//   STAT;<school number, 6 digits>;<school year text, 2016/17>;<short name, 16>
//   <school name, 30>;<place, 16>
#include <optional>
#include <string>

namespace tev {

struct DeliverySlip {
    std::string schoolNumber; // six digits
    std::string yearText;     // "2016/17"
    std::string shortName;
    std::string name;
    std::string place;
    // The two digits of the year in data set file names ("16").
    std::string YearDigits() const { return yearText.substr(2, 2); }
};

std::string DeliverySlipText(const DeliverySlip& slip);
// Empty when the bytes are no delivery set file (no "STAT" line, a school number that is not
// six digits, a year text that is not of the form 2016/17).
std::optional<DeliverySlip> ParseDeliverySlip(const std::string& bytes);

} // namespace tev
