#include "data/school_groups.h"

#include "output/codepage.h"

#include <algorithm>
#include <array>

namespace tev {
namespace {

char CharAt(const std::string& text, size_t position) {
    return position >= 1 && position <= text.size() ? text[position - 1] : ' ';
}

// The schools of the group "a " (label "ABG").
constexpr std::array<const char*, 7> kAbgSchools = {"165402", "112331", "112276", "112264",
                                                    "158033", "112240", "301061"};

} // namespace

const std::vector<std::string>& SchoolGroupChoices() {
    static const std::vector<std::string> choices = [] {
        std::vector<std::string> list;
        for (const char* entry :
             {"1  _alle öff",      "11 Stuttgart öff",   "12 Karlsruhe öff",   "13 Freiburg öff",
              "14 Tübingen öff",   "*  2-4 K+F+T öff",   "3  _alle priv",      "31 Stuttgart priv",
              "32 Karlsruhe priv", "33 Freiburg priv",   "34 Tübingen priv",   "   _alle ö+p",
              " 1 Stuttgart ö+p",  " 2 Karlsruhe ö+p",   " 3 Freiburg ö+p",    " 4 Tübingen ö+p",
              "9  _alle 9jneu",    "91 Stuttgart 9jneu", "92 Karlsruhe 9jneu", "93 Freiburg 9jneu",
              "94 Tübingen 9jneu", "e  1.Jg 9jneu",      "z  2.Jg 9jneu",      "a  ABG"}) {
            list.push_back(Win(entry));
        }
        return list;
    }();
    return choices;
}

std::string SchoolGroupEntry(const std::string& code) {
    for (const auto& entry : SchoolGroupChoices()) {
        if (entry.compare(0, 2, code) == 0 && code.size() == 2) return entry;
    }
    return {};
}

bool InSchoolGroup(const std::string& line, const std::string& code) {
    const char district = CharAt(code, 2);
    if (district != ' ' && district != CharAt(line, 78)) return false;
    const char type = CharAt(code, 1);
    if (type == ' ') return true;
    // A line too short to carry a track marker has none.
    const char track = line.size() >= 84 ? line[83] : ';';
    if (CharAt(line, 3) == type || (type == '9' && track != ';') || (type == 'e' && track == '1') ||
        (type == 'z' && track == '2')) {
        return true;
    }
    if (type == '*') {
        const char d = CharAt(line, 78);
        return CharAt(line, 3) == '1' && (d == '2' || d == '3' || d == '4');
    }
    if (type == 'a') {
        const std::string number = line.size() >= 8 ? line.substr(2, 6) : std::string();
        return std::find(kAbgSchools.begin(), kAbgSchools.end(), number) != kAbgSchools.end();
    }
    return false;
}

char RegionGroupOf(const std::string& regionalDigits) {
    static const std::string kRegions =
        "118 136 995 995 995 995 111 117 135 135 135 135 115 119 127 128 128 128 116 121 125 "
        "126 126";
    if (regionalDigits.empty()) return ';';
    const size_t hit = kRegions.find(regionalDigits);
    if (hit == std::string::npos) return ';';
    const size_t position = hit + 1;
    return static_cast<char>('0' + (position + 23) / 24);
}

} // namespace tev
