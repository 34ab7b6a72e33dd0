#include "rl/Layer.h"

#include <unistd.h>

#include "rl/GarbageCollected.h"
#include "tests/support/TestSupport.h"

using namespace testsupport;

namespace {

// An object whose pending load answers a fixed result, counting its calls.
class Scripted : public rl::GarbageCollected {
public:
    Scripted(rl::RlLoadResult answer, bool pending, int* destroyed = nullptr)
        : answer_(answer), pending_(pending), destroyed_(destroyed)
    {
        Register();
    }
    ~Scripted() override
    {
        if (destroyed_)
            *destroyed_ += 100;
    }
    void Destroy(bool unregister) override
    {
        if (destroyed_)
            ++*destroyed_;
        if (unregister)
            Unregister();
    }
    rl::RlLoadResult ExecutePendingLoad() override
    {
        ++calls;
        if (answer_ != rl::RL_NOT_YET)
            pending_ = false;
        return answer_;
    }
    void UnloadToMemory() override {}
    void SendToGPU() override {}
    bool IsValid() const override { return !pending_; }
    bool HasPendingLoad() const override { return pending_; }
    int calls = 0;

private:
    rl::RlLoadResult answer_;
    bool pending_;
    int* destroyed_;
};

size_t Count(const std::string& text, const std::string& what)
{
    size_t n = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++n;
    return n;
}

} // namespace

TEST(LayerPaths, ExecutablePathIsTheProgramsFolder)
{
    char self[4096] = {};
    ASSERT_GT(readlink("/proc/self/exe", self, sizeof self - 1), 0);
    const std::string exe = self;
    EXPECT_EQ(rl::ExecutablePath(), exe.substr(0, exe.rfind('/') + 1));
    EXPECT_EQ(rl::ExecutablePath().back(), '/');
}

TEST(LayerPaths, RelativePathsResolveAgainstTheExecutableNotTheWorkingFolder)
{
    TempFolder folder;   // a working folder elsewhere
    const std::string base = rl::ExecutablePath();
    const std::string parent = base.substr(0, base.rfind('/', base.size() - 2) + 1);
    struct Case {
        std::string in, out;
    } cases[] = {
        {"/abs/olute.png", "/abs/olute.png"},
        {"skin.png", base + "skin.png"},
        {"./a/./b.png", base + "a/b.png"},
        {"../Game Data/x.png", parent + "Game Data/x.png"},
        {"sub/", base + "sub/"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(rl::ToAbsolutePath(c.in), c.out) << c.in;
    EXPECT_LE(rl::ToAbsolutePath(std::string(2000, 'a')).size(), 511u);
}

TEST(LayerLogFile, FirstMessageOfARunTruncatesTheOldLog)
{
    TempFolder folder;
    WriteFile("renderlayer.log", "an earlier run\n");
    rl::LayerLog("first");
    rl::LayerError("broken");
    EXPECT_EQ(ReadFile("renderlayer.log"), "first\nERROR: broken\n");
}

TEST(AutoLoader, LoadsFailsAndBailsOutOnCircularDependency)
{
    TempFolder folder;
    Scripted done(rl::RL_LOADED, true), failed(rl::RL_LOAD_FAILED, true), idle(rl::RL_LOADED, false);
    Scripted stuckA(rl::RL_NOT_YET, true), stuckB(rl::RL_NOT_YET, true);
    Scripted odd(static_cast<rl::RlLoadResult>(7), true);
    EXPECT_EQ(rl::RunAutoLoader(), 5);
    EXPECT_EQ(done.calls, 1);
    EXPECT_EQ(failed.calls, 1);
    EXPECT_EQ(idle.calls, 0);
    // One pass that resolves the others, then one pass without progress.
    EXPECT_EQ(stuckA.calls, 2);
    EXPECT_EQ(stuckB.calls, 2);
    const std::string log = ReadFile("renderlayer.log");
    EXPECT_NE(log.find("\nAuto Loader: Executing 5 pending loading commands\n"), std::string::npos);
    EXPECT_EQ(Count(log, "ERROR: Auto Loader: Couldn't load a resource!"), 1u);
    EXPECT_EQ(Count(log, "ERROR: Auto Loader: Unknown RlLoadResult enumeration!"), 1u);
    EXPECT_EQ(Count(log, "ERROR: Auto Loader: Circular dependancy detected! Bailing out!"), 1u);
    EXPECT_NE(log.find("Auto Loader: Completed\n\n"), std::string::npos);
}

TEST(GarbageCollector, DestroysEveryObjectAndDeletesThoseThatAskForIt)
{
    TempFolder folder;
    int kept = 0, collected = 0;
    Scripted stays(rl::RL_LOADED, false, &kept);
    auto* owned = new Scripted(rl::RL_LOADED, false, &collected);
    owned->collectDeletes = true;
    const int before = rl::RegisteredObjectCount();
    rl::CollectGarbage();
    EXPECT_EQ(kept, 1);
    EXPECT_EQ(collected, 101);   // destroyed, then deleted
    EXPECT_EQ(rl::RegisteredObjectCount(), 0);
    EXPECT_GE(before, 2);
    const std::string log = ReadFile("renderlayer.log");
    EXPECT_NE(log.find("\nGarbage Collector: Destroying " + std::to_string(before) + " items\n"), std::string::npos);
    EXPECT_NE(log.find("Garbace Collector: Completed\n"), std::string::npos);
}

TEST(LayerScreen, ScreenSetUpLogsAndSizes)
{
    TempFolder folder;
    EXPECT_FALSE(rl::ScreenReady());
    ASSERT_TRUE(rl::InitProgram(true, true, true));
    ASSERT_TRUE(rl::InitScreen(800, 600, false, 32, 8, 0));
    EXPECT_TRUE(rl::ScreenReady());
    EXPECT_EQ(rl::ScreenWidth(), 800);
    EXPECT_EQ(rl::ScreenHeight(), 600);
    EXPECT_EQ(rl::ScreenColourDepth(), 32);
    int px = 0, py = 0;
    rl::ScreenPivot(px, py);
    EXPECT_EQ(px, 400);
    EXPECT_EQ(py, 300);
    const std::string log = ReadFile("renderlayer.log");
    EXPECT_EQ(log.rfind("Render layer started up succesfully\n", 0), 0u);
    EXPECT_NE(log.find("Screen granted: colour depth "), std::string::npos);
    EXPECT_NE(log.find("Screen set up succesfully\n\n"), std::string::npos);
}
