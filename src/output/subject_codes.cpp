// Subject names and abbreviations as schools write them, reduced to the canonical code.
#include "output/text_routines.h"

#include <algorithm>
#include <optional>

namespace tev {
namespace {

// Three parallel lists, 4 characters per subject.
constexpr std::string_view kCanonical =
    "D  ;E  ;F  ;L  ;Gr ;Ru ;Sp ;I  ;Por;Heb;Jap;Chi;Tur;F\" ;L\" ;Gr\";Ru\";BK ;Mu ;G  ;Ek ;Gk ;"
    "EvR;KR ;Eth;M  ;Ph ;Ch ;Bio;SM ;SW ;S  ;Ast;DG ;Gl ;Inf;Li ;Phi;Psy;CA ;Sem;NWT;LTh;VKM;"
    "W  ;Ek ;BK ;Rel";
constexpr std::string_view kUpperCase =
    "D  ;E  ;F  ;L  ;GR ;RU ;SP ;I  ;POR;HEB;JAP;CHI;TUR;F\" ;L\" ;GR\";RU\";BK ;MU ;G  ;EK ;GK ;"
    "EVR;KR ;ETH;M  ;PH ;CH ;BIO;SM ;SW ;S  ;AST;DG ;GL ;INF;LI ;PHI;PSY;CA ;SEM;NWT;LTH;VKM;"
    "WI ;GEO;BIL;REL";
constexpr std::string_view kLongNames =
    "DEU;ENG;FRA;LAT;GRI;RUS;SPA;ITA;POR;HEB;JAP;CHI;TUR;F\" ;L\" ;GR\";RU\";KUN;MUS;GES;ERD;GEM;"
    "REV;RKA;ETH;MAT;PHY;CHE;BIO;SM ;SF ;SPO;AST;DAR;GL ;INF;LIT;PHL;PSY;CA ;SEM;NWT;L/T;VER;"
    "WIR;EK ;B.K";
constexpr std::string_view kOtherNames = "LUT;L+T;M+ ;VMA;RRK";
constexpr std::string_view kOtherCodes = "LTh;LTh;VKM;VKM;KR ";
constexpr size_t kEntry = 4;

// Only hits at the start of an entry count, so that a key never straddles two subjects.
std::optional<size_t> EntryStart(std::string_view list, std::string_view key) {
    for (size_t pos = list.find(key); pos != std::string_view::npos; pos = list.find(key, pos + 1))
        if (pos % kEntry == 0) return pos;
    return std::nullopt;
}

std::string UpperCase(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return out;
}

std::optional<size_t> FindSubject(std::string_view key) {
    const std::string upper = UpperCase(key);
    if (auto pos = EntryStart(kCanonical, key)) return pos;
    if (auto pos = EntryStart(kUpperCase, upper)) return pos;
    return EntryStart(kLongNames, upper);
}

} // namespace

std::string CanonicalSubject(std::string_view text) {
    if (text.find(',') != std::string_view::npos || text.find("Insg") != std::string_view::npos)
        return std::string(text);
    std::string key3(text.substr(0, 3));
    key3.resize(3, ' ');
    auto pos = FindSubject(key3);
    if (!pos) pos = FindSubject(std::string_view(key3).substr(0, 2));
    if (pos) return std::string(kCanonical.substr(*pos, 3));
    if (const auto other = EntryStart(kOtherNames, UpperCase(key3)))
        return std::string(kOtherCodes.substr(*other, 3));
    return std::string(text);
}

} // namespace tev
