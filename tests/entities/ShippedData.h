#pragma once
// The fixture of the tests that need the shipped game data: the program's layout ("bin" beside
// "Game Data") in a fresh folder, skins loading as placeholders, and a 30 x 10 grid with a floor
// in row 8 (y 512 ...) and a wall in column 20 (x 1280 ...).

#include <filesystem>
#include <memory>
#include <unistd.h>

#include "level/TileGrid.h"
#include "tests/entities/EntityTestSupport.h"
#include "tests/skeleton/SkinTestSupport.h"

namespace entitytest {

struct ShippedData : GameTest {
    TileGrid grid;
    std::unique_ptr<TestResources> resources;
    void SetUp() override
    {
        GameTest::SetUp();
        std::filesystem::create_directory("bin");
        std::filesystem::create_directory_symlink(testsupport::SourceDir() + "/Game Data", "Game Data");
        ASSERT_EQ(chdir("bin"), 0);
        resources = std::make_unique<TestResources>();
        grid.Build(30, 10);
        for (int i = 0; i < 30; ++i)
            grid.SetFlags(i, 8, 1);
        for (int i = 0; i < 10; ++i)
            grid.SetFlags(20, i, 1);
    }
    void TearDown() override
    {
        Clear();   // the entities go while their skins' manager is still there
        resources.reset();
        GameTest::TearDown();
    }
    void Clear()
    {
        while (list.Size() > 0)
            list.Remove(list.GetEntity(0));
    }
    template <class T>
    T* Place(float x, float y, const char* name = "enemy")
    {
        return static_cast<T*>(list.Add(std::make_unique<T>(x, y, name)));
    }
};

} // namespace entitytest
