#pragma once
// The level editor's smaller widgets: the map's two scroll bars and the palette's (each follows
// the mouse while its button is held), the layer toggles, the edit-layer and entity-type lists and
// the zoom slider with its snap to 1 and its white mark.

#include "gui/Dialog.h"

int MapScrollYProc(int message, DIALOG* d, int c);
int MapScrollXProc(int message, DIALOG* d, int c);
int PaletteScrollProc(int message, DIALOG* d, int c);
int ShowLayer1Proc(int message, DIALOG* d, int c);
int ShowLayer2Proc(int message, DIALOG* d, int c);
int EditLayerListProc(int message, DIALOG* d, int c);
int EntityTypeListProc(int message, DIALOG* d, int c);
int LevelZoomSliderProc(int message, DIALOG* d, int c);

// The getters behind the two lists.
const char* EditLayerText(int index, int* count);
const char* EntityTypeText(int index, int* count);
