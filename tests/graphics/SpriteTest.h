#pragma once
// A drawing test with the resource manager up and a real bitmap plug-in registered for "PNG".

#include <algorithm>
#include <climits>
#include <memory>

#include "resources/ResourceManager.h"
#include "rl/Canvas.h"
#include "rl/Layer.h"
#include "tests/resources/BitmapPlugin.h"
#include "tests/resources/TestPlugins.h"
#include "tests/support/TestSupport.h"

struct PixelBox {
    int left = INT_MAX, top = INT_MAX, right = INT_MIN, bottom = INT_MIN;   // inclusive
    int count = 0;
    int Width() const { return count ? right - left + 1 : 0; }
    int Height() const { return count ? bottom - top + 1 : 0; }
};

class SpriteTest : public testsupport::ScreenTest {
protected:
    testplugins::LogCapture log;
    testplugins::BitmapPlugin bitmaps;
    std::unique_ptr<ResourceManager> manager;

    void SetUp() override
    {
        ScreenTest::SetUp();
        rl::SetLinearFiltering(false);   // exact texels, so single pixels can be found again
        manager = std::make_unique<ResourceManager>();
        g_ResourceManager = manager.get();
        manager->AddPlugin("PNG", &bitmaps);
    }
    void TearDown() override
    {
        manager.reset();
        g_ResourceManager = nullptr;
    }

    // A picture of one colour.
    static void Solid(const std::string& name, int w, int h, uint32_t colour)
    {
        ASSERT_TRUE(testsupport::WritePng(name, w, h, [&](int, int) { return colour; }));
    }
    static uint32_t At(int x, int y) { return rl::Canvas::ReadPixel(x, y) | 0xFF000000u; }
    // Where the colour lies on the screen.
    static PixelBox Find(uint32_t colour, int tolerance = 8)
    {
        const int w = rl::ScreenWidth(), h = rl::ScreenHeight();
        const std::vector<uint32_t> pixels = rl::Canvas::ReadPixels(0, 0, w, h);
        PixelBox box;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                if (testsupport::Near(pixels[static_cast<size_t>(y) * w + x], colour, tolerance)) {
                    box.left = std::min(box.left, x);
                    box.right = std::max(box.right, x);
                    box.top = std::min(box.top, y);
                    box.bottom = std::max(box.bottom, y);
                    ++box.count;
                }
        return box;
    }
    // Pixels that are not black.
    static int Drawn()
    {
        int n = 0;
        for (uint32_t p : rl::Canvas::ReadPixels(0, 0, rl::ScreenWidth(), rl::ScreenHeight()))
            n += (p & 0xFFFFFF) != 0;
        return n;
    }
    static void Clear() { rl::Canvas::Fill(0, 0, 0, 1); }
};
