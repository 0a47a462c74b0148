#pragma once
// The office's delivery list "eprdat\liefer.dat": which schools are expected to deliver and
// when their last delivery was read. A header of 22 bytes, then one entry of 24 bytes per
// school, so that entry i (1-based) starts at (i - 1) * 24 + 22. Header and entries are text
// lines ended by CR LF, so the list also reads as a text file:
//   header  "TEV-Lieferliste" padded to 20 characters
//   entry   school number (6), blank, two-digit year of the last delivery read (2), blank,
//           date it was read "dd.mm.yyyy" (10), blank, "E" once read (1)
// Year, date and mark are blank for a school that has not delivered yet.
#include <string>
#include <vector>

namespace tev {

inline constexpr size_t kDeliveryListHeaderSize = 22;
inline constexpr size_t kDeliveryEntrySize = 24;
// The office has a few hundred schools; a list far beyond that is no delivery list.
inline constexpr size_t kDeliveryListMaxEntries = 10000;

// The entries (22 characters each, without the line end) of the list's bytes; a partial entry
// at the end is dropped.
std::vector<std::string> DeliveryListEntries(const std::string& bytes);

// 1-based index of the school's entry, 0 when it is not in the list.
int FindDeliveryEntry(const std::vector<std::string>& entries, const std::string& schoolNumber);

std::string DeliveryEntry(const std::string& schoolNumber, const std::string& yearDigits,
                          const std::string& dateText);
// An entry of a school that has not delivered yet.
std::string PendingDeliveryEntry(const std::string& schoolNumber);

// The list's bytes with the entry (22 characters) written at the 1-based index; an index one
// beyond the end appends it. A list without header gets one.
std::string DeliveryListWithEntry(std::string bytes, int index, const std::string& entry);

// A whole list of the entries.
std::string DeliveryListText(const std::vector<std::string>& entries);

} // namespace tev
