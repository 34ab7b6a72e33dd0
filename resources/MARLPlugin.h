#pragma once
// The resource plug-in for skeleton files ("TXT"): a file becomes a Skeleton. Unload empties the
// skeleton (no bones, no frame sets) but keeps the object, as others may still hold the pointer;
// the plug-in keeps those emptied shells and frees them when it goes at the end of the run.

#include <memory>
#include <vector>

#include "resources/RPlugin.h"

class Skeleton;

class MARLPlugin : public RPlugin {
public:
    MARLPlugin();
    ~MARLPlugin() override;

    // A Skeleton*, or null when the file cannot be read.
    void* Load(const std::string& fileName) override;
    // Takes only skeletons this plug-in's Load made.
    int32_t Unload(void* resource) override;

private:
    std::vector<std::unique_ptr<Skeleton>> emptied_;
};
