#include "resources/SoundPlugin.h"

#include "core/Log.h"
#include "resources/SoundSystem.h"

SoundPlugin::SoundPlugin() { LogText("SOUND plugin created", 1); }

SoundPlugin::~SoundPlugin() { LogText("SOUND plugin destroyed", 1); }

void* SoundPlugin::Load(const std::string& fileName)
{
    LogText("SOUND PLUGIN - Want to load: " + fileName, 1);
    // Clips make the system before they load, but a WAV asked for straight from the resource
    // manager would otherwise meet no system at all.
    CreateSoundSystem();
    FMOD::Sound* sound = nullptr;
    CheckSoundResult(SoundSystem->createSound(fileName.c_str(), FMOD_DEFAULT, nullptr, &sound));
    LogText("Load successful!", 1);
    LogText("", 1);
    return sound;
}

int32_t SoundPlugin::Unload(void* resource)
{
    LogText("SOUND PLUGIN - Unloading resource", 1);
    if (resource) {
        CheckSoundResult(static_cast<FMOD::Sound*>(resource)->release());
        LogText("Unloaded SOUND successfully", 1);
    } else {
        LogText("SOUND was already unloaded or never existed!", 1);
    }
    return 0;
}
