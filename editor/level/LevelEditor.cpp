#include "editor/level/LevelEditor.h"

#include <allegro.h>
#include <memory>

#include "core/Alert.h"
#include "editor/level/EntityPlacement.h"
#include "editor/level/LevelEditorDialog.h"
#include "editor/level/LevelEditorState.h"
#include "editor/level/LevelFileCommands.h"
#include "editor/level/MapMath.h"
#include "editor/level/MapViewProc.h"
#include "gui/GuiFont.h"
#include "level/Level.h"
#include "rl/FramePacing.h"
#include "rl/Layer.h"

namespace {

constexpr int kFramesPerSecond = 60;
constexpr int kIdleFramesPerSecond = 30;
constexpr int kIdleAfterMs = 1000;

void CreateLevelEditorModel()
{
    g_LevelEditor.Clear();
    g_LevelEditor.level = std::make_unique<Level>(100, 100);
    g_LevelEditor.NewEntityList();
    CreatePrototypes();
    // Rows enough for the whole tileset, whatever its count (known once a level has loaded it).
    const TileSet* tiles = g_LevelEditor.level->GetTileSet();
    g_LevelEditor.palette = std::make_unique<Level>(kPaletteColumns, PaletteRows(tiles ? tiles->tileCount : 0));
}

} // namespace

void RunLevelEditor()
{
    ResetLevelEditorDialog();
    gui_fg_color = kBlack;
    gui_mg_color = PackedColour(128, 128, 128);
    gui_bg_color = kWhite;
    show_os_cursor(MOUSE_CURSOR_ARROW);
    CreateLevelEditorModel();
    ResetMapView();
    g_LevelEditorDialog[kPaletteScrollEntry].d1 =
        ScrollMaximum(g_LevelEditor.palette ? g_LevelEditor.palette->Height() : 0, 2);
    rl::SetWindowTitle(LevelEditorTitle(""));

    CreateGuiFont(kGuiFontWidth, kGuiFontHeight);
    if (InitGuiFont() != 0) {
        ShowAlert("GUI Failed!");
        DestroyGuiFont();
        g_LevelEditor.Clear();
        return;
    }
    set_close_button_callback(RequestLevelEditorQuit);
    rl::SetFramePacing(kFramesPerSecond, kIdleFramesPerSecond, kIdleAfterMs);
    do_dialog(g_LevelEditorDialog, -1);
    rl::SetFramePacing(0);
    set_close_button_callback(nullptr);
    DestroyGuiFont();
    g_LevelEditor.Clear();
}
