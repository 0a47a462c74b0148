#pragma once
// The options a file name passed to the file routines may carry: a "{" comment, a leading
// or trailing "-" for silence, a leading "*" for a search pattern.
#include <string>
#include <string_view>

namespace tev {

struct ResolvedFileName {
    std::string path;
    bool silent = false;
};

ResolvedFileName ApplyFileNameRules(std::string_view name);

// Case-insensitive match of a file name against a pattern with "*" and "?", as the office's
// file search does.
bool MatchesFilePattern(std::string_view fileName, std::string_view pattern);

// The first file (in name order) in the pattern's directory that matches it; empty if none.
std::string FindFirstFile(std::string_view pattern);

} // namespace tev
