#include "evaluation/completeness_check.h"

#include "demand/demand_commands.h"
#include "evaluation/school_loop.h"
#include "output/codepage.h"
#include "output/print_list.h"
#include "output/text_routines.h"

#include <algorithm>
#include <array>

namespace tev {
namespace {

constexpr int kMessageLimitShort = 3;
constexpr int kMessageLimitLong = 100;
constexpr size_t kShortNameBlock = 215; // column 216, 0-based

constexpr size_t kShortPart = 84; // what "Fehl" keeps of a full-form list line

DataTestStatus StatusOfLine(const std::string& line) {
    if (line.empty()) return DataTestStatus::Missing;
    if (line[0] == 'F') return DataTestStatus::Faulty;
    if (line[0] == 'S') return DataTestStatus::Ok;
    return DataTestStatus::Missing;
}

bool Questions(const std::string& line) {
    return line.find('?') != std::string::npos;
}

// Lines of the school list come from the DOS-coded school-name file.
std::string ForDisplay(const std::string& line) {
    return FromOemText(line);
}

struct DataTestRun {
    bool showAll = false;
    int messageLimit = kMessageLimitLong;
    std::array<int, 6> counters{};
    int form1997 = 0;
    // When asked for: the CSV lines of every tested school's findings.
    std::vector<std::string>* findingLines = nullptr;
};

void CollectFindings(const Engine& engine, const std::string& schoolNumber,
                     std::vector<std::string>& out) {
    for (const Finding& finding : engine.sheet.findingDetails)
        out.push_back(schoolNumber + ";" + FindingCsvLine(finding, engine.sheet.findings));
}

void ListFindings(Engine& engine, const std::vector<std::string>& findings, int limit) {
    const int n = std::min(limit, static_cast<int>(findings.size()) - 1);
    for (int i = 1; i <= n; ++i)
        engine.outputBox.Add(ForDisplay(findings[i]));
}

void TestOneSchool(Engine& engine, DataTestRun& run, int index, bool loaded) {
    const auto& findings = engine.sheet.findings;
    const TestVerdict verdict = loaded ? JudgeTestLines(findings) : TestVerdict{};
    const DataTestStatus status = verdict.status;
    if (status != DataTestStatus::Missing && engine.sheet.form1997) ++run.form1997;
    std::string line = engine.schoolList.lines[index];
    line.resize(std::max<size_t>(line.size(), 8), ' ');
    const bool zep = engine.services.files.Exists(ZepListFile(engine, line.substr(2, 6)));
    if (run.findingLines && loaded) CollectFindings(engine, line.substr(2, 6), *run.findingLines);
    const auto zepRow = zep ? DataTestStatus::ZepPresent : DataTestStatus::ZepMissing;
    line[0] = DataTestTexts()[static_cast<int>(status)][0];
    line[1] = DataTestTexts()[static_cast<int>(zepRow)][0];
    ++run.counters[static_cast<int>(status)];
    ++run.counters[static_cast<int>(zepRow)];
    if (engine.window.shortNameOnly) {
        const std::string block =
            line.size() > kShortNameBlock ? line.substr(kShortNameBlock, 15) : "";
        line = PadRight(line, 30) + " " + block;
    }
    const bool details = engine.sheet.form1997 || findings.size() > 1;
    switch (status) {
    case DataTestStatus::Missing:
        engine.outputBox.Add(ForDisplay(line));
        break;
    case DataTestStatus::Faulty:
        engine.outputBox.Add(ForDisplay(line));
        ListFindings(engine, findings, run.messageLimit);
        break;
    case DataTestStatus::Ok:
        if (run.showAll && details) {
            engine.outputBox.Add(ForDisplay(line));
            ListFindings(engine, findings, run.messageLimit);
        }
        break;
    case DataTestStatus::Doubtful:
        engine.outputBox.Add(ForDisplay(line));
        engine.outputBox.Add(ForDisplay(verdict.line));
        break;
    default:
        break;
    }
    engine.schoolList.lines[index] = line;
}

} // namespace

const std::vector<std::string>& DataTestTexts() {
    static const std::vector<std::string> texts = {
        "\\ Schulstat. fehlt      ", "- Schulstat. fehlerhaft ", "+ Schulstat. ok         ",
        "\\ Zeplistn fehlt        ", "  Zeplistn vorhanden    ", "? Schulstat. unvollst.? "};
    return texts;
}

TestVerdict JudgeTestLines(const std::vector<std::string>& findings) {
    if (findings.empty()) return {};
    TestVerdict verdict{StatusOfLine(findings.front()), findings.front()};
    if (verdict.status == DataTestStatus::Missing)
        verdict = {StatusOfLine(findings.back()), findings.back()};
    if (verdict.status != DataTestStatus::Ok) return verdict;
    // A passed test writes its questions as remarks below the verdict line.
    if (Questions(verdict.line)) return {DataTestStatus::Doubtful, verdict.line};
    const auto question = std::find_if(findings.begin(), findings.end(), Questions);
    if (question != findings.end()) return {DataTestStatus::Doubtful, *question};
    return verdict;
}

std::string ZepListFile(const Engine& engine, const std::string& schoolNumber) {
    return engine.work.zepDir + "ze" + schoolNumber + engine.startup.yearSuffix;
}

void Testen1Click(Engine& engine) {
    RunDataTest(engine, nullptr);
}

void RunDataTest(Engine& engine, std::vector<std::string>* findingLines) {
    // The test changes the marks that decide which schools a summary takes.
    engine.summary.Release();
    const auto range = ChooseSchoolRange(engine, "Testen");
    if (!range) return;
    DataTestRun run;
    run.findingLines = findingLines;
    auto& messages = engine.services.messages;
    run.showAll = !messages.AskYesNo("nur anzeigen wenn Datentest nicht ok?");
    run.messageLimit = messages.AskYesNo("jeweils nur max. 3 Zeilen anzeigen") ? kMessageLimitShort
                                                                               : kMessageLimitLong;
    engine.outputBox.Clear();
    DeferDemandOnLoad demand(engine);
    ForEachSchool(engine, *range,
                  [&](int index, bool loaded) { TestOneSchool(engine, run, index, loaded); });
    demand.Finish();
    engine.outputBox.Add("PROTOKOLL:");
    for (size_t row = 0; row < run.counters.size(); ++row) {
        engine.outputBox.Add("   " + DataTestTexts()[row] + ":" + FormatInt(run.counters[row], 3));
    }
    if (run.form1997 > 0) {
        engine.outputBox.Add("   noch Formulare von 1997:" + FormatInt(run.form1997, 3));
    }
    PrintListBox(engine, Win("Schulstatistik-Übersicht mit Testkennzeichen"),
                 engine.schoolList.lines, 0);
    PrintListBox(engine, "Schulstatistik: Liste mit Fehlerhinweisen", engine.outputBox.lines(), 35);
}

void Fehl1Click(Engine& engine) {
    engine.outputBox.Clear();
    int missing = 0;
    for (const auto& line : engine.schoolList.lines) {
        if (line.empty() || line[0] != '\\') continue;
        ++missing;
        const bool fullForm = engine.schoolList.lineForm > 100;
        engine.outputBox.Add(fullForm ? line.substr(0, kShortPart) : line);
    }
    auto& lines = engine.outputBox.lines();
    lines.insert(lines.begin(), "Statistikdaten(\"*" + engine.startup.yearSuffix +
                                    "\") fehlen von " + IntText(static_cast<int16_t>(missing)) +
                                    " Schulen");
    PrintListBox(engine, "Fehl-Liste", engine.outputBox.lines(), 35);
}

void NachForderung1Click(Engine& engine) {
    const auto range = ChooseSchoolRange(engine, "Nachforderung falls Daten nicht ok");
    if (!range) return;
    ForEachSchool(engine, *range, [&](int index, bool loaded) {
        const auto& findings = engine.sheet.findings;
        if (!loaded || findings.empty() ||
            StatusOfLine(findings.front()) != DataTestStatus::Faulty) {
            return;
        }
        engine.services.files.LoadListFile(engine.startup.helpPath + "nachford.mm",
                                           engine.outputBox.lines(), false);
        for (int i = 0; i < 5; ++i)
            engine.outputBox.Add("");
        const std::string& line = engine.schoolList.lines[index];
        engine.outputBox.Add(ForDisplay(line.size() > 30 ? line.substr(30, 46) : ""));
        engine.outputBox.Add(" ");
        for (const auto& finding : findings)
            engine.outputBox.Add(finding);
        PrintListBox(engine, Win("Datenüberprüfung"), engine.outputBox.lines(), 35);
    });
}

} // namespace tev
