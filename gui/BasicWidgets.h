#pragma once
// The plain widgets: the canvas clearer, the frame presenter, boxes, labels and buttons.
//
// ClearProc fills the canvas with its bg; RefreshProc (x, y, w, h all 0) presents the finished
// frame and comes after the visible widgets of every dialog. BoxProc and RoundBoxProc are filled
// in fg and outlined in bg. LabelProc prints dp with fg over an optional bg box; CentredLabelProc
// takes x as the text's centre. ButtonProc draws a rounded box with its centred label dp; a click
// selects it while the mouse button is held. With the exit flag it closes the dialog (the engine
// returns its index), without it it is a toggle that stays selected until the next click.

#include <string>

#include "gui/Dialog.h"

int ClearProc(int message, DIALOG* d, int c);
int RefreshProc(int message, DIALOG* d, int c);
int BoxProc(int message, DIALOG* d, int c);
int RoundBoxProc(int message, DIALOG* d, int c);
int LabelProc(int message, DIALOG* d, int c);
int CentredLabelProc(int message, DIALOG* d, int c);
int ButtonProc(int message, DIALOG* d, int c);

// A button's text as shown: "&" marks a shortcut letter and is not shown, "&&" shows one "&".
std::string ButtonCaption(const char* text);
