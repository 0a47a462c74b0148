#include "data/delivery_list.h"

#include "data/school_header.h"

#include <algorithm>

namespace tev {
namespace {

constexpr size_t kEntryTextSize = kDeliveryEntrySize - 2;

std::string HeaderLine() {
    return FixedWidth("TEV-Lieferliste", kDeliveryListHeaderSize - 2) + "\r\n";
}

} // namespace

std::vector<std::string> DeliveryListEntries(const std::string& bytes) {
    std::vector<std::string> entries;
    for (size_t at = kDeliveryListHeaderSize;
         at + kEntryTextSize <= bytes.size() && entries.size() < kDeliveryListMaxEntries;
         at += kDeliveryEntrySize)
        entries.push_back(bytes.substr(at, kEntryTextSize));
    return entries;
}

int FindDeliveryEntry(const std::vector<std::string>& entries, const std::string& schoolNumber) {
    const auto found = std::find_if(entries.begin(), entries.end(), [&](const std::string& entry) {
        return entry.compare(0, 6, schoolNumber) == 0;
    });
    return found == entries.end() ? 0 : static_cast<int>(found - entries.begin()) + 1;
}

std::string DeliveryEntry(const std::string& schoolNumber, const std::string& yearDigits,
                          const std::string& dateText) {
    return FixedWidth(schoolNumber, 6) + " " + FixedWidth(yearDigits, 2) + " " +
           FixedWidth(dateText, 10) + " E";
}

std::string PendingDeliveryEntry(const std::string& schoolNumber) {
    return FixedWidth(schoolNumber, 6) + std::string(kEntryTextSize - 6, ' ');
}

std::string DeliveryListWithEntry(std::string bytes, int index, const std::string& entry) {
    if (index < 1) return bytes;
    if (bytes.size() < kDeliveryListHeaderSize) bytes = HeaderLine();
    const size_t at = kDeliveryListHeaderSize + static_cast<size_t>(index - 1) * kDeliveryEntrySize;
    if (bytes.size() < at + kDeliveryEntrySize) bytes.resize(at + kDeliveryEntrySize, ' ');
    bytes.replace(at, kDeliveryEntrySize, FixedWidth(entry, kEntryTextSize) + "\r\n");
    return bytes;
}

std::string DeliveryListText(const std::vector<std::string>& entries) {
    std::string text = HeaderLine();
    for (const auto& entry : entries)
        text += FixedWidth(entry, kEntryTextSize) + "\r\n";
    return text;
}

} // namespace tev
