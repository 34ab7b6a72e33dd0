#include "resources/ResourceManager.h"

#include <memory>

#include "resources/ResourceRef.h"

#include "tests/resources/TestPlugins.h"
#include "tests/support/TestSupport.h"

using testplugins::CountingPlugin;
using testplugins::LogCapture;
using Lines = std::vector<std::string>;

namespace {

struct ResourceManagerTest : ::testing::Test {
    testsupport::TempFolder folder;
    LogCapture log;
    CountingPlugin png;
    std::unique_ptr<ResourceManager> manager = std::make_unique<ResourceManager>();

    void SetUp() override { manager->AddPlugin("PNG", &png); }
};

} // namespace

TEST_F(ResourceManagerTest, ConstructionAndRegistrationAreLogged)
{
    EXPECT_EQ(log.Messages(1), (Lines {"New plugin created", "Creating game resource manager....",
                                       "New plugin added for: PNG"}));
}

TEST_F(ResourceManagerTest, ThreeLoadsCallThePluginOnceAndUnloadsCountDown)
{
    void* first = manager->Load("hero.png");
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(manager->Load("hero.png"), first);
    EXPECT_EQ(manager->Load("hero.png"), first);
    EXPECT_EQ(png.loads, Lines {"hero.png"});
    EXPECT_EQ(manager->ReferenceCount("hero.png"), 3);

    EXPECT_EQ(manager->Unload("hero.png"), 2);
    EXPECT_EQ(manager->Unload("hero.png"), 1);
    EXPECT_TRUE(png.unloads.empty());
    EXPECT_EQ(manager->Unload("hero.png"), 0);
    EXPECT_EQ(png.unloads, Lines {"hero.png"});
    EXPECT_EQ(manager->ResourceCount(), 0u);
    EXPECT_EQ(manager->Unload("hero.png"), -1);
}

TEST_F(ResourceManagerTest, LoadAndUnloadWriteTheirLinesInOrder)
{
    log.Mark();
    manager->Load("gfx/hero.png");
    manager->Load("gfx/hero.png");
    manager->Unload("gfx/hero.png");
    manager->Unload("gfx/hero.png");
    EXPECT_EQ(log.SinceMark(), (Lines {
        "*** Trying to load file: gfx/hero.png",
        "Found extension: PNG",
        "Found extension in plugin DB - PNG",
        "File not found in resource database, loading from disk...",
        "*** Trying to load file: gfx/hero.png",
        "Found extension: PNG",
        "Found extension in plugin DB - PNG",
        "Found file in resource database, now referenced: 2",
        "",
        "",
        "Unloading Resource: gfx/hero.png",
        "Other objects are still using this reference so won't unload.",
        "Objects still referencing data: 1",
        "",
        "Unloading Resource: gfx/hero.png",
        "Found extension: PNG",
        "Found extension in plugin DB - PNG",
    }));
}

TEST_F(ResourceManagerTest, TwoSpellingsOfOneNameAreTwoEntries)
{
    void* lower = manager->Load("hero.png");
    void* upper = manager->Load("HERO.PNG");
    ASSERT_NE(lower, nullptr);
    ASSERT_NE(upper, nullptr);
    EXPECT_NE(lower, upper);
    EXPECT_EQ(png.loads, (Lines {"hero.png", "HERO.PNG"}));
    EXPECT_EQ(manager->ResourceCount(), 2u);
    EXPECT_EQ(manager->Unload("hero.png"), 0);
    EXPECT_EQ(manager->ReferenceCount("HERO.PNG"), 1);
}

TEST_F(ResourceManagerTest, ExtensionIsTheUpperCasedTextAfterTheLastDot)
{
    const struct {
        const char* name;
        const char* extension;
        const char* logged;
    } cases[] = {
        {"hero.png", "PNG", "Found extension: PNG"},
        {"a.tar.Gz", "GZ", "Found extension: GZ"},
        {"../Game Data/v1.2/hero.Png", "PNG", "Found extension: PNG"},
        {"folder.d/noext", "D/NOEXT", "Found extension: D/NOEXT"},
        {"ends in a dot.", "", "Found extension: "},
        {"noext", "", "INVALID FILENAME! No extension - noext"},
        {"", "", "INVALID FILENAME! No extension - "},
    };
    for (const auto& c : cases) {
        log.Mark();
        EXPECT_EQ(manager->GetExtension(c.name), c.extension) << c.name;
        EXPECT_EQ(log.SinceMark(), Lines {c.logged}) << c.name;
    }
}

