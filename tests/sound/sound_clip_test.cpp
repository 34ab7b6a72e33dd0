// The engine's sound system: the result check that ends the run, sound clips loading through the
// resource manager and its "WAV" plug-in, and what a clip's Play sends to the speakers.

#include "resources/SoundClip.h"
#include "resources/SoundPlugin.h"
#include "resources/SoundSystem.h"

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <sys/stat.h>

#include "core/Alert.h"
#include "resources/ResourceManager.h"
#include "tests/resources/TestPlugins.h"
#include "tests/sound/SoundTestSupport.h"
#include "tests/support/TestSupport.h"

using namespace soundtest;
using testplugins::LogCapture;
using testsupport::TempFolder;
using testsupport::WriteFile;

namespace {

size_t Count(const std::vector<std::string>& messages, const std::string& message)
{
    return size_t(std::count(messages.begin(), messages.end(), message));
}

// A resource manager with the "WAV" plug-in, as main sets it up, in a fresh folder with a log.
struct SoundClipTest : ::testing::Test {
    TempFolder folder;
    LogCapture log;
    SoundPlugin plugin;
    std::unique_ptr<ResourceManager> manager;

    void SetUp() override
    {
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        manager = std::make_unique<ResourceManager>();
        manager->AddPlugin("WAV", &plugin);
        g_ResourceManager = manager.get();
        ClearRecordedAlerts();
    }
    void TearDown() override
    {
        manager.reset();
        g_ResourceManager = nullptr;
    }
};

// The same, playing into a file.
struct SoundClipOnDisk : SoundClipTest {
    std::string output;
    void SetUp() override
    {
        SoundClipTest::SetUp();
        output = UseDiskOutput(folder.Path());
    }
};

} // namespace

TEST(CheckSoundResult, PassesSuccessAndEndsTheRunOnAnyFailure)
{
    TempFolder folder;
    LogCapture log;
    ClearRecordedAlerts();
    LastSoundResult = FMOD_OK;
    EXPECT_EQ(CheckSoundResult(), 0);
    EXPECT_EQ(CheckSoundResult(FMOD_OK), 0);
    EXPECT_TRUE(RecordedAlerts().empty());
    EXPECT_TRUE(log.Messages().empty());

    const struct {
        int32_t code;
        const char* text;
    } rows[] = {
        {22, "FMOD error! (22) File not found. \n"},
        {10, "FMOD error! (10) Error trying to allocate a channel. \n"},
        {52, "FMOD error! (52) Error initializing output device. \n"},
        {70, "FMOD error! (70) Unknown error.\n"},
        {-1, "FMOD error! (-1) Unknown error.\n"},
    };
    for (const auto& row : rows) {
        ClearRecordedAlerts();
        log.Mark();
        try {
            CheckSoundResult(FMOD_RESULT(row.code));
            ADD_FAILURE() << row.code << " returned";
        } catch (const SoundSystemError& error) {
            EXPECT_STREQ(error.what(), row.text);
        }
        EXPECT_EQ(LastSoundResult, row.code);
        const std::string shown = std::string(row.text).substr(0, std::string(row.text).size() - 1);
        ASSERT_EQ(RecordedAlerts().size(), 1u) << row.code;
        EXPECT_EQ(RecordedAlerts()[0].lines, std::vector<std::string>{shown});
        EXPECT_EQ(log.SinceMark(), (std::vector<std::string>{"", "!!!!! Sound System Failed!!!!!", shown}));
        const std::vector<std::string> errors = log.Messages(4);
        ASSERT_GE(errors.size(), 3u);
        EXPECT_EQ(std::vector<std::string>(errors.end() - 3, errors.end()), log.SinceMark())
            << "all three lines at priority 4";
    }
}

TEST_F(SoundClipTest, ClipsMakeTheSystemOnceAndShareOneSoundPerFile)
{
    ASSERT_TRUE(WriteConstantWav("shot.wav", 3000, 50));
    ASSERT_TRUE(WriteConstantWav("jump.wav", 3000, 50));
    ASSERT_EQ(SoundSystem, nullptr);
    SoundClip first("shot.wav");
    FMOD::System* system = SoundSystem;
    ASSERT_NE(system, nullptr);
    SoundClip second("shot.wav");
    SoundClip other("jump.wav");
    EXPECT_EQ(SoundSystem, system);

    EXPECT_NE(first.Sound(), nullptr);
    EXPECT_EQ(first.Sound(), second.Sound());
    EXPECT_NE(other.Sound(), first.Sound());
    EXPECT_EQ(manager->ReferenceCount("shot.wav"), 2);
    const std::vector<std::string> messages = log.Messages();
    EXPECT_EQ(Count(messages, "SOUND PLUGIN - Want to load: shot.wav"), 1u);
    EXPECT_EQ(Count(messages, "SOUND PLUGIN - Want to load: jump.wav"), 1u);
    EXPECT_EQ(Count(messages, "New FMOD system created"), 1u);
    EXPECT_EQ(Count(log.Messages(3), "New FMOD system created"), 1u);
    EXPECT_EQ(first.Channel(), nullptr);
}

TEST_F(SoundClipTest, AClipWithoutASoundPlaysNothingAndCallsNothing)
{
    SoundClip noExtension("shot");
    EXPECT_EQ(noExtension.Sound(), nullptr);
    g_ResourceManager = nullptr;
    ASSERT_TRUE(WriteConstantWav("shot.wav", 3000, 50));
    SoundClip noManager("shot.wav");
    EXPECT_EQ(noManager.Sound(), nullptr);

    // A value no call can leave behind shows that none was made.
    LastSoundResult = FMOD_RESULT(12345);
    EXPECT_EQ(noExtension.Play(), 0);
    EXPECT_EQ(noManager.Play(), 0);
    EXPECT_EQ(LastSoundResult, 12345);
    EXPECT_EQ(noExtension.Channel(), nullptr);
    EXPECT_TRUE(RecordedAlerts().empty());
}

