#include "editor/level/LevelEditorState.h"

#include "entities/EntityList.h"
#include "level/Level.h"
#include "level/LevelBatch.h"

LevelEditorState g_LevelEditor;

void LevelEditorState::NewEntityList()
{
    if (entities && CurrentGameList() == entities.get())
        SetCurrentGameList(nullptr);
    entities.reset();
    entities = std::make_unique<EntityList>();
    SetCurrentGameList(entities.get());
}

void LevelEditorState::Clear()
{
    if (entities && CurrentGameList() == entities.get())
        SetCurrentGameList(nullptr);
    entities.reset();
    prototypes.reset();
    level.reset();
    palette.reset();
    mapBatch.reset();
    *this = LevelEditorState {};
}
