#include "evaluation/column_extracts.h"

#include "evaluation/extract_files.h"
#include "output/codepage.h"
#include "output/save_files.h"
#include "output/text_routines.h"
#include "sheet/sheet_extract.h"
#include "shell/school_loading.h"

namespace tev {
namespace {

constexpr const char* kDefinitions[] = {
    "3.1 AG-Teiln.   0301 03-1 0301 S  ", "7.1 Kursgrößen  0201 02-1 0201 S  ",
    "8.1 Jgst12      0201 02-1 0201 S 1", "8.1 Jgst13      0301 03-1 0301 S 1",
    "8.2 Jgst12      0201 02-1 0201 S 1", "8.2 Jgst13      0301 03-1 0301 S 1",
    "8.3 AbiSchn 9j. 0101 01-1 0101 S  ", "8.3 AbiSchn 8j. 0201 02-1 0201 S  ",
    "8.3 AbiSchnitte 0101 02-1 0101 S 2",
};

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

std::vector<std::string> ColumnExtractTexts() {
    std::vector<std::string> texts;
    for (const char* text : kDefinitions)
        texts.push_back(Win(text));
    return texts;
}

std::optional<ColumnExtractDefinition> ParseColumnExtract(const std::string& text) {
    // Table id and label fill 16 characters, then "ccrr" of the first range field.
    if (text.size() < 32 || !IsDigit(text[0]) || text[1] != '.' || !IsDigit(text[2]))
        return std::nullopt;
    const std::string range = text.substr(16, 4);
    for (char c : range) {
        if (!IsDigit(c)) return std::nullopt;
    }
    ColumnExtractDefinition definition;
    definition.grid = std::string("SG") + text[0] + text[2];
    definition.label = Trim(text.substr(4, 12));
    definition.col = ParseInt(range.substr(0, 2));
    definition.row = ParseInt(range.substr(2, 2));
    definition.nextColumnToo = text.size() > 33 && text[33] == '2';
    return definition;
}

std::string ColumnExtractFileName(const ColumnExtractDefinition& definition) {
    std::string label = definition.label;
    while (!label.empty() && label.back() == '.')
        label.pop_back();
    // Umlauts spelled out: the name stays the same on every file system.
    std::string name = "__";
    for (char c : label) {
        switch (static_cast<unsigned char>(c)) {
        case 0xE4:
            name += "ae";
            break;
        case 0xF6:
            name += "oe";
            break;
        case 0xFC:
            name += "ue";
            break;
        case 0xC4:
            name += "Ae";
            break;
        case 0xD6:
            name += "Oe";
            break;
        case 0xDC:
            name += "Ue";
            break;
        case 0xDF:
            name += "ss";
            break;
        default:
            name += c;
        }
    }
    return name + "_" + definition.grid.substr(2) + ".csv";
}

void SpaltenAuszge1Click(Engine& engine) {
    OptionRequest choice;
    choice.caption = Win("Spalten-Auszüge");
    choice.options = ColumnExtractTexts();
    const int chosen = engine.ui().ChooseOption(choice);
    if (chosen < 1 || chosen > static_cast<int>(choice.options.size())) return;
    const auto definition = ParseColumnExtract(choice.options[static_cast<size_t>(chosen - 1)]);
    if (!definition) return;

    // The extract takes its table's shape from the loaded school.
    if (engine.sheet.schoolNumber.empty()) {
        if (engine.schoolList.lines.empty()) return;
        if (engine.schoolList.itemIndex < 0) engine.schoolList.itemIndex = 0;
        LoadListedSchool(engine);
    }
    ExtractRequest request;
    request.grid = definition->grid;
    request.col = definition->col;
    request.row = definition->row;
    request.line = ExtractLine::Column;
    if (definition->nextColumnToo) request.extra = definition->col + 1;
    request.criterion = "*";
    request.questionsSettled = true;
    if (!MakeExtract(engine, request)) return;

    const StringGrid& result = *engine.sheet.grids.Find("SG00");
    const std::string name = ColumnExtractFileName(*definition);
    if (SaveGridCsvSimple(engine, name, result, ""))
        ReportExtractSaved(engine, name + " erstellt", {});
    else
        ReportExtractSaved(engine, "", {name});
}

} // namespace tev
