#pragma once
// The skeleton view (dialog entry 0): the green background, the reference picture centred on the
// view origin, the grid, the preview entity with its skins and the bone overlay. Its idle message
// asks for a redraw every time, which keeps the whole dialog drawing continuously; a left click
// that hits no bone end drags the view. It also answers the window's close button and Escape with
// the quit question.

#include "gui/Dialog.h"

int SkeletonViewProc(int message, DIALOG* d, int c);

// Draws the view's layers in order (background, picture, grid, entity, overlay) for the editor
// state, without the playback step. The view's draw message runs this after the playback step.
void DrawSkeletonView(const DIALOG& d);

// Set by the window's close button (from Allegro's window thread); the view's idle message picks
// it up on the main thread.
void RequestQuit();
bool QuitRequested();
