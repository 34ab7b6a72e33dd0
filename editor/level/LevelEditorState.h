#pragma once
// The level editor's shared state: what the map view, the tile palette, the side widgets, the
// menus and the dialogs of the level editor act on. One instance, g_LevelEditor, lives from the
// editor's set-up to its clean-up; every procedure of the editor reads and writes it directly.
//
// Ownership: the state owns the level, its entity list (which is also the current game list while
// the editor runs), the palette level and the prototypes (one entity per registered type). A
// command that replaces the level or the entity list replaces the owner here; nothing else keeps
// pointers into them across a command (undo and redo replace them too).

#include <memory>
#include <string>

#include "editor/level/LevelHistory.h"

class EntityList;
class Level;
class LevelBatch;

// The edit layer list's choices.
constexpr int kEditBackLayer = 1;
constexpr int kEditFrontLayer = 2;
constexpr int kEditEntities = 3;

struct LevelEditorState {
    std::unique_ptr<Level> level;
    std::unique_ptr<EntityList> entities;     // the level's entities; the current game list
    std::unique_ptr<Level> palette;           // the tileset laid out 11 tiles a row
    std::unique_ptr<EntityList> prototypes;   // one entity of each registered type
    std::unique_ptr<LevelBatch> mapBatch;     // the map's layers in one batch (made when first drawn)

    float zoom = 1.0f;
    int scrollX = 0, scrollY = 0;             // the level cell at the map's top-left corner
    int paletteFirstRow = 0;
    int paletteSelectionX = 0, paletteSelectionY = 0;   // relative to the shown rows
    int hoveredX = 0, hoveredY = 0;           // the map cell last clicked, relative to the view
    bool showLayer1 = true, showLayer2 = true;
    int editLayer = kEditBackLayer;
    int selectedType = 0;                     // index into the prototypes
    std::string fileName;                     // the level file last loaded or saved; "" for none
    LevelHistory history;                     // undo and redo of the user's actions

    // Replaces the entity list by an empty one, which becomes the current game list.
    void NewEntityList();
    // Deletes everything the state owns (the entity list stops being the current game list).
    void Clear();
};

extern LevelEditorState g_LevelEditor;
