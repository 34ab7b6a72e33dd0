#pragma once
// One sound effect an entity owns and plays. The sound itself comes from the resource manager,
// which owns it (loaded once per file name, shared by every clip of that file, released when the
// manager goes); a clip never unloads it, and destroying a clip releases nothing.

#include <string>

#include "resources/sound/Fmod.h"

class SoundClip {
public:
    // Creates the sound system on first use, then loads the file through the resource manager.
    // Without a sound (no manager, or a name without extension) the clip stays silent.
    explicit SoundClip(const std::string& fileName);

    // Starts a new playback at SoundVolume on any free channel; an earlier one plays on and is
    // forgotten. 1 when a sound was started, 0 when the clip has none.
    int Play();

    FMOD::Sound* Sound() const { return sound; }
    // The channel of the latest playback; null before the first.
    FMOD::Channel* Channel() const { return channel; }

private:
    FMOD::Channel* channel = nullptr;
    FMOD::Sound* sound = nullptr;   // the resource manager's
};
