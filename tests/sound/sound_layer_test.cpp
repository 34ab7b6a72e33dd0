// The sound layer on its own: result texts, file errors, channels, and what reaches the speakers
// (SDL's disk output, read back and measured).

#include "resources/sound/Fmod.h"
#include "resources/sound/FmodErrors.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <set>
#include <string>
#include <sys/stat.h>

#include "core/Log.h"
#include "tests/sound/SoundTestSupport.h"
#include "tests/support/TestSupport.h"

using namespace soundtest;
using testsupport::ReadFile;
using testsupport::TempFolder;
using testsupport::WriteFile;

namespace {

// What SDL_mixer makes of a level at a channel volume: the volume becomes a step of 1/128.
int Mixed(int level, float volume) { return level * int(std::lround(volume * 128)) / 128; }

// Like the engine's, a test's system lives to the end of the process (there is no call that ends
// one); kept here it stays reachable, and is no leak.
FMOD::System* g_system = nullptr;

FMOD::System* NewSystem()
{
    EXPECT_EQ(FMOD_System_Create(&g_system), FMOD_OK);
    EXPECT_EQ(g_system->init(10, FMOD_INIT_NORMAL, nullptr), FMOD_OK);
    return g_system;
}

// A system playing into a file in a fresh folder.
struct SoundLayerOnDisk : ::testing::Test {
    TempFolder folder;
    std::string output;
    FMOD::System* system = nullptr;

    void SetUp() override
    {
        output = UseDiskOutput(folder.Path());
        system = NewSystem();
        ASSERT_TRUE(WaitForOutput(output, kBufferFrames));
    }

    FMOD::Sound* Load(const std::string& name)
    {
        FMOD::Sound* sound = nullptr;
        EXPECT_EQ(system->createSound(name.c_str(), FMOD_DEFAULT, nullptr, &sound), FMOD_OK) << name;
        return sound;
    }

    // Plays the sound paused, sets the volume, unpauses: the engine's way of starting a sound.
    FMOD::Channel* Play(FMOD::Sound* sound, float volume)
    {
        FMOD::Channel* channel = nullptr;
        EXPECT_EQ(system->playSound(FMOD_CHANNEL_FREE, sound, true, &channel), FMOD_OK);
        EXPECT_EQ(channel->setVolume(volume), FMOD_OK);
        EXPECT_EQ(channel->setPaused(false), FMOD_OK);
        return channel;
    }
};

} // namespace

TEST(SoundResultText, NamesEveryCode)
{
    const struct {
        int32_t code;
        const char* text;
    } rows[] = {
        {0, "No errors."},
        {10, "Error trying to allocate a channel. "},
        {19, "Error loading file. "},
        {22, "File not found. "},
        {24, "Unsupported file or audio format. "},
        {37, "Not enough memory or resources. "},
        {52, "Error initializing output device. "},
        {69, "The version number of this file format is not supported. "},
        {70, "Unknown error."},
        {-1, "Unknown error."},
        {1000000, "Unknown error."},
    };
    for (const auto& row : rows)
        EXPECT_STREQ(FMOD_ErrorString(row.code), row.text) << row.code;

    std::set<std::string> seen;
    for (int code = 1; code <= 68; ++code) {
        const std::string text = FMOD_ErrorString(code);
        ASSERT_GE(text.size(), 3u) << code;
        EXPECT_EQ(text.back(), ' ') << code;
        EXPECT_NE(text[text.size() - 2], ' ') << code;
        EXPECT_NE(text, "Unknown error.") << code;
        EXPECT_TRUE(seen.insert(text).second) << "code " << code << " repeats \"" << text << "\"";
    }
}

