#include "editor/skeleton/EditorDialog.h"

#include "editor/skeleton/BoneCommands.h"
#include "editor/skeleton/BonePanelProc.h"
#include "editor/skeleton/EditorState.h"
#include "editor/skeleton/FileCommands.h"
#include "editor/skeleton/FrameCommands.h"
#include "editor/skeleton/FramePanelProc.h"
#include "editor/skeleton/OnionSkin.h"
#include "editor/skeleton/PanelRouterProc.h"
#include "editor/skeleton/PanelTabsProc.h"
#include "editor/skeleton/SkeletonViewProc.h"
#include "editor/skeleton/ToolbarProc.h"
#include "editor/skeleton/ViewMath.h"
#include "editor/skeleton/ZoomSliderProc.h"
#include "gui/BasicWidgets.h"
#include "gui/MenuBarProc.h"

namespace {

// Menu records keep their texts as char*; the dialog engine never writes them.
char* Text(const char* text) { return const_cast<char*>(text); }

// Chosen, but nothing to do yet.
int DoNothing() { return D_O_K; }

// The widgets through which the user changes the skeleton run each action as one step of the
// history: a click with its drag, menu or dialog, and a key.
template <DialogProc Proc>
int Recorded(int message, DIALOG* d, int c)
{
    switch (message) {
    case MSG_CLICK:
    case MSG_DCLICK:
    case MSG_CHAR:
    case MSG_XCHAR:
    case MSG_KEY: {
        g_Editor.history.Begin();
        const int result = Proc(message, d, c);
        g_Editor.history.Commit();
        UpdateUndoMenu();
        return result;
    }
    default:
        return Proc(message, d, c);
    }
}

} // namespace

MENU g_FileMenu[] = {
    {Text("New"), NewCommand, nullptr, 0, nullptr},
    {Text("Load"), LoadCommand, nullptr, 0, nullptr},
    {Text("Save"), SaveCommand, nullptr, 0, nullptr},
    {Text("-"), nullptr, nullptr, 0, nullptr},
    {Text("Properties"), nullptr, nullptr, D_DISABLED, nullptr},
    {Text("Change Background"), DoNothing, nullptr, D_DISABLED, nullptr},
    {Text("-"), nullptr, nullptr, 0, nullptr},
    {Text("Exit"), ExitCommand, nullptr, 0, nullptr},
    {nullptr, nullptr, nullptr, 0, nullptr},
};

MENU g_EditMenu[] = {
    {Text("Cut Frame"), CutFrameCommand, nullptr, 0, nullptr},
    {Text("Copy Frame"), CopyFrameCommand, nullptr, 0, nullptr},
    {Text("Paste Frame"), PasteFrameCommand, nullptr, 0, nullptr},
    {Text("Paste To New Frame"), PasteToNewFrameCommand, nullptr, 0, nullptr},
    {Text("-"), nullptr, nullptr, 0, nullptr},
    {Text("More to come"), nullptr, nullptr, D_DISABLED, nullptr},
    {Text("-"), nullptr, nullptr, 0, nullptr},
    {Text("Undo"), UndoCommand, nullptr, D_DISABLED, nullptr},
    {Text("Redo"), RedoCommand, nullptr, D_DISABLED, nullptr},
    {nullptr, nullptr, nullptr, 0, nullptr},
};

MENU g_FramesMenu[] = {
    {Text("Change Frame Time"), ChangeFrameTimeCommand, nullptr, 0, nullptr},
    {Text("Onion Skin"), ToggleOnionSkinCommand, nullptr, 0, nullptr},
    {nullptr, nullptr, nullptr, 0, nullptr},
};

