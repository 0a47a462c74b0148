#include "output/text_window_actions.h"

#include "shell/line_reader.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>

namespace tev {
namespace {

constexpr std::string_view kSearchMarker = "   -->\x9E";

char UpperCase(char c) {
    const auto b = static_cast<unsigned char>(c);
    if (b >= 'a' && b <= 'z') return static_cast<char>(b - 32);
    // The Latin-1 letters of CP1252 (not the division sign, not "ÿ").
    if (b >= 0xE0 && b <= 0xFE && b != 0xF7) return static_cast<char>(b - 32);
    return c;
}

std::string UpperCase(std::string_view text) {
    std::string upper(text);
    std::transform(upper.begin(), upper.end(), upper.begin(), [](char c) { return UpperCase(c); });
    return upper;
}

} // namespace

std::string NextListFont(std::string_view font) {
    if (font == "Arial") return "Courier New";
    if (font == "Courier New") return "MS LineDraw";
    return "Arial";
}

std::string RangeListFont(int mode) {
    if (mode < -1000) return "Arial";
    if (mode < 0) return "Courier New";
    return "MS LineDraw";
}

int RangeListColumns(int listHeight, int itemHeight, int lineCount, int sizeClass) {
    if (sizeClass >= 17 || itemHeight <= 0) return 0;
    const int visible = std::max(1, (listHeight - 20) / itemHeight);
    const int pages = lineCount / visible;
    if (pages < 1) return 0;
    return std::clamp(pages + 1, 1, std::max(1, 50 / (sizeClass + 2)));
}

int FindLineAfter(const std::vector<std::string>& lines, int current, std::string_view text) {
    const int count = static_cast<int>(lines.size());
    if (count == 0 || text.empty()) return -1;
    const std::string wanted = UpperCase(text);
    const int start = current >= 0 && current < count ? current : count - 1;
    for (int step = 1; step <= count; ++step) {
        const int line = (start + step) % count;
        if (line == current) break;
        if (UpperCase(lines[line]).find(wanted) != std::string::npos) return line;
    }
    return -1;
}

std::string SearchCaption(std::string_view caption, int index, std::string_view line) {
    const size_t marker = caption.find(kSearchMarker);
    std::string result(caption.substr(0, marker));
    result += kSearchMarker;
    result += std::to_string(index) + ": ";
    result += line;
    return result;
}

LineRange MarkedOrAllLines(bool multi, int first, int last, int count) {
    if (multi && first >= 1 && first < last && last <= count) return {first - 1, last - 1};
    return {0, count - 1};
}

std::vector<std::string> ReadListFile(const std::string& fileName) {
    std::vector<std::string> lines;
    std::ifstream in(fileName, std::ios::binary);
    if (!in) return lines;
    LineReader reader(in);
    std::string line;
    while (reader.Next(line) && lines.size() < kMaxListFileLines)
        lines.push_back(line);
    return lines;
}

void SaveListFile(const std::string& fileName, const std::vector<std::string>& lines) {
    const std::string temporary = fileName + ".$$$";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        for (const auto& line : lines)
            WriteLine(out, line);
        out.flush();
        if (!out) {
            std::remove(temporary.c_str());
            return;
        }
    }
    std::error_code ignored;
    std::filesystem::rename(temporary, fileName, ignored);
    if (ignored) std::filesystem::remove(temporary, ignored);
}

bool AddListLine(std::vector<std::string>& lines, std::string text, int before) {
    if (text.empty() || lines.size() >= kMaxListFileLines) return false;
    const int count = static_cast<int>(lines.size());
    const auto at = before >= 0 && before < count ? lines.begin() + before : lines.end();
    lines.insert(at, std::move(text));
    return true;
}

int RemoveListLine(std::vector<std::string>& lines, int current, std::string& removed) {
    const int count = static_cast<int>(lines.size());
    if (current < 0 || current >= count) return -1;
    removed = lines[current];
    lines.erase(lines.begin() + current);
    return current < count - 1 ? current : -1;
}

} // namespace tev
