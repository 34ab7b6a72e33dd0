#pragma once
// The side panels' common ground: the beige box with its black outline that the frames and bones
// panels draw their contents on.

#include "gui/Dialog.h"

void DrawPanelBackground(const DIALOG& panel);
