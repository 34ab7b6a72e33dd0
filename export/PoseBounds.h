#pragma once
// The pixels a posed skeleton's skins cover when drawn unmirrored by DrawSkinsScaled, relative to
// the skeleton's origin: what fixes an exported canvas's size and where its origin lies.

#include <climits>

class Skeleton;

// A box of whole pixels, right and bottom exclusive.
struct PixelBox {
    int left = INT_MAX, top = INT_MAX, right = INT_MIN, bottom = INT_MIN;

    bool Empty() const { return left >= right || top >= bottom; }
    int Width() const { return Empty() ? 0 : right - left; }
    int Height() const { return Empty() ? 0 : bottom - top; }
    // Grows the box over the point (covering the pixels it touches).
    void Add(float x, float y);
};

// Adds, for the pose of the last UpdatePositions, every visible skin's drawn rectangle (its four
// corners as the drawing turns and scales it) and the point it is pinned at (the bone's end in
// whole pixels). Drawing from an origin that keeps those points inside the canvas places every
// skin exactly as the box says. False when no skin would be drawn.
bool AddSkinBounds(const Skeleton& skeleton, float scale, PixelBox& box);
// Adds every bone's start and end: the extent of a skeleton that draws no skin.
void AddBoneBounds(const Skeleton& skeleton, float scale, PixelBox& box);
