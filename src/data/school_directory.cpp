#include "data/school_directory.h"

#include "data/school_groups.h"
#include "output/codepage.h"
#include "shell/file_name_rules.h"
#include "shell/line_reader.h"
#include "shell/school_list_sort.h"

#include <algorithm>
#include <unordered_map>

namespace tev {
namespace {

constexpr size_t kShortPartLength = 84;

std::string SchoolNumberOf(const std::string& line) {
    return line.size() > 2 ? line.substr(2, 6) : std::string();
}

void PutAt(std::string& line, size_t position, const std::string& text) {
    if (line.size() < position - 1 + text.size()) line.resize(position - 1 + text.size(), ' ');
    line.replace(position - 1, text.size(), text);
}

// Each new line is reported with every earlier line of the same school number. The earlier
// lines are found through a map, and the report stops growing after a bound, so that a file
// of thousands of equal lines costs neither quadratic time nor unbounded memory.
class DuplicateReport {
public:
    static constexpr size_t kMaxLines = 1000;

    explicit DuplicateReport(Engine& engine) : engine_(engine) {}

    // The newest line of the school list against all before it.
    void Check() {
        const auto& lines = engine_.schoolList.lines;
        const size_t newest = lines.size() - 1;
        std::vector<size_t>& earlier = seen_[SchoolNumberOf(lines[newest])];
        size_t pair = 0;
        for (; pair < earlier.size() && shown_ + 2 <= kMaxLines; ++pair, shown_ += 2) {
            engine_.outputBox.Add("DID doppelt: " + lines[newest]);
            engine_.outputBox.Add(std::string(13, ' ') + lines[earlier[pair]]);
        }
        left_ += 2 * (earlier.size() - pair);
        earlier.push_back(newest);
    }

