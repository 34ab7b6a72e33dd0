#pragma once
// What the entity class tests share: a game list made current, the clock and keys under the test's
// control, a fixed random seed, and a painter that records what entities would draw.

#include <allegro.h>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/Alert.h"
#include "core/Clock.h"
#include "core/Random.h"
#include "entities/EntityList.h"
#include "entities/EntityPainter.h"
#include "tests/support/TestSupport.h"

namespace entitytest {

struct Painted {
    char kind;   // 'S' sprite, 'K' skeleton, 'R' rectangle, 'D' disc
    float x, y, size;
    int mirror;
    PaintColour colour;
};

class RecordingPainter : public EntityPainter {
public:
    void Sprite(Animation&, float x, float y, float scale, int mirror) override
    {
        painted.push_back({'S', x, y, scale, mirror, {}});
    }
    void SkeletonSkins(Skeleton&, float x, float y, float scale, int mirrored) override
    {
        painted.push_back({'K', x, y, scale, mirrored, {}});
    }
    void FilledRect(float x, float y, float width, float, const PaintColour& colour) override
    {
        painted.push_back({'R', x, y, width, 0, colour});
    }
    void Disc(float x, float y, float radius, const PaintColour& colour) override
    {
        painted.push_back({'D', x, y, radius, 0, colour});
    }
    std::vector<Painted> painted;
};

// In a fresh working folder (no game data in reach): a fresh current game list, clock at 10000 ms and running, no keys held, seed 1, alerts recorded.
class GameTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetCurrentGameList(&list);
        ElapsedMs = 10000;
        TimerTicked = 1;
        std::memset(const_cast<char*>(key), 0, KEY_MAX);
        SeedRandom(1);
        SetAlertRecording(true);
        ClearRecordedAlerts();
    }
    void TearDown() override
    {
        std::memset(const_cast<char*>(key), 0, KEY_MAX);
        SetCurrentGameList(nullptr);
    }

    // The entities of the list of class T, in list order.
    template <class T>
    std::vector<T*> All() const
    {
        std::vector<T*> found;
        for (int i = 0; i < list.Size(); ++i)
            if (auto* e = dynamic_cast<T*>(list.GetEntity(i)))
                found.push_back(e);
        return found;
    }

    // One game tick over the whole list, as the game loop runs it (without collisions).
    void Tick(const TileGrid* level, int ms = 33)
    {
        std::vector<Entity*> now;
        list.Collect(now);
        for (Entity* e : now)
            e->Think();
        for (Entity* e : now)
            e->Update(1, level);
        ElapsedMs += ms;
    }

    testsupport::TempFolder folder;
    EntityList list;
};

// A GameTest whose entities draw into a RecordingPainter instead of the screen.
class PaintedGameTest : public GameTest {
protected:
    void SetUp() override
    {
        GameTest::SetUp();
        previous_ = SetEntityPainter(&painter);
    }
    void TearDown() override
    {
        SetEntityPainter(previous_);
        GameTest::TearDown();
    }

    RecordingPainter painter;

private:
    EntityPainter* previous_ = nullptr;
};

} // namespace entitytest
