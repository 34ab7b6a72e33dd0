// The popup menu: its item list, where it opens, what it draws, and what ends it.

#include <gtest/gtest.h>

#include "gui/BasicWidgets.h"
#include "gui/GuiFont.h"
#include "gui/PopupMenu.h"
#include "rl/Canvas.h"
#include "tests/gui/GuiTestSupport.h"
#include "tests/support/TestSupport.h"

using namespace guitest;
using testsupport::ColourName;
using testsupport::Rgb;

namespace {

const char* const kItems = "Bone Properties, Show/Hide Skin, -, Duplicate Limb";

DIALOG Owner() { return Record(BoxProc, 100, 50, 600, 500); }

// The middle of row i of a menu placed at top (rows lie at top + 10 + i x 15 as drawn; the row
// taken is (mouse y - top - 17) / 15).
int RowY(int top, int i) { return top + 17 + i * 15 + 7; }

} // namespace

TEST(PopupMenu, ItemsAreSeparatedByCommaAndSpace)
{
    struct Case {
        const char* text;
        std::vector<std::string> items;
    } cases[] = {
        {"Cut, Copy, Paste, Paste To New, -, Rename FrameSet",
         {"Cut", "Copy", "Paste", "Paste To New", "-", "Rename FrameSet"}},
        {"Only", {"Only"}},
        {"", {""}},
        // Without the space, or ending in a comma, nothing is read past the text.
        {"A,B", {"A", "B"}},
        {"A,", {"A", ""}},
        {"A, ", {"A", ""}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SplitPopupItems(c.text), c.items) << c.text;
    EXPECT_TRUE(SplitPopupItems(nullptr).empty());
}

TEST(PopupMenu, OpensLeftOfOrAboveTheMouseNearTheOwnersEdges)
{
    OpenGui();
    const std::vector<std::string> items = SplitPopupItems(kItems);
    const DIALOG owner = Owner();
    int widest = 0;
    for (const std::string& item : items)
        widest = std::max(widest, TextWidth(item));
    ASSERT_EQ(widest, TextWidth("Bone Properties"));
    const int width = widest + 10 + 22;
    const int height = 5 * 15 + 2;
    struct Case {
        int mx, my, x, y;
    } cases[] = {
        {300, 200, 300, 200},
        {700 - width, 200, 700 - width, 200},
        {700 - width + 1, 200, 700 - width + 1 - width, 200},
        {690, 540, 690 - width, 540 - height},
        {300, 550 - height, 300, 550 - height},
        {300, 551 - height, 300, 551 - 2 * height},
    };
    for (const Case& c : cases) {
        const PopupPlacement menu = PlacePopup(items, c.mx, c.my, owner);
        EXPECT_EQ(menu.width, width);
        EXPECT_EQ(menu.height, height);
        EXPECT_EQ(menu.x, c.x) << c.mx << ", " << c.my;
        EXPECT_EQ(menu.y, c.y) << c.mx << ", " << c.my;
    }
}

TEST(PopupMenu, ChoosesTheRowUnderTheMouse)
{
    OpenGui();
    rl::Canvas::Fill(0, 0.2f, 0.4f, 1);
    DIALOG owner = Owner();
    uint32_t hoveredBar = 0, otherRow = 0, separator = 0, outline = 0;
    InputScript script;
    script.MoveTo(300, 200).Wait(100).MoveTo(350, RowY(200, 1)).Wait(100).Do([&] {
        SaveScreenshot("popup_menu");
        hoveredBar = Pixel(400, 200 + 10 + 15 + 1);
        otherRow = Pixel(400, 200 + 10 + 1);
        separator = Pixel(400, 200 + 16 + 2 * 15);
        outline = Pixel(299, 230);
    });
    script.Press(1).Wait(100);
    script.Start();
    EXPECT_EQ(PopupMenu(kItems, &owner), 1);
    EXPECT_FALSE(script.TimedOut());
    EXPECT_EQ(ColourName(hoveredBar), "#000000");
    EXPECT_EQ(ColourName(otherRow), "#FFFFFF");
    EXPECT_EQ(ColourName(separator), "#000000");
    EXPECT_EQ(ColourName(outline), "#000000");
}

TEST(PopupMenu, WhatEndsTheMenu)
{
    OpenGui();
    DIALOG owner = Owner();
    struct Case {
        const char* what;
        int expected;
        std::function<void(InputScript&)> end;
    } cases[] = {
        {"button 2 over row 3", 3, [](InputScript& s) { s.MoveTo(350, RowY(200, 3)).Wait(50).Press(2); }},
        {"a click outside", -1, [](InputScript& s) { s.MoveTo(600, 450).Wait(50).Press(1); }},
        {"Escape over row 0", -1, [](InputScript& s) { s.MoveTo(350, RowY(200, 0)).Wait(50).HoldKey(KEY_ESC, 100); }},
        {"a click on the separator", 2, [](InputScript& s) { s.MoveTo(350, RowY(200, 2)).Wait(50).Press(1); }},
    };
    for (const Case& c : cases) {
        InputScript script;
        script.MoveTo(300, 200).Wait(50);
        c.end(script);
        script.Wait(200);
        script.Start();
        EXPECT_EQ(PopupMenu(kItems, &owner), c.expected) << c.what;
        EXPECT_FALSE(script.TimedOut()) << c.what;
    }
}
