#pragma once
// The two stacks of an editor's undo and redo, whatever a step holds. A new step goes on the undo
// side and empties the redo side; undoing moves the newest step across, redoing moves it back.
// The depth and the bytes the steps hold are bounded: beyond either bound the oldest steps are
// forgotten (the newest one always stays, however large).
//
// The caller says what a step costs when it pushes it, and restores the editor from the step Undo
// or Redo hands back.

#include <cstddef>
#include <deque>
#include <utility>
#include <vector>

template <typename Step>
class UndoStack {
public:
    UndoStack(size_t maxSteps, size_t maxBytes) : maxSteps_(maxSteps), maxBytes_(maxBytes) {}

    void Push(Step step, size_t bytes)
    {
        redo_.clear();
        undo_.push_back(Entry {std::move(step), bytes});
        while (undo_.size() > 1 && (undo_.size() > maxSteps_ || Bytes() > maxBytes_))
            undo_.pop_front();
    }
    // The step to undo, now on the redo side; null when there is none.
    const Step* Undo() { return Move(undo_, redo_); }
    // The step to redo, now on the undo side; null when there is none.
    const Step* Redo() { return Move(redo_, undo_); }

    void Clear()
    {
        undo_.clear();
        redo_.clear();
    }
    bool CanUndo() const { return !undo_.empty(); }
    bool CanRedo() const { return !redo_.empty(); }
    int UndoDepth() const { return static_cast<int>(undo_.size()); }
    int RedoDepth() const { return static_cast<int>(redo_.size()); }
    // Calls visit(step) for every step, undo side oldest first, then the redo side.
    template <typename Visit>
    void ForEach(Visit visit) const
    {
        for (const auto* side : {&undo_, &redo_})
            for (const Entry& entry : *side)
                visit(entry.step);
    }
    size_t Bytes() const
    {
        size_t bytes = 0;
        for (const auto* side : {&undo_, &redo_})
            for (const Entry& entry : *side)
                bytes += entry.bytes;
        return bytes;
    }

private:
    struct Entry {
        Step step;
        size_t bytes;
    };
    static const Step* Move(std::deque<Entry>& from, std::deque<Entry>& to)
    {
        if (from.empty())
            return nullptr;
        to.push_back(std::move(from.back()));
        from.pop_back();
        return &to.back().step;
    }

    size_t maxSteps_, maxBytes_;
    std::deque<Entry> undo_, redo_;
};
