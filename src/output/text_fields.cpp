// Picking fields from separated lines and spreading separated texts over lists.
#include "output/text_routines.h"

#include <algorithm>
#include <optional>

namespace tev {
namespace {

constexpr int64_t kCommaFields = 30000;
constexpr int64_t kKeepQuotes = 1000;

// "\k": a backslash and a whole number moves the fill index.
std::optional<int32_t> IndexMove(std::string_view field) {
    if (field.size() < 2 || field[0] != '\\') return std::nullopt;
    std::string_view number = field.substr(1);
    const size_t digitsFrom = number[0] == '-' ? 1 : 0;
    if (number.size() <= digitsFrom) return std::nullopt;
    for (size_t i = digitsFrom; i < number.size(); ++i)
        if (number[i] < '0' || number[i] > '9') return std::nullopt;
    return ParseInt(number);
}

} // namespace

std::string FieldAt(std::string_view line, int n) {
    char separator = ';';
    int64_t field = n;
    if (n < 0) {
        separator = '\t';
        field = -field;
    } else if (n > kCommaFields) {
        separator = ',';
        field -= kCommaFields;
    }
    const bool keepQuotes = field > kKeepQuotes;
    if (keepQuotes) field -= kKeepQuotes;
    if (field < 1) return {};

    size_t start = 0;
    for (int64_t i = 1; i < field; ++i) {
        const size_t next = line.find(separator, start);
        if (next == std::string_view::npos) return {};
        start = next + 1;
    }
    const size_t end = std::min(line.find(separator, start), line.size());
    std::string text(line.substr(start, end - start));
    if (!keepQuotes && !text.empty() && text[0] == '"')
        text = text.size() >= 2 ? text.substr(1, text.size() - 2) : std::string();
    return text;
}

void FillItems(std::vector<std::string>& list, std::string_view text) {
    char separator = ';';
    if (!text.empty() && text[0] == '\0') {
        if (text.size() < 2) return;
        separator = text[1];
        text.remove_prefix(2);
    } else if (text.find('\t') != std::string_view::npos) {
        separator = '\t';
    }

    size_t index = 0;
    for (size_t start = 0; start < text.size();) {
        const size_t end = std::min(text.find(separator, start), text.size());
        const std::string_view field = text.substr(start, end - start);
        start = end + 1;
        if (field.starts_with("\\\\")) {
            for (size_t i = index; i < list.size(); ++i)
                list[i] = field.substr(2);
            return;
        }
        if (const auto move = IndexMove(field)) {
            index = *move < 0 ? list.size() : index + static_cast<size_t>(*move);
            continue;
        }
        if (index < list.size())
            list[index] = field;
        else
            list.emplace_back(field);
        ++index;
    }
}

std::vector<std::string> SplitFields(std::string_view line, char separator) {
    std::vector<std::string> fields;
    size_t start = 0;
    for (size_t at = line.find(separator); at != std::string_view::npos;
         at = line.find(separator, start)) {
        fields.emplace_back(line.substr(start, at - start));
        start = at + 1;
    }
    fields.emplace_back(line.substr(start));
    return fields;
}

} // namespace tev
