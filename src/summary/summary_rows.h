#pragma once
// Where a data line of a school goes in the summary when its row number alone does not say
// it: the language sequences of tables 1.1 and 1.8, the nationalities of table 2.3 and the
// working groups of table 3.1 by their code lists, and the totals lines.
#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace tev {

// The three language letters of a row of table 1.1 or 1.8 (columns 0 to 2, trimmed).
using LanguageSequence = std::array<std::string, 3>;

class SummaryRows {
public:
    // Rows of the store beyond the rows of any grid: the sequences of 1.1/1.8 are kept at
    // kSequenceRowBase + their position, so that the rows of the tables' fixed lines keep
    // their numbers however many sequences the schools bring; the totals lines of 2.3 and
    // 3.1 are kept at kTotalsRow.
    static constexpr int kSequenceRowBase = 2000;
    static constexpr int kMaxSequences = 1000;
    static constexpr int kTotalsRow = 4095;
    // The rows 1 to 34 of the pupil tables are language sequences.
    static constexpr int kLastSequenceRow = 34;

    // The code lists of table 2.3 (nationality list lines "nnn Name") and 3.1 (working group
    // lines "nnnn Name"), whose positions (from 1) are the rows of the codes.
    void SetCodeLists(std::vector<std::string> nationalities, std::vector<std::string> groups);

    // The store row of a sequence. A new one is inserted in sorted order while collecting
    // (the first pass) and appended afterwards; -1 when the list is full.
    int SequenceRow(const LanguageSequence& sequence, bool collecting);
    // The store row of a code of table 2.3 or 3.1: its position in the list; a code the list
    // lacks gets a row of its own after the list. -1 when there is no room for one.
    int CodeRow(int table, std::string_view code);

    const std::vector<LanguageSequence>& Sequences() const { return sequences_; }
    // The list lines of a code table, then a line for each code met outside the list.
    const std::vector<std::string>& CodeLines(int table) const;
    int ListedCodes(int table) const;

private:
    struct CodeList {
        std::vector<std::string> lines;
        std::vector<std::string> codes;
        int listed = 0;
    };
    CodeList& ListOf(int table) { return table == 23 ? nationalities_ : groups_; }
    const CodeList& ListOf(int table) const { return table == 23 ? nationalities_ : groups_; }

    std::vector<LanguageSequence> sequences_;
    CodeList nationalities_;
    CodeList groups_;
};

} // namespace tev
