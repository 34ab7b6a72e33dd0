#include "editor/level/LevelEditorDialog.h"

#include "editor/level/LevelEditorState.h"
#include "editor/level/LevelFileCommands.h"
#include "editor/level/MapMath.h"
#include "editor/level/MapViewProc.h"
#include "editor/level/PlayCommand.h"
#include "editor/level/SideWidgets.h"
#include "editor/level/TilePaletteProc.h"
#include "gui/BasicWidgets.h"
#include "gui/MenuBarProc.h"

namespace {

// Menu records keep their texts as char*; the dialog engine never writes them.
char* Text(const char* text) { return const_cast<char*>(text); }

char g_showLayer1[] = "Show Layer 1";
char g_showLayer2[] = "Show Layer 2";
char g_editLayer[] = "Edit Layer:";

MENU g_fileMenu[] = {
    {Text("New"), RecordedNewLevelCommand, nullptr, 0, nullptr},
    {Text("Load"), LoadLevelCommand, nullptr, 0, nullptr},
    {Text("Save"), SaveLevelCommand, nullptr, 0, nullptr},
    {Text("-"), nullptr, nullptr, 0, nullptr},
    {Text("Exit"), ExitCommand, nullptr, 0, nullptr},
    {nullptr, nullptr, nullptr, 0, nullptr},
};

MENU g_editMenu[] = {
    {Text("Cut"), nullptr, nullptr, D_DISABLED, nullptr},
    {Text("Really really long"), nullptr, nullptr, D_DISABLED, nullptr},
    {Text("Undo"), LevelUndoCommand, nullptr, D_DISABLED, nullptr},
    {Text("Redo"), LevelRedoCommand, nullptr, D_DISABLED, nullptr},
    {nullptr, nullptr, nullptr, 0, nullptr},
};

MENU g_helpMenu[] = {
    {Text("RTFM"), nullptr, nullptr, D_DISABLED, nullptr},
    {Text("About"), AboutLevelEditorCommand, nullptr, 0, nullptr},
    {nullptr, nullptr, nullptr, 0, nullptr},
};

MENU g_menu[] = {
    {Text("File"), nullptr, g_fileMenu, 0, nullptr},
    {Text("Edit"), nullptr, g_editMenu, 0, nullptr},
    {Text("View"), nullptr, g_LevelViewMenu, 0, nullptr},
    {Text("Help"), nullptr, g_helpMenu, 0, nullptr},
    {nullptr, nullptr, nullptr, 0, nullptr},
};

constexpr int kUndoItem = 2;
constexpr int kRedoItem = 3;

} // namespace

void UpdateLevelUndoMenu()
{
    g_editMenu[kUndoItem].flags = g_LevelEditor.history.CanUndo() ? 0 : D_DISABLED;
    g_editMenu[kRedoItem].flags = g_LevelEditor.history.CanRedo() ? 0 : D_DISABLED;
}

int LevelUndoCommand()
{
    g_LevelEditor.history.Undo();
    UpdateLevelUndoMenu();
    return D_REDRAW;
}

int LevelRedoCommand()
{
    g_LevelEditor.history.Redo();
    UpdateLevelUndoMenu();
    return D_REDRAW;
}

int RecordedNewLevelCommand()
{
    g_LevelEditor.history.Begin();
    const int result = NewLevelCommand();
    g_LevelEditor.history.Commit();
    UpdateLevelUndoMenu();
    return result;
}

// Room for the entries others add (with the null record that ends the menu).
MENU g_LevelViewMenu[8] = {
    {Text("Play\tF5"), PlayLevelCommand, nullptr, 0, nullptr},
    {nullptr, nullptr, nullptr, 0, nullptr},
};

DIALOG g_LevelEditorDialog[] = {
    // proc, x, y, w, h, fg, bg, key, flags, d1, d2, dp, dp2, dp3
    {ClearProc, 0, 0, 0, 0, kBlack, kWhite, 0, 0, 0, 0, nullptr, nullptr, nullptr},
    {MapViewProc, 20, 30, 704, 512, kBlack, kWhite, 0, 0, 0, 0, nullptr, nullptr, nullptr},
    {MapScrollYProc, 726, 32, 16, 510, kWhite, kBlack, 0, 0, 100, 0, nullptr, nullptr, nullptr},
    {MapScrollXProc, 22, 544, 702, 16, kWhite, kBlack, 0, 0, 100, 0, nullptr, nullptr, nullptr},
    {TilePaletteProc, 20, 580, 704, 128, kBlack, kWhite, 0, 0, 0, 0, nullptr, nullptr, nullptr},
    {PaletteScrollProc, 726, 582, 16, 124, kWhite, kBlack, 0, 0, 100, 0, nullptr, nullptr, nullptr},
    {ShowLayer1Proc, 800, 30, 150, 25, kWhite, kBlack, 0, D_SELECTED, 0, 0, g_showLayer1, nullptr, nullptr},
    {ShowLayer2Proc, 800, 70, 150, 25, kWhite, kBlack, 0, 0, 0, 0, g_showLayer2, nullptr, nullptr},
    {LabelProc, 800, 125, 150, 25, kBlack, kNoColour, 0, 0, 0, 0, g_editLayer, nullptr, nullptr},
    {EditLayerListProc, 800, 150, 150, 70, kWhite, kBlack, 0, 0, 0, 0, GetterPointer(EditLayerText), nullptr,
     nullptr},
    {EntityTypeListProc, 800, 300, 150, 200, kWhite, kBlack, 0, 0, 0, 0, GetterPointer(EntityTypeText), nullptr,
     nullptr},
    {MenuBarProc, 0, 0, 0, 0, kBlack, kWhite, 0, 0, 0, 0, g_menu, nullptr, nullptr},
    {LevelZoomSliderProc, 900, 600, 16, 100, kWhite, kBlack, 0, 0, 100, kZoomSliderMiddle, nullptr, nullptr, nullptr},
    {RefreshProc, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr, nullptr, nullptr},
    {nullptr, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr, nullptr, nullptr},
};

void ResetLevelEditorDialog()
{
    for (int i = 0; i < kLevelEditorEntries; ++i)
        g_LevelEditorDialog[i].flags = 0;
    g_LevelEditorDialog[kShowLayer1Entry].flags = D_SELECTED;
    g_LevelEditorDialog[kEditLayerEntry].d1 = g_LevelEditorDialog[kEditLayerEntry].d2 = 0;
    g_LevelEditorDialog[kEntityTypeEntry].d1 = g_LevelEditorDialog[kEntityTypeEntry].d2 = 0;
    g_LevelEditorDialog[kPaletteScrollEntry].d2 = 0;
    g_LevelEditorDialog[kZoomEntry].d2 = kZoomSliderMiddle;
    UpdateLevelUndoMenu();
}
