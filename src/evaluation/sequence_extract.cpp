#include "evaluation/sequence_extract.h"

#include "data/school_directory.h"
#include "evaluation/school_loop.h"
#include "output/print_list.h"
#include "output/save_files.h"
#include "output/text_routines.h"
#include "shell/line_reader.h"

#include <fstream>

namespace tev {
namespace {

constexpr const char* kEmptyRow = ";;;;;;;;;;;;;0";
// Row 35 holds the preparatory classes from 2016/17 on, a sequence before.
constexpr int kLastSequenceRow = 35;

std::vector<std::string> ReadLines(Engine& engine, const std::string& file) {
    std::vector<std::string> lines;
    std::ifstream in;
    // Quietly: a school without a data set is passed over.
    if (!engine.services.files.Exists(file) ||
        !engine.services.files.OpenForReading("-" + file, in)) {
        return lines;
    }
    LineReader reader(in);
    std::string line;
    while (lines.size() < kMaxListFileLines && reader.Next(line))
        lines.push_back(line);
    return lines;
}

void ExtractTrack(Engine& engine, const std::string& marker, const std::string& track) {
    const std::string name = std::string("FSpF_") + kSequenceRequester + "_" + track;
    const auto range = ChooseSchoolRange(engine, name);
    if (!range) return;
    engine.outputBox.Clear();
    engine.outputBox.Add("Disch;Schulnamek;Nr;FS1;FS2;FS3;5;6;7;8;9;10;11;12;13;zus");
    int schools = 0;
    int lines = 0;
    Ui& ui = engine.ui();
    const auto& list = engine.schoolList.lines;
    ui.ProgressStart(static_cast<int>(list.size()));
    for (int line = range->first; line <= range->last && line <= static_cast<int>(list.size());
         ++line) {
        if (!ui.ProgressRunning()) break;
        ui.ProgressStep(line);
        const std::string& listLine = list[line - 1];
        const std::string number = listLine.size() >= 8 ? listLine.substr(2, 6) : "";
        const auto fileLines = ReadLines(engine, DataSetFileName(engine, number));
        if (!fileLines.empty()) {
            ++schools;
            for (auto& extracted : SequenceLines(fileLines, marker)) {
                engine.outputBox.Add(std::move(extracted));
                ++lines;
            }
        }
        ui.ProcessMessages();
    }
    ui.ProgressEnd();
    const bool saved = SaveListText(engine, name + ".csv", engine.outputBox.lines());
    PrintListBox(engine, name + ".csv", engine.outputBox.lines(), 1);
    engine.services.messages.ShowInfo(
        IntText(static_cast<int16_t>(ClampInt(0, schools, 32767))) + " Schulen," +
        IntText(static_cast<int16_t>(ClampInt(0, lines, 32767))) + " Zeilen" +
        (saved ? "  -> " + name + ".csv" : "; " + name + ".csv konnte nicht geschrieben werden"));
}

} // namespace

std::vector<std::string> SequenceLines(const std::vector<std::string>& fileLines,
                                       const std::string& marker) {
    std::vector<std::string> result;
    size_t start = 0;
    while (start < fileLines.size() && fileLines[start].rfind(marker, 0) != 0)
        ++start;
    if (start == fileLines.size()) return result;
    const std::string prefix =
        "04" + FieldAt(fileLines[start], 3) + ";" + FieldAt(fileLines[start], 5) + ";";
    for (size_t i = start + 2; i < fileLines.size(); ++i) {
        const std::string& line = fileLines[i];
        if (line.find(kEmptyRow) != std::string::npos || line.rfind(".;", 0) == 0) break;
        // Our files keep every sequence row in its place, the unused ones empty, and go on
        // with the sums and counts of the table: only the sequences with pupils are wanted.
        const int row = ParseInt(FieldAt(line, 1));
        if (row < 1 || row > kLastSequenceRow || Trim(FieldAt(line, 2)) == "VKL") break;
        const size_t lastField = line.find_last_of(';');
        if (lastField == std::string::npos || ParseInt(line.substr(lastField + 1)) <= 0) continue;
        result.push_back(prefix + line);
    }
    return result;
}

void FSFolgen8j1Click(Engine& engine) {
    ExtractTrack(engine, ".;18;", "8j");
    ExtractTrack(engine, ".;11;", "9j");
}

} // namespace tev
