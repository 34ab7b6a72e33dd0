#pragma once
// The shapes and text every widget is drawn from, and the mouse as the widgets read it.
//
// Rectangles are the rendering layer's rl::Rect at the layer's curve accuracy; a fill is its Draw,
// an outline its DrawOutline (a frame of the line width just outside the rectangle). Text goes
// through GuiFont, printed with its baseline at y. The mouse is read through Allegro's gui_mouse_*
// hooks, as the dialog engine reads it, so the toolkit follows whatever feeds those hooks.

#include <string>

#include "rl/Colour.h"

namespace gui {

void FillRect(int x, int y, int w, int h, float lineWidth, float roundness, const rl::Colour& colour);
void OutlineRect(int x, int y, int w, int h, float lineWidth, float roundness, const rl::Colour& colour);
// A box: filled in fill, then outlined two pixels wide in outline.
void DrawBox(int x, int y, int w, int h, float roundness, const rl::Colour& fill, const rl::Colour& outline);
void DrawLine(int x1, int y1, int x2, int y2, float lineWidth, const rl::Colour& colour);
void FillTriangle(int x1, int y1, int x2, int y2, int x3, int y3, const rl::Colour& colour);

// Sets GuiFont's colour (which stays for later text) and prints the text there.
void PrintText(const std::string& text, int x, int y, const rl::Colour& colour);
// Prints in whatever colour GuiFont has now.
void PrintText(const std::string& text, int x, int y);

int MouseX();
int MouseY();
int MouseZ();
int MouseButtons();
// Waits, resting 1 ms a round, until none of the given mouse buttons is held.
void WaitForMouseRelease(int buttons = ~0);

} // namespace gui
