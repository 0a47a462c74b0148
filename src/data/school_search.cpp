#include "data/school_search.h"

#include "output/codepage.h"
#include "output/text_routines.h"
#include "shell/line_reader.h"
#include "shell/school_loading.h"
#include "shell/school_selection.h"

#include <cstdio>

namespace tev {
namespace {

// The lists hold the DOS code page of the name files, the typed text the program's: a line
// matches the text in either.
struct TypedSearch {
    std::string typed;
    std::string dos;
    bool In(const std::string& line) const {
        return line.find(typed) != std::string::npos || line.find(dos) != std::string::npos;
    }
};

std::string HitLine(int index, const std::string& directory, const std::string& line) {
    char number[16];
    std::snprintf(number, sizeof number, "%3d", index);
    return number + directory + " " + line;
}

std::vector<std::string> SearchOldNameLists(Engine& engine, const TypedSearch& text) {
    std::vector<std::string> found;
    for (char district : kDistrictLetters) {
        const std::string file = DistrictNameListFile(engine, district);
        std::ifstream in;
        if (!engine.services.files.OpenForReading("-" + file, in)) continue;
        const std::string directory = file.substr(0, file.find_last_of('/') + 1);
        LineReader reader(in);
        std::string line;
        for (int index = 0; reader.Next(line) && found.size() < kMaxListFileLines; ++index) {
            if (text.In(line)) found.push_back(HitLine(index, directory, line));
        }
    }
    return found;
}

} // namespace

std::string DistrictNameListFile(const Engine& engine, char districtLetter) {
    std::string dir = engine.work.tevDir;
    if (!dir.empty() && dir.back() == '/') dir.pop_back();
    return dir + districtLetter + "/namen" + districtLetter + ".dat";
}

void SearchSchool(Engine& engine) {
    TextRequest question;
    question.caption = "Schule suchen";
    question.prompt = "Name oder Nr";
    question.width = 30;
    if (!engine.ui().AskText(question)) return;
    const TypedSearch text{question.value, ToOemText(question.value)};
    const auto& lines = engine.schoolList.lines;
    std::vector<std::string> hits;
    std::vector<int> hitIndexes;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (!text.In(lines[i])) continue;
        hits.push_back(HitLine(static_cast<int>(i), engine.work.tevDir, lines[i]));
        hitIndexes.push_back(static_cast<int>(i));
    }
    if (hits.empty()) {
        engine.ui().ShowLines(SearchOldNameLists(engine, text), "gefunden");
        return;
    }
    int picked = 0;
    if (hits.size() > 1) {
        RangeRequest choice;
        choice.title = Win("auswählen");
        choice.items = hits;
        if (!engine.ui().SelectRange(choice)) return;
        picked = choice.first - 1;
    }
    SelectListedSchool(engine, hitIndexes[picked]);
    LBClick(engine);
}

void SucheSchule1Click(Engine& engine) {
    SearchSchool(engine);
}

} // namespace tev
