#include "sheet/subject_tables.h"

#include "output/text_routines.h"

#include <algorithm>
#include <cstdint>

namespace tev {
namespace {

std::vector<std::string> Padded(std::initializer_list<const char*> codes) {
    std::vector<std::string> table;
    for (const char* code : codes)
        table.push_back(PadRight(code, 3));
    return table;
}

// The entries are three characters; a code is compared by its first three, padded with blanks,
// read as one number. Every course row of a load looks its subject up here.
uint32_t CodeKey(std::string_view code) {
    uint32_t key = 0;
    for (size_t i = 0; i < 3; ++i)
        key = key << 8 | static_cast<unsigned char>(i < code.size() ? code[i] : ' ');
    return key;
}

std::vector<uint32_t> CodeKeys(const std::vector<std::string>& table) {
    std::vector<uint32_t> keys;
    for (const auto& code : table)
        keys.push_back(CodeKey(code));
    return keys;
}

int IndexIn(const std::vector<uint32_t>& keys, std::string_view code, int first) {
    const uint32_t key = CodeKey(code);
    for (int i = first; i < static_cast<int>(keys.size()); ++i)
        if (keys[i] == key) return i;
    return -1;
}

} // namespace

const std::vector<std::string>& SubjectIndexTable() {
    // Entry 39 is a placeholder that no subject code matches.
    static const std::vector<std::string> table =
        Padded({"",     "D",    "E",   "F",   "L",   "Gr",  "Ru",  "BK",  "Mu",  "G",   "Ek",
                "Gk",   "EvR",  "KR",  "Eth", "M",   "Ph",  "Ch",  "Bio", "SM",  "SW",  "S",
                "Ast",  "DG",   "Gl",  "Inf", "Li",  "Phi", "Psy", "Heb", "I",   "Sp",  "SFS",
                "VKM",  "Sem",  "CAS", "Nat", "Son", "",    "*",   "ges", "W",   "F\"", "IRU",
                "Gr\"", "Ru\"", "Por", "Jap", "Chi", "NWT", "LTh", "IMP", "VKS", "L\"", "Ukr"});
    return table;
}

int SubjectIndexOf(std::string_view code) {
    if (TrimView(code).empty()) return -1;
    static const std::vector<uint32_t> keys = CodeKeys(SubjectIndexTable());
    return IndexIn(keys, code, 1);
}

const std::vector<std::string>& SubjectCodeTable() {
    static const std::vector<std::string> table =
        Padded({"",    "D",   "E",   "F",   "L",   "Gr",  "Ru",   "Sp",   "I",   "Por",
                "Heb", "Jap", "Chi", "Tur", "F\"", "L\"", "Gr\"", "Ru\"", "BK",  "Mu",
                "G",   "Ek",  "Gk",  "W",   "EvR", "KR",  "Eth",  "M",    "Ph",  "Ch",
                "Bio", "NWT", "SM",  "SW",  "S",   "Ast", "DG",   "Gl",   "Inf", "CA",
                "Li",  "LTh", "Phi", "Psy", "Sem", "VKM", "VKS",  "IRU",  "___", "ges"});
    return table;
}

int SubjectCodeIndex(std::string_view code) {
    static const std::vector<uint32_t> keys = CodeKeys(SubjectCodeTable());
    return std::max(0, IndexIn(keys, code, 1));
}

std::string ExpandSubjectCode(std::string_view code) {
    const std::string key = TrimRight(code);
    if (key == "S") return "Sport";
    if (key == "Sp") return "Spanisch";
    if (key == "I") return "Italienisch";
    return std::string(code);
}

} // namespace tev
