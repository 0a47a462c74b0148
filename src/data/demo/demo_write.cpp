#include "data/demo/demo_write.h"

#include "shell/line_reader.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace tev::demo {

void WriteDemoFile(const std::filesystem::path& file, const std::string& bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << bytes;
    out.close();
    if (!out) throw std::runtime_error("demo-data: cannot write " + file.string());
}

std::string DemoLinesText(const std::vector<std::string>& lines) {
    std::ostringstream text;
    for (const auto& line : lines)
        WriteLine(text, line);
    return text.str();
}

void WriteDemoLines(const std::filesystem::path& file, const std::vector<std::string>& lines) {
    WriteDemoFile(file, DemoLinesText(lines));
}

} // namespace tev::demo
