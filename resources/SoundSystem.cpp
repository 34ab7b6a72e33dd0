#include "resources/SoundSystem.h"

#include <cstdio>

#include "core/Alert.h"
#include "core/Log.h"

FMOD::System* SoundSystem = nullptr;
FMOD_RESULT LastSoundResult = FMOD_OK;
float SoundVolume = 0.2f;

int CheckSoundResult()
{
    if (LastSoundResult == FMOD_OK)
        return 0;
    char text[512];
    std::snprintf(text, sizeof text, "FMOD error! (%d) %s\n", int(LastSoundResult),
                  FMOD_ErrorString(LastSoundResult));
    ShowAlert(text);
    LogText("", 4);
    LogText("!!!!! Sound System Failed!!!!!", 4);
    // The formatted text brings its own newline; the log line gets exactly one.
    std::string line = text;
    if (!line.empty() && line.back() == '\n')
        line.pop_back();
    LogText(line, 4);
    throw SoundSystemError(text);
}

void CreateSoundSystem()
{
    if (SoundSystem)
        return;
    CheckSoundResult(FMOD_System_Create(&SoundSystem));
    CheckSoundResult(SoundSystem->init(10, FMOD_INIT_NORMAL, nullptr));
    LogText("New FMOD system created", 3);
}
