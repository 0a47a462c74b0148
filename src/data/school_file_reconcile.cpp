#include "data/school_file_reconcile.h"

#include "output/text_routines.h"
#include "shell/line_reader.h"

#include <algorithm>
#include <cctype>
#include <fstream>

namespace tev {
namespace {

struct Field {
    const char* name;
    int deliveredField; // 1-based field of the delivered line
    size_t position;    // 1-based character of the school-name line
    size_t length;
};

constexpr Field kFields[] = {{"Kurzname", 2, 9, 16},   {"Bezirk", 3, 25, 6},
                             {"Schulname", 4, 31, 30}, {"Ort", 5, 61, 16},
                             {"RegionalNr", 6, 78, 6}, {"PLZ", 7, 185, 5}};

bool StartsWithSchoolNumber(const std::string& line) {
    return line.size() >= 6 && std::all_of(line.begin(), line.begin() + 6,
                                           [](unsigned char c) { return std::isdigit(c); });
}

std::string FieldText(const std::string& line, const Field& field) {
    if (line.size() < field.position) return std::string(field.length, ' ');
    return PadRight(line.substr(field.position - 1, field.length), static_cast<int>(field.length));
}

void PutField(std::string& line, const Field& field, const std::string& text) {
    const size_t end = field.position - 1 + field.length;
    if (line.size() < end) line.resize(end, ' ');
    line.replace(field.position - 1, field.length, PadRight(text, static_cast<int>(field.length)));
}

std::vector<std::string> ReadLines(Engine& engine, const std::string& file) {
    std::vector<std::string> lines;
    std::ifstream in;
    if (!engine.services.files.OpenForReading(file, in)) return lines;
    LineReader reader(in);
    std::string line;
    while (reader.Next(line) && lines.size() < kMaxListFileLines)
        lines.push_back(line);
    return lines;
}

bool WriteLines(Engine& engine, const std::string& file, const std::vector<std::string>& lines) {
    std::ofstream out;
    if (!engine.services.files.CreateForWriting(file, out)) return false;
    for (const auto& line : lines)
        WriteLine(out, line);
    return static_cast<bool>(out);
}

} // namespace

ReconcileResult ReconcileSchoolLines(const std::vector<std::string>& schoolLines,
                                     const std::vector<std::string>& delivered) {
    ReconcileResult result;
    result.schoolLines = schoolLines;
    for (const auto& line : delivered) {
        if (!StartsWithSchoolNumber(line)) continue;
        const std::string number = line.substr(0, 6);
        auto match = std::find_if(
            result.schoolLines.begin(), result.schoolLines.end(),
            [&](const std::string& s) { return s.size() >= 8 && s.compare(2, 6, number) == 0; });
        if (match == result.schoolLines.end()) {
            std::string fresh = "00" + number;
            for (const Field& field : kFields) {
                PutField(fresh, field, Trim(FieldAt(line, field.deliveredField)));
            }
            result.newSchools.push_back(fresh);
            result.newDelivered.push_back(line);
            continue;
        }
        for (const Field& field : kFields) {
            const std::string wanted =
                PadRight(Trim(FieldAt(line, field.deliveredField)), static_cast<int>(field.length));
            const std::string old = FieldText(*match, field);
            if (old == wanted) continue;
            result.changes.push_back(number + ";" + field.name + ";" + TrimRight(old) + ";" +
                                     TrimRight(wanted));
            PutField(*match, field, wanted);
        }
    }
    return result;
}

void ReconcileSchoolFile(Engine& engine) {
    if (!engine.services.messages.AskYesNo(" Schulnam.dat wirklich abgleichen")) return;
    const std::string drive = engine.drives.v;
    if (!engine.services.files.Exists(drive + "schuln_6.csv")) return;
    const ReconcileResult result = ReconcileSchoolLines(ReadLines(engine, drive + "schulnam.dat"),
                                                        ReadLines(engine, drive + "schuln_6.csv"));
    engine.outputBox.Clear();
    for (const auto& line : result.newDelivered)
        engine.outputBox.Add("neu: " + line);
    WriteLines(engine, drive + "schuln_6.csx", result.schoolLines);
    WriteLines(engine, drive + "schuln_6.csy", result.changes);
    WriteLines(engine, drive + "schuln_6.neu", result.newSchools);
    engine.services.messages.ShowInfo("fertig");
}

void AbgleichSchulnamdat1Click(Engine& engine) {
    ReconcileSchoolFile(engine);
}

} // namespace tev
