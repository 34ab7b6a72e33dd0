#pragma once
// An editor's undo and redo by whole user actions. Every action (a click with its drag or dialog, a
// key, a menu command) runs between Begin and Commit; nested calls belong to the outermost. At the
// outermost Commit the editor as it is now is compared with the state after the last recorded step,
// and an action that changed something becomes one step of the UndoStack.
//
// What a state and a step hold is the editor's own: it captures its state, records a step from two
// states and puts a step back. An undo or redo run inside an action records nothing of its own, nor
// does an action that cleared the history.

#include <cstddef>
#include <utility>

#include "core/UndoStack.h"

template <typename State, typename Step>
class ActionHistory {
public:
    ActionHistory(size_t maxSteps, size_t maxBytes) : steps_(maxSteps, maxBytes) {}
    virtual ~ActionHistory() = default;
    ActionHistory(const ActionHistory&) = delete;
    ActionHistory& operator=(const ActionHistory&) = delete;
    ActionHistory(ActionHistory&&) = default;   // the editors' states start afresh by moving
    ActionHistory& operator=(ActionHistory&&) = default;

    void Begin()
    {
        if (depth_++ > 0)
            return;
        cleared_ = false;
        if (!haveLast_) {
            last_ = Capture();
            haveLast_ = true;
        }
        Began();
    }
    void Commit()
    {
        if (depth_ == 0 || --depth_ > 0 || cleared_)
            return;
        State now = Capture();
        Record(last_, now);
        last_ = std::move(now);
    }
    // False when there is nothing to undo or redo.
    bool Undo() { return PutBack(steps_.Undo(), false); }
    bool Redo() { return PutBack(steps_.Redo(), true); }
    bool CanUndo() const { return steps_.CanUndo(); }
    bool CanRedo() const { return steps_.CanRedo(); }
    int UndoDepth() const { return steps_.UndoDepth(); }
    // Forgets every step; the editor as it is now is where the history starts. Called inside an
    // action (Load, New), that action records no step either.
    void Clear()
    {
        steps_.Clear();
        haveLast_ = false;
        last_ = State();
        if (depth_ > 0) {
            cleared_ = true;
            last_ = Capture();
            haveLast_ = true;
        }
    }

protected:
    virtual State Capture() = 0;
    // The outermost action has begun (after the first capture, if any).
    virtual void Began() {}
    // The outermost action has ended: Push a step when it changed something.
    virtual void Record(const State& before, const State& now) = 0;
    // Puts the editor back as the step found it (after: as it left it); returns the state now.
    virtual State Restore(const Step& step, bool after) = 0;

    void Push(Step step, size_t bytes) { steps_.Push(std::move(step), bytes); }
    const UndoStack<Step>& Steps() const { return steps_; }
    // The state after the last recorded step: what the next action is compared with.
    const State& Last() const { return last_; }

private:
    bool PutBack(const Step* step, bool after)
    {
        if (!step)
            return false;
        last_ = Restore(*step, after);
        haveLast_ = true;
        cleared_ = depth_ > 0;
        return true;
    }

    UndoStack<Step> steps_;
    State last_;
    bool haveLast_ = false;
    int depth_ = 0;
    bool cleared_ = false;   // Clear, an undo or a redo ran inside the current action
};
