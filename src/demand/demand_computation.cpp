// The hours of the class levels 5 to 11. The rule, per track and level:
//   - every class gets the general profile's hours of each subject group (classes x hours);
//   - a profile (music, art, sport, science, the special-profile school, ABG) adds, for each
//     group in which it has more hours than the general profile, its groups x the difference;
//   - every language group gets the hours of its position (groups x hours);
//   - sport is taught to boys and girls in groups of their own (groups x hours each);
//   - religion per denomination when the pupils per denomination are known, else per class;
//   - on the 8-year track every class gets the hours left for the supplementary range.
// Tracks are taken from the tables: pupils of 1.1 learn by the 9-year timetable, pupils of
// 1.8 by the 8-year one.
#include "demand/demand_computation.h"

#include "output/codepage.h"
#include "output/text_routines.h"
#include "sheet/row_ids.h"
#include "sheet/subject_tables.h"

#include <algorithm>
#include <array>
#include <limits>

namespace tev {
namespace {

constexpr int kGeneralProfile = 1;
constexpr int kPreparatoryFormYear = 116; // from here row 35 counts the preparatory classes
constexpr int kOtherSequencesRow = 35;
constexpr int kAllPupilsRow = 37;
constexpr int kGirlsRow = 38;
constexpr int kProtestantRow = 57;
constexpr int kCatholicRow = 58;
constexpr int kEthicsRow = 59;
constexpr int kJ1 = 8; // values 8 and 9 of a pupil row are the final years
constexpr int kJ2 = 9;
constexpr int kSportGroup = 9;
constexpr int kReligionGroup = 12;

// The subject code of each subject group (sport and religion are split further).
constexpr const char* kGroupSubjects[kSubjectGroups + 1] = {
    "", "D", "Ek", "G", "Gk", "M", "Ph", "Ch", "Bio", "S", "Mu", "BK", "EvR", "Nat", "Son"};

// The subject code of each language letter of "EFLGRSIHPJCTTTN"; NWT counts as science.
constexpr const char* kLanguageSubjects[kLanguageCount + 1] = {
    "",    "E",   "F",   "L",   "Gr",  "Ru",  "Sp",  "I",
    "Heb", "Por", "Jap", "Chi", "Tur", "Tur", "Tur", "Nat"};

struct ProfileRows {
    int ProfilePupils::*field;
    char letter;
    std::array<int, 2> rowIds; // 0: none
};

const ProfileRows kProfileRows[] = {
    {&ProfilePupils::naturalScience, 'N', {61, 76}},
    {&ProfilePupils::music, 'M', {40}},
    {&ProfilePupils::art, 'B', {63}},
    {&ProfilePupils::sport, '$', {62}},
    {&ProfilePupils::placeScience, 'X', {66}},
    {&ProfilePupils::placeLanguage, 'D', {67}},
    {&ProfilePupils::abg, 'Y', {68}},
};

void Add16(int16_t& to, long long value) {
    to = static_cast<int16_t>(std::clamp<long long>(to + value, std::numeric_limits<int16_t>::min(),
                                                    std::numeric_limits<int16_t>::max()));
}

int Value(const PupilMatrix& pupils, int rowId, int level) {
    return std::max<int>(pupils[rowId][level], 0);
}

// A sequence whose standard label leaves the third language open ("EF_") lets the school
// name it; the label holds a three-language sequence from its ninth character on.
bool OwnThirdLanguage(int rowId) {
    const std::string& label = RowIdLabel(rowId);
    return label.size() > 10 && label[10] == '_';
}

DemandTerm Term(int count, int hours, std::string what) {
    DemandTerm term;
    term.count = count;
    term.hours = hours;
    term.what = std::move(what);
    return term;
}

class DemandBuilder {
public:
    explicit DemandBuilder(const DemandInput& input)
        : in_(input), record_(*input.record), timetable_(StandardProfileTimetable()),
          otherSubject_(SubjectIndexOf("Son")) {}

    DemandResult Build() {
        for (int track : {kDemandNineYear, kDemandEightYear})
            for (int level = 1; level <= kDemandLevels; ++level)
                CountPupils(track, level);
        const Averages averages = ClassAverages();
        for (int track : {kDemandNineYear, kDemandEightYear})
            for (int level = 1; level <= kDemandLevels; ++level)
                BookLevel(track, level, averages);
        FinalYears();
        result_.area.yearCode = static_cast<int16_t>(in_.schoolYearCode + in_.mode);
        result_.area.mode = static_cast<int16_t>(in_.mode);
        return std::move(result_);
    }

private:
    struct Averages {
        int reported = 0; // the school's own pupils per class (table 9.1)
        int hard = 0;     // pupils per class by the divisor
    };