    // One line for what the bound held back.
    void Finish() {
        if (left_ == 0) return;
        engine_.outputBox.Add("DID doppelt: " + std::to_string(left_) +
                              " weitere Zeilen nicht gezeigt");
    }

private:
    Engine& engine_;
    std::unordered_map<std::string, std::vector<size_t>> seen_;
    size_t shown_ = 0;
    size_t left_ = 0;
};

void FinishLoading(Engine& engine, const std::string& captionTail) {
    engine.window.progressMaximum = static_cast<int>(engine.schoolList.lines.size());
    engine.window.caption = std::string(kVersionTitle) + std::string(7, ' ') +
                            engine.startup.dataPath + std::string(8, ' ') + engine.work.tevDir +
                            "     *" + engine.startup.yearSuffix + captionTail;
    engine.schoolList.itemIndex = -1;
    engine.work.zepDir = ZepDirOf(engine.work.tevDir);
    SortSchoolList(engine, -1);
}

// The list line of a file line: characters 1 to 84 and 215 to 234, or the whole line when a
// district is chosen. Lines too short for the fixed columns are filled with blanks.
std::string MakeListLine(const std::string& fileLine, bool fullForm) {
    std::string line = fullForm ? fileLine : fileLine.substr(0, kShortPartLength);
    if (line.size() < kShortPartLength) line.resize(kShortPartLength, ' ');
    if (!fullForm && fileLine.size() > 214) line += fileLine.substr(214, 20);
    return line;
}

} // namespace

std::string SchoolNameFile(const Engine& engine) {
    return engine.startup.dataPath + "schulnam.dat";
}

std::string DataSetFileName(const Engine& engine, const std::string& schoolNumber) {
    return engine.work.tevDir + "SL" + schoolNumber + engine.startup.yearSuffix;
}

bool SchoolDirectoryReadable(Engine& engine) {
    if (engine.services.files.Exists(SchoolNameFile(engine))) return true;
    const std::string oldList = FindFirstFile(engine.startup.dataPath + "namen*.dat");
    return !oldList.empty() && engine.services.files.Exists(oldList);
}

bool ChooseSchoolGroup(Engine& engine) {
    if (!engine.services.files.Exists(SchoolNameFile(engine))) {
        engine.services.messages.ShowInfo("nicht gefunden: " + SchoolNameFile(engine));
        return false;
    }
    const auto& choices = SchoolGroupChoices();
    OptionRequest request;
    request.caption = Win("Schul-Gruppe wählen");
    request.options = choices;
    const auto current = std::find_if(choices.begin(), choices.end(), [&](const std::string& c) {
        return c.compare(0, 2, engine.schoolGroup, 0, 2) == 0;
    });
    request.preset = current == choices.end() ? 1 : static_cast<int>(current - choices.begin()) + 1;
    const int chosen = engine.ui().ChooseOption(request);
    if (chosen < 1 || chosen > static_cast<int>(choices.size())) return false;
    engine.schoolGroup = choices[chosen - 1];
    return true;
}

void LoadSchoolDirectory(Engine& engine, const std::string& groupCode) {
    const std::string code = (groupCode + "  ").substr(0, 2);
    const bool fullForm = code[1] != ' ';
    engine.schoolList.lines.clear();
    engine.schoolList.lineForm = fullForm ? kFullLineForm : kShortLineForm;
    DuplicateReport duplicates(engine);
    std::ifstream in;
    if (engine.services.files.OpenForReading("-" + SchoolNameFile(engine), in)) {
        LineReader reader(in);
        std::string fileLine;
        while (reader.Next(fileLine) && engine.schoolList.lines.size() < kMaxListFileLines) {
            if (fileLine.compare(0, 2, ".Z") == 0) break;
            if (fileLine.empty() || fileLine[0] != '0') continue;
            if (!InSchoolGroup(fileLine, code)) continue;
            std::string line = MakeListLine(fileLine, fullForm);
            const std::string number = SchoolNumberOf(line);
            if (!engine.services.files.Exists(DataSetFileName(engine, number))) line[0] = '\\';
            line[76] = RegionGroupOf(line.substr(80, 3));
            engine.schoolList.lines.push_back(std::move(line));
            duplicates.Check();
        }
    }
    duplicates.Finish();
    FinishLoading(engine, "   " + engine.schoolGroup.substr(2, 20));
}

void LoadOldNameList(Engine& engine, char districtFilter) {
    engine.schoolList.lines.clear();
    engine.schoolList.lineForm = kShortLineForm;
    const std::string file = FindFirstFile(engine.startup.dataPath + "namen*.dat");
    std::vector<std::string> lines;
    std::ifstream in;
    if (!file.empty() && engine.services.files.OpenForReading("-" + file, in)) {
        LineReader reader(in);
        std::string line;
        while (reader.Next(line) && lines.size() < kMaxListFileLines)
            lines.push_back(line);
    }
    auto startsWith = [](const std::string& line, const char* mark) {
        return line.compare(0, 2, mark) == 0;
    };
    const auto first = std::find_if(lines.begin(), lines.end(),
                                    [&](const std::string& l) { return startsWith(l, ".S"); });
    const auto last = std::find_if(lines.rbegin(), lines.rend(),
                                   [&](const std::string& l) { return startsWith(l, ".Z"); });
    auto begin = first == lines.end() ? lines.begin() : first + 1;
    auto end = last == lines.rend() ? lines.end() : (last + 1).base();
    DuplicateReport duplicates(engine);
    for (auto it = begin; it < end; ++it) {
        if (districtFilter != ' ' && (it->size() < 2 || (*it)[1] != districtFilter)) continue;
        engine.schoolList.lines.push_back(*it);
        duplicates.Check();
    }
    duplicates.Finish();
    FinishLoading(engine, "");
}

void ShowRegionalNumbers(SchoolList& list) {
    for (auto& line : list.lines) {
        const std::string regional = line.size() >= 83 ? line.substr(77, 6) : std::string(6, ' ');
        PutAt(line, 53, " " + regional + " ");
    }
}

} // namespace tev