TEST_F(SoundClipTest, TheWavPluginLogsAndReleases)
{
    ASSERT_TRUE(WriteConstantWav("shot.wav", 3000, 50));
    log.Mark();
    // No clip has made the system yet; the plug-in makes it rather than fail.
    void* sound = plugin.Load("shot.wav");
    ASSERT_NE(sound, nullptr);
    EXPECT_NE(SoundSystem, nullptr);
    EXPECT_EQ(plugin.Unload(sound), 0);
    EXPECT_EQ(plugin.Unload(nullptr), 0);
    EXPECT_EQ(log.SinceMark(), (std::vector<std::string>{
                                   "SOUND PLUGIN - Want to load: shot.wav",
                                   "New FMOD system created",
                                   "Load successful!",
                                   "",
                                   "SOUND PLUGIN - Unloading resource",
                                   "Unloaded SOUND successfully",
                                   "SOUND PLUGIN - Unloading resource",
                                   "SOUND was already unloaded or never existed!",
                               }));
    log.Mark();
    { SoundPlugin another; }
    EXPECT_EQ(log.SinceMark(), (std::vector<std::string>{"New plugin created", "SOUND plugin created",
                                                         "SOUND plugin destroyed"}));
}

TEST_F(SoundClipTest, AWavThatCannotBeLoadedEndsTheRunWithItsReason)
{
    WriteFile("notes.wav", "not a sound");
    mkdir("folder.wav", 0755);
    const struct {
        const char* name;
        const char* text;
    } rows[] = {
        {"missing.wav", "FMOD error! (22) File not found. \n"},
        {"notes.wav", "FMOD error! (24) Unsupported file or audio format. \n"},
        {"folder.wav", "FMOD error! (19) Error loading file. \n"},
    };
    for (const auto& row : rows) {
        try {
            SoundClip clip(row.name);
            ADD_FAILURE() << row.name << " loaded";
        } catch (const SoundSystemError& error) {
            EXPECT_STREQ(error.what(), row.text);
        }
        EXPECT_EQ(manager->ReferenceCount(row.name), 0) << row.name;
    }
    EXPECT_EQ(manager->ResourceCount(), 0u);
}

TEST_F(SoundClipTest, AMissingWavEndsTheProgram)
{
    // The program has no handler for the error: like there, it escapes to std::terminate.
    auto construct = []() noexcept { SoundClip clip("../Game Data/Sound/missing.wav"); };
    EXPECT_DEATH(construct(), "ALERT: FMOD error! \\(22\\) File not found. .*SoundSystemError");
}

TEST_F(SoundClipOnDisk, PlayIsHeardAtTheSoundVolume)
{
    ASSERT_TRUE(WriteConstantWav("level.wav", 10000, 250));
    SoundClip clip("level.wav");
    ASSERT_TRUE(WaitForOutput(output, kBufferFrames));
    const size_t before = OutputFrames(output);
    EXPECT_EQ(clip.Play(), 1);
    EXPECT_EQ(LastSoundResult, FMOD_OK);
    EXPECT_NE(clip.Channel(), nullptr);
    ASSERT_TRUE(WaitForMore(output, FramesFor(250) + 4 * kBufferFrames));

    const std::vector<Frame> frames = ReadOutput(output);
    EXPECT_EQ(SoundingFrames(frames, 0), SoundingFrames(frames, before)) << "heard before Play";
    const std::vector<Stretch> sounding = Sounding(frames);
    ASSERT_EQ(sounding.size(), 1u) << Describe(sounding);
    EXPECT_NEAR(sounding[0].level / 10000.0, SoundVolume, 0.005);
    EXPECT_EQ(sounding[0].length, size_t(FramesFor(250)));
}

TEST_F(SoundClipOnDisk, TwoPlaysInQuickSuccessionOverlapAndAddUp)
{
    ASSERT_TRUE(WriteConstantWav("level.wav", 10000, 300));
    SoundClip clip("level.wav");
    ASSERT_TRUE(WaitForOutput(output, kBufferFrames));
    EXPECT_EQ(clip.Play(), 1);
    FMOD::Channel* firstChannel = clip.Channel();
    EXPECT_EQ(clip.Play(), 1);
    EXPECT_NE(clip.Channel(), firstChannel) << "the second play needs a channel of its own";
    ASSERT_TRUE(WaitForMore(output, FramesFor(300) + 6 * kBufferFrames));

    const std::vector<Stretch> sounding = Sounding(ReadOutput(output));
    ASSERT_FALSE(sounding.empty());
    const Stretch& loudest = *std::max_element(sounding.begin(), sounding.end(),
        [](const Stretch& a, const Stretch& b) { return a.level < b.level; });
    const int single = 10000 * 26 / 128;   // SoundVolume as SDL_mixer's 1/128 steps
    EXPECT_NEAR(loudest.level, 2 * single, 2) << Describe(sounding);
    // Both begin within a buffer or two of each other (a few more on a busy machine), so nearly
    // all of it is heard twice.
    EXPECT_GE(loudest.length, size_t(FramesFor(300) - 4 * kBufferFrames)) << Describe(sounding);
    for (const Stretch& s : sounding) {
        if (&s != &loudest) {
            EXPECT_NEAR(s.level, single, 2) << Describe(sounding);
        }
    }
}