TEST(SoundLayer, CreateSoundReportsWhatIsWrongWithTheFile)
{
    TempFolder folder;
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    FMOD::System* system = NewSystem();

    WriteConstantWav("good.wav", 1000, 50);
    const std::string good = ReadFile("good.wav");
    mkdir("folder.wav", 0755);
    WriteFile("empty.wav", "");
    WriteFile("text.wav", "This is not a sound at all, only some text.\n");
    WriteFile("riff-only.wav", "RIFF");
    WriteFile("cut-header.wav", good.substr(0, 24));
    WriteFile("no-data.wav", good.substr(0, 36));
    std::string unknownCodec = good;
    unknownCodec[20] = 0x34;   // format tag 0x1234
    unknownCodec[21] = 0x12;
    WriteFile("unknown-codec.wav", unknownCodec);
    std::string aiff = good;
    aiff.replace(8, 4, "AIFF");
    WriteFile("wrong-form.wav", aiff);
    WriteFile("locked.wav", good);
    chmod("locked.wav", 0);
    const bool runsAsRoot = geteuid() == 0;   // root reads files without permission bits
    ASSERT_EQ(mkfifo("pipe.wav", 0600), 0);

    const struct {
        const char* name;
        FMOD_RESULT expected;
    } rows[] = {
        {"good.wav", FMOD_OK},
        {"missing.wav", FMOD_ERR_FILE_NOTFOUND},
        {"no-such-folder/missing.wav", FMOD_ERR_FILE_NOTFOUND},
        {"good.wav/inside.wav", FMOD_ERR_FILE_NOTFOUND},
        {"", FMOD_ERR_FILE_NOTFOUND},
        {"folder.wav", FMOD_ERR_FILE_BAD},
        {"pipe.wav", FMOD_ERR_FILE_BAD},
        {"/dev/zero", FMOD_ERR_FILE_BAD},
        {"empty.wav", FMOD_ERR_FORMAT},
        {"text.wav", FMOD_ERR_FORMAT},
        {"riff-only.wav", FMOD_ERR_FORMAT},
        {"wrong-form.wav", FMOD_ERR_FORMAT},
        {"unknown-codec.wav", FMOD_ERR_FORMAT},
        {"cut-header.wav", FMOD_ERR_FILE_BAD},
        {"no-data.wav", FMOD_ERR_FILE_BAD},
        {"locked.wav", runsAsRoot ? FMOD_OK : FMOD_ERR_FILE_BAD},
    };
    for (const auto& row : rows) {
        FMOD::Sound* sound = reinterpret_cast<FMOD::Sound*>(1);
        EXPECT_EQ(system->createSound(row.name, FMOD_DEFAULT, nullptr, &sound), row.expected)
            << row.name;
        if (row.expected == FMOD_OK) {
            ASSERT_NE(sound, nullptr) << row.name;
            EXPECT_EQ(sound->release(), FMOD_OK);
        } else {
            EXPECT_EQ(sound, nullptr) << row.name;
        }
    }
}

TEST(SoundLayer, RefusesCallsOutOfOrderOrWithBadArguments)
{
    TempFolder folder;
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    WriteConstantWav("good.wav", 1000, 50);

    EXPECT_EQ(FMOD_System_Create(nullptr), FMOD_ERR_INVALID_PARAM);
    ASSERT_EQ(FMOD_System_Create(&g_system), FMOD_OK);
    FMOD::System* system = g_system;
    FMOD::Sound* sound = nullptr;
    EXPECT_EQ(system->createSound("good.wav", FMOD_DEFAULT, nullptr, &sound), FMOD_ERR_UNINITIALIZED);
    EXPECT_EQ(system->playSound(FMOD_CHANNEL_FREE, nullptr, true, nullptr), FMOD_ERR_UNINITIALIZED);
    EXPECT_EQ(system->init(0, FMOD_INIT_NORMAL, nullptr), FMOD_ERR_INVALID_PARAM);
    EXPECT_EQ(system->init(10, 4, nullptr), FMOD_ERR_UNSUPPORTED);
    ASSERT_EQ(system->init(10, FMOD_INIT_NORMAL, nullptr), FMOD_OK);
    EXPECT_EQ(system->init(10, FMOD_INIT_NORMAL, nullptr), FMOD_ERR_INITIALIZED);
    static FMOD::System* second = nullptr;
    ASSERT_EQ(FMOD_System_Create(&second), FMOD_OK);
    EXPECT_EQ(second->init(10, FMOD_INIT_NORMAL, nullptr), FMOD_ERR_OUTPUT_ALLOCATED);

    EXPECT_EQ(system->createSound(nullptr, FMOD_DEFAULT, nullptr, &sound), FMOD_ERR_INVALID_PARAM);
    EXPECT_EQ(system->createSound("good.wav", FMOD_DEFAULT, nullptr, nullptr), FMOD_ERR_INVALID_PARAM);
    EXPECT_EQ(system->createSound("good.wav", 2, nullptr, &sound), FMOD_ERR_UNSUPPORTED);
    ASSERT_EQ(system->createSound("good.wav", FMOD_DEFAULT, nullptr, &sound), FMOD_OK);

    FMOD::Channel* channel = reinterpret_cast<FMOD::Channel*>(1);
    EXPECT_EQ(system->playSound(FMOD_CHANNEL_FREE, nullptr, true, &channel), FMOD_ERR_INVALID_PARAM);
    EXPECT_EQ(channel, nullptr);
    EXPECT_EQ(system->playSound(10, sound, true, &channel), FMOD_ERR_INVALID_PARAM);
    EXPECT_EQ(system->playSound(-2, sound, true, &channel), FMOD_ERR_INVALID_PARAM);
    ASSERT_EQ(system->playSound(9, sound, true, &channel), FMOD_OK);
    EXPECT_EQ(channel->setVolume(NAN), FMOD_ERR_INVALID_PARAM);
    EXPECT_EQ(channel->setVolume(0.5f), FMOD_OK);

    // Releasing ends its playbacks; the stale pointers are refused, not played.
    EXPECT_EQ(sound->release(), FMOD_OK);
    EXPECT_EQ(channel->setPaused(false), FMOD_ERR_INVALID_HANDLE);
    EXPECT_EQ(channel->setVolume(0.5f), FMOD_ERR_INVALID_HANDLE);
    EXPECT_EQ(system->playSound(FMOD_CHANNEL_FREE, sound, true, &channel), FMOD_ERR_INVALID_HANDLE);
}

