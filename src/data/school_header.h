#pragma once
// The small record that names the loaded school in every table block it writes.
#include <string>

namespace tev {

struct SchoolHeader {
    std::string schoolKey = std::string(8, ' '); // "04" + six-digit school number when filled
    std::string shortName = std::string(16, ' ');
    std::string name = std::string(30, ' ');
    std::string place = std::string(16, ' ');
    std::string yearText = std::string(7, ' '); // "2003/04"

    bool Filled() const { return schoolKey.compare(0, 2, "04") == 0; }
    std::string SchoolNumber() const { return schoolKey.substr(2, 6); }
    void SetSchoolNumber(const std::string& number);
};

// Fixed-width fields: cut or filled with blanks.
std::string FixedWidth(const std::string& text, size_t width);

} // namespace tev
