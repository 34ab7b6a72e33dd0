#include "resources/sound/Fmod.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <new>
#include <string>
#include <sys/stat.h>
#include <vector>

#include "core/InputFile.h"
#include "core/Log.h"

namespace {

// The mixed stream: 16-bit stereo at CD rate. 1024 frames per buffer keeps the delay between a
// play call and the sound near 23 ms.
constexpr int kOutputRate = 44100;
constexpr int kOutputChannels = 2;
constexpr int kOutputFrames = 1024;

// SDL_mixer has one set of channels per process, so only one System may own the output.
bool g_outputOwned = false;

bool OpenOutput(std::string& error)
{
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        error = SDL_GetError();
        return false;
    }
    if (Mix_OpenAudio(kOutputRate, AUDIO_S16SYS, kOutputChannels, kOutputFrames) != 0) {
        error = SDL_GetError();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    return true;
}

// SDL_mixer's channel volume is an integer from 0 to MIX_MAX_VOLUME (128).
int MixerVolume(float volume) { return int(std::lround(volume * MIX_MAX_VOLUME)); }

// Reads the whole file, telling a missing file from one that cannot be read. Only a regular file
// within the sound limit is read: a device or a FIFO would never end or never start.
FMOD_RESULT ReadWholeFile(const char* fileName, std::vector<uint8_t>& bytes)
{
    std::string contents, message;
    const inputfile::Refusal refusal = inputfile::Read(fileName, inputfile::kMaxSoundFileBytes, contents, &message);
    if (refusal != inputfile::Refusal::None)
        LogText(message, 4);
    switch (refusal) {
    case inputfile::Refusal::None:
        break;
    case inputfile::Refusal::Missing:
        return FMOD_ERR_FILE_NOTFOUND;
    case inputfile::Refusal::TooLarge:
        return FMOD_ERR_MEMORY;
    default:
        return FMOD_ERR_FILE_BAD;
    }
    try {
        bytes.assign(contents.begin(), contents.end());
    } catch (const std::bad_alloc&) {
        return FMOD_ERR_MEMORY;
    }
    return FMOD_OK;
}

bool IsRiffWave(const std::vector<uint8_t>& bytes)
{
    return bytes.size() >= 12 && std::memcmp(bytes.data(), "RIFF", 4) == 0 &&
           std::memcmp(bytes.data() + 8, "WAVE", 4) == 0;
}

// SDL reports a failed decode only as text; sort it into the library's codes.
FMOD_RESULT DecodeFailure(const char* sdlError)
{
    std::string text = sdlError ? sdlError : "";
    if (text.find("Out of memory") != std::string::npos)
        return FMOD_ERR_MEMORY;
    if (text.find("Unknown WAVE format") != std::string::npos || text.find("upported") != std::string::npos)
        return FMOD_ERR_FORMAT;
    return FMOD_ERR_FILE_BAD;
}

} // namespace

FMOD_RESULT FMOD_System_Create(FMOD::System** system)
{
    if (!system)
        return FMOD_ERR_INVALID_PARAM;
    *system = new (std::nothrow) FMOD::System();
    return *system ? FMOD_OK : FMOD_ERR_MEMORY;
}

namespace FMOD {

FMOD_RESULT System::init(int maxChannels, FMOD_INITFLAGS flags, void* extraDriverData)
{
    if (initialised_)
        return FMOD_ERR_INITIALIZED;
    if (maxChannels < 1)
        return FMOD_ERR_INVALID_PARAM;
    if (flags != FMOD_INIT_NORMAL || extraDriverData)
        return FMOD_ERR_UNSUPPORTED;
    if (g_outputOwned)
        return FMOD_ERR_OUTPUT_ALLOCATED;

    // Allegro owns the process's signals.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    std::string error;
    if (!OpenOutput(error)) {
        // No usable sound device: mix into SDL's silent output so the program runs on without
        // sound. The override beats an SDL_AUDIODRIVER setting that named the failing driver.
        SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, "dummy", SDL_HINT_OVERRIDE);
        std::string fallbackError;
        if (!OpenOutput(fallbackError))
            return FMOD_ERR_OUTPUT_INIT;
        LogString("SOUND::INIT - No sound device, playing silently. The device said:", error.c_str(), 3);
    }
    if (Mix_AllocateChannels(maxChannels) != maxChannels) {
        Mix_CloseAudio();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return FMOD_ERR_MEMORY;
    }
    // SDL_mixer takes a pause stamped at tick 0 for "not paused".
    while (SDL_GetTicks() == 0)
        SDL_Delay(1);

    try {
        channels_.reserve(size_t(maxChannels));
        for (int i = 0; i < maxChannels; ++i)
            channels_.push_back(std::unique_ptr<Channel>(new Channel(i)));
    } catch (const std::bad_alloc&) {
        channels_.clear();
        Mix_CloseAudio();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return FMOD_ERR_MEMORY;
    }
    initialised_ = true;
    g_outputOwned = true;
    return FMOD_OK;
}

