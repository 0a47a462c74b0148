#include "data/delivery_slip.h"

#include "data/school_header.h"
#include "output/text_routines.h"

#include <algorithm>
#include <cctype>
#include <vector>

namespace tev {
namespace {

bool AllDigits(const std::string& text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
        return std::isdigit(static_cast<unsigned char>(c)) != 0;
    });
}

std::string LineAt(const std::string& bytes, size_t& from) {
    if (from >= bytes.size()) return {};
    const size_t end = std::min(bytes.find('\n', from), bytes.size());
    std::string line = TrimRight(bytes.substr(from, end - from));
    from = end + 1;
    return line;
}

} // namespace

std::string DeliverySlipText(const DeliverySlip& slip) {
    return "STAT;" + slip.schoolNumber + ";" + slip.yearText + ";" +
           FixedWidth(slip.shortName, 16) + "\r\n" + FixedWidth(slip.name, 30) + ";" +
           FixedWidth(slip.place, 16) + "\r\n";
}

std::optional<DeliverySlip> ParseDeliverySlip(const std::string& bytes) {
    size_t position = 0;
    const std::vector<std::string> fields = SplitFields(LineAt(bytes, position));
    if (fields.size() < 3 || fields[0] != "STAT") return std::nullopt;
    DeliverySlip slip;
    slip.schoolNumber = fields[1];
    slip.yearText = fields[2];
    if (slip.schoolNumber.size() != 6 || !AllDigits(slip.schoolNumber)) return std::nullopt;
    if (slip.yearText.size() != 7 || slip.yearText[4] != '/' ||
        !AllDigits(slip.yearText.substr(0, 4)) || !AllDigits(slip.yearText.substr(5)))
        return std::nullopt;
    if (fields.size() > 3) slip.shortName = Trim(fields[3]);
    const std::vector<std::string> second = SplitFields(LineAt(bytes, position));
    if (!second.empty()) slip.name = Trim(second[0]);
    if (second.size() > 1) slip.place = Trim(second[1]);
    return slip;
}

} // namespace tev
