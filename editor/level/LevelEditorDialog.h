#pragma once
// The level editor's dialog and its menu tree. The entries the commands address by index are
// named below.

#include "gui/Dialog.h"

constexpr int kMapViewEntry = 1;
constexpr int kMapScrollYEntry = 2;
constexpr int kMapScrollXEntry = 3;
constexpr int kPaletteEntry = 4;
constexpr int kPaletteScrollEntry = 5;
constexpr int kShowLayer1Entry = 6;
constexpr int kShowLayer2Entry = 7;
constexpr int kEditLayerEntry = 9;
constexpr int kEntityTypeEntry = 10;
constexpr int kMenuBarEntry = 11;
constexpr int kZoomEntry = 12;
constexpr int kLevelEditorEntries = 14;

extern DIALOG g_LevelEditorDialog[];
// The menu bar's "View" menu: empty here, for the commands that view the level in other ways.
extern MENU g_LevelViewMenu[];

// The Edit menu's Undo and Redo, greyed while the history has nothing to undo or redo.
void UpdateLevelUndoMenu();
// Edit, Undo and Edit, Redo (also Ctrl+Z, and Ctrl+Y or Ctrl+Shift+Z).
int LevelUndoCommand();
int LevelRedoCommand();
// File, New as one step of the history.
int RecordedNewLevelCommand();

// The dialog's widgets as a new editor has them.
void ResetLevelEditorDialog();
