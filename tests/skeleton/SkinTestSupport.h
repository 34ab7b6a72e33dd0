#pragma once
// A resource manager with a picture plug-in for the tests (and the fuzzer) that load skins without
// a screen. The skeleton model only keeps and hands on the pictures it is given, so each picture
// here is a placeholder object that is never drawn: a skin loads as long as its file exists.

#include <memory>

#include "resources/ResourceManager.h"

class TestPicturePlugin : public RPlugin {
public:
    struct Placeholder {
        std::string fileName;
    };
    void* Load(const std::string& fileName) override { return new Placeholder {fileName}; }
    int32_t Unload(void* resource) override
    {
        delete static_cast<Placeholder*>(resource);
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
