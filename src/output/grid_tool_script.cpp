#include "output/grid_tool_script.h"

#include "output/text_routines.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <vector>

namespace tev {
namespace {

constexpr std::string_view kDelimiters = ",>-";

// The arguments split at "," ">" and "-": "3,4>5" gives the parts 3, 4, 5 and the form ",>".
struct Arguments {
    std::vector<std::string> parts;
    std::string form;
};

Arguments Split(std::string_view text) {
    Arguments args;
    if (text.empty()) return args;
    std::string part;
    for (char c : text) {
        if (kDelimiters.find(c) == std::string_view::npos) {
            part += c;
            continue;
        }
        args.parts.push_back(part);
        args.form += c;
        part.clear();
    }
    args.parts.push_back(part);
    return args;
}

class Reader {
public:
    Reader(GridTool& tool, std::string& error) : grid(tool.grid), error_(error) {}

    // A number from 1 on.
    bool Number(const std::string& text, int& value) {
        const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
        if (ec == std::errc() && end == text.data() + text.size() && value >= 1) return true;
        return Fail("\"" + text + "\" is no number from 1 on");
    }
    bool Col(const std::string& text, int& col) {
        if (!Number(text, col)) return false;
        if (col > grid.ColCount())
            return Fail("column " + text + " is outside the table (" +
                        std::to_string(grid.ColCount()) + " columns)");
        --col;
        return true;
    }
    bool Row(const std::string& text, int& row) {
        if (!Number(text, row)) return false;
        if (row > grid.RowCount())
            return Fail("row " + text + " is outside the table (" +
                        std::to_string(grid.RowCount()) + " rows)");
        --row;
        return true;
    }
    // A column or "new".
    bool Target(const std::string& text, int& col) {
        if (text == "new") {
            col = kNewColumn;
            return true;
        }
        return Col(text, col);
    }
    bool Count(const std::string& text, int& value, int most) {
        if (text == "0") {
            value = 0;
            return true;
        }
        if (!Number(text, value)) return false;
        if (value > most) return Fail(text + " is more than " + std::to_string(most));
        return true;
    }
    bool Fail(std::string why) {
        error_ = std::move(why);
        return false;
    }

