#pragma once
// Writing the demo office's files: whole files at once, text files as CR LF lines.
#include <filesystem>
#include <string>
#include <vector>

namespace tev::demo {

// Throws std::runtime_error when the file cannot be written.
void WriteDemoFile(const std::filesystem::path& file, const std::string& bytes);
std::string DemoLinesText(const std::vector<std::string>& lines);
void WriteDemoLines(const std::filesystem::path& file, const std::vector<std::string>& lines);

} // namespace tev::demo