TEST_F(ResourceManagerTest, NamesWithoutAnExtensionLoadNothing)
{
    for (const char* name : {"ends in a dot.", "noext", "several.dots.in.it."}) {
        log.Mark();
        EXPECT_EQ(manager->Load(name), nullptr) << name;
        const Lines lines = log.SinceMark();
        ASSERT_EQ(lines.size(), 2u) << name;   // nothing after the extension's line
        EXPECT_EQ(lines[0], std::string("*** Trying to load file: ") + name);
    }
    EXPECT_TRUE(png.loads.empty());
    EXPECT_EQ(manager->ResourceCount(), 0u);
}

TEST_F(ResourceManagerTest, SeveralDotsUseTheTextAfterTheLast)
{
    CountingPlugin gz;
    manager->AddPlugin("GZ", &gz);
    EXPECT_NE(manager->Load("map.png.gz"), nullptr);
    EXPECT_NE(manager->Load("my.pictures.v2.png"), nullptr);
    EXPECT_EQ(gz.loads, Lines {"map.png.gz"});
    EXPECT_EQ(png.loads, Lines {"my.pictures.v2.png"});
    manager.reset();   // while gz still exists: the manager hands its resource back
    EXPECT_EQ(gz.unloads, Lines {"map.png.gz"});
}

TEST_F(ResourceManagerTest, ExtensionWithoutPluginLoadsNothing)
{
    log.Mark();
    EXPECT_EQ(manager->Load("song.ogg"), nullptr);
    EXPECT_EQ(log.SinceMark(), (Lines {"*** Trying to load file: song.ogg", "Found extension: OGG",
                                       "Could not find extension in plugin DB - OGG"}));
}

TEST_F(ResourceManagerTest, FailedLoadLeavesTheDatabaseUnchanged)
{
    log.Mark();
    EXPECT_EQ(manager->Load("broken.png"), nullptr);
    EXPECT_EQ(log.SinceMark().back(), "ERROR LOADING, INVALID RESOURCE FILE!");
    EXPECT_EQ(manager->ResourceCount(), 0u);
    // Not remembered as loaded: the next load asks the plug-in again, and there is nothing to unload.
    EXPECT_EQ(manager->Load("broken.png"), nullptr);
    EXPECT_EQ(png.loads.size(), 2u);
    EXPECT_EQ(manager->Unload("broken.png"), -1);
    EXPECT_TRUE(png.unloads.empty());
}

TEST_F(ResourceManagerTest, UnloadOfAnUnknownNameDoesNothing)
{
    manager->Load("hero.png");
    log.Mark();
    EXPECT_EQ(manager->Unload("villain.png"), -1);
    EXPECT_EQ(log.SinceMark(), (Lines {"", "Unloading Resource: villain.png", "Resource not found in database!"}));
    EXPECT_EQ(manager->ReferenceCount("hero.png"), 1);
    EXPECT_TRUE(png.unloads.empty());
}

TEST_F(ResourceManagerTest, SecondPluginForOneExtensionIsRefused)
{
    CountingPlugin second;
    log.Mark();
    manager->AddPlugin("PNG", &second);
    EXPECT_EQ(log.SinceMark(), Lines {"Plugin already loaded"});
    manager->Load("hero.png");
    EXPECT_EQ(png.loads.size(), 1u);
    EXPECT_TRUE(second.loads.empty());
}

TEST_F(ResourceManagerTest, LowerCaseRegisteredExtensionIsNeverFound)
{
    CountingPlugin bmp;
    manager->AddPlugin("bmp", &bmp);
    for (const char* name : {"tile.bmp", "tile.BMP"}) {
        log.Mark();
        EXPECT_EQ(manager->Load(name), nullptr) << name;
        EXPECT_EQ(log.SinceMark().back(), "Could not find extension in plugin DB - BMP");
    }
    EXPECT_TRUE(bmp.loads.empty());
}

