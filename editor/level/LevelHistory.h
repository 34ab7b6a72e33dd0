#pragma once
// The level editor's undo and redo. Every user action on the map (a paint stroke from press to
// release, placing, removing or naming an entity) and New Level runs between Begin and Commit; an
// action that changed what the level file or the entity file would hold becomes one step.
//
// A step keeps only what changed: the cells the action touched, each as it was and as it became
// (both layers' tile numbers and flags), and the entity list's records as text when they changed.
// An action that replaced the level by one of another size or tileset (New Level) keeps the whole
// level before and after. Undo and redo put exactly that back, so a level undone and saved is the
// file it was. Loading forgets every step (Clear); saving keeps them.
//
// Owned by the editor's state; acts on g_LevelEditor.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/UndoStack.h"

class Level;

class LevelHistory {
public:
    // One cell as the level file holds it.
    struct Cell {
        int32_t back = 0, backFlags = 0, front = 0, frontFlags = 0;
        bool operator==(const Cell& other) const
        {
            return back == other.back && backFlags == other.backFlags && front == other.front &&
                   frontFlags == other.frontFlags;
        }
        bool operator!=(const Cell& other) const { return !(*this == other); }
    };
    // The whole level: its size, tileset folder and cells (column by column).
    struct Grid {
        int width = 0, height = 0;
        std::string folder;
        std::vector<Cell> cells;
        bool SameShape(const Grid& other) const
        {
            return width == other.width && height == other.height && folder == other.folder;
        }
    };

    LevelHistory();

    // Around one user action; nested calls belong to the outermost.
    void Begin();
    void Commit();
    // False when there is nothing to undo or redo.
    bool Undo();
    bool Redo();
    bool CanUndo() const { return steps_.CanUndo(); }
    bool CanRedo() const { return steps_.CanRedo(); }
    int UndoDepth() const { return steps_.UndoDepth(); }
    // Forgets every step; the level as it is now is where the history starts. Called inside an
    // action (Load), that action records no step either.
    void Clear();
    // The bytes the steps hold.
    size_t Bytes() const { return steps_.Bytes(); }

    static Grid CaptureGrid(const Level* level);

private:
    struct CellChange {
        int32_t index;   // x * height + y
        Cell before, after;
    };
    struct Step {
        std::vector<CellChange> cells;
        std::shared_ptr<const Grid> gridBefore, gridAfter;   // when the level's shape changed
        std::shared_ptr<const std::string> entitiesBefore, entitiesAfter;   // when the records changed
    };
    struct State {
        std::shared_ptr<const Grid> grid;
        std::shared_ptr<const std::string> entities;
    };
    static State Capture();
    static size_t BytesOf(const Step& step);
    void Restore(const Step& step, bool after);

    UndoStack<Step> steps_;
    State last_;   // the editor after the last recorded step (or Clear): what an action is compared with
    bool haveLast_ = false;
    int depth_ = 0;
    bool cleared_ = false;   // Clear (or an undo or redo) ran inside the current action
};