    const PupilMatrix& Matrix(int track) const {
        return track == kDemandNineYear ? record_.pupils11 : record_.pupils18;
    }
    Track TrackOfTable(int track) const {
        return track == kDemandNineYear ? Track::NineYear : Track::EightYear;
    }

    void CountPupils(int track, int level) {
        const PupilMatrix& m = Matrix(track);
        ProfilePupils& p = result_.profiles[track][level];
        p.all = LevelPupils(m, level, in_.schoolYearCode);
        for (const ProfileRows& rows : kProfileRows)
            for (int rowId : rows.rowIds)
                if (rowId > 0) p.*rows.field += Value(m, rowId, level);
        p.protestant = Value(m, kProtestantRow, level);
        p.catholic = Value(m, kCatholicRow, level);
        p.ethics = Value(m, kEthicsRow, level);
        p.girls = std::min(Value(m, kGirlsRow, level), p.all);
        p.boys = p.all - p.girls;
        result_.area.pupils[track][level] = static_cast<int16_t>(std::min(p.all, 32767));
    }

    Averages ClassAverages() const {
        long long reportedPupils = 0, reportedClasses = 0, pupils = 0, classes = 0;
        for (int level = 1; level <= kDemandLevels; ++level) {
            reportedPupils += record_.hours91.hours[level + 2][1];
            reportedClasses += record_.hours91.hours[level + 2][2];
            for (int track : {kDemandNineYear, kDemandEightYear}) {
                pupils += result_.profiles[track][level].all;
                classes += ClassCount(result_.profiles[track][level].all, level);
            }
        }
        Averages averages;
        if (reportedClasses > 0)
            averages.reported = static_cast<int>(reportedPupils / reportedClasses);
        if (classes > 0) averages.hard = static_cast<int>(pupils / classes);
        return averages;
    }

    // The hours go to the subject's column, or to "Son" when the grid has none for it.
    void Book(int track, int level, std::string_view code, DemandTerm term) {
        const int total = term.count * term.hours;
        if (total == 0) return;
        int subject = SubjectIndexOf(code);
        const auto& shown = in_.shownSubjects;
        if (subject < 0 || std::find(shown.begin(), shown.end(), subject) == shown.end()) {
            if (std::find(shown.begin(), shown.end(), otherSubject_) != shown.end()) {
                term.subject = Trim(code);
                subject = otherSubject_;
            } else {
                Note(Win("Stunden ohne Spalte: ") + std::string(code));
                if (subject < 0) return;
            }
        }
        DemandWorkArea& area = result_.area;
        Add16(area.Hours(subject, level, static_cast<DemandWorkArea::Part>(track)), total);
        Add16(area.Hours(subject, level, DemandWorkArea::Both), total);
        result_.terms[track][level][subject].push_back(std::move(term));
    }

    void Note(const std::string& text) {
        auto& notes = result_.notes;
        if (std::find(notes.begin(), notes.end(), text) == notes.end()) notes.push_back(text);
    }

    int Hours(int track, int profile, int group, int level) const {
        return GroupHoursOnTrack(timetable_, TrackOfTable(track), profile, group, level,
                                 in_.switches);
    }

    void BookLevel(int track, int level, const Averages& averages) {
        const ProfilePupils& p = result_.profiles[track][level];
        const int reference = record_.hours91.hours[level + 2][2];
        const int classes =
            ClassCountAdjusted(p.all, level, averages.reported, averages.hard, reference);
        result_.area.classes[track][level] = static_cast<int16_t>(classes);
        if (classes == 0) return;
        for (int group = 1; group <= kSubjectGroups; ++group) {
            const int hours = Hours(track, kGeneralProfile, group, level);
            if (group == kSportGroup)
                BookSport(track, level, hours, p);
            else if (group == kReligionGroup)
                BookReligion(track, level, classes, hours, p);
            else
                Book(track, level, kGroupSubjects[group], Term(classes, hours, "Kl."));
        }
        BookProfiles(track, level, p);
        BookLanguages(track, level);
        if (TrackOfTable(track) == Track::EightYear) {
            const int left = Hours(track, kGeneralProfile, 0, level);
            Book(track, level, "Son",
                 Term(classes, std::max(left, 0), Win("Kl. Ergänzungsbereich")));
        }
    }

    void BookSport(int track, int level, int hours, const ProfilePupils& p) {
        Book(track, level, "SM", Term(ClassCount(p.boys, level), hours, "Gr. Jungen"));
        Book(track, level, "SW", Term(ClassCount(p.girls, level), hours, Win("Gr. Mädchen")));
    }

