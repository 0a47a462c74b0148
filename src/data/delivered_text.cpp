#include "data/delivered_text.h"

#include "output/codepage.h"

#include <algorithm>
#include <cctype>
#include <string_view>

namespace tev {
namespace {

constexpr size_t kMaxLineLength = 255;
constexpr char kEndMark = 26;

bool Digit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

bool Digits(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), Digit);
}

// ".;21;123456;2016/17;short name"; the school number may be blank (not yet known).
bool HeaderLine(std::string_view line) {
    return line.size() >= 19 && line.substr(0, 2) == ".;" && Digits(line.substr(2, 2)) &&
           line[4] == ';' && line[11] == ';' && Digits(line.substr(12, 4)) && line[16] == '/' &&
           (Digit(line[17]) || line[17] == ':') && Digit(line[18]);
}

// " 3;cells..." or "12;cells...": a row number of digits, blanks in front.
bool DataLine(std::string_view line) {
    const size_t semicolon = line.find(';');
    if (semicolon == std::string_view::npos || semicolon == 0) return false;
    const std::string_view number = line.substr(0, semicolon);
    const size_t first = number.find_first_not_of(' ');
    return first != std::string_view::npos && Digits(number.substr(first));
}

std::string LineProblem(std::string_view line, int number) {
    const std::string where = "Zeile " + std::to_string(number);
    if (line.size() > kMaxLineLength) return where + " ist zu lang";
    if (std::any_of(line.begin(), line.end(),
                    [](char c) { return static_cast<unsigned char>(c) < 32; }))
        return where + Win(" enthält Steuerzeichen");
    if (number == 1 && !HeaderLine(line)) return where + " ist keine Kopfzeile einer Tabelle";
    if (!line.empty() && line[0] == '.' ? !HeaderLine(line) : !DataLine(line))
        return where + " ist unlesbar";
    return {};
}

} // namespace

std::string DeliveredTextProblem(const std::string& source) {
    std::string_view text(source);
    if (!text.empty() && text.back() == kEndMark) text.remove_suffix(1);
    if (text.empty()) return "leer";
    if (text.size() < 2 || text.substr(text.size() - 2) != "\r\n")
        return "letzte Zeile unvollständig";
    int number = 0;
    while (!text.empty()) {
        const size_t end = text.find("\r\n");
        if (end == std::string_view::npos)
            return "Zeile " + std::to_string(number + 1) + " ohne Zeilenende";
        const std::string problem = LineProblem(text.substr(0, end), ++number);
        if (!problem.empty()) return problem;
        text.remove_prefix(end + 2);
    }
    return {};
}

DeliveredIdentity IdentityOfDeliveredText(const std::string& text) {
    const std::string_view line = std::string_view(text).substr(0, text.find_first_of("\r\n"));
    DeliveredIdentity identity;
    if (line.size() >= 11 && Digits(line.substr(5, 6)))
        identity.schoolNumber = std::string(line.substr(5, 6));
    if (line.size() >= 16 && Digits(line.substr(14, 2)))
        identity.yearDigits = std::string(line.substr(14, 2));
    return identity;
}

} // namespace tev
