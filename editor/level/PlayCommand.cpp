#include "editor/level/PlayCommand.h"

#include <allegro.h>

#include "editor/level/LevelEditorState.h"
#include "editor/level/MapViewProc.h"
#include "entities/EntityList.h"
#include "game/LevelPlayer.h"
#include "level/Level.h"

int PlayLevelCommand()
{
    if (!g_LevelEditor.level || !g_LevelEditor.level->HasGrid() || !g_LevelEditor.entities)
        return D_O_K;
    {
        // The game moves, spawns and finishes entities: it plays on copies.
        EntityList copy;
        CopyEntities(*g_LevelEditor.entities, copy);
        PlayLevel(*g_LevelEditor.level, copy);
    }
    set_close_button_callback(RequestLevelEditorQuit);
    return D_REDRAW;
}
