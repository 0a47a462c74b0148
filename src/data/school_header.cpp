#include "data/school_header.h"

namespace tev {

std::string FixedWidth(const std::string& text, size_t width) {
    std::string field = text.substr(0, width);
    field.resize(width, ' ');
    return field;
}

void SchoolHeader::SetSchoolNumber(const std::string& number) {
    schoolKey = "04" + FixedWidth(number, 6);
}

} // namespace tev
