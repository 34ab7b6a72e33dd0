#include "gui/GuiDraw.h"

#include <allegro.h>

#include "gui/GuiFont.h"
#include "rl/Line.h"
#include "rl/Poly.h"
#include "rl/Rect.h"
#include "rl/TextRenderer.h"

namespace gui {

void FillRect(int x, int y, int w, int h, float lineWidth, float roundness, const rl::Colour& colour)
{
    rl::Rect(x, y, w, h, lineWidth, roundness).Draw(colour);
}

void OutlineRect(int x, int y, int w, int h, float lineWidth, float roundness, const rl::Colour& colour)
{
    rl::Rect(x, y, w, h, lineWidth, roundness).DrawOutline(colour);
}

void DrawBox(int x, int y, int w, int h, float roundness, const rl::Colour& fill, const rl::Colour& outline)
{
    const rl::Rect box(x, y, w, h, 2, roundness);
    box.Draw(fill);
    box.DrawOutline(outline);
}

void DrawLine(int x1, int y1, int x2, int y2, float lineWidth, const rl::Colour& colour)
{
    // A line of odd width along pixel edges would cover two half pixels (grey and blurred, with
    // the layer's line smoothing); moved half a pixel across, it covers whole pixels: column x1
    // for a vertical line, row y1 for a horizontal one.
    float dx = 0, dy = 0;
    if (static_cast<int>(lineWidth) % 2 == 1) {
        if (x1 == x2)
            dx = 0.5f;
        else if (y1 == y2)
            dy = 0.5f;
    }
    rl::Line(x1 + dx, y1 + dy, x2 + dx, y2 + dy, lineWidth).Draw(colour);
}

void FillTriangle(int x1, int y1, int x2, int y2, int x3, int y3, const rl::Colour& colour)
{
    rl::Poly({rl::Vector(x1, y1), rl::Vector(x2, y2), rl::Vector(x3, y3)}).Draw(colour);
}

void PrintText(const std::string& text, int x, int y, const rl::Colour& colour)
{
    if (!GuiFont)
        return;
    GuiFont->SetColour(colour);
    GuiFont->Print(text, x, y);
}

void PrintText(const std::string& text, int x, int y)
{
    if (GuiFont)
        GuiFont->Print(text, x, y);
}

int MouseX() { return gui_mouse_x(); }
int MouseY() { return gui_mouse_y(); }
int MouseZ() { return gui_mouse_z(); }
int MouseButtons() { return gui_mouse_b(); }

void WaitForMouseRelease(int buttons)
{
    while (gui_mouse_b() & buttons)
        rest(1);
}

} // namespace gui