    StringGrid& grid;

private:
    std::string& error_;
};

using Handler = bool (*)(GridTool&, Reader&, const Arguments&);
// For arguments that may hold the delimiters themselves (a constant "2,5" or "-1").
using TextHandler = bool (*)(GridTool&, Reader&, std::string_view);

struct Operation {
    const char* name;
    const char* syntax;
    const char* help;
    // The accepted forms of the arguments: their delimiters, "" for one part, "()" for none.
    std::array<const char*, 2> forms;
    Handler run;
    TextHandler runOnText = nullptr;
};

bool Combine(GridTool& tool, Reader& in, const Arguments& args, ColumnOperator op, JoinMode join) {
    int s2 = 0, s1 = 0, target = 0;
    if (!in.Col(args.parts[0], s2) || !in.Col(args.parts[1], s1) ||
        !in.Target(args.parts[2], target))
        return false;
    if (CombineColumns(tool.grid, s2, s1, op, join, target) < 0)
        return in.Fail("no room for a new column");
    return true;
}

// "A,K>T": the constant K is everything between the first "," and the last ">".
bool CombineConstant(GridTool& tool, Reader& in, std::string_view text, ColumnOperator op,
                     JoinMode join) {
    const size_t comma = text.find(',');
    const size_t arrow = text.rfind('>');
    if (comma == std::string_view::npos || arrow == std::string_view::npos || arrow < comma)
        return in.Fail("expected COLUMN,CONSTANT>TARGET");
    int s1 = 0, target = 0;
    const std::string constant(text.substr(comma + 1, arrow - comma - 1));
    if (!in.Col(std::string(text.substr(0, comma)), s1) ||
        !in.Target(std::string(text.substr(arrow + 1)), target))
        return false;
    if (join == JoinMode::Numeric && Trim(constant).empty())
        return in.Fail("the constant is missing");
    if (CombineWithConstant(tool.grid, s1, op, join, constant, target) < 0)
        return in.Fail("no room for a new column");
    return true;
}

JoinMode JoinOf(const Arguments& args) {
    if (args.parts.size() < 4) return JoinMode::Direct;
    return args.parts[3] == "_" ? JoinMode::Underscore : JoinMode::Blank;
}

bool Truncate(GridTool& tool, Reader& in, const Arguments& args, bool round) {
    int col = 0, target = 0;
    if (!in.Col(args.parts[0], col)) return false;
    target = col;
    if (args.parts.size() > 1 && !in.Target(args.parts[1], target)) return false;
    if (TruncateColumn(tool.grid, col, round, target) < 0)
        return in.Fail("no room for a new column");
    return true;
}

bool Sort(GridTool&, Reader& in, const Arguments& args, bool numeric) {
    int col = 0, last = in.grid.RowCount() - 1;
    if (!in.Col(args.parts[0], col)) return false;
    if (args.parts.size() > 1 && !in.Row(args.parts[1], last)) return false;
    SortRows(in.grid, col, numeric, FirstDataRow(in.grid), last);
    return true;
}

template <void (*Apply)(StringGrid&, int, int)>
bool TwoCols(GridTool&, Reader& in, const Arguments& args) {
    int a = 0, b = 0;
    if (!in.Col(args.parts[0], a) || !in.Col(args.parts[1], b)) return false;
    Apply(in.grid, a, b);
    return true;
}

template <void (*Apply)(StringGrid&, int, int)>
bool TwoRows(GridTool&, Reader& in, const Arguments& args) {
    int a = 0, b = 0;
    if (!in.Row(args.parts[0], a) || !in.Row(args.parts[1], b)) return false;
    Apply(in.grid, a, b);
    return true;
}

// "A" or "A-B", in either order.
bool Range(Reader& in, const Arguments& args, bool cols, int& first, int& last) {
    const auto read = [&](const std::string& text, int& value) {
        return cols ? in.Col(text, value) : in.Row(text, value);
    };
    if (!read(args.parts[0], first)) return false;
    last = first;
    if (args.parts.size() > 1 && !read(args.parts[1], last)) return false;
    if (last < first) std::swap(first, last);
    return true;
}

bool Cell(Reader& in, const std::string& col, const std::string& row, GridCell& cell) {
    return in.Col(col, cell.col) && in.Row(row, cell.row);
}

// Sum, quotient and share rows from a column on; the popup's counterparts.
bool SumRows(GridTool& tool, Reader& in, const Arguments& args) {
    int col = 0, count = 1;
    if (!in.Col(args.parts[0], col)) return false;
    if (args.parts.size() > 1 && !in.Count(args.parts[1], count, kMaxGridRows)) return false;
    if (AppendSumRows(in.grid, col, std::max(count, 1)) < std::max(count, 1))
        return in.Fail("no room for the sum rows");
    tool.modified |= kGridSumRowsAdded;
    return true;
}

bool SumAndQuotientRows(GridTool& tool, Reader& in, const Arguments& args) {
    int col = 0;
    if (!in.Col(args.parts[0], col)) return false;
    const int first = FirstDataRow(in.grid);
    const int last = in.grid.RowCount() - 1;
    if (AppendSumRows(in.grid, col) < 1 || !AppendQuotientRow(in.grid, col, first, last))
        return in.Fail("no room for the rows");
    tool.modified |= kGridSumRowsAdded;
    return true;
}

bool QuotientRow(GridTool&, Reader& in, const Arguments& args) {
    int col = 0;
    if (!in.Col(args.parts[0], col)) return false;
    if (!AppendQuotientRow(in.grid, col, FirstDataRow(in.grid), in.grid.RowCount() - 1))
        return in.Fail("no room for the row");
    return true;
}

bool ShareRows(GridTool&, Reader& in, const Arguments& args) {
    int from = 0, col = 0;
    if (!in.Row(args.parts[0], from) || !in.Col(args.parts[1], col)) return false;
    int base = from;
    if (args.parts.size() > 2 && !in.Row(args.parts[2], base)) return false;
    const int wanted = in.grid.RowCount() - from;
    if (AppendShareRows(in.grid, from, base, col) < wanted)
        return in.Fail("no room for the share rows");
    return true;
}

const Operation kOperations[] = {
    {"add-col",
     "A,B>T",
     "column T = A + B (T a column number or \"new\" for a new last column)",
     {",>"},
     [](GridTool& t, Reader& in, const Arguments& a) {
         return Combine(t, in, a, ColumnOperator::Add, JoinMode::Numeric);
     }},
    {"sub-col",
     "A,B>T",
     "T = A - B",
     {",>"},
     [](GridTool& t, Reader& in, const Arguments& a) {
         return Combine(t, in, a, ColumnOperator::Subtract, JoinMode::Numeric);
     }},
    {"mul-col",
     "A,B>T",
     "T = A * B",
     {",>"},
     [](GridTool& t, Reader& in, const Arguments& a) {
         return Combine(t, in, a, ColumnOperator::Multiply, JoinMode::Numeric);
     }},
    {"div-col",
     "A,B>T",
     "T = A / B (empty where B is 0)",
     {",>"},
     [](GridTool& t, Reader& in, const Arguments& a) {
         return Combine(t, in, a, ColumnOperator::Divide, JoinMode::Numeric);
     }},
    {"join-col",
     "A,B>T[,_|,blank]",
     "T = the texts of A and B joined, directly, with \"_\" or with a blank",
     {",>", ",>,"},
     [](GridTool& t, Reader& in, const Arguments& a) {
         if (a.parts.size() > 3 && a.parts[3] != "_" && a.parts[3] != "blank")
             return in.Fail("join with \"_\" or \"blank\"");
         return Combine(t, in, a, ColumnOperator::Add, JoinOf(a));
     }},
    {"add-const",
     "A,K>T",
     "T = A + K (K a number, decimal comma or point)",
     {},
     nullptr,
     [](GridTool& t, Reader& in, std::string_view text) {
         return CombineConstant(t, in, text, ColumnOperator::Add, JoinMode::Numeric);
     }},
    {"sub-const",
     "A,K>T",
     "T = A - K",
     {},
     nullptr,
     [](GridTool& t, Reader& in, std::string_view text) {
         return CombineConstant(t, in, text, ColumnOperator::Subtract, JoinMode::Numeric);
     }},
    {"mul-const",
     "A,K>T",
     "T = A * K",
     {},
     nullptr,
     [](GridTool& t, Reader& in, std::string_view text) {
         return CombineConstant(t, in, text, ColumnOperator::Multiply, JoinMode::Numeric);
     }},
    {"div-const",
     "A,K>T",
     "T = A / K",
     {},
     nullptr,
     [](GridTool& t, Reader& in, std::string_view text) {
         return CombineConstant(t, in, text, ColumnOperator::Divide, JoinMode::Numeric);
     }},
    {"join-const",
     "A,TEXT>T",
     "T = the text of A followed by TEXT",
     {},
     nullptr,
     [](GridTool& t, Reader& in, std::string_view text) {
         return CombineConstant(t, in, text, ColumnOperator::Add, JoinMode::Direct);
     }},
    {"trunc",
     "A[>T]",
     "the numbers of A cut to whole numbers, in A or into T",
     {"", ">"},
     [](GridTool& t, Reader& in, const Arguments& a) { return Truncate(t, in, a, false); }},
    {"round",
     "A[>T]",
     "the numbers of A rounded to whole numbers",
     {"", ">"},
     [](GridTool& t, Reader& in, const Arguments& a) { return Truncate(t, in, a, true); }},
    {"sum-rows",
     "C[,N]",
     "a row \"zus\" below the table with the sums from column C on; with N, N rows, row k "
     "summing every N-th data row from data row k",
     {"", ","},
     SumRows},
    {"sum-quotient-rows",
     "C",
     "a sum row and a row \"quot\" with the means from column C on",
     {""},
     SumAndQuotientRows},
    {"quotient-row",
     "C",
     "a row \"quot\" with the means of the data rows from column C on",
     {""},
     QuotientRow},
    {"share-rows",
     "R,C[,B]",
     "for every row from R on a row below the table with its share of row B (default R) in "
     "per cent, from column C on",
     {",", ",,"},
     ShareRows},
    {"sort",
     "C[,LAST]",
     "the data rows (up to row LAST) sorted by column C as numbers",
     {"", ","},
     [](GridTool& t, Reader& in, const Arguments& a) { return Sort(t, in, a, true); }},
    {"sort-text",
     "C[,LAST]",
     "the same, sorted as texts",
     {"", ","},
     [](GridTool& t, Reader& in, const Arguments& a) { return Sort(t, in, a, false); }},
    {"swap-col", "A,B", "columns A and B exchanged", {","}, TwoCols<SwapCols>},
    {"swap-row", "A,B", "rows A and B exchanged", {","}, TwoRows<SwapRows>},
    {"copy-col", "A>B", "column A copied over column B", {">"}, TwoCols<CopyCol>},
    {"copy-row", "A>B", "row A copied over row B", {">"}, TwoRows<CopyRow>},
    {"copy-cell",
     "C,R>C2,R2",
     "the cell C,R copied into the cell C2,R2",
     {",>,"},
     [](GridTool&, Reader& in, const Arguments& a) {
         GridCell from, to;
         if (!Cell(in, a.parts[0], a.parts[1], from) || !Cell(in, a.parts[2], a.parts[3], to))
             return false;
         in.grid.SetCells(to.col, to.row, in.grid.Cells(from.col, from.row));
         return true;
     }},
    {"insert-col",
     "C",
     "an empty column before column C",
     {""},
     [](GridTool&, Reader& in, const Arguments& a) {
         int col = 0;
         if (!in.Col(a.parts[0], col)) return false;
         return in.grid.InsertCol(col) || in.Fail("no room for a column");
     }},
    {"append-col",
     "",
     "an empty column at the end",
     {"()"},
     [](GridTool&, Reader& in, const Arguments&) {
         return in.grid.InsertCol(in.grid.ColCount()) || in.Fail("no room for a column");
     }},
    {"insert-row",
     "R",
     "an empty row before row R",
     {""},
     [](GridTool&, Reader& in, const Arguments& a) {
         int row = 0;
         if (!in.Row(a.parts[0], row)) return false;
         return in.grid.InsertRow(row) || in.Fail("no room for a row");
     }},
    {"clear-col",
     "C",
     "every cell of column C emptied",
     {""},
     [](GridTool&, Reader& in, const Arguments& a) {
         int col = 0;
         if (!in.Col(a.parts[0], col)) return false;
         ClearCol(in.grid, col);
         return true;
     }},
    {"clear-row",
     "R",
     "every cell of row R emptied",
     {""},
     [](GridTool&, Reader& in, const Arguments& a) {
         int row = 0;
         if (!in.Row(a.parts[0], row)) return false;
         ClearRow(in.grid, row);
         return true;
     }},
    {"clear-cells",
     "C,R,C2,R2",
     "the cells of the rectangle from C,R to C2,R2 emptied",
     {",,,"},
     [](GridTool&, Reader& in, const Arguments& a) {
         GridCell from, to;
         if (!Cell(in, a.parts[0], a.parts[1], from) || !Cell(in, a.parts[2], a.parts[3], to))
             return false;
         ClearCells(in.grid, from, to);
         return true;
     }},
    {"zeros-to-empty",
     "C,R",
     "from the cell C,R on (right and down) every \"0\" emptied",
     {","},
     [](GridTool&, Reader& in, const Arguments& a) {
         GridCell from;
         if (!Cell(in, a.parts[0], a.parts[1], from)) return false;
         EmptyZeros(in.grid, from);
         return true;
     }},
    {"delete-col",
     "A[-B]",
     "column A (or the columns A to B) deleted",
     {"", "-"},
     [](GridTool&, Reader& in, const Arguments& a) {
         int first = 0, last = 0;
         if (!Range(in, a, true, first, last)) return false;
         in.grid.DeleteCols(first, last);
         return true;
     }},
    {"delete-row",
     "A[-B]",
     "row A (or the rows A to B) deleted",
     {"", "-"},
     [](GridTool&, Reader& in, const Arguments& a) {
         int first = 0, last = 0;
         if (!Range(in, a, false, first, last)) return false;
         in.grid.DeleteRows(first, last);
         return true;
     }},
    {"delete-blank-rows",
     "[A-B]",
     "the data rows deleted that are blank from column 3 on (or in the columns A to B)",
     {"()", "-"},
     [](GridTool&, Reader& in, const Arguments& a) {
         int first = 2, last = in.grid.ColCount() - 1;
         if (!a.parts.empty() && !Range(in, a, true, first, last)) return false;
         DeleteBlankRows(in.grid, first, last);
         return true;
     }},
    {"fixed-rows",
     "N",
     "the first N rows are headings, not data (default 1)",
     {""},
     [](GridTool&, Reader& in, const Arguments& a) {
         int count = 0;
         if (!in.Count(a.parts[0], count, in.grid.RowCount())) return false;
         in.grid.SetFixedRows(count);
         return true;
     }},
    {"fixed-cols",
     "N",
     "the first N columns are labels (default 1)",
     {""},
     [](GridTool&, Reader& in, const Arguments& a) {
         int count = 0;
         if (!in.Count(a.parts[0], count, in.grid.ColCount())) return false;
         in.grid.SetFixedCols(count);
         return true;
     }},
};

bool FormAccepted(const Operation& operation, const Arguments& args) {
    const std::string form = args.parts.empty() ? "()" : args.form;
    for (const char* accepted : operation.forms)
        if (accepted != nullptr && form == accepted) return true;
    return false;
}

} // namespace

bool ApplyGridOperation(GridTool& tool, std::string_view operation, std::string& error) {
    const size_t colon = operation.find(':');
    const std::string_view name = operation.substr(0, colon);
    const std::string_view text =
        colon == std::string_view::npos ? std::string_view() : operation.substr(colon + 1);
    for (const Operation& candidate : kOperations) {
        if (name != candidate.name) continue;
        StringGrid before = tool.grid;
        Reader in(tool, error);
        bool done = false;
        if (candidate.runOnText != nullptr) {
            done = candidate.runOnText(tool, in, text);
        } else {
            const Arguments args = Split(text);
            done = FormAccepted(candidate, args)
                       ? candidate.run(tool, in, args)
                       : in.Fail("expected " + std::string(name) + ":" + candidate.syntax);
        }
        if (!done) {
            tool.grid = std::move(before);
            return false;
        }
        tool.modified |= kGridChanged;
        tool.KeepCellsInside();
        return true;
    }
    error = "no operation \"" + std::string(name) + "\"";
    return false;
}

std::string GridOperationsHelp() {
    std::string help;
    for (const Operation& operation : kOperations) {
        std::string head = std::string(operation.name);
        if (*operation.syntax) head += std::string(":") + operation.syntax;
        help += "  " + PadRight(head, 24) + " " + operation.help + "\n";
    }
    return help;
}

} // namespace tev
