#include "sheet/sheet_edit_history.h"

namespace tev {
namespace {

// Enough for a day's work on one form; the oldest steps go first.
constexpr size_t kMaxSteps = 1000;

void Push(std::vector<std::vector<CellChange>>& stack, std::vector<CellChange> step) {
    if (stack.size() >= kMaxSteps) stack.erase(stack.begin());
    stack.push_back(std::move(step));
}

} // namespace

void SheetEditHistory::RecordTyping(CellChange change) {
    if (change.before == change.after) return;
    redo_.clear();
    if (typingOpen_ && !undo_.empty()) {
        CellChange& last = undo_.back().front();
        if (last.grid == change.grid && last.col == change.col && last.row == change.row) {
            last.after = std::move(change.after);
            return;
        }
    }
    Push(undo_, {std::move(change)});
    typingOpen_ = true;
}

void SheetEditHistory::RecordStep(std::vector<CellChange> changes) {
    std::erase_if(changes, [](const CellChange& c) { return c.before == c.after; });
    if (changes.empty()) return;
    redo_.clear();
    Push(undo_, std::move(changes));
    typingOpen_ = false;
}

std::vector<CellChange> SheetEditHistory::TakeUndo() {
    return Move(undo_, redo_);
}

std::vector<CellChange> SheetEditHistory::TakeRedo() {
    return Move(redo_, undo_);
}

std::vector<CellChange> SheetEditHistory::Move(std::vector<std::vector<CellChange>>& from,
                                               std::vector<std::vector<CellChange>>& to) {
    typingOpen_ = false;
    if (from.empty()) return {};
    std::vector<CellChange> step = std::move(from.back());
    from.pop_back();
    Push(to, step);
    return step;
}

void SheetEditHistory::Clear() {
    undo_.clear();
    redo_.clear();
    typingOpen_ = false;
}

} // namespace tev