// The four structural bone items are reached through the toolbar.
MENU g_BonesMenu[] = {
    {Text("Add Bone"), nullptr, nullptr, D_DISABLED, nullptr},
    {Text("Subtract Bone"), nullptr, nullptr, D_DISABLED, nullptr},
    {Text("Insert Bone"), nullptr, nullptr, D_DISABLED, nullptr},
    {Text("Extract Bone"), nullptr, nullptr, D_DISABLED, nullptr},
    {Text("-"), nullptr, nullptr, D_DISABLED, nullptr},
    {Text("Normalise"), NormaliseCommand, nullptr, 0, nullptr},
    {Text("Scale Lengths"), ScaleLengthsCommand, nullptr, 0, nullptr},
    {nullptr, nullptr, nullptr, 0, nullptr},
};

MENU g_OptionsMenu[] = {
    {Text("Change Reference Picture"), ChangeReferencePictureCommand, nullptr, 0, nullptr},
    {nullptr, nullptr, nullptr, 0, nullptr},
};

MENU g_HelpMenu[] = {
    {Text("About"), AboutCommand, nullptr, 0, nullptr},
    {nullptr, nullptr, nullptr, 0, nullptr},
};

MENU g_EditorMenu[] = {
    {Text("File"), nullptr, g_FileMenu, 0, nullptr},
    {Text("Edit"), nullptr, g_EditMenu, 0, nullptr},
    {Text("Frames"), nullptr, g_FramesMenu, 0, nullptr},
    {Text("Bones"), nullptr, g_BonesMenu, 0, nullptr},
    {Text("Options"), nullptr, g_OptionsMenu, 0, nullptr},
    {Text("Help"), nullptr, g_HelpMenu, 0, nullptr},
    {nullptr, nullptr, nullptr, 0, nullptr},
};

DIALOG g_EditorDialog[kEditorEntries + 1] = {
    // proc, x, y, w, h, fg, bg, key, flags, d1, d2, dp, dp2, dp3
    {Recorded<SkeletonViewProc>, 0, 0, 610, 580, 0, 0, 0, 0, 0, 0, nullptr, nullptr, nullptr},
    {Recorded<ToolbarProc>, 0, 15, 800, 42, 0, 0, 0, 0, 0, 0, nullptr, nullptr, nullptr},
    {FramePanelProc, 610, 81, 190, 519, 0, 0, 0, 0, 1, 0, nullptr, nullptr, nullptr},
    {BonePanelProc, 610, 81, 190, 519, 0, 0, 0, 0, 0, 0, nullptr, nullptr, nullptr},
    {PanelTabsProc, 610, 57, 190, 24, 0, 0, 0, 0, 0, 0, nullptr, nullptr, nullptr},
    {ZoomSliderProc, 20, 480, 16, 100, 0, 0, 0, 0, kZoomSliderMaximum, kZoomSnapValue, nullptr, nullptr, nullptr},
    {Recorded<PanelRouterProc>, 610, 81, 190, 519, 0, 0, 0, 0, 0, 0, nullptr, nullptr, nullptr},
    {Recorded<MenuBarProc>, 0, 0, 800, 0, 0, 0, 0, 0, 0, 0, g_EditorMenu, nullptr, nullptr},
    {RefreshProc, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr, nullptr, nullptr},
    {d_yield_proc, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr, nullptr, nullptr},
    {nullptr, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr, nullptr, nullptr},
};

void ShowPanel(int tab)
{
    g_EditorDialog[kFramePanelEntry].d1 = tab == 0 ? 1 : 0;
    g_EditorDialog[kBonePanelEntry].d1 = tab == 1 ? 1 : 0;
}

void UpdateUndoMenu()
{
    g_EditMenu[kUndoItem].flags = g_Editor.history.CanUndo() ? 0 : D_DISABLED;
    g_EditMenu[kRedoItem].flags = g_Editor.history.CanRedo() ? 0 : D_DISABLED;
}

int UndoCommand()
{
    g_Editor.history.Undo();
    UpdateUndoMenu();
    return D_REDRAW;
}

int RedoCommand()
{
    g_Editor.history.Redo();
    UpdateUndoMenu();
    return D_REDRAW;
}
