#pragma once
// The level's scrolling backdrop: one fixed picture drawn twice side by side, scrolling at half the
// camera's speed. Created and destroyed with its level; holds one reference to its picture in the
// resource manager for its whole life. A missing picture ends the program after its alert.

#include <string>

#include "resources/ResourceRef.h"

namespace rl {
class Bitmap;
}

class MBackground {
public:
    MBackground();
    ~MBackground();
    MBackground(const MBackground&) = delete;
    MBackground& operator=(const MBackground&) = delete;

    // Two copies, the first at x = -(scroll * 0.5 mod width), each using at most 800 x 600 of the
    // picture. Returns 0.
    int Draw(float scroll);
    // The picture's top-left width x height part with its corner at (x, y). Returns 0.
    int DrawClipped(float x, float y, int width, int height);

    std::string fileName;
    ResourceRef<rl::Bitmap> bitmap;   // one load of the picture, for the background's whole life
};
