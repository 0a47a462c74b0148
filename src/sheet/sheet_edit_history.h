#pragma once
// Undo and redo of the cell edits in the school sheet since the last load or save.
#include <string>
#include <vector>

namespace tev {

struct CellChange {
    std::string grid;
    int col = 0;
    int row = 0;
    std::string before;
    std::string after;
};

class SheetEditHistory {
public:
    // A typed change of one cell. Keystrokes into the same cell, one after the other, make one
    // step: the text before the first of them comes back with one undo.
    void RecordTyping(CellChange change);
    // Several cells changed at once (a paste) make one step.
    void RecordStep(std::vector<CellChange> changes);
    // The step to take back / to do again (its changes in the order they were made), removed
    // from its stack and put onto the other; empty when there is none.
    std::vector<CellChange> TakeUndo();
    std::vector<CellChange> TakeRedo();
    bool CanUndo() const { return !undo_.empty(); }
    bool CanRedo() const { return !redo_.empty(); }
    void Clear();

private:
    // The last step of `from`, put onto `to`.
    std::vector<CellChange> Move(std::vector<std::vector<CellChange>>& from,
                                 std::vector<std::vector<CellChange>>& to);

    std::vector<std::vector<CellChange>> undo_;
    std::vector<std::vector<CellChange>> redo_;
    // The last step is typing that the next keystroke in the same cell continues.
    bool typingOpen_ = false;
};

} // namespace tev
