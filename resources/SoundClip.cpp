#include "resources/SoundClip.h"

#include "resources/ResourceRef.h"
#include "resources/SoundSystem.h"

SoundClip::SoundClip(const std::string& fileName)
{
    CreateSoundSystem();
    sound = KeepLoaded<FMOD::Sound>(fileName);
}

int SoundClip::Play()
{
    if (!sound)
        return 0;
    // Started paused and unpaused once the volume is set, so the first sample is already quiet.
    CheckSoundResult(SoundSystem->playSound(FMOD_CHANNEL_FREE, sound, true, &channel));
    CheckSoundResult(channel->setVolume(SoundVolume));
    CheckSoundResult(channel->setPaused(false));
    return 1;
}
