#pragma once
// The requester's extract of the language sequence rows of tables 1.8 and 1.1, straight from
// the data set files, one CSV file per track.
#include "shell/engine.h"

#include <string>
#include <vector>

namespace tev {

// The name the files and titles carry ("FSpF_" + name + "_8j.csv").
inline constexpr const char* kSequenceRequester = "Anfrage";

// The sequence lines of the table block (".;18;" or ".;11;") of a data set file's lines, each
// prefixed by "04", fields 3 and 5 of the block's first line; empty when there is no block.
std::vector<std::string> SequenceLines(const std::vector<std::string>& fileLines,
                                       const std::string& marker);

void FSFolgen8j1Click(Engine& engine);

} // namespace tev
