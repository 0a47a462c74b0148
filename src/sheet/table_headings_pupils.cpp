// Tables 1.1, 1.8, 1.2 and 2.1 to 2.4: pupils by language sequence, class, promotion,
// origin, nationality and birth year.
#include "output/codepage.h"
#include "output/text_routines.h"
#include "sheet/heading_writers.h"
#include "sheet/row_ids.h"

#include <algorithm>

namespace tev::headings {
namespace {

constexpr int kPupilRowHeight = 22;

// Table 2.1 and 2.2 share a label column that follows the screen width.
int WideLabelWidth(int screenWidth) {
    return std::clamp(screenWidth - 370, 280, 500);
}

} // namespace

void PupilTable(StringGrid& grid, const Input& in, bool eightYearTrack) {
    Reshape(grid, 13, kPupilTableRows, 0, 1);
    // The 8-year track has no class 11.
    grid.FillRow(0, eightYearTrack ? ";;;5;6;7;8;9;10;;Jgst.1;Jgst.2;Summe"
                                   : ";;;5;6;7;8;9;10;11;Jgst.1;Jgst.2;Summe");
    grid.SetColWidth(0, 120);
    grid.SetColWidth(1, 38);
    grid.SetColWidth(2, 37);
    for (int row = 0; row < kPupilTableRows; ++row)
        grid.SetRowHeight(row, kPupilRowHeight);
    // Rows of the language sequences get their letters from the data.
    for (int row = kLanguageRowIds + 1; row < kPupilTableRows; ++row) {
        const int rowId = RowIdOfRow(row);
        const std::string& label = RowIdLabel(rowId);
        if (rowId == 36) {
            grid.SetCells(0, row, TrimRight(label.substr(0, 8)));
            grid.SetCells(2, row, Trim(label.substr(8, 4)));
        } else {
            grid.SetCells(0, row, TrimRight(label));
        }
    }
    // Before 2016/17 row 35 is a language row again and loses the preparatory-class label.
    if (in.year < 116 && grid.Cells(0, 35) == "VKL") grid.SetCells(0, 35, "");
    if (in.year >= 116) {
        grid.SetCells(0, 35, "VKL");
        grid.SetCells(0, 50, "  dar. weibl.VKL");
        grid.SetCells(0, 52, "  dar. weibl.Mig");
        grid.SetCells(0, 55, "Sch.in Regelkl.");
        grid.SetCells(0, 56, Win(" dar.Mädchen Reg"));
    }
}

void ClassTable(StringGrid& grid, const Input& in) {
    const bool withPreparatoryClasses = in.year >= 116;
    Reshape(grid, 9, withPreparatoryClasses ? 21 : 16, 1, 1);
    grid.FillRow(0, ";5;6;7;8;9;10;11");
    grid.SetColWidth(8, 120);
    // The sum stands in the last row, where the data set file puts its "Summe" line.
    grid.FillCol(0, withPreparatoryClasses
                        ? ";a;b;c;d;e;f;g;h;i;j;k;l;m;n;Summe Regelkl;VKL;VKL;VKL;Summe VKL;Summe"
                        : ";a;b;c;d;e;f;g;h;i;j;;;;;Summe");
}

void PromotionTable(StringGrid& grid, const Input& in) {
    const int rows = in.year >= 122 ? 7 : in.regime > 1 ? 6 : 5;
    Reshape(grid, 9, rows, 1, 1);
    grid.FillRow(0, ";5;6;7;8;9;10;11;zusammen");
    SetColumnTexts(grid, 0, 1, {"männlich", "weiblich", "insgesamt"});
    grid.SetCells(0, 4,
                  FieldAt(Win("Ausnahmefälle:;darunter n.P.1(3)VO in die nächsthöh.Klst. "
                              "versetzt "),
                          std::clamp(in.regime, 1, 2)));
    if (rows > 5)
        grid.SetCells(0, 5,
                      Win("darunter n.P.1(6)VO probeweise in die nächsthöh.Klst. "
                          "aufgenommen "));
    if (rows > 6)
        grid.SetCells(0, 6,
                      Win("Versetzung ausgesetzt(P.3VO).Diese SuS dürfen in den oberen "
                          "Zeilen nicht enthalten sein"));
    grid.SetColWidth(0, WideLabelWidth(in.screenWidth));
}

void OriginTable(StringGrid& grid, const Input& in) {
    const int rows = in.year < 113 ? 13 : in.year < 116 ? 15 : 16;
    Reshape(grid, 10, rows, 1, 1);
    grid.FillRow(0, ";5;6;7;8;9;10;11;Jgst.1;Jgst.2");
    grid.SetCells(0, 0,
                  Win("Von der Gesamtzahl der Schüler waren am Ende des vergangenen "
                      "Schuljahres"));
    SetColumnTexts(grid, 0, 1,
                   {"in der vorhergehenden Klassenstufe eines Gymnasiums(Regelfall)",
                    "in der gleichen Klassenstufe eines Gymnasiums(Wiederholer)",
                    "in einer Grundschule",
                    "in der gleichen Klassenstufe einer Werkreal-/Hauptschule",
                    "in der vorhergehenden Klassenstufe einer Werkreal-/Hauptschule",
                    "in der gleichen Klassenstufe einer Realschule",
                    "in der vorhergehenden Klassenstufe einer Realschule"});
    int row = 8;
    if (in.year > 112) {
        SetColumnTexts(grid, 0, row,
                       {"in der gleichen Klassenstufe einer Gemeinschaftsschule",
                        "in der vorhergehenden Klassenstufe einer Gemeinschaftsschule"});
        row += 2;
    }
    SetColumnTexts(grid, 0, row,
                   {"in einer Sonderschule", "in einer Schule besonderer Art",
                    "in einer Freien Waldorfschule"});
    row += 3;
    if (in.year >= 116) {
        SetColumnTexts(grid, 0, row, {"in einer Vorbereitungsklasse", "im Ausland bzw. sonst"});
        row += 2;
    } else {
        SetColumnTexts(grid, 0, row, {"in einer Förderklasse/Ausland bzw. sonst"});
        row += 1;
    }
    grid.SetCells(0, row, "Summe");
    grid.SetColWidth(0, WideLabelWidth(in.screenWidth));
}

void NationalityTable(StringGrid& grid, const Input& in) {
    // The rows are the school's nationalities; a new sheet has none.
    Reshape(grid, 3, std::max(grid.RowCount(), 2), 2, 1);
    grid.FillRow(0, Win("Id-Nr;Staatsangehörigkeit;Anzahl der Schüler"));
    const int last = grid.RowCount() - 1;
    grid.SetCells(1, last, "Insgesamt      ");
    const auto& names = in.lists.nationalities;
    if (names.empty() || static_cast<int>(names.size()) != last - 1) return;
    for (int i = 0; i < static_cast<int>(names.size()); ++i) {
        const std::string& line = names[i];
        grid.SetCells(0, i + 1, line.substr(0, 3));
        grid.SetCells(1, i + 1, line.size() > 4 ? line.substr(4, 24) : std::string());
    }
}

void BirthYearTable(StringGrid& grid, const Input& in) {
    Reshape(grid, 15, 4, 1, 1);
    grid.SetCells(0, 0, Win("Schüler"));
    for (int col = 1; col <= 13; ++col) {
        std::string heading = std::to_string(in.year + 1892 - col);
        if (col == 1) heading += Win(" und später");
        if (col == 13) heading += Win(" und früher");
        grid.SetCells(col, 0, heading);
    }
    grid.SetCells(14, 0, "zusammen");
    SetColumnTexts(grid, 0, 1, {"männlich", "weiblich", "insgesamt"});
}

} // namespace tev::headings