FMOD_RESULT System::createSound(const char* fileName, FMOD_MODE mode, FMOD_CREATESOUNDEXINFO* exInfo,
                                Sound** sound)
{
    if (!fileName || !sound)
        return FMOD_ERR_INVALID_PARAM;
    *sound = nullptr;
    if (!initialised_)
        return FMOD_ERR_UNINITIALIZED;
    if (mode != FMOD_DEFAULT || exInfo)
        return FMOD_ERR_UNSUPPORTED;

    std::vector<uint8_t> bytes;
    FMOD_RESULT result = ReadWholeFile(fileName, bytes);
    if (result != FMOD_OK)
        return result;
    if (!IsRiffWave(bytes))
        return FMOD_ERR_FORMAT;

    SDL_RWops* source = SDL_RWFromConstMem(bytes.data(), int(bytes.size()));
    if (!source)
        return FMOD_ERR_MEMORY;
    // Decodes and converts to the output's format, so playing costs no conversion.
    Mix_Chunk* chunk = Mix_LoadWAV_RW(source, 1);
    if (!chunk)
        return DecodeFailure(SDL_GetError());

    Sound* made = new (std::nothrow) Sound(*this, chunk);
    if (!made) {
        Mix_FreeChunk(chunk);
        return FMOD_ERR_MEMORY;
    }
    try {
        sounds_.insert(made);
    } catch (const std::bad_alloc&) {
        delete made;
        return FMOD_ERR_MEMORY;
    }
    *sound = made;
    return FMOD_OK;
}

FMOD_RESULT System::playSound(FMOD_CHANNELINDEX channelIndex, Sound* sound, bool paused, Channel** channel)
{
    if (channel)
        *channel = nullptr;
    if (!initialised_)
        return FMOD_ERR_UNINITIALIZED;
    if (!sound)
        return FMOD_ERR_INVALID_PARAM;
    if (sounds_.count(sound) == 0)
        return FMOD_ERR_INVALID_HANDLE;

    Channel* target = nullptr;
    if (channelIndex == FMOD_CHANNEL_FREE)
        target = FindFreeChannel();
    else if (channelIndex >= 0 && channelIndex < FMOD_CHANNELINDEX(channels_.size()))
        target = channels_[size_t(channelIndex)].get();
    else
        return FMOD_ERR_INVALID_PARAM;
    if (!target)
        return FMOD_ERR_CHANNEL_ALLOC;

    Mix_HaltChannel(target->index_);
    target->sound_ = sound;
    target->started_ = false;
    target->volume_ = 1.0f;
    if (!paused) {
        FMOD_RESULT result = target->Start();
        if (result != FMOD_OK)
            return result;
    }
    if (channel)
        *channel = target;
    return FMOD_OK;
}

// A free channel first; when all are busy, the one playing longest is taken over, as a game
// wants its newest effect heard. Paused channels are kept: someone means to resume them.
Channel* System::FindFreeChannel()
{
    Channel* oldest = nullptr;
    for (const std::unique_ptr<Channel>& channel : channels_) {
        if (!channel->Active())
            return channel.get();
        if (channel->started_ && !Mix_Paused(channel->index_) &&
            (!oldest || channel->startSerial_ < oldest->startSerial_))
            oldest = channel.get();
    }
    return oldest;
}

void System::Forget(Sound* sound)
{
    for (const std::unique_ptr<Channel>& channel : channels_) {
        if (channel->sound_ == sound) {
            Mix_HaltChannel(channel->index_);
            channel->sound_ = nullptr;
            channel->started_ = false;
        }
    }
    sounds_.erase(sound);
}

// A playback is active from playSound until it ends, is released or is replaced. One started
// paused is active, and silent, before it begins.
bool Channel::Active() const
{
    if (!sound_)
        return false;
    return !started_ || Mix_Playing(index_);
}

// Nothing has reached the mixer before this, so a paused start cannot click; the volume is set
// first so the first sample already has it.
FMOD_RESULT Channel::Start()
{
    started_ = true;
    // A file without samples plays as an instant of silence; SDL_mixer would refuse it.
    if (sound_->chunk_->alen == 0)
        return FMOD_OK;
    Mix_Volume(index_, MixerVolume(volume_));
    if (Mix_PlayChannel(index_, sound_->chunk_, 0) < 0) {
        sound_ = nullptr;
        return FMOD_ERR_INTERNAL;
    }
    startSerial_ = sound_->system_.nextSerial_++;
    return FMOD_OK;
}

FMOD_RESULT Channel::setVolume(float volume)
{
    if (std::isnan(volume))
        return FMOD_ERR_INVALID_PARAM;
    if (!Active())
        return FMOD_ERR_INVALID_HANDLE;
    volume_ = volume < 0.0f ? 0.0f : (volume > 1.0f ? 1.0f : volume);
    if (started_)
        Mix_Volume(index_, MixerVolume(volume_));
    return FMOD_OK;
}

FMOD_RESULT Channel::setPaused(bool paused)
{
    if (!Active())
        return FMOD_ERR_INVALID_HANDLE;
    if (!started_)
        return paused ? FMOD_OK : Start();
    if (paused)
        Mix_Pause(index_);
    else
        Mix_Resume(index_);
    return FMOD_OK;
}

Sound::~Sound() { Mix_FreeChunk(chunk_); }

FMOD_RESULT Sound::release()
{
    system_.Forget(this);
    delete this;
    return FMOD_OK;
}

} // namespace FMOD
