#include "editor/skeleton/PanelBackground.h"

#include "gui/GuiDraw.h"
#include "rl/Colour.h"

void DrawPanelBackground(const DIALOG& panel)
{
    const rl::Colour beige(203 / 255.0f, 198 / 255.0f, 173 / 255.0f, 1);
    gui::FillRect(panel.x, panel.y, panel.w, panel.h, 1, 0, beige);
    gui::OutlineRect(panel.x, panel.y, panel.w, panel.h, 1, 0, rl::Colour(0, 0, 0, 1));
}
