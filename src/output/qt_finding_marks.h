#pragma once
// Errors and hints of the plausibility test told apart in a list of its lines.
#include "sheet/finding.h"

#include <vector>

class QListWidget;

namespace tev {

// The lines of `list` that are findings get an icon and a colour by their severity (errors
// red with the critical icon, hints dark blue with the information icon) and a tooltip that
// says which, and where a double click leads.
void MarkFindings(QListWidget* list, const std::vector<Finding>& findings, int firstLine = 0);

} // namespace tev
