#include "evaluation/course_overview.h"

#include "data/table_blocks.h"
#include "evaluation/extract_files.h"
#include "output/codepage.h"
#include "output/print_grid.h"
#include "output/save_files.h"
#include "output/text_routines.h"
#include "sheet/table_headings.h"
#include "shell/school_loading.h"

#include <algorithm>
#include <functional>
#include <map>

namespace tev {
namespace {

constexpr int kOlderRegimeRows = 47;
constexpr int kDataCols = 10;
constexpr const char* kTitle = "Kursübersicht";

bool IsWorldOrGl(const std::string& code) {
    return (code.size() >= 2 && code[1] == 'W') || code.rfind("Gl", 0) == 0;
}

// 5.1 and 6.1 rows of one school by subject code (the data lines as the file holds them).
struct SchoolCourses {
    std::map<std::string, std::string> advanced;
    std::map<std::string, std::string> basic;
};

SchoolCourses ReadCourses(const DataSetText& text) {
    SchoolCourses courses;
    for (const auto& row : text.TableRows("51"))
        courses.advanced.emplace(DataSetText::Cell(row, 0), row);
    for (const auto& row : text.TableRows("61"))
        courses.basic.emplace(DataSetText::Cell(row, 0), row);
    return courses;
}

bool RowHasData(const std::string* row) {
    if (!row) return false;
    for (int col = 1; col <= kDataCols; ++col) {
        if (!DataSetText::Cell(*row, col).empty()) return true;
    }
    return false;
}

const std::string* Find(const std::map<std::string, std::string>& rows, const std::string& code) {
    const auto it = rows.find(code);
    return it == rows.end() ? nullptr : &it->second;
}

// A heading of the course tables; one naming pupils ("Sch.J1") is shortened to "J1Sz.".
std::string CourseHeading(const std::string& heading) {
    if (heading.find("Sch.") == std::string::npos) return heading;
    return (heading.size() > 4 ? heading.substr(4, 10) : "") + "Sz.";
}

void ResetTable(Engine& engine, StringGrid& table) {
    table = StringGrid("SG", kCourseTableCols, 1);
    table.SetColWidth(0, 90);
    const int regime = engine.startup.courseRegime;
    const auto advanced = SplitFields(CourseHeadingRow(51, regime));
    const auto basic = SplitFields(CourseHeadingRow(61, regime));
    for (int col = 1; col <= kDataCols; ++col) {
        if (col < static_cast<int>(advanced.size()))
            table.SetCells(col, 0, CourseHeading(advanced[static_cast<size_t>(col)]));
        if (col < static_cast<int>(basic.size()))
            table.SetCells(kCourseSubjectCol + col, 0,
                           CourseHeading(basic[static_cast<size_t>(col)]));
    }
    table.SetCells(kCourseSubjectCol, 0, "Fach");
}

int AddRow(StringGrid& table) {
    const int row = table.RowCount();
    table.SetRowCount(row + 1);
    return row;
}

std::string SchoolName(const std::string& listLine) {
    return listLine.size() > 8 ? TrimRight(listLine.substr(8, 16)) : "";
}

// The rows of one school; true when it gave any.
bool AddSchool(StringGrid& table, const std::string& listLine, const SchoolCourses& courses,
               const std::vector<const CourseSubject*>& chosen) {
    bool found = false;
    for (const CourseSubject* subject : chosen) {
        for (const auto& code : subject->codes) {
            const std::string* advanced = Find(courses.advanced, code);
            const std::string* basic = Find(courses.basic, code);
            if (!RowHasData(advanced) && !RowHasData(basic)) continue;
            found = true;
            const int row = AddRow(table);
            table.SetCells(0, row, SchoolName(listLine));
            table.SetCells(kCourseSubjectCol, row, code);
            for (int col = 1; col <= kDataCols; ++col) {
                if (advanced) table.SetCells(col, row, DataSetText::Cell(*advanced, col));
                if (basic)
                    table.SetCells(kCourseSubjectCol + col, row, DataSetText::Cell(*basic, col));
            }
        }
    }
    return found;
}

void AddSumRow(StringGrid& table) {
    const int last = table.RowCount() - 1; // the closing row stays last
    table.InsertRow(last);
    table.SetCells(0, last, "Summe");
    for (int col = 1; col < kCourseTableCols; ++col) {
        if (col == kCourseSubjectCol) continue;
        long sum = 0;
        for (int row = 1; row < last; ++row)
            sum += ParseInt(table.Cells(col, row));
        if (sum != 0) table.SetCells(col, last, std::to_string(sum));
    }
}

// The marks kept while single subjects are built, restored afterwards.
class MarksKept {
public:
    explicit MarksKept(CourseOverviewState& state) : state_(state) {
        for (const auto& subject : state.subjects)
            marks_.push_back(subject.chosen);
    }
    ~MarksKept() {
        for (size_t i = 0; i < marks_.size() && i < state_.subjects.size(); ++i)
            state_.subjects[i].chosen = marks_[i];
    }
    void ChooseOnly(size_t index) {
        for (size_t i = 0; i < state_.subjects.size(); ++i)
            state_.subjects[i].chosen = i == index;
    }
    const std::vector<bool>& marks() const { return marks_; }

private:
    CourseOverviewState& state_;
    std::vector<bool> marks_;
};

std::string FilePart(const std::string& code) {
    std::string part;
    for (char c : code)
        part += (c == '"' ? '2' : c == ' ' ? '_' : c);
    return part;
}

// The two year digits and the school group's office character.
std::string NamePrefix(const Engine& engine) {
    std::string digits;
    for (char c : engine.startup.yearSuffix) {
        if (c >= '0' && c <= '9') digits += c;
    }
    const char group = engine.schoolGroup.size() > 3 ? engine.schoolGroup[3] : ' ';
    return digits + (group == ' ' ? '_' : group);
}

bool SaveTableText(Engine& engine, const std::string& name, const StringGrid& table,
                   const std::string& heading) {
    std::vector<std::string> lines = {heading};
    for (auto& line : GridTextLines(table))
        lines.push_back(line);
    return SaveLinesReplacing(engine, name, lines);
}

// The fixed subject list of the run over all subjects and its combinations.
struct FixedRun {
    std::string name;
    std::string filePart;
    std::vector<std::string> codes;
};

std::vector<FixedRun> FixedRuns() {
    const std::string list = "xxF  L  Gr Ru EvREthSM F\" L\" Gr\"Ru\"EthPhiS   ";
    std::vector<FixedRun> runs;
    for (size_t at = 2; at + 3 <= list.size(); at += 3) {
        const std::string code = Trim(list.substr(at, 3));
        if (!code.empty()) runs.push_back({code, FilePart(code), {code}});
    }
    runs.push_back({"EKE", "evr_kr_eth", {"EvR", "KR", "Eth"}});
    runs.push_back({"EthP", "eth_phi", {"Eth", "Phi"}});
    runs.push_back({"SPO", "sport", {"S", "SM"}});
    runs.push_back({"zus", "zus", {"zus", "ges"}});
    return runs;
}

// The window's choices as questions: the schools as a range, then the subjects one click at a
// time until a command is chosen.
void RunByAnswers(Engine& engine, CourseOverviewState& state) {
    RangeRequest schools;
    schools.title = "die Schulen selektieren, von denen Daten benutzt werden sollen";
    schools.items = state.schools;
    schools.multi = true;
    if (schools.items.empty() || !engine.ui().SelectRange(schools)) return;
    for (int line = schools.first; line <= schools.last; ++line) {
        if (line >= 1 && line <= static_cast<int>(state.schoolSelected.size()))
            state.schoolSelected[static_cast<size_t>(line - 1)] = true;
    }
    const std::vector<std::string> commands = {
        "zus. erstellen",
        "fachw. einzeln erstellen und abspeichern",
        "fachw. einzeln erstellen und gleich drucken",
        "alle fachw. \"einzeln\" erstellen und abspeichern (auch Kombi EvRKREth ...)",
        "auch Leerzeile",
        "Quit"};
    for (;;) {
        OptionRequest choice;
        choice.caption = Win("Kursübersichten");
        for (const auto& subject : state.subjects)
            choice.options.push_back(SubjectItemText(subject));
        const int first = static_cast<int>(choice.options.size()) + 1;
        for (const auto& command : commands)
            choice.options.push_back(Win(command));
        if (state.emptyRowToo) choice.options[static_cast<size_t>(first + 3)] = "x auch Leerzeile";
        choice.preset = first;
        const int chosen = engine.ui().ChooseOption(choice);
        if (chosen <= 0 || chosen == first + 5) return;
        if (chosen < first) {
            ToggleSubject(state, chosen - 1);
        } else if (chosen == first + 4) {
            state.emptyRowToo = !state.emptyRowToo;
        } else {
            if (chosen == first) BuildCourseTable(engine, state);
            if (chosen == first + 1) SaveEachSubject(engine, state);
            if (chosen == first + 2) PrintEachSubject(engine, state);
            if (chosen == first + 3) SaveAllSubjects(engine, state);
            state.tableShown = state.table.RowCount() > 1;
            return;
        }
    }
}

} // namespace

void Kursbersichtenfachweise1Click(Engine& engine) {
    auto& list = engine.schoolList;
    if (list.itemIndex < 0 && !list.lines.empty()) {
        list.itemIndex = 0;
        LoadListedSchool(engine);
    }
    CourseOverviewState& state = engine.courseOverview;
    state = CourseOverviewState{};
    FillCourseOverview(engine, state);
    if (!engine.ui().ShowCourseOverview(state)) RunByAnswers(engine, state);
}

void FillCourseOverview(Engine& engine, CourseOverviewState& state) {
    state.subjects.clear();
    state.done.clear();
    const StringGrid* basic = engine.sheet.grids.FindTable(61);
    const bool older = basic && basic->RowCount() < kOlderRegimeRows;
    for (int row = 1; basic && row < basic->RowCount(); ++row) {
        const std::string code = Trim(basic->Cells(0, row));
        if (code.empty() || code.find_first_not_of('_') == std::string::npos) continue;
        if (older && IsWorldOrGl(code)) {
            auto it = std::find_if(state.subjects.begin(), state.subjects.end(),
                                   [](const CourseSubject& s) { return s.name == "W_Gl"; });
            if (it == state.subjects.end()) {
                state.subjects.push_back({"W_Gl", {}, false});
                it = state.subjects.end() - 1;
            }
            it->codes.push_back(code);
            continue;
        }
        const bool known = std::any_of(state.subjects.begin(), state.subjects.end(),
                                       [&](const CourseSubject& s) { return s.name == code; });
        if (!known) state.subjects.push_back({code, {code}, false});
    }
    state.schools.clear();
    state.schoolLines = engine.schoolList.lines;
    for (const auto& line : state.schoolLines)
        state.schools.push_back(DosToWindowsText(line.substr(0, 30)));
    state.schoolSelected.assign(state.schools.size(), false);
    ResetTable(engine, state.table);
}

std::string SubjectItemText(const CourseSubject& subject) {
    return std::string(subject.chosen ? "x" : "_") + " " + subject.name;
}

void ToggleSubject(CourseOverviewState& state, int index) {
    if (index < 0 || index >= static_cast<int>(state.subjects.size())) return;
    auto& subject = state.subjects[static_cast<size_t>(index)];
    subject.chosen = !subject.chosen;
}

bool BuildCourseTable(Engine& engine, CourseOverviewState& state) {
    std::vector<const CourseSubject*> chosen;
    for (const auto& subject : state.subjects) {
        if (subject.chosen) chosen.push_back(&subject);
    }
    Ui& ui = engine.ui();
    ResetTable(engine, state.table);
    const bool anySchool = std::find(state.schoolSelected.begin(), state.schoolSelected.end(),
                                     true) != state.schoolSelected.end();
    if (!anySchool) {
        engine.services.messages.ShowInfo(Win("rechts wurden keine Schulen angewählt!!!"));
        return false;
    }
    int schools = 0;
    bool found = false;
    ui.ProgressStart(static_cast<int>(state.schoolLines.size()));
    for (size_t i = 0; i < state.schoolLines.size() && i < state.schoolSelected.size(); ++i) {
        if (!ui.ProgressRunning()) break;
        if (!state.schoolSelected[i]) continue;
        ui.ProgressStep(static_cast<int>(i) + 1);
        const std::string& line = state.schoolLines[i];
        DataSetText text;
        if (line.size() >= 8 && !chosen.empty())
            text.Read(engine.services.files,
                      engine.work.tevDir + "SL" + line.substr(2, 6) + engine.startup.yearSuffix);
        if (AddSchool(state.table, line, ReadCourses(text), chosen)) {
            found = true;
            ++schools;
        } else if (state.emptyRowToo) {
            state.table.SetCells(0, AddRow(state.table), SchoolName(line));
            ++schools;
        }
        ui.ProcessMessages();
    }
    ui.ProgressEnd();
    if (chosen.empty() || !found) {
        ResetTable(engine, state.table);
        engine.services.messages.ShowInfo(
            Win("kein Fach gefunden oder links wurde kein Fach angewählt!!!"));
        return false;
    }
    state.table.SetCells(0, AddRow(state.table), FormatInt(schools, 3) + " Schulen     ");
    return true;
}

namespace {

// Each chosen subject alone, built and handed on; the marks come back at the end.
void ForEachChosenSubject(Engine& engine, CourseOverviewState& state,
                          const std::function<bool(const std::string& subject)>& finish) {
    MarksKept kept(state);
    for (size_t i = 0; i < kept.marks().size(); ++i) {
        if (!kept.marks()[i]) continue;
        kept.ChooseOnly(i);
        const std::string subject = state.subjects[i].name;
        if (BuildCourseTable(engine, state) && finish(subject)) state.done.push_back(subject);
    }
}

} // namespace

void SaveEachSubject(Engine& engine, CourseOverviewState& state) {
    ForEachChosenSubject(engine, state, [&](const std::string& subject) {
        const std::string name = NamePrefix(engine) + "K" + FilePart(subject) + ".txt";
        return SaveTableText(engine, name, state.table, "_OSKurse_" + subject);
    });
}

void PrintEachSubject(Engine& engine, CourseOverviewState& state) {
    ForEachChosenSubject(engine, state, [&](const std::string& subject) {
        return PrintCourseTable(engine, state, Win(kTitle) + " " + subject);
    });
}

void SaveAllSubjects(Engine& engine, CourseOverviewState& state) {
    const bool text = engine.services.messages.AskYesNo(
        "nicht nur als  *.csv  sondern auch als  *.txt  erzeugen?");
    const std::vector<CourseSubject> kept = state.subjects;
    std::vector<std::string> failed;
    for (const auto& run : FixedRuns()) {
        state.subjects = {{run.name, run.codes, true}};
        if (!BuildCourseTable(engine, state)) continue;
        AddSumRow(state.table);
        const std::string name = NamePrefix(engine) + "_OSKurse_" + run.filePart;
        const std::string heading = "_OSKurse_" + run.name;
        if (!SaveGridCsvSimple(engine, name + ".csv", state.table, heading))
            failed.push_back(name + ".csv");
        if (text && !SaveTableText(engine, name + ".txt", state.table, heading))
            failed.push_back(name + ".txt");
        state.done.push_back(run.name);
    }
    state.subjects = kept;
    if (!failed.empty()) ReportExtractSaved(engine, "", failed);
}

bool PrintCourseTable(Engine& engine, const CourseOverviewState& state, const std::string& title) {
    if (state.table.RowCount() <= 1) return false;
    return PrintGrid(engine, title, state.table, -1);
}

bool SaveCourseTable(Engine& engine, const CourseOverviewState& state) {
    return SaveGridCsv(engine, "", state.table, Win(kTitle));
}

} // namespace tev