    void BookReligion(int track, int level, int classes, int hours, const ProfilePupils& p) {
        if (p.protestant + p.catholic + p.ethics == 0) {
            Note(Win("Religion: ohne Schülerzahlen je Bekenntnis stehen die Stunden aller "
                     "Klassen unter EvR"));
            Book(track, level, "EvR", Term(classes, hours, "Kl. (alle Bekenntnisse)"));
            return;
        }
        Book(track, level, "EvR", Term(ClassCount(p.protestant, level), hours, "Gr."));
        Book(track, level, "KR", Term(ClassCount(p.catholic, level), hours, "Gr."));
        Book(track, level, "Eth", Term(ClassCount(p.ethics, level), hours, "Gr."));
    }

    void BookProfiles(int track, int level, const ProfilePupils& p) {
        for (const ProfileRows& rows : kProfileRows) {
            const int groups = ClassCount(p.*rows.field, level);
            const int profile = ProfileIndex(rows.letter);
            if (groups == 0 || profile == 0) continue;
            const std::string what = "Gr. " + timetable_.At(profile)->shortName;
            for (int group = 1; group <= kSubjectGroups; ++group) {
                const int extra = Hours(track, profile, group, level) -
                                  Hours(track, kGeneralProfile, group, level);
                if (extra > 0) Book(track, level, kGroupSubjects[group], Term(groups, extra, what));
            }
        }
    }

    void BookLanguages(int track, int level) {
        std::vector<SequenceRow> rows;
        const PupilMatrix& m = Matrix(track);
        for (int rowId = 1; rowId <= LastSequenceRowId(in_.schoolYearCode); ++rowId) {
            SequenceRow row;
            row.pupils = Value(m, rowId, level);
            for (int i = 0; i < 3; ++i)
                row.letters[i] = record_.languageLetters[rowId][i];
            row.ownThirdLanguage = OwnThirdLanguage(rowId);
            if (row.pupils > 0) rows.push_back(row);
        }
        LanguageGroupTable& table = result_.languages[track][level];
        table = FormLanguageGroups(level, rows, in_.mode);
        for (int position = 1; position <= kLanguagePositions; ++position) {
            for (int language = 1; language <= kLanguageCount; ++language) {
                const int groups = table.groups[position][language];
                if (groups == 0) continue;
                const char letter = kLanguageLetters[language - 1];
                const int hours =
                    LanguageHoursOnTrack(timetable_, TrackOfTable(track), kGeneralProfile, position,
                                         letter, level, in_.switches);
                const std::string what = "Gr. " + std::string(1, letter) + std::to_string(position);
                Book(track, level, kLanguageSubjects[language], Term(groups, hours, what));
            }
        }
    }

    void FinalYears() {
        auto finalPupils = [&](const PupilMatrix& m, int value) {
            int pupils = Value(m, kAllPupilsRow, value);
            if (in_.schoolYearCode >= kPreparatoryFormYear)
                pupils -= Value(m, kOtherSequencesRow, value);
            return static_cast<int16_t>(std::clamp(pupils, 0, 32767));
        };
        DemandWorkArea& area = result_.area;
        area.finalYear12 = {finalPupils(record_.pupils11, kJ1), finalPupils(record_.pupils18, kJ1)};
        area.finalYear13 = {finalPupils(record_.pupils11, kJ2), finalPupils(record_.pupils18, kJ2)};
    }

    const DemandInput& in_;
    const SchoolRecord& record_;
    const ProfileTimetable& timetable_;
    const int otherSubject_;
    DemandResult result_;
};

} // namespace

std::string TermText(const DemandTerm& term) {
    std::string text = term.subject.empty() ? std::string() : term.subject + ": ";
    return text + std::to_string(term.count) + " " + term.what + " x " +
           std::to_string(term.hours) + " Std.";
}

int LastSequenceRowId(int schoolYearCode) {
    return schoolYearCode < kPreparatoryFormYear ? kOtherSequencesRow : kOtherSequencesRow - 1;
}

int LevelPupils(const PupilMatrix& pupils, int level, int schoolYearCode) {
    int sum = 0;
    for (int rowId = 1; rowId <= LastSequenceRowId(schoolYearCode); ++rowId)
        sum += Value(pupils, rowId, level);
    return sum;
}

int SpecialAllocationClasses(const DemandWorkArea& area, int yearCode) {
    int classes = 0;
    for (int level = 1; level <= kDemandLevels; ++level)
        classes += area.classes[kDemandEightYear][level];
    if (yearCode >= 103) {
        const int levels = std::min(yearCode - 102, 6);
        for (int level = 1; level <= levels; ++level)
            classes -= area.classes[kDemandEightYear][level];
    }
    return classes;
}

DemandResult ComputeDemand(const DemandInput& input) {
    return DemandBuilder(input).Build();
}

} // namespace tev
