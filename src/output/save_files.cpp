#include "output/save_files.h"

#include "output/codepage.h"
#include "output/output_file_name.h"
#include "output/text_routines.h"

#include <fstream>
#include <sstream>

namespace tev {
namespace {

constexpr char kHalf = '\xBD'; // "½"
constexpr const char* kLineEnd = "\r\n";

std::string StripControlPrefix(std::string_view text) {
    size_t start = 0;
    while (start < text.size() && static_cast<unsigned char>(text[start]) < 32)
        ++start;
    return std::string(text.substr(start));
}

// Column 0 split into two fields at its separator, else its first "," or blank.
std::string SplitFirstColumn(std::string_view cell, char separator) {
    size_t at = cell.find(separator);
    if (at == std::string_view::npos) at = cell.find(',');
    if (at == std::string_view::npos) at = cell.find(' ');
    if (at == std::string_view::npos) return CleanCell(cell, separator) + separator;
    return CleanCell(cell.substr(0, at), separator) + separator +
           CleanCell(cell.substr(at + 1), separator);
}

std::string CsvRow(const StringGrid& grid, int row, char separator, bool splitFirst) {
    std::string line;
    for (int col = 0; col < grid.ColCount(); ++col) {
        if (col > 0) line += separator;
        const std::string& cell = grid.Cells(col, row);
        line += (col == 0 && splitFirst) ? SplitFirstColumn(cell, separator)
                                         : CleanCell(cell, separator);
    }
    return line;
}

void WriteGrid(std::ostream& out, const StringGrid& grid, std::string_view title, char separator,
               bool splitFirst) {
    std::string first = StripControlPrefix(title);
    if (!grid.Hint().empty()) first += ";;Hint:;" + ReplaceAll(grid.Hint(), "\r", "\xAE");
    if (!first.empty()) out << first << kLineEnd;
    for (int row = 0; row < grid.RowCount(); ++row)
        out << CsvRow(grid, row, separator, splitFirst) << kLineEnd;
}

bool Finish(std::ofstream& out) {
    out.close();
    return !out.fail();
}

} // namespace

std::string CleanCell(std::string_view cell, char separator) {
    std::string clean;
    clean.reserve(cell.size() + 2);
    for (char c : cell) {
        if (c == kHalf) {
            clean += ",5";
        } else if (c == '\0') {
            continue;
        } else {
            clean += c == separator ? ',' : c;
        }
    }
    while (!clean.empty() && clean.back() == ' ')
        clean.pop_back();
    return clean;
}

int LastFilledRow(const StringGrid& grid) {
    for (int row = grid.RowCount() - 1; row >= 0; --row) {
        for (int col = 0; col < grid.ColCount(); ++col) {
            if (!grid.Cells(col, row).empty()) return row;
        }
    }
    return -1;
}

std::vector<std::string> GridTextLines(const StringGrid& grid) {
    std::vector<std::string> lines;
    const int last = LastFilledRow(grid);
    for (int row = 0; row <= last; ++row)
        lines.push_back(CsvRow(grid, row, ';', false));
    return lines;
}

bool SaveListText(Engine& engine, std::string_view name, const std::vector<std::string>& lines,
                  std::string_view title) {
    std::string fileName(name);
    if (fileName.empty()) {
        TextRequest request;
        request.caption = StripControlPrefix(title) + " abspeichern";
        request.prompt = Win("Datei abspeichern unter (max. 8 Buchst., \rwenn ohne Ext dann wird "
                             "\".txt\" angehängt!!)");
        request.value = kDefaultOutputName;
        request.width = 85;
        request.maxLength = 255;
        if (!engine.ui().AskText(request) || Trim(request.value).empty()) return false;
        fileName = request.value;
    }
    const std::string path = WorkFilePath(engine, MakeOutputFileName(engine, fileName, ".txt"));
    std::ofstream out;
    if (!engine.services.files.CreateForWriting(path, out)) return false;
    for (const auto& line : lines)
        out << line << kLineEnd;
    return Finish(out);
}

bool SaveLinesReplacing(Engine& engine, std::string_view name,
                        const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines)
        text += line + kLineEnd;
    return engine.services.files.WriteReplacing(WorkFilePath(engine, name), text);
}

bool SaveGridCsv(Engine& engine, std::string_view name, const StringGrid& grid,
                 std::string_view title) {
    std::string fileName(name);
    char separator = ';';
    if (!fileName.empty() && fileName.front() == '\x01') {
        separator = '\t';
        fileName.erase(0, 1);
    }
    if (fileName.empty()) {
        TextRequest request;
        request.caption = StripControlPrefix(title) + " abspeichern";
        request.prompt = StripControlPrefix(title) +
                         Win("\r\rabspeichern unter\r\r (max. 8 Buchst.,"
                             "\r wenn ohne Ext dann wird \".csv\" angehängt!!)"
                             "\r wenn 1.Z=+    dann an bestehende Datei anhängen/append!!)");
        request.value = kDefaultOutputName;
        request.width = 85;
        request.maxLength = 255;
        if (!engine.ui().AskText(request) || Trim(request.value).empty()) return false;
        fileName = request.value;
        OptionRequest choice;
        choice.caption = "Trenner";
        FillItems(choice.options, "Trenner=Semikolon;Trenner=Tab");
        const int chosen = engine.ui().ChooseOption(choice);
        if (chosen == 0) return false;
        if (chosen == 2) separator = '\t';
    }
    const bool append = !fileName.empty() && fileName.front() == '+';
    if (append) fileName.erase(0, 1);
    const bool splitFirst = !fileName.empty() && fileName.front() == '!';
    if (splitFirst) fileName.erase(0, 1);
    const std::string path = WorkFilePath(engine, MakeOutputFileName(engine, fileName, ".csv"));
    std::ofstream out;
    auto& files = engine.services.files;
    if (!(append ? files.OpenForAppending(path, out) : files.CreateForWriting(path, out)))
        return false;
    WriteGrid(out, grid, title, separator, splitFirst);
    return Finish(out);
}

std::string GridCsvText(const StringGrid& grid, std::string_view title, char separator) {
    std::ostringstream text;
    WriteGrid(text, grid, title, separator, false);
    return text.str();
}

std::string SimpleCsvName(std::string_view name) {
    std::string fileName = Trim(name);
    if (!fileName.empty() && fileName.find('.') == std::string::npos) fileName += ".csv";
    return fileName;
}

bool SaveGridCsvSimple(Engine& engine, std::string_view name, const StringGrid& grid,
                       std::string_view title) {
    const std::string fileName = SimpleCsvName(name);
    if (fileName.empty()) return false;
    return engine.services.files.WriteReplacing(WorkFilePath(engine, fileName),
                                                GridCsvText(grid, title));
}

bool SaveCsvLines(Engine& engine, std::string_view name, const std::vector<std::string>& lines) {
    const std::string fileName = SimpleCsvName(name);
    if (fileName.empty()) return false;
    std::string text;
    for (const std::string& line : lines)
        text += line + kLineEnd;
    return engine.services.files.WriteReplacing(WorkFilePath(engine, fileName), text);
}

bool AppendLineToFile(Engine& engine, std::string_view name, std::string_view line) {
    std::ofstream out(WorkFilePath(engine, name), std::ios::binary | std::ios::app);
    if (out.is_open()) out << line << kLineEnd;
    if (out.is_open() && Finish(out)) return true;
    engine.services.messages.ShowInfo("=-=->:" + std::string(name));
    return false;
}

} // namespace tev
