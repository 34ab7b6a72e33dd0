// The slider: where its handle lies, what a click sets, and the slider with nothing to choose.

#include <gtest/gtest.h>

#include "gui/SliderProc.h"
#include "tests/gui/GuiTestSupport.h"
#include "tests/support/TestSupport.h"

using namespace guitest;
using testsupport::ColourName;

namespace {

constexpr int kRed = PackedColour(255, 0, 0);

DIALOG Slider(int x, int y, int w, int h, int maximum, int value)
{
    return Record(SliderProc, x, y, w, h, kWhite, kRed, 0, maximum, value);
}

} // namespace

TEST(Slider, HandleLiesAlongTheSliderByValue)
{
    struct Case {
        int w, h, maximum, value;
        bool horizontal;
        int handleLength, hx, hy, hw, hh;
    } cases[] = {
        // 110 / (10 + 1) = 10 long, 8 thick; centre (110 - 10) * value / 10 + 5 + x.
        {110, 20, 10, 0, true, 10, 100 + 5 - 4, 101, 8, 18},
        {110, 20, 10, 5, true, 10, 100 + 55 - 4, 101, 8, 18},
        {110, 20, 10, 10, true, 10, 100 + 105 - 4, 101, 8, 18},
        // Never shorter than 8.
        {110, 20, 100, 50, true, 8, 100 + 51 + 4 - 3, 101, 6, 18},
        // Vertical when taller than wide.
        {16, 200, 9, 9, false, 20, 101, 100 + 180 + 10 - 9, 14, 18},
        {16, 200, 9, 3, false, 20, 101, 100 + 60 + 10 - 9, 14, 18},
        // Square counts as horizontal.
        {40, 40, 1, 1, true, 20, 100 + 20 + 10 - 9, 101, 18, 38},
        // Nothing to choose: the handle fills the slider from its start.
        {110, 20, 0, 0, true, 110, 100 + 55 - 54, 101, 108, 18},
        {110, 20, -3, 7, true, 110, 100 + 55 - 54, 101, 108, 18},
        // A value past the maximum is drawn at the maximum.
        {110, 20, 10, 99, true, 10, 100 + 105 - 4, 101, 8, 18},
    };
    for (const Case& c : cases) {
        const DIALOG d = Slider(100, 100, c.w, c.h, c.maximum, c.value);
        const SliderLayout layout = LayOutSlider(d);
        SCOPED_TRACE(testing::Message() << c.w << "x" << c.h << " max " << c.maximum << " value " << c.value);
        EXPECT_EQ(layout.horizontal, c.horizontal);
        EXPECT_EQ(layout.handleLength, c.handleLength);
        EXPECT_EQ(layout.x, c.hx);
        EXPECT_EQ(layout.y, c.hy);
        EXPECT_EQ(layout.w, c.hw);
        EXPECT_EQ(layout.h, c.hh);
    }
}

TEST(Slider, ClickSetsTheValueUnderTheMouse)
{
    struct Case {
        int w, h, maximum, mouse, value;
    } cases[] = {
        // (mouse - 5 - x) * 10 / 100
        {110, 20, 10, 105, 0},
        {110, 20, 10, 155, 5},
        {110, 20, 10, 205, 10},
        {110, 20, 10, 164, 5},
        {110, 20, 10, 165, 6},
        {110, 20, 10, 0, 0},
        {110, 20, 10, 900, 10},
        {16, 200, 9, 100 + 10 + 90, 4},
        {16, 200, 9, 100 + 10 + 180, 9},
        // Nothing to choose, and a handle as long as the slider: no division by zero.
        {110, 20, 0, 150, 0},
        {110, 20, -1, 150, 0},
        {8, 8, 5, 104, 0},
        {8, 8, 5, 105, 5},
    };
    for (const Case& c : cases) {
        DIALOG d = Slider(100, 100, c.w, c.h, c.maximum, 1);
        InputScript script;
        if (c.w >= c.h)
            script.MoveTo(c.mouse, 110);
        else
            script.MoveTo(105, c.mouse);
        script.Start();
        EXPECT_EQ(object_message(&d, MSG_CLICK, 0), D_REDRAW);
        EXPECT_EQ(d.d2, c.value) << c.w << "x" << c.h << " max " << c.maximum << " mouse " << c.mouse;
    }
}

TEST(Slider, DrawsTrackFrameAndHandle)
{
    OpenGui();
    DIALOG horizontal = Slider(100, 100, 110, 20, 10, 5);
    DIALOG vertical = Slider(300, 100, 16, 200, 9, 9);
    DIALOG empty = Slider(100, 300, 110, 20, 0, 0);
    for (DIALOG* d : {&horizontal, &vertical, &empty})
        object_message(d, MSG_DRAW, 0);
    SaveScreenshot("sliders");
    // The track in fg, its two-pixel frame in bg.
    EXPECT_EQ(ColourName(Pixel(120, 110)), "#FFFFFF");
    EXPECT_EQ(ColourName(Pixel(98, 110)), "#FF0000");
    EXPECT_EQ(ColourName(Pixel(97, 110)), "#000000");
    // The handle (151 .. 158) in bg, the track beside it in fg.
    EXPECT_EQ(ColourName(Pixel(151, 110)), "#FF0000");
    EXPECT_EQ(ColourName(Pixel(158, 110)), "#FF0000");
    EXPECT_EQ(ColourName(Pixel(150, 110)), "#FFFFFF");
    EXPECT_EQ(ColourName(Pixel(159, 110)), "#FFFFFF");
    // At its maximum, the vertical handle (281 .. 298) ends a pixel above the slider's bottom.
    EXPECT_EQ(ColourName(Pixel(308, 298)), "#FF0000");
    EXPECT_EQ(ColourName(Pixel(308, 281)), "#FF0000");
    EXPECT_EQ(ColourName(Pixel(308, 280)), "#FFFFFF");
    EXPECT_EQ(ColourName(Pixel(308, 299)), "#FFFFFF");
    // With nothing to choose the handle covers it all and the value stays 0.
    EXPECT_EQ(ColourName(Pixel(150, 310)), "#FF0000");
    EXPECT_EQ(empty.d2, 0);
}