TEST_F(ResourceManagerTest, DestructorReportsAndUnloadsWhatIsLeftInByteOrder)
{
    manager->Load("b.png");
    manager->Load("b.png");
    manager->Load("a.png");
    manager->Load("B.png");   // upper case sorts before lower case
    log.Mark();
    manager.reset();
    EXPECT_EQ(png.unloads, (Lines {"B.png", "a.png", "b.png"}));
    const Lines lines = log.SinceMark();
    const Lines start {"", "<<<< DESTROYING RESOURCE MANAGER >>>>", ""};
    ASSERT_GE(lines.size(), start.size());
    EXPECT_EQ(Lines(lines.begin(), lines.begin() + 3), start);
    EXPECT_EQ(lines.back(), "Resource Manager destroyed");

    // The report's own lines, without those each Unload writes.
    Lines report;
    for (const std::string& line : lines)
        if (line.rfind("Resource not unloaded", 0) == 0 || line.rfind("Resource instances left", 0) == 0)
            report.push_back(line);
    EXPECT_EQ(report, (Lines {
        "Resource not unloaded: 'B.png' referenced 1 times!", "Resource instances left: 0",
        "Resource not unloaded: 'a.png' referenced 1 times!", "Resource instances left: 0",
        "Resource not unloaded: 'b.png' referenced 2 times!", "Resource instances left: 1",
        "Resource instances left: 0",
    }));
}

namespace {

// A resource that holds another: releasing it releases the other through the manager, as a
// skeleton releases its skins.
class OwningPlugin : public CountingPlugin {
public:
    int32_t Unload(void* resource) override
    {
        CountingPlugin::Unload(resource);
        if (g_ResourceManager)
            g_ResourceManager->Unload("skin.png");
        return 0;
    }
};

} // namespace

TEST_F(ResourceManagerTest, PluginMayUnloadOtherNamesWhileTheManagerIsDestroyed)
{
    OwningPlugin txt;
    manager->AddPlugin("TXT", &txt);
    g_ResourceManager = manager.get();
    manager->Load("skin.png");
    manager->Load("hero.txt");
    manager->Load("zombie.png");
    manager.reset();
    g_ResourceManager = nullptr;
    EXPECT_EQ(txt.unloads, Lines {"hero.txt"});
    EXPECT_EQ(png.unloads, (Lines {"skin.png", "zombie.png"}));
    EXPECT_FALSE(log.Contains("Resource not unloaded: 'skin.png' referenced 1 times!"));
}

// The typed handle: one load while it holds the resource, the load given back exactly once by
// whichever handle holds it last; a manager that has gone is never touched.
TEST_F(ResourceManagerTest, TypedHandlesPairEachLoadWithOneUnload)
{
    g_ResourceManager = manager.get();
    {
        ResourceRef<std::string> hero("hero.png");
        ASSERT_TRUE(hero);
        EXPECT_EQ(*hero, "hero.png");
        EXPECT_EQ(manager->ReferenceCount("hero.png"), 1);

        ResourceRef<std::string> second("hero.png");
        ResourceRef<std::string> moved(std::move(second));
        EXPECT_FALSE(second);
        EXPECT_EQ(manager->ReferenceCount("hero.png"), 2);
        moved = std::move(hero);   // gives back moved's own load, takes hero's
        EXPECT_EQ(manager->ReferenceCount("hero.png"), 1);
        EXPECT_EQ(moved.FileName(), "hero.png");

        ResourceRef<std::string> broken("broken.png");
        EXPECT_FALSE(broken);
        EXPECT_TRUE(broken == nullptr);
        EXPECT_TRUE(broken.Load("other.png"));
        EXPECT_EQ(manager->ReferenceCount("other.png"), 1);
        broken.Reset();
        broken.Reset();
        EXPECT_EQ(manager->ReferenceCount("other.png"), 0);

        // Kept loads stay with the manager to its end.
        EXPECT_EQ(*KeepLoaded<std::string>("kept.png"), "kept.png");
        EXPECT_TRUE(png.unloads == (Lines {"other.png"}));
    }
    EXPECT_EQ(png.unloads, (Lines {"other.png", "hero.png"}));
    EXPECT_EQ(manager->ReferenceCount("kept.png"), 1);

    ResourceRef<std::string> outlived("late.png");
    manager.reset();   // the manager unloads everything as it goes
    g_ResourceManager = nullptr;
    outlived.Reset();
    EXPECT_EQ(png.unloads, (Lines {"other.png", "hero.png", "kept.png", "late.png"}));
    EXPECT_FALSE(ResourceRef<std::string>("hero.png"));
}
