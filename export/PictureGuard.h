#pragma once
// The exporter's plug-in for "BMP" and "PNG" pictures: the rendering layer's own, except that a
// file that is there but holds no picture it can read is remembered and answered with a 1 x 1
// transparent stand-in. Loading a skin then carries on instead of ending the program, and the
// exporter names the broken file and refuses the skeleton.

#include <string>
#include <vector>

#include "resources/RLBMPPlugin.h"

class PictureGuard : public RPlugin {
public:
    void* Load(const std::string& fileName) override;
    int32_t Unload(void* resource) override;

    // The files answered with a stand-in, in the order they were asked for.
    const std::vector<std::string>& BrokenFiles() const { return broken_; }

private:
    RLBMPPlugin pictures_;
    std::vector<std::string> broken_;
};
