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

#include "core/ActionHistory.h"

class Level;

// One cell as the level file holds it.
struct LevelCell {
    int32_t back = 0, backFlags = 0, front = 0, frontFlags = 0;
    bool operator==(const LevelCell& other) const
    {
        return back == other.back && backFlags == other.backFlags && front == other.front &&
               frontFlags == other.frontFlags;
    }
    bool operator!=(const LevelCell& other) const { return !(*this == other); }
};
// The whole level: its size, tileset folder and cells (column by column).
struct LevelGrid {
    int width = 0, height = 0;
    std::string folder;
    std::vector<LevelCell> cells;
    bool SameShape(const LevelGrid& other) const
    {
        return width == other.width && height == other.height && folder == other.folder;
    }
};

struct LevelHistoryState {
    std::shared_ptr<const LevelGrid> grid;
    std::shared_ptr<const std::string> entities;
};

struct LevelHistoryStep {
    struct CellChange {
        int32_t index;   // x * height + y
        LevelCell before, after;
    };
    std::vector<CellChange> cells;
    std::shared_ptr<const LevelGrid> gridBefore, gridAfter;            // when the level's shape changed
    std::shared_ptr<const std::string> entitiesBefore, entitiesAfter;   // when the records changed
};

class LevelHistory : public ActionHistory<LevelHistoryState, LevelHistoryStep> {
public:
    using Cell = LevelCell;
    using Grid = LevelGrid;

    LevelHistory();

    // The bytes the steps hold.
    size_t Bytes() const { return Steps().Bytes(); }

    static Grid CaptureGrid(const Level* level);

private:
    using State = LevelHistoryState;
    using Step = LevelHistoryStep;
    State Capture() override;
    void Record(const State& before, const State& now) override;
    State Restore(const Step& step, bool after) override;
    static size_t BytesOf(const Step& step);
};
