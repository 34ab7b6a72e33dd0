#pragma once
// The skeleton editor's dialog: one full-screen array of ten widgets run by the dialog engine,
// and the menu tree of its menu bar. Entries are addressed by the indices below; the order is the
// drawing order, and it matters: the view draws first, the panel router lies over both panels
// (so it gets their clicks), the menu bar's drop-downs come over everything, and the refresh entry
// presents the frame after all of them.

#include "gui/Dialog.h"

enum EditorEntry {
    kViewEntry = 0,
    kToolbarEntry = 1,
    kFramePanelEntry = 2,
    kBonePanelEntry = 3,
    kTabsEntry = 4,
    kZoomSliderEntry = 5,
    kPanelRouterEntry = 6,
    kMenuBarEntry = 7,
    kRefreshEntry = 8,
    kYieldEntry = 9,
    kEditorEntries = 10,
};

// The ten entries and the closing null record.
extern DIALOG g_EditorDialog[kEditorEntries + 1];

// The menu bar's tree: File, Edit, Frames, Bones, Options, Help.
extern MENU g_EditorMenu[];

// Top-level menus and the items tests and the README refer to, by position.
enum EditorMenuIndex { kFileMenu = 0, kEditMenu, kFramesMenu, kBonesMenu, kOptionsMenu, kHelpMenu };
extern MENU g_FileMenu[];
extern MENU g_EditMenu[];
extern MENU g_FramesMenu[];
extern MENU g_BonesMenu[];
extern MENU g_OptionsMenu[];
extern MENU g_HelpMenu[];

// The Edit menu's Undo and Redo, greyed while the history has nothing to undo or redo.
enum EditMenuItem { kUndoItem = 7, kRedoItem = 8 };
void UpdateUndoMenu();
// The Frames menu's Onion Skin switch, ticked while on.
enum FramesMenuItem { kOnionSkinItem = 1 };
// Edit, Undo and Edit, Redo (also Ctrl+Z, and Ctrl+Y or Ctrl+Shift+Z).
int UndoCommand();
int RedoCommand();

// Shows one panel (0 frames, 1 bones) and hides the other, through their d1.
void ShowPanel(int tab);