TEST(SoundLayer, WithoutASoundDeviceFallsBackToSilenceAndSaysSoOnce)
{
    TempFolder folder;
    g_Log = new Log();
    g_Log->priority = 2;
    // A driver that cannot open stands for a machine without a sound card.
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    WriteConstantWav("good.wav", 1000, 50);

    FMOD::System* system = NewSystem();
    FMOD::Sound* sound = nullptr;
    ASSERT_EQ(system->createSound("good.wav", FMOD_DEFAULT, nullptr, &sound), FMOD_OK);
    for (int i = 0; i < 12; ++i) {
        FMOD::Channel* channel = nullptr;
        ASSERT_EQ(system->playSound(FMOD_CHANNEL_FREE, sound, false, &channel), FMOD_OK) << i;
        ASSERT_EQ(channel->setVolume(0.2f), FMOD_OK);
    }
    EXPECT_EQ(sound->release(), FMOD_OK);

    const std::string log = ReadFile(Log::FileName);
    const std::string line = "SOUND::INIT - No sound device, playing silently. The device said:";
    const size_t first = log.find(line);
    ASSERT_NE(first, std::string::npos) << log;
    EXPECT_EQ(log.find(line, first + 1), std::string::npos) << log;
    EXPECT_NE(log.find("3- "), std::string::npos) << log;
    delete g_Log;
    g_Log = nullptr;
}

TEST(SoundLayer, TenChannelsThenTheOldestPlayingIsTakenOverButNeverAPausedOne)
{
    TempFolder folder;
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    WriteConstantWav("long.wav", 1000, 5000);
    FMOD::System* system = NewSystem();
    FMOD::Sound* sound = nullptr;
    ASSERT_EQ(system->createSound("long.wav", FMOD_DEFAULT, nullptr, &sound), FMOD_OK);

    std::set<FMOD::Channel*> channels;
    for (int i = 0; i < 10; ++i) {
        FMOD::Channel* channel = nullptr;
        ASSERT_EQ(system->playSound(FMOD_CHANNEL_FREE, sound, true, &channel), FMOD_OK) << i;
        channels.insert(channel);
    }
    EXPECT_EQ(channels.size(), 10u);
    FMOD::Channel* none = nullptr;
    EXPECT_EQ(system->playSound(FMOD_CHANNEL_FREE, sound, true, &none), FMOD_ERR_CHANNEL_ALLOC);
    EXPECT_EQ(none, nullptr);

    // Unpaused in this order, the first one unpaused is the one taken over.
    std::vector<FMOD::Channel*> order(channels.begin(), channels.end());
    std::swap(order[0], order[6]);
    for (FMOD::Channel* channel : order)
        ASSERT_EQ(channel->setPaused(false), FMOD_OK);
    ASSERT_EQ(order[0]->setPaused(true), FMOD_OK);   // paused again: kept
    FMOD::Channel* taken = nullptr;
    ASSERT_EQ(system->playSound(FMOD_CHANNEL_FREE, sound, true, &taken), FMOD_OK);
    EXPECT_EQ(taken, order[1]);
    ASSERT_EQ(system->playSound(FMOD_CHANNEL_FREE, sound, true, &taken), FMOD_OK);
    EXPECT_EQ(taken, order[2]);
}

