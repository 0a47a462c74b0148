// "Klassenstärken (1.2) auswerten": pupils, classes and average class size per level from
// the class table, grouped by region, with the distribution of class sizes as a second file
// and as a chart.
#include "data/school_search.h"
#include "evaluation/class_reports.h"
#include "evaluation/list_line_fields.h"
#include "evaluation/report_rows.h"
#include "evaluation/school_loop.h"
#include "output/codepage.h"
#include "output/text_routines.h"
#include "shell/window_commands.h"

#include <algorithm>

namespace tev {
namespace {

constexpr int kLevels = 7;
// Sizes with a column of their own in the distribution list.
constexpr int kListedSizes = 36;
constexpr int kLastClassRow = 14;
constexpr int kSumColumn = 12;     // tables 1.1 and 1.8: "Summe"
constexpr int kFirstFinalCol = 10; // tables 1.1 and 1.8: "Jgst.1", "Jgst.2"

// Pupils and classes per level 5..11 (0..6) and of 5..11 together (7); the final years and
// all pupils of tables 1.1 and 1.8.
struct SizeSums {
    std::array<int, kLevels + 1> pupils{};
    std::array<int, kLevels + 1> classes{};
    int upperPupils = 0;
    int allPupils = 0;

    void Add(const SizeSums& other) {
        for (int i = 0; i <= kLevels; ++i) {
            pupils[i] += other.pupils[i];
            classes[i] += other.classes[i];
        }
        upperPupils += other.upperPupils;
        allPupils += other.allPupils;
    }
};

CellRow SizeRow(const std::string& label, const SizeSums& sums) {
    CellRow row{label};
    for (int i = 0; i <= kLevels; ++i) {
        row.push_back(std::to_string(sums.pupils[i]));
        row.push_back(std::to_string(sums.classes[i]));
        row.push_back(FormatRatio(sums.pupils[i], sums.classes[i], 0, 1));
    }
    row.push_back(std::to_string(sums.upperPupils));
    row.push_back(std::to_string(sums.allPupils));
    return row;
}

// The region a school belongs to, by the list's sort order: the regional sorts group by the
// first three digits of the regional number, "RegBez" by its district digit; other orders
// make no region rows.
std::string RegionKey(const Engine& engine, const std::string& line) {
    switch (engine.window.sortIndex) {
    case 7:
    case 9:
    case 12:
        return ListField(line, 78, 3);
    case 10:
        return ListField(line, 78, 1);
    default:
        return {};
    }
}

std::string DistrictLabel(int district) {
    return "zus. " + std::string(1, kDistrictLetters[district]);
}

CellRow DistributionHeader() {
    std::string text = "Schule;";
    for (int size = 1; size <= kListedSizes; ++size)
        text += ";" + FormatInt(size, 0);
    text += Win(";;;;;1..16;17..20;21..24;25..28;29..;zus;;Ø");
    return SplitFields(text);
}

// Name and number, the classes per size 1..36, the buckets with their total, and the
// average size (under the heading "Ø").
CellRow DistributionRow(const std::string& name, const std::string& number,
                        const std::array<int, kLargestCountedClass + 1>& counts) {
    CellRow row{name, number};
    std::array<int, kClassSizeBuckets> buckets{};
    int classes = 0;
    int pupils = 0;
    for (int size = 1; size <= kLargestCountedClass; ++size) {
        if (size <= kListedSizes) row.push_back(std::to_string(counts[size]));
        buckets[ClassSizeBucket(size)] += counts[size];
        classes += counts[size];
        pupils += counts[size] * size;
    }
    row.insert(row.end(), 4, "");
    for (int count : buckets)
        row.push_back(std::to_string(count));
    row.push_back(std::to_string(classes));
    row.push_back("");
    row.push_back(FormatRatio(pupils, classes, 0, 2));
    return row;
}

std::array<int, kLargestCountedClass + 1> AllLevels(const ClassSizeHistogram& histogram) {
    std::array<int, kLargestCountedClass + 1> counts{};
    for (int level = 0; level < kLevels; ++level)
        for (int size = 0; size <= kLargestCountedClass; ++size)
            counts[size] += histogram.Classes(level, size);
    return counts;
}

} // namespace

int ClassSizeBucket(int size) {
    if (size <= 16) return 0;
    if (size >= 29) return 4;
    return (size - 17) / 4 + 1;
}

void ClassSizeHistogram::Add(int levelIndex, int size) {
    if (levelIndex < 0 || levelIndex >= kLevels || size < 1 || size > kLargestCountedClass) return;
    ++counts[levelIndex][size];
}

int ClassSizeHistogram::Classes(int levelIndex, int size) const {
    if (levelIndex < 0 || levelIndex >= kLevels || size < 0 || size > kLargestCountedClass)
        return 0;
    return counts[levelIndex][size];
}

BarChart ClassSizeChart(const ClassSizeHistogram& histogram, const std::string& title) {
    BarChart chart;
    chart.title = title;
    chart.fileStem = "KlStGr";
    chart.axisTitle = Win("Klassenstärke (Schüler je Klasse)");
    chart.valueTitle = "Klassen";
    chart.categories = {"1..16", "17..20", "21..24", "25..28", "29.."};
    BarSeries all{"Kl. 5-11", std::vector<double>(kClassSizeBuckets, 0.0)};
    for (int level = 0; level < kLevels; ++level) {
        BarSeries series{"Kl. " + std::to_string(level + 5),
                         std::vector<double>(kClassSizeBuckets, 0.0)};
        for (int size = 1; size <= kLargestCountedClass; ++size) {
            series.values[ClassSizeBucket(size)] += histogram.Classes(level, size);
            all.values[ClassSizeBucket(size)] += histogram.Classes(level, size);
        }
        chart.series.push_back(std::move(series));
    }
    chart.series.insert(chart.series.begin(), std::move(all));
    return chart;
}

void Klassenstrken1Click(Engine& engine) {
    const auto range = ChooseSchoolRange(engine, Win("Klassenstärken auswerten (*") +
                                                     engine.startup.yearSuffix + ")");
    if (!range) return;
    engine.outputBox.Clear();
    const std::string title = Win("Klassenstärken 20") + YearDigits(engine);

    std::vector<CellRow> rows{SplitFields(
        "Schule;Sch 5;Kl 5;Dur 5;Sch 6;Kl 6;Dur 6;Sch 7;Kl 7;Dur 7;Sch 8;Kl 8;Dur 8;"
        "Sch 9;Kl 9;Dur 9;Sch 10;Kl 10;Dur 10;Sch 11;Kl 11;Dur 11;Sch 5-11;Kl 5-11;Dur 5-11;"
        "Sch OS;Sch 5-13")};
    std::vector<CellRow> distribution{DistributionHeader()};
    ClassSizeHistogram overall;
    std::array<SizeSums, 4> districts{};
    std::array<bool, 4> districtSeen{};
    SizeSums total;
    SizeSums region;
    std::string regionKey;
    int regionSchools = 0;
    const auto closeRegion = [&] {
        if (regionSchools > 0 && !regionKey.empty())
            rows.push_back(SizeRow("Reg. " + regionKey, region));
        region = SizeSums{};
        regionSchools = 0;
    };

    ForEachSchool(engine, *range, [&](int index, bool loaded) {
        if (!loaded) return;
        const std::string& line = engine.schoolList.lines[index];
        const std::string name = ListShortName(line);
        if (const std::string key = RegionKey(engine, line); key != regionKey) {
            closeRegion();
            regionKey = key;
        }
        const StringGrid* classTable = engine.sheet.grids.FindTable(12);
        SizeSums sums;
        ClassSizeHistogram school;
        const int lastRow = classTable ? std::min(classTable->RowCount() - 2, kLastClassRow) : 0;
        for (int level = 0; level < kLevels; ++level) {
            for (int row = 1; row <= lastRow; ++row) {
                const int size = ParseInt(classTable->Cells(level + 1, row));
                if (size <= 0) continue;
                sums.pupils[level] += size;
                ++sums.classes[level];
                school.Add(level, size);
                overall.Add(level, size);
                if (size >= kLargeClass || size <= kSmallClass) {
                    engine.outputBox.Add(name + "  KlSt." + FormatInt(level + 5, 2) + " :" +
                                         FormatInt(size, size >= kLargeClass ? 18 : 3) + " Sch.");
                }
            }
            sums.pupils[kLevels] += sums.pupils[level];
            sums.classes[kLevels] += sums.classes[level];
        }
        const int allRow = AllPupilsRow(engine);
        for (int table : {11, 18}) {
            sums.allPupils += SheetNumber(engine, table, kSumColumn, allRow);
            sums.upperPupils += SheetNumber(engine, table, kFirstFinalCol, allRow) +
                                SheetNumber(engine, table, kFirstFinalCol + 1, allRow);
        }
        rows.push_back(SizeRow(TrimRight(name), sums));
        distribution.push_back(
            DistributionRow(TrimRight(name), ListSchoolNumber(line), AllLevels(school)));
        region.Add(sums);
        ++regionSchools;
        total.Add(sums);
        const char district = ListField(line, 78, 1)[0];
        if (district >= '1' && district <= '4') {
            districts[district - '1'].Add(sums);
            districtSeen[district - '1'] = true;
        }
    });
    closeRegion();
    for (int district = 0; district < 4; ++district)
        if (districtSeen[district])
            rows.push_back(SizeRow(DistrictLabel(district), districts[district]));
    rows.push_back(SizeRow("zus. Sch/Kl", total));
    distribution.push_back(DistributionRow("zus.", "", AllLevels(overall)));

    rows[0][0] = title;
    FillGridRows(engine.upperTable, rows);
    ShowUpperTable(engine);
    SaveReportCsv(engine, "Kl_Staerke.csv", engine.upperTable, title);
    StringGrid list("LBtemp");
    FillGridRows(list, distribution);
    SaveReportCsv(engine, "Kl_Staerkex.csv", list, title + Win(" Verteilung der Klassenstärken"));
    engine.ui().ShowChart(ClassSizeChart(overall, title));
}

} // namespace tev
