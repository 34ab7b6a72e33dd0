#include "editor/level/TilePaletteProc.h"

#include "editor/level/LevelEditorState.h"
#include "editor/level/MapMath.h"
#include "gui/GuiDraw.h"
#include "level/Level.h"
#include "rl/Canvas.h"
#include "rl/Colour.h"
#include "rl/Rect.h"

namespace {

const rl::Colour kSelectionFrame(237 / 255.0f, 24 / 255.0f, 191 / 255.0f, 1);

} // namespace

void FillPalette()
{
    Level* palette = g_LevelEditor.palette.get();
    if (!palette || !palette->GetTileSet())
        return;
    const int count = palette->GetTileSet()->tileCount;
    for (int r = 0; r < palette->Height(); ++r)
        for (int k = 0; k < kPaletteColumns; ++k) {
            const int n = kPaletteColumns * r + k;
            palette->SetTile(k, r, n < count ? n : 0, 1);
        }
}

int TilePaletteProc(int message, DIALOG* d, int)
{
    switch (message) {
    case MSG_START:
        FillPalette();
        return D_O_K;
    case MSG_DRAW:
        rl::Canvas::SetClipping(d->x, d->y, d->w, d->h);
        rl::Rect(static_cast<float>(d->x), static_cast<float>(d->y), static_cast<float>(d->w), static_cast<float>(d->h))
            .Draw(rl::Colour(0, 0, 0, 1));
        if (g_LevelEditor.palette)
            g_LevelEditor.palette->DrawRows(d->w, d->h, 64 * g_LevelEditor.paletteFirstRow, d->x, d->y);
        gui::OutlineRect(d->x + 64 * g_LevelEditor.paletteSelectionX + 2, d->y + 64 * g_LevelEditor.paletteSelectionY + 2,
                         60, 60, 2, 3, kSelectionFrame);
        rl::Canvas::RestoreClipping();
        return D_O_K;
    case MSG_CLICK:
        g_LevelEditor.paletteSelectionX = (gui::MouseX() - d->x) / 64;
        g_LevelEditor.paletteSelectionY = (gui::MouseY() - d->y) / 64;
        gui::WaitForMouseRelease();
        return D_REDRAW;
    case MSG_WANTFOCUS:
    case MSG_GOTMOUSE:
        return D_WANTFOCUS;
    default:   // the map view's idle redraw shows the palette too
        return D_O_K;
    }
}
