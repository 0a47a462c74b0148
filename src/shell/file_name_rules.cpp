#include "shell/file_name_rules.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <vector>

namespace tev {
namespace {

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

char Upper(char c) {
    return static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
}

} // namespace

bool MatchesFilePattern(std::string_view name, std::string_view pattern) {
    // Iterative wildcard match with one backtrack point: linear in practice, never recursive.
    size_t n = 0, p = 0, starP = std::string_view::npos, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == '?' || Upper(pattern[p]) == Upper(name[n]))) {
            ++n;
            ++p;
        } else if (p < pattern.size() && pattern[p] == '*') {
            starP = p++;
            starN = n;
        } else if (starP != std::string_view::npos) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*')
        ++p;
    return p == pattern.size();
}

std::string FindFirstFile(std::string_view pattern) {
    const std::filesystem::path full{std::string(pattern)};
    const std::string filePattern = full.filename().string();
    std::filesystem::path directory = full.parent_path();
    if (directory.empty()) directory = ".";
    std::error_code ec;
    std::vector<std::string> hits;
    for (std::filesystem::directory_iterator it(directory, ec), end; !ec && it != end;
         it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (MatchesFilePattern(name, filePattern) && it->is_regular_file(ec)) hits.push_back(name);
    }
    if (hits.empty()) return {};
    const std::string first = *std::min_element(hits.begin(), hits.end());
    return full.parent_path().empty() ? first : (full.parent_path() / first).string();
}

ResolvedFileName ApplyFileNameRules(std::string_view name) {
    ResolvedFileName result;
    std::string_view text = TrimBlanks(name);
    const size_t comment = text.find('{', 1);
    if (comment != std::string_view::npos) text = TrimBlanks(text.substr(0, comment));
    if (!text.empty() && text.front() == '-') {
        text.remove_prefix(1);
        result.silent = true;
    }
    if (!text.empty() && text.back() == '-') {
        text.remove_suffix(1);
        result.silent = true;
    }
    if (!text.empty() && text.front() == '*') {
        text.remove_prefix(1);
        std::string found = FindFirstFile(text);
        if (found.empty()) {
            found = std::string(text);
            std::replace_if(
                found.begin(), found.end(), [](char c) { return c == '*' || c == '?'; }, '_');
        }
        result.path = std::move(found);
        return result;
    }
    result.path = std::string(text);
    return result;
}

} // namespace tev
