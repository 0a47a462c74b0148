#include "evaluation/list_line_fields.h"

#include "output/text_routines.h"

namespace tev {

std::string ListField(std::string_view line, int start, int length) {
    const size_t from = static_cast<size_t>(start - 1);
    return PadRight(from < line.size() ? line.substr(from, length) : std::string_view(), length);
}

std::string ListShortName(std::string_view line) {
    return DosToWindowsText(ListField(line, 9, 16));
}

std::string ListSchoolNumber(std::string_view line) {
    return ListField(line, 3, 6);
}

} // namespace tev
