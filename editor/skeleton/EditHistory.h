#pragma once
// The skeleton editor's undo and redo. Every user action (a click with its drag or dialog, a key, a
// menu command) runs between Begin and Commit; an action that changed what the skeleton file would
// hold, the frame time or the pose on screen becomes one step. A step keeps the editor as it was
// when the action began and as the action left it: the file's text, the frame time, the pose, the
// selected bone and the current frame. Undo and redo put the skeleton back by reading that text,
// so a skeleton undone and saved is the file it was.
//
// The text is kept in chunks (the head up to the first frame, then one chunk per frame), each
// shared with the state before it when unchanged, so a step costs what it changed: a pose or one
// frame, not the whole skeleton. Loading and New forget every step (Clear).
//
// Owned by the editor's state; acts on g_Editor.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/ActionHistory.h"
#include "skeleton/SkeletonFrame.h"

struct EditHistoryState {
    std::vector<std::shared_ptr<const std::string>> chunks;   // the skeleton file's text
    int frameTime = 0;
    std::vector<BonePose> pose;   // every bone's angle and length on screen
    int selected = -1;            // the selected bone's index
    int frameSet = 0, frame = 0;
};

struct EditHistoryStep {
    EditHistoryState before, after;
};

class EditHistory : public ActionHistory<EditHistoryState, EditHistoryStep> {
public:
    using State = EditHistoryState;

    EditHistory() : ActionHistory(kMaxSteps, SIZE_MAX) {}   // bounded by depth: a step costs what it changed

    // The bytes the steps hold (shared chunks counted once).
    size_t Bytes() const;

    // The file text of the state, joined.
    static std::string Text(const State& state);

private:
    // Deeper than anyone undoes; the oldest steps go beyond it, so the memory stays bounded.
    static constexpr size_t kMaxSteps = 256;

    State Capture() override;
    void Began() override;
    void Record(const State& before, const State& now) override;
    State Restore(const EditHistoryStep& step, bool after) override;
    // The text cut into chunks, sharing the chunks equal to the last capture's.
    std::vector<std::shared_ptr<const std::string>> Chunks(const std::string& text) const;

    State begun_;   // the pose, selection and frame when the outermost action began
};
