#pragma once
// A resource manager with a picture plug-in for tests that load skins. Pictures made before the
// screen exists only queue their load, so skins load headless as long as their files exist.

#include <memory>

#include "resources/ResourceManager.h"
#include "rl/Bitmap.h"

class TestPicturePlugin : public RPlugin {
public:
    void* Load(const std::string& fileName) override { return new rl::Bitmap(fileName); }
    int32_t Unload(void* resource) override
    {
        delete static_cast<rl::Bitmap*>(resource);
        return 0;
    }
};

// Installs itself as g_ResourceManager for its lifetime.
class TestResources {
public:
    TestResources()
    {
        g_ResourceManager = &manager_;
        manager_.AddPlugin("PNG", &plugin_);
    }
    ~TestResources() { g_ResourceManager = nullptr; }

private:
    TestPicturePlugin plugin_;
    ResourceManager manager_;
};
