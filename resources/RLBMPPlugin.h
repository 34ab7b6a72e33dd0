#pragma once
// The resource plug-in for pictures ("BMP" and "PNG", one instance each): a file becomes an
// rl::Bitmap with its texture on the graphics card. Unload frees the texture and image but keeps
// the object, since sprite frames may still point at it; the rendering layer deletes it at exit.

#include "resources/RPlugin.h"

class RLBMPPlugin : public RPlugin {
public:
    RLBMPPlugin();
    ~RLBMPPlugin() override;

    // An rl::Bitmap*, or null when the file is missing or unreadable (or the screen is not up).
    void* Load(const std::string& fileName) override;
    int32_t Unload(void* resource) override;
};
