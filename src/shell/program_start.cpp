#include "shell/program_start.h"

#include "data/school_directory.h"
#include "output/text_routines.h"
#include "shell/directory_commands.h"
#include "shell/file_name_rules.h"
#include "shell/line_reader.h"
#include "shell/school_list_sort.h"

#include <chrono>
#include <filesystem>

namespace tev {
namespace {

constexpr size_t kWorkBufferSize = 1024;
// A definition number packs v div 100 into the high byte and v mod 100 into the low one; a
// value beyond that is no definition and stays 0 instead of overflowing.
constexpr int kMaxTableDefinitionValue = 255 * 100 + 99;

std::string DateTextOf(const Date& date) {
    return DateText(PackDate(date.year, date.month, date.day));
}

} // namespace

Date Today() {
    const auto now = std::chrono::system_clock::now();
    const std::chrono::year_month_day ymd{std::chrono::floor<std::chrono::days>(now)};
    return {static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
            static_cast<int>(static_cast<unsigned>(ymd.day()))};
}

void ProcessStart(Engine& engine, const StartInputs& inputs) {
    ScanCommandOptions(inputs.parameters, engine.startup);
    engine.services.log.SetDeveloperMode(
        DeveloperModeFromEnvironment(inputs.usw, inputs.homeShare));
    engine.startup.today = inputs.today;
    engine.startup.todayText = DateTextOf(inputs.today);
    auto& memory = engine.services.memory;
    engine.workBuffer = memory.AllocTracked(kWorkBufferSize, "sysnew:tempbuf");
    engine.recordBuffer = memory.AllocTracked(kWorkBufferSize, "zepsdcl:tempbuf");
    memory.AccountRecord(&engine.sheet.record, sizeof engine.sheet.record, "zepsdcl:_1");
    memory.AccountRecord(&engine.work, sizeof engine.work, "zepsdcl:_9");
    // The evaluations across schools keep their sums here for the whole run.
    memory.AccountRecord(&engine.summary, sizeof engine.summary, "zepsdcl:_2");
}

void LoadTableDefinitionLists(Engine& engine) {
    auto& startup = engine.startup;
    auto load = [&](const char* name) {
        std::ifstream in;
        if (!engine.services.files.OpenForReading("-" + startup.helpPath + name, in)) return;
        std::vector<std::string> items;
        LineReader reader(in);
        std::string line;
        while (reader.Next(line) && items.size() < kMaxListFileLines)
            items.push_back(line);
        startup.tableDefinitionItems = std::move(items);
    };
    load("stal_ag.def");
    if (startup.schoolYearCode >= 118) load("stal_ag2.def");
    if (startup.schoolYearCode >= 120) load("stal_ag3.def");
    startup.tableDefinitionNumbers.fill(0);
    const auto& items = startup.tableDefinitionItems;
    for (size_t i = 1; i < startup.tableDefinitionNumbers.size() && i <= items.size(); ++i) {
        const int v = ParseInt(items[i - 1]);
        if (v < 0 || v > kMaxTableDefinitionValue) {
            engine.services.log.Write("stal_ag: Zeile " + std::to_string(i) + " (" + items[i - 1] +
                                      ") ausserhalb 0.." +
                                      std::to_string(kMaxTableDefinitionValue));
            continue;
        }
        startup.tableDefinitionNumbers[i] = static_cast<uint16_t>((v / 100) * 256 + v % 100);
    }
    startup.tableDefinitionSelector = startup.tableDefinitionNumbers[3] < 1000 ? 3 : 2;
}

void FormCreate(Engine& engine, const StartInputs& inputs) {
    auto& startup = engine.startup;
    auto& window = engine.window;
    engine.services.log.Delete();
    window.listWidth = 530;
    window.sortIndex = inputs.sortIndex.value_or((engine.developerMode() & 1) ? 0 : 2);
    engine.rememberedSortIndex = window.sortIndex;
    startup.dataPath = inputs.parameters.empty()
                           ? DataPathFromCurrentDirectory(inputs.currentDirectory)
                           : DataPathFromParameter(inputs.parameters[0]);
    engine.drives = ResolveDriveFolders(startup.dataPath, inputs.drives);
    const bool shortReportMarker = engine.services.files.Exists(startup.dataPath + "epr.dat");
    startup.yearSuffix = YearSuffixOfDate(inputs.today, shortReportMarker);
    if (inputs.yearSuffix) startup.yearSuffix = *inputs.yearSuffix;
    engine.work.tevDir = startup.dataPath + "TEV/";
    engine.work.dataPathCopy = startup.dataPath;
    window.caption = "TEV" + std::string(22, ' ') + startup.dataPath;
    if (startup.helpPath.empty()) startup.helpPath = startup.dataPath;
    ApplyYearSuffix(startup, startup.yearSuffix);
    if (!FindFirstFile(engine.work.tevDir + "SL*.9*").empty()) {
        LoadOldNameList(engine, ' ');
    } else {
        Laden1Click(engine);
    }
    startup.helpFile = startup.helpPath + "RAzad.HLP";
    LoadTableDefinitionLists(engine);
    const bool developer = (engine.developerMode() & 1) != 0;
    window.developerPanelVisible = developer;
    // Not through the file routines: their rules would take the trailing "-" for silence.
    std::error_code ignored;
    const bool epr91 = std::filesystem::exists(startup.dataPath + "epr.dat-", ignored);
    window.check91Plaus = epr91;
    window.check91PlausSoll = epr91;
    window.developerMenuVisible = developer;
}

} // namespace tev
