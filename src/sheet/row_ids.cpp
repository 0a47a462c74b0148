#include "sheet/row_ids.h"

#include "output/codepage.h"
#include "output/text_routines.h"

#include <array>
#include <vector>

namespace tev {
namespace {

struct LanguageSequence {
    const char* languages;
    const char* profile;
};

// RowId 1..34; RowId 35 is the catch-all row.
constexpr std::array<LanguageSequence, 34> kSequences = {{
    {"E", ""},     {"EF", ""},    {"EF", "M"},   {"EFL", "N2"}, {"EFR", "N2"}, {"EF_", "N2"},
    {"EL", ""},    {"EL", "M"},   {"ELF", "N2"}, {"ELR", "N2"}, {"EL_", "N2"}, {"ER", ""},
    {"ER", "M"},   {"ERF", "N2"}, {"ERL", "N2"}, {"E_", ""},    {"E__", "N2"}, {"F", ""},
    {"FE", ""},    {"FE", "M"},   {"FEL", "N2"}, {"FER", "N2"}, {"FE_", "N2"}, {"F_", ""},
    {"F__", "N2"}, {"L", ""},     {"LE", ""},    {"LE", "M"},   {"LEF", "N1"}, {"LER", "N1"},
    {"LEGr", "A"}, {"LE_", "N1"}, {"L_", ""},    {"L__", "N1"},
}};

// RowId 35..85, in UTF-8; leading blanks indent sub-rows under their parent row.
constexpr std::array<const char*, 51> kOtherLabels = {
    "Sonst.  ____ __",
    "NGO",
    "Schüler insges:",
    "dar.  Mädchen",
    "Ausländer",
    "mit Musikprof",
    "a",
    "b",
    "c",
    "d",
    "e",
    "f",
    "g",
    "h",
    "dar. NG/sprachl",
    "     math.",
    "     Aufbgym.",
    "#Kl  NG/sprachl",
    "#Kl   math.",
    "#Kl  Aufbgym.",
    "Summe Klassen",
    "lock NG/sprachl",
    "Religion    ev:",
    "            rk:",
    "mit Ethik",
    "Aussiedler",
    "mit N-Profil",
    "mit Sportprof",
    "mit Kunstprof",
    "mit mn-Zug",
    "mit Sprachzug",
    "Standort mn-Pr.",
    "Standort spr-Pr",
    "mit ABG",
    "mit NWT",
    "Standortprofil",
    "mit biling.F",
    "mit biling.E",
    "i",
    "j",
    "mit IRU/IRL",
    "mit NWT-Prof",
    "mit Sprachprf",
    "ohn.Zuordnung",
    "m.Migrationsh.",
    "dar. weibl.",
    "Ausländer(m+w)",
    "weibl Ausländ.",
    "Sch.in VorbKl.",
    "Zahl VorberKl.",
    "dar. weibl.MGH",
};

static_assert(kOtherLabels.back() != nullptr, "one label per RowId 35..85");

std::string SequenceLabel(const LanguageSequence& seq) {
    std::string label(kRowIdLabelWidth, ' ');
    const std::string languages = seq.languages;
    const std::string profile = seq.profile;
    const size_t start = !profile.empty() ? 8 : languages.size() == 1 ? 0 : 4;
    label.replace(start, languages.size(), languages);
    if (!profile.empty()) label.replace(profile.size() == 1 ? 14 : 13, profile.size(), profile);
    return label;
}

std::vector<std::string> BuildLabels() {
    std::vector<std::string> labels;
    labels.reserve(kRowIdCount);
    labels.emplace_back(kRowIdLabelWidth, ' ');
    for (const auto& seq : kSequences)
        labels.push_back(SequenceLabel(seq));
    for (const char* text : kOtherLabels)
        labels.push_back(PadRight(Win(text), kRowIdLabelWidth));
    return labels;
}

std::array<int, kPupilTableRows> BuildRowOrder() {
    std::array<int, kPupilTableRows> order{};
    int row = 1;
    for (int id = 1; id <= 38; ++id)
        order[row++] = id;
    for (int id : {64, 39, 63, 40, 65})
        order[row++] = id;
    for (int id = 66; id <= 78; ++id)
        order[row++] = id;
    return order;
}

const std::array<int, kPupilTableRows>& RowOrder() {
    static const auto order = BuildRowOrder();
    return order;
}

} // namespace

const std::string& RowIdLabel(int rowId) {
    static const std::vector<std::string> labels = BuildLabels();
    return rowId >= 0 && rowId < kRowIdCount ? labels[rowId] : labels[0];
}

int RowIdOfRow(int row) {
    return row > 0 && row < kPupilTableRows ? RowOrder()[row] : 0;
}

int RowOfRowId(int rowId) {
    if (rowId <= 0) return -1;
    for (int row = 1; row < kPupilTableRows; ++row)
        if (RowOrder()[row] == rowId) return row;
    return -1;
}

} // namespace tev
