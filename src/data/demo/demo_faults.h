#pragma once
// The deliberate faults of the demo office: which school years carry one, putting it into the
// filled grids, and the fault list "demo-fehler.txt".
#include "data/demo/demo_office.h"
#include "data/demo/demo_tables.h"

#include <optional>
#include <string>
#include <vector>

namespace tev::demo {

// About one school year in twenty carries exactly one fault.
inline constexpr int kFaultsPerThousand = 50;

// Whether the school year of a school carries a fault, and the kind to try first.
bool FaultPlanned(uint64_t seed, const std::string& schoolNumber, int year, DemoFaultKind& kind);

// The kinds of faults in the data (not the missing files), in the order they are tried.
const std::vector<DemoFaultKind>& DataFaultKinds();

// Puts a fault of the kind into the filled and summed grids; when the school year offers no
// place for it (no nationality in 2.3, no Bundesjugendspiele ...), the next kind that fits.
// The sums stay as the sheet computes them: the fault is in the figures.
std::optional<DemoFault> ApplyFault(SheetGrids& grids, DemoFaultKind kind,
                                    const DemoYearInput& input);

// "demo-fehler.txt": the explanation lines, and one line per fault.
std::vector<std::string> FaultFileHeader(const DemoOptions& options);
std::string FaultFileLine(const DemoFault& fault);
// False for a line that is no fault line (comments, blank or malformed lines).
bool ParseFaultFileLine(const std::string& line, DemoFault& fault);

} // namespace tev::demo
