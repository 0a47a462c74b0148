#include "sheet/plausibility_test.h"

#include "output/codepage.h"
#include "output/text_routines.h"
#include "sheet/hours_columns.h"
#include "sheet/plausibility_checks.h"
#include "sheet/record_mapping.h"

#include <algorithm>

namespace tev {
namespace {

using plausi::Context;
using plausi::Report;

constexpr int kResidenceRows = 63;
constexpr int kLastResidencePlace = 60;

// Cells that the sums are about to rewrite: what the school typed there is still worth a note.
plausi::BeforeSums ReadBeforeSums(const Sheet& sheet) {
    plausi::BeforeSums before;
    if (const StringGrid* promotion = sheet.grids.Find("SG21")) {
        for (int col = 1; col < promotion->ColCount(); ++col) {
            const int male = plausi::ReadCount(promotion->Cells(col, 1));
            const int female = plausi::ReadCount(promotion->Cells(col, 2));
            const int total = plausi::ReadCount(promotion->Cells(col, 3));
            if (male + female == total) continue;
            before.promotionColumn = col;
            before.promotionMale = male;
            before.promotionFemale = female;
            before.promotionTotal = total;
            break;
        }
    }
    if (const StringGrid* homeTowns = sheet.grids.Find("SG42"))
        before.otherTownsOfDistrict = plausi::ReadCount(homeTowns->Cells(1, 2));
    return before;
}

// The first column of a table's numbers: the pupil tables and the residence table keep their
// labels in columns without the fixed mark (and a label like "dar." reads as a number).
int FirstNumberColumn(const StringGrid& grid) {
    switch (GridTableNumber(grid.Name())) {
    case 11:
    case 18:
        return 3;
    case 41:
        return 2;
    default:
        return grid.FixedCols();
    }
}

// Any number in the data area of a table grid (the derived table 9.2 does not count).
bool HasAnyData(const Sheet& sheet) {
    for (const std::string& name : SheetGrids::TableGridNames()) {
        if (name == "SG92") continue;
        const StringGrid* grid = sheet.grids.Find(name);
        if (grid == nullptr) continue;
        for (int row = std::max(grid->FixedRows(), 1); row < grid->RowCount(); ++row) {
            for (int col = FirstNumberColumn(*grid); col < grid->ColCount(); ++col) {
                if (ParseInt(grid->Cells(col, row)) != 0) return true;
            }
        }
    }
    return false;
}

void RestoreNationalityHeadings(Sheet& sheet) {
    StringGrid* grid = sheet.grids.Find("SG23");
    if (grid == nullptr || grid->RowCount() < 2) return;
    grid->FillRow(0, Win("Id-Nr;Staatsangehörigkeit;Anzahl der Schüler"));
    grid->SetCells(1, grid->RowCount() - 1, "Insgesamt      ");
}

void RunChecks(const Context& c, Report& r) {
    plausi::CheckPupilTotals(c, r);
    plausi::CheckForeignPupils(c, r);
    plausi::CheckMigration(c, r);
    plausi::CheckPreparatoryClasses(c, r);
    plausi::CheckProfiles(c, r);
    plausi::CheckDisallowedNationalities(c, r);
    plausi::CheckBirthYears(c, r);
    plausi::CheckNonPromoted(c, r);
    plausi::CheckCourses(c, r);
    plausi::CheckHours(c, r);
    plausi::CheckResidence(c, r);
    plausi::CheckLeavers(c, r);
    plausi::CheckYugoslavia(c, r);
    plausi::CheckInclusion(c, r);
    plausi::CheckIslamicEducation(c, r);
    plausi::CheckCourseSizes(c, r);
    plausi::CheckSports(c, r);
    plausi::CheckWorkingGroups(c, r);
    plausi::CheckGrades(c, r);
    plausi::AddRemarks(c, r);
}

// Repeaters beyond a tenth of a level (with two to spare) are worth a second look.
void AddRepeaterNotes(const Context& c, Report& r) {
    const int sumRow = c.Grid(22).RowCount() - 1;
    for (int level = 0; level < plausi::kLevels; ++level) {
        const int col = 1 + level;
        if (c.Num(22, col, 2) - 2 <= c.Num(22, col, sumRow) / 10) continue;
        r.Remark("              2.2 gibt es wirklich mehr als 10% Wiederholer in " +
                     plausi::LevelText(level),
                 CellOf(22, col, 2));
    }
}

void Summarize(const Context& c, Report& r, Sheet& sheet) {
    AddRepeaterNotes(c, r);
    const bool targetsDeviate =
        std::any_of(r.remarks.begin(), r.remarks.end(), [](const std::string& remark) {
            return remark.find(plausi::kTargetDeviation) != std::string::npos;
        });
    if (targetsDeviate) {
        r.Remark(Win("         ! erhebl.Abweich. Soll9.1-Soll9.2: Sollzahlen überprüfen, am "
                     "besten mit  \"Diverses/9.1 Sollstunden und Anzahl-Lehrbef.  aus ZEP "
                     "übernehmen\""),
                 TableOf(91), TableOf(92));
    }
    std::vector<std::string>& lines = sheet.findings;
    std::vector<Finding>& details = sheet.findingDetails;
    lines.clear();
    details.clear();
    if (r.findings.empty()) {
        lines.push_back(kDataOk);
    } else {
        lines.push_back(kFindingsHeading);
        for (Finding finding : r.errorPlaces) {
            finding.line += static_cast<int>(lines.size());
            details.push_back(finding);
        }
        lines.insert(lines.end(), r.findings.begin(), r.findings.end());
        lines.push_back("");
        lines.push_back("Korrigieren Sie die obengenannten Unstimmigkeiten! (Tabellen 1.x, 5.1 u. "
                        "6.1 und Ist-Stunden9.1 in \"Lehrauftragsverteilung\"!)");
    }
    for (Finding finding : r.remarkPlaces) {
        finding.line += static_cast<int>(lines.size());
        details.push_back(finding);
    }
    lines.insert(lines.end(), r.remarks.begin(), r.remarks.end());
}

} // namespace

void CompactResidenceTable(Sheet& sheet) {
    StringGrid* grid = sheet.grids.Find("SG41");
    if (grid == nullptr || grid->RowCount() <= kResidenceRows) return;
    const int totalsRow = grid->RowCount() - 2;
    std::vector<std::vector<std::string>> places;
    for (int row = 1; row < totalsRow; ++row) {
        // A place whose sum column was never computed still keeps its pupils.
        bool hasPupils = false;
        for (int col = 2; col < grid->ColCount(); ++col) {
            if (ParseInt(grid->Cells(col, row)) > 0) hasPupils = true;
        }
        if (hasPupils) places.push_back(grid->Row(row));
    }
    const std::vector<std::string> pupilTotals = grid->Row(totalsRow);
    const std::vector<std::string> classTotals = grid->Row(totalsRow + 1);
    const int placeCount = static_cast<int>(places.size());
    const int newTotalsRow = std::max(placeCount, kLastResidencePlace) + 1;
    auto putRow = [&](int row, const std::vector<std::string>& cells) {
        for (int col = 0; col < grid->ColCount(); ++col)
            grid->SetCells(col, row, col < static_cast<int>(cells.size()) ? cells[col] : "");
    };
    for (int row = 1; row < newTotalsRow; ++row)
        putRow(row, row <= placeCount ? places[row - 1] : std::vector<std::string>());
    putRow(newTotalsRow, pupilTotals);
    putRow(newTotalsRow + 1, classTotals);
    grid->SetRowCount(newTotalsRow + 2);
    SetResidenceTableLabels(*grid);
}

void PlausibilityTest(Engine& engine) {
    Sheet& sheet = engine.sheet;
    CompactResidenceTable(sheet);
    const plausi::BeforeSums before = ReadBeforeSums(sheet);
    CheckHoursColumns(sheet, &engine.services.log);
    UpdAll(sheet);
    if (StringGrid* promotion = sheet.grids.Find("SG21"))
        promotion->SetCells(0, 0, "Nichtversetzte");
    if (sheet.loadState == LoadState::Unreadable) {
        // A school whose file exists but cannot be read is faulty, not missing.
        sheet.findings = {kFindingsHeading, "    Datei kann nicht gelesen werden: " +
                                                sheet.currentFile + " (" + sheet.loadProblem + ")"};
        sheet.findingDetails = {Finding{FindingSeverity::Error, {}, {}, 1}};
    } else if (!HasAnyData(sheet)) {
        sheet.findings = {kNoData};
        sheet.findingDetails.clear();
    } else {
        const plausi::Options options{engine.window.check91Plaus, engine.window.check91PlausSoll,
                                      engine.window.showDifferences};
        const Context context(sheet, options, before);
        Report report;
        RunChecks(context, report);
        Summarize(context, report, sheet);
    }
    RestoreNationalityHeadings(sheet);
}

} // namespace tev