TEST_F(SoundLayerOnDisk, NothingIsHeardBeforeUnpausingAndThenTheWholeSoundAtItsVolume)
{
    WriteConstantWav("level.wav", 10000, 200);
    FMOD::Sound* sound = Load("level.wav");
    FMOD::Channel* channel = nullptr;
    ASSERT_EQ(system->playSound(FMOD_CHANNEL_FREE, sound, true, &channel), FMOD_OK);
    ASSERT_EQ(channel->setVolume(0.2f), FMOD_OK);
    ASSERT_TRUE(WaitForMore(output, FramesFor(300)));
    const size_t unpausedAt = OutputFrames(output);
    EXPECT_EQ(SoundingFrames(ReadOutput(output)), 0u) << "heard while paused";

    ASSERT_EQ(channel->setPaused(false), FMOD_OK);
    ASSERT_TRUE(WaitForMore(output, FramesFor(200) + 4 * kBufferFrames));
    const std::vector<Frame> frames = ReadOutput(output);
    const std::vector<Stretch> sounding = Sounding(frames);
    ASSERT_EQ(sounding.size(), 1u) << Describe(sounding);
    EXPECT_EQ(sounding[0].level, Mixed(10000, 0.2f));
    EXPECT_NEAR(sounding[0].level / 10000.0, 0.2, 0.005);
    EXPECT_EQ(sounding[0].length, size_t(FramesFor(200)));
    EXPECT_GE(sounding[0].start, unpausedAt - kBufferFrames);
    // A mono file plays on both sides alike.
    EXPECT_EQ(frames[sounding[0].start + 100].right, frames[sounding[0].start + 100].left);
}

TEST_F(SoundLayerOnDisk, VolumesScaleTheLevelAndAreClampedToTheRange)
{
    WriteConstantWav("level.wav", 12000, 100);
    FMOD::Sound* sound = Load("level.wav");
    const struct {
        float volume;
        int expected;
    } rows[] = {
        {1.0f, 12000}, {0.5f, 6000}, {0.2f, Mixed(12000, 0.2f)}, {0.75f, 9000}, {3.0f, 12000},
    };
    for (const auto& row : rows) {
        const size_t from = OutputFrames(output);
        Play(sound, row.volume);
        ASSERT_TRUE(WaitForMore(output, FramesFor(100) + 4 * kBufferFrames));
        const std::vector<Stretch> sounding = Sounding(ReadOutput(output), from);
        ASSERT_EQ(sounding.size(), 1u) << row.volume << ": " << Describe(sounding);
        EXPECT_EQ(sounding[0].level, row.expected) << row.volume;
        EXPECT_EQ(sounding[0].length, size_t(FramesFor(100))) << row.volume;
    }
    const size_t from = OutputFrames(output);
    Play(sound, -1.0f);
    ASSERT_TRUE(WaitForMore(output, FramesFor(100) + 4 * kBufferFrames));
    EXPECT_EQ(SoundingFrames(ReadOutput(output), from), 0u) << "a negative volume is silence";
}

TEST_F(SoundLayerOnDisk, OverlappingPlaybacksAddUp)
{
    WriteConstantWav("level.wav", 8000, 400);
    FMOD::Sound* sound = Load("level.wav");
    Play(sound, 0.5f);
    ASSERT_TRUE(WaitForMore(output, FramesFor(100)));
    Play(sound, 0.5f);
    ASSERT_TRUE(WaitForMore(output, FramesFor(400) + 4 * kBufferFrames));

    const std::vector<Stretch> sounding = Sounding(ReadOutput(output));
    ASSERT_EQ(sounding.size(), 3u) << Describe(sounding);
    EXPECT_EQ(sounding[0].level, 4000);
    EXPECT_EQ(sounding[1].level, 8000);
    EXPECT_EQ(sounding[2].level, 4000);
    EXPECT_EQ(sounding[0].length, sounding[2].length);
    EXPECT_EQ(sounding[0].length + sounding[1].length, size_t(FramesFor(400)));
    EXPECT_NEAR(double(sounding[0].length), FramesFor(100), 6 * kBufferFrames);
}

TEST_F(SoundLayerOnDisk, PausingHoldsThePlaceAndResumingPlaysTheRest)
{
    // Long enough that the pause falls inside it even on a busy machine.
    WriteConstantWav("level.wav", 6000, 1000);
    FMOD::Sound* sound = Load("level.wav");
    FMOD::Channel* channel = Play(sound, 1.0f);
    ASSERT_TRUE(WaitForMore(output, FramesFor(100)));
    ASSERT_EQ(channel->setPaused(true), FMOD_OK);
    ASSERT_TRUE(WaitForMore(output, FramesFor(300)));
    ASSERT_EQ(channel->setPaused(false), FMOD_OK);
    ASSERT_TRUE(WaitForMore(output, FramesFor(1000) + 4 * kBufferFrames));

    const std::vector<Frame> frames = ReadOutput(output);
    const std::vector<Stretch> sounding = Sounding(frames);
    ASSERT_EQ(sounding.size(), 2u) << Describe(sounding);
    EXPECT_EQ(sounding[0].level, 6000);
    EXPECT_EQ(sounding[1].level, 6000);
    EXPECT_EQ(sounding[0].length + sounding[1].length, size_t(FramesFor(1000)));
    EXPECT_GE(sounding[1].start - (sounding[0].start + sounding[0].length), size_t(FramesFor(250)));
}

