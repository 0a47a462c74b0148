#include "sheet/sheet_colours.h"

#include "output/codepage.h"

#include <algorithm>

namespace tev {
namespace {

struct NamedColour {
    const char* name;
    SheetColour colour;
};

// The window toolkit's named colours; "ActiveCaption" as the system shows a title bar.
constexpr NamedColour kColours[] = {
    {"Olive", {128, 128, 0}},           {"Green", {0, 128, 0}},      {"Teal", {0, 128, 128}},
    {"Gray", {128, 128, 128}},          {"Silver", {192, 192, 192}}, {"Lime", {0, 255, 0}},
    {"Yellow", {255, 255, 0}},          {"Blue", {0, 0, 255}},       {"Red", {255, 0, 0}},
    {"Fuchsia", {255, 0, 255}},         {"Aqua", {0, 255, 255}},     {"White", {255, 255, 255}},
    {"ActiveCaption", {153, 180, 209}},
};

int Shaded(int component, int shade) {
    return (shade * 255 + component - 255) / shade;
}

} // namespace

const std::vector<std::string>& SheetColourNames() {
    static const std::vector<std::string> names = [] {
        std::vector<std::string> list;
        for (const auto& entry : kColours)
            list.emplace_back(entry.name);
        return list;
    }();
    return names;
}

SheetColour NamedSheetColour(const std::string& name) {
    for (const auto& entry : kColours) {
        if (name == entry.name) return entry.colour;
    }
    return {};
}

SheetColour ShadeColour(SheetColour colour, int shade) {
    shade = std::clamp(shade, 1, 4);
    return {Shaded(colour.red, shade), Shaded(colour.green, shade), Shaded(colour.blue, shade)};
}

bool ChooseSheetColour(Engine& engine, bool editableCells) {
    OptionRequest colours;
    colours.caption = editableCells ? Win("Farbe für \"änderbare Felder\"")
                                    : Win("Farbe für \"nicht änderbare Felder\"");
    colours.options = SheetColourNames();
    const int colour = engine.ui().ChooseOption(colours);
    if (colour < 1) return false;
    OptionRequest shades;
    shades.caption = colours.options[colour - 1];
    shades.options = {"normal", "blass", "sehr blass", "ganz blass"};
    const int shade = engine.ui().ChooseOption(shades);
    if (shade < 1) return false;
    SheetWindowState& w = engine.sheet.window;
    (editableCells ? w.editableColour : w.lockedColour) =
        ShadeColour(NamedSheetColour(colours.options[colour - 1]), shade);
    return true;
}

} // namespace tev
