#pragma once
// The level editor's map view: draws the level (backdrop, back layer, entities, front layer, the
// solid cells while Left Control is held, the frame of the cell last clicked) and edits it. On a
// layer, the left button paints the palette's tile and the right button clears cells, with
// Control they set and clear the solid flag; holding the button and moving does the same to every
// cell the mouse crosses, each once per stroke. On the entity layer the left button places an
// entity of the chosen type and the right button removes the entity under the mouse; a double
// click on an entity names it.
//
// Escape and the window's close button ask the Exit question on the view's next idle message.

#include "gui/Dialog.h"

int MapViewProc(int message, DIALOG* d, int c);

// Asks the Exit question at the next idle message (safe from Allegro's close-button thread).
void RequestLevelEditorQuit();

// Draws the map into the rectangle (used by the view and by the benchmark).
void DrawMap(int x, int y, int w, int h);