TEST_F(SoundLayerOnDisk, ReleasingASoundSilencesItsPlaybacks)
{
    WriteConstantWav("level.wav", 5000, 2000);
    FMOD::Sound* sound = Load("level.wav");
    FMOD::Channel* channel = Play(sound, 1.0f);
    ASSERT_TRUE(WaitForMore(output, FramesFor(100)));
    ASSERT_EQ(sound->release(), FMOD_OK);
    const size_t releasedAt = OutputFrames(output);
    ASSERT_TRUE(WaitForMore(output, FramesFor(300)));
    EXPECT_EQ(SoundingFrames(ReadOutput(output), releasedAt + 2 * kBufferFrames), 0u);
    EXPECT_EQ(channel->setVolume(1.0f), FMOD_ERR_INVALID_HANDLE);
}

TEST_F(SoundLayerOnDisk, ReadsTheCommonWavLayouts)
{
    const struct {
        const char* name;
        int rate, channels, bits;
        int left, right;        // as stored
        int heardLeft, heardRight;
    } rows[] = {
        {"mono16.wav", 44100, 1, 16, -7000, 0, -7000, -7000},
        {"stereo16.wav", 44100, 2, 16, 3000, -9000, 3000, -9000},
        {"mono8.wav", 44100, 1, 8, 128 + 32, 0, 32 * 256, 32 * 256},
        {"stereo22k.wav", 22050, 2, 16, 4000, 8000, 4000, 8000},
    };
    for (const auto& row : rows) {
        const int frames = row.rate / 10;   // 100 ms
        ASSERT_TRUE(WriteWav(row.name, row.rate, row.channels, row.bits, frames,
                             [&](int, int c) { return c == 0 ? row.left : row.right; }));
        FMOD::Sound* sound = Load(row.name);
        const size_t from = OutputFrames(output);
        Play(sound, 1.0f);
        ASSERT_TRUE(WaitForMore(output, FramesFor(100) + 4 * kBufferFrames));
        const std::vector<Frame> heard = ReadOutput(output);
        const std::vector<Stretch> sounding = Sounding(heard, from);
        ASSERT_FALSE(sounding.empty()) << row.name;
        // Resampling may soften the edges and shift the level a little; the middle holds it.
        const Stretch& longest = *std::max_element(sounding.begin(), sounding.end(),
            [](const Stretch& a, const Stretch& b) { return a.length < b.length; });
        const Frame middle = heard[longest.start + longest.length / 2];
        EXPECT_NEAR(middle.left, row.heardLeft, 2 + std::abs(row.heardLeft) / 200) << row.name;
        EXPECT_NEAR(middle.right, row.heardRight, 2 + std::abs(row.heardRight) / 200) << row.name;
        EXPECT_NEAR(double(SoundingFrames(heard, from)), FramesFor(100), 16) << row.name;
        EXPECT_EQ(sound->release(), FMOD_OK);
    }
}

TEST(SoundLayer, AFileWithoutSamplesPlaysAsSilence)
{
    TempFolder folder;
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    ASSERT_TRUE(WriteWav("empty-data.wav", kRate, 1, 16, 0, [](int, int) { return 0; }));
    FMOD::System* system = NewSystem();
    FMOD::Sound* sound = nullptr;
    ASSERT_EQ(system->createSound("empty-data.wav", FMOD_DEFAULT, nullptr, &sound), FMOD_OK);
    FMOD::Channel* channel = nullptr;
    ASSERT_EQ(system->playSound(FMOD_CHANNEL_FREE, sound, true, &channel), FMOD_OK);
    EXPECT_EQ(channel->setVolume(0.2f), FMOD_OK);
    EXPECT_EQ(channel->setPaused(false), FMOD_OK);
    EXPECT_EQ(system->playSound(FMOD_CHANNEL_FREE, sound, false, &channel), FMOD_OK);
    EXPECT_EQ(sound->release(), FMOD_OK);
}
