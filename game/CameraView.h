#pragma once
// Where the game's view looks: the scroll of an 800 x 600 (or any size) window over the level,
// centred on a focus point and kept inside the level, so the edges of the map never show the
// yellow of cells beyond it. Pure arithmetic; the drawing is GameDraw.h.

class TileGrid;

struct CameraView {
    int width = 800, height = 600;   // the window's pixels
    float zoom = 1;
    float camX = 0, camY = 0;        // screen pixels: the level point (x, y) shows at (zoom x - camX, zoom y - camY)

    // Centres the view on the level point (x, y), then keeps it inside the level (a level smaller
    // than the view is shown from its top-left corner).
    void FocusOn(float x, float y, const TileGrid& level);
};
