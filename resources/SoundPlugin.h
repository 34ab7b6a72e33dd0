#pragma once
// The resource plug-in for "WAV": a file becomes a sound of the sound system. A sound that cannot
// be made ends the run (through CheckSoundResult); Unload releases the sound for good.

#include "resources/RPlugin.h"

class SoundPlugin : public RPlugin {
public:
    SoundPlugin();
    ~SoundPlugin() override;

    // An FMOD::Sound*; creates the sound system first if no clip has yet.
    void* Load(const std::string& fileName) override;
    int32_t Unload(void* resource) override;
};
