#pragma once
// The engine's sound library: the handful of operations the game plays its effects with, shaped
// like the FMOD Ex calls the engine was first written against, and played through SDL2_mixer
// (SDL's audio subsystem only; Allegro keeps the window, input and timers).
//
// A System mixes up to the number of channels given to init. A Sound is a WAV file decoded into
// memory; each playSound starts it on a channel of its own, so one sound can overlap itself. Every
// operation returns an FMOD_RESULT; FMOD_ErrorString (FmodErrors.h) names them.
//
// Ownership: FMOD_System_Create makes a System that lives until its release (the engine never
// releases it). Sounds belong to whoever created them and end with Sound::release; channels belong
// to their System and are only borrowed by the pointer playSound hands out.
//
// A machine without a sound device still gets a working System: init falls back to SDL's silent
// "dummy" output and says so in the log once.
//
// Main thread only; the mixing itself runs on SDL's audio thread.

#include <cstdint>
#include <memory>
#include <set>
#include <vector>

// Result codes. The numbers are the published FMOD Ex values, which log and alert texts show.
enum FMOD_RESULT : int32_t {
    FMOD_OK = 0,
    FMOD_ERR_ALREADYLOCKED = 1,
    FMOD_ERR_BADCOMMAND = 2,
    FMOD_ERR_CDDA_DRIVERS = 3,
    FMOD_ERR_CDDA_INIT = 4,
    FMOD_ERR_CDDA_INVALID_DEVICE = 5,
    FMOD_ERR_CDDA_NOAUDIO = 6,
    FMOD_ERR_CDDA_NODEVICES = 7,
    FMOD_ERR_CDDA_NODISC = 8,
    FMOD_ERR_CDDA_READ = 9,
    FMOD_ERR_CHANNEL_ALLOC = 10,
    FMOD_ERR_CHANNEL_STOLEN = 11,
    FMOD_ERR_COM = 12,
    FMOD_ERR_DMA = 13,
    FMOD_ERR_DSP_CONNECTION = 14,
    FMOD_ERR_DSP_FORMAT = 15,
    FMOD_ERR_DSP_NOTFOUND = 16,
    FMOD_ERR_DSP_RUNNING = 17,
    FMOD_ERR_DSP_TOOMANYCONNECTIONS = 18,
    FMOD_ERR_FILE_BAD = 19,
    FMOD_ERR_FILE_COULDNOTSEEK = 20,
    FMOD_ERR_FILE_EOF = 21,
    FMOD_ERR_FILE_NOTFOUND = 22,
    FMOD_ERR_FILE_UNWANTED = 23,
    FMOD_ERR_FORMAT = 24,
    FMOD_ERR_HTTP = 25,
    FMOD_ERR_HTTP_ACCESS = 26,
    FMOD_ERR_HTTP_PROXY_AUTH = 27,
    FMOD_ERR_HTTP_SERVER_ERROR = 28,
    FMOD_ERR_HTTP_TIMEOUT = 29,
    FMOD_ERR_INITIALIZATION = 30,
    FMOD_ERR_INITIALIZED = 31,
    FMOD_ERR_INTERNAL = 32,
    FMOD_ERR_INVALID_HANDLE = 33,
    FMOD_ERR_INVALID_PARAM = 34,
    FMOD_ERR_INVALID_SPEAKER = 35,
    FMOD_ERR_IRX = 36,
    FMOD_ERR_MEMORY = 37,
    FMOD_ERR_MEMORY_IOP = 38,
    FMOD_ERR_MEMORY_SRAM = 39,
    FMOD_ERR_NEEDS2D = 40,
    FMOD_ERR_NEEDS3D = 41,
    FMOD_ERR_NEEDSHARDWARE = 42,
    FMOD_ERR_NEEDSSOFTWARE = 43,
    FMOD_ERR_NET_CONNECT = 44,
    FMOD_ERR_NET_SOCKET_ERROR = 45,
    FMOD_ERR_NET_URL = 46,
    FMOD_ERR_NOTREADY = 47,
    FMOD_ERR_OUTPUT_ALLOCATED = 48,
    FMOD_ERR_OUTPUT_CREATEBUFFER = 49,
    FMOD_ERR_OUTPUT_DRIVERCALL = 50,
    FMOD_ERR_OUTPUT_FORMAT = 51,
    FMOD_ERR_OUTPUT_INIT = 52,
    FMOD_ERR_OUTPUT_NOHARDWARE = 53,
    FMOD_ERR_OUTPUT_NOSOFTWARE = 54,
    FMOD_ERR_PAN = 55,
    FMOD_ERR_PLUGIN = 56,
    FMOD_ERR_PLUGIN_MISSING = 57,
    FMOD_ERR_PLUGIN_RESOURCE = 58,
    FMOD_ERR_RECORD = 59,
    FMOD_ERR_REVERB_INSTANCE = 60,
    FMOD_ERR_SUBSOUND_ALLOCATED = 61,
    FMOD_ERR_SUBSOUND_MODE = 62,
    FMOD_ERR_SUBSOUNDS = 63,
    FMOD_ERR_TAGNOTFOUND = 64,
    FMOD_ERR_TOOMANYCHANNELS = 65,
    FMOD_ERR_UNIMPLEMENTED = 66,
    FMOD_ERR_UNINITIALIZED = 67,
    FMOD_ERR_UNSUPPORTED = 68,
    FMOD_ERR_VERSION = 69,
};

