#pragma once
// The engine's one sound-library system and the check every sound-library call goes through.
//
// Each call stores its result in LastSoundResult and then calls CheckSoundResult. A failed call
// ends the run: the alert shows "FMOD error! (<code>) <text>", the log gets three lines at
// priority 4, and a SoundSystemError is thrown that nothing catches.

#include <cstdint>
#include <stdexcept>
#include <string>

#include "resources/sound/Fmod.h"
#include "resources/sound/FmodErrors.h"

// Made by the first SoundClip, then kept for the rest of the run (never released).
extern FMOD::System* SoundSystem;
// The result of the latest sound-library call.
extern FMOD_RESULT LastSoundResult;
// The volume every sound starts playing at.
extern float SoundVolume;

// The end of the run after a failed sound-library call; what() is the alert's text.
class SoundSystemError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// 0 when LastSoundResult is FMOD_OK; otherwise alerts, logs and throws SoundSystemError.
int CheckSoundResult();

// Stores a call's result in LastSoundResult and checks it.
inline int CheckSoundResult(FMOD_RESULT result)
{
    LastSoundResult = result;
    return CheckSoundResult();
}

// Creates and initialises SoundSystem (10 channels) unless it exists, logging "New FMOD system
// created" the one time it does.
void CreateSoundSystem();