using FMOD_INITFLAGS = uint32_t;
using FMOD_MODE = uint32_t;
using FMOD_CHANNELINDEX = int32_t;

constexpr FMOD_INITFLAGS FMOD_INIT_NORMAL = 0;
constexpr FMOD_MODE FMOD_DEFAULT = 0;
// playSound picks a free channel (or, when all are busy, takes over the oldest one still playing).
constexpr FMOD_CHANNELINDEX FMOD_CHANNEL_FREE = -1;

// Extended creation settings; none are supported, so createSound takes only a null pointer.
struct FMOD_CREATESOUNDEXINFO;

namespace FMOD {
class System;
}

// Makes a new, uninitialised System.
FMOD_RESULT FMOD_System_Create(FMOD::System** system);

struct Mix_Chunk;

namespace FMOD {

class Sound;

// One mixing channel of a System. playSound hands out a pointer to it; the pointer stays valid
// for the System's life and always speaks for the channel's latest playback.
class Channel {
public:
    // 0 (silent) to 1 (the sound's own level); values outside are clamped.
    FMOD_RESULT setVolume(float volume);
    // Pausing keeps the position; a playback started paused begins only when unpaused.
    FMOD_RESULT setPaused(bool paused);

    Channel(const Channel&) = delete;
    Channel& operator=(const Channel&) = delete;

private:
    friend class System;
    explicit Channel(int index) : index_(index) {}
    bool Active() const;
    FMOD_RESULT Start();

    const int index_;
    Sound* sound_ = nullptr;   // what the latest playback plays
    bool started_ = false;     // false while a playback started paused has not begun
    float volume_ = 1.0f;
    uint64_t startSerial_ = 0; // orders playbacks, oldest first, for taking over a channel
};

// A WAV file decoded into memory, ready to play on any number of channels at once.
class Sound {
public:
    // Stops every channel playing this sound and frees it; the pointer is invalid afterwards.
    FMOD_RESULT release();

    Sound(const Sound&) = delete;
    Sound& operator=(const Sound&) = delete;

private:
    friend class System;
    friend class Channel;
    Sound(System& system, Mix_Chunk* chunk) : system_(system), chunk_(chunk) {}
    ~Sound();

    System& system_;
    Mix_Chunk* const chunk_;   // owned; freed by release
};

class System {
public:
    // Opens the sound output with maxChannels mixing channels. flags must be FMOD_INIT_NORMAL and
    // extraDriverData null. Falls back to silent output when no sound device can be opened. One
    // System per process can own the output.
    FMOD_RESULT init(int maxChannels, FMOD_INITFLAGS flags, void* extraDriverData);

    // Loads a WAV file (mode FMOD_DEFAULT, no extended information).
    FMOD_RESULT createSound(const char* fileName, FMOD_MODE mode, FMOD_CREATESOUNDEXINFO* exInfo,
                            Sound** sound);

    // Starts the sound on a channel: FMOD_CHANNEL_FREE for any, or a channel's index to restart
    // that one. With paused set nothing is heard until setPaused(false). channel may be null.
    FMOD_RESULT playSound(FMOD_CHANNELINDEX channelIndex, Sound* sound, bool paused, Channel** channel);

    System(const System&) = delete;
    System& operator=(const System&) = delete;

private:
    friend FMOD_RESULT(::FMOD_System_Create)(System** system);
    friend class Channel;
    friend class Sound;
    System() = default;
    ~System() = default;
    Channel* FindFreeChannel();
    void Forget(Sound* sound);

    bool initialised_ = false;
    std::vector<std::unique_ptr<Channel>> channels_;
    std::set<Sound*> sounds_;     // live sounds, so a stale pointer is refused rather than played
    uint64_t nextSerial_ = 1;
};

} // namespace FMOD
