// The combo box: closed and open heights, the bottom of the screen, choosing from its list, the
// wheel, and lists that change under it.

#include <gtest/gtest.h>

#include "gui/BasicWidgets.h"
#include "gui/ComboBoxProc.h"
#include "gui/GuiFont.h"
#include "tests/gui/GuiTestSupport.h"
#include "tests/support/TestSupport.h"

using namespace guitest;
using testsupport::ColourName;
using testsupport::Rgb;

namespace {

void Fill(int n)
{
    TestList::items.clear();
    for (int i = 0; i < n; ++i)
        TestList::items.push_back("Choice " + std::to_string(i));
    TestList::misuse = 0;
}

DIALOG Combo(int y, int selected = 0, int flags = 0)
{
    return Record(ComboBoxProc, 200, y, 150, 20, kWhite, kBlack, flags, selected, 0, GetterPointer(TestList::Get));
}

} // namespace

TEST(ComboBox, HeightFollowsOpenAndClosedAndStopsAboveTheScreenBottom)
{
    OpenGui();
    struct Case {
        int items, y;
        bool open;
        int h;        // the record's height
        int listY, listH;
    } cases[] = {
        {5, 100, false, 15, 117, 2},
        {5, 100, true, 15 * 6 + 2, 117, 15 * 5 + 4},
        {0, 100, true, 17, 117, 4},
        // 20 items from y 500 would reach 817: cut to 600 - 500 - 15.
        {20, 500, true, 85, 517, 72},
        {3, 540, true, 45, 557, 32},
        {3, 520, true, 62, 537, 49},
    };
    for (const Case& c : cases) {
        Fill(c.items);
        DIALOG combo = Combo(c.y, 0, c.open ? D_SELECTED : 0);
        object_message(&combo, MSG_DRAW, 0);
        EXPECT_EQ(combo.h, c.h) << c.items << " items at " << c.y;
        const DIALOG list = OpenListOf(combo);
        EXPECT_EQ(list.y, c.listY);
        EXPECT_EQ(list.h, c.listH);
        EXPECT_LE(list.y + list.h, 600);
    }
}

TEST(ComboBox, OpenListAtTheBottomIsShortenedAndScrolls)
{
    OpenGui();
    Fill(20);
    DIALOG combo = Combo(500, 0, D_SELECTED);
    object_message(&combo, MSG_DRAW, 0);
    SaveScreenshot("combo_bottom");
    // Rows of the list below the closed box end above the screen's bottom.
    EXPECT_FALSE(HasInk(200, 590, 150, 10, Rgb(0, 0, 0)));
    EXPECT_EQ(ColourName(Pixel(250, 580)), "#FFFFFF");
    // Four whole rows fit (72 / 15), so the list has its scroll bar, its handle at the top.
    EXPECT_EQ(ColourName(Pixel(342, 520)), "#000000");
    EXPECT_EQ(ColourName(Pixel(342, 530)), "#FFFFFF");
}

TEST(ComboBox, DrawsTheChosenItemBesideItsArrow)
{
    OpenGui();
    Fill(8);
    TestList::items[2] = "A choice far too long to show in the box";
    char label[] = "Type:";
    DIALOG closed = Combo(100, 2);
    DIALOG open = Combo(200, 1, D_SELECTED);
    // The closed box's text keeps the font's colour, which the label before it set.
    DIALOG before = Record(LabelProc, 100, 100, 80, 20, kBlack, kWhite, 0, 0, 0, label);
    object_message(&before, MSG_DRAW, 0);
    object_message(&closed, MSG_DRAW, 0);
    object_message(&before, MSG_DRAW, 0);
    object_message(&open, MSG_DRAW, 0);
    SaveScreenshot("combo_boxes");
    // The box, 15 high, white with a black frame; the arrow button black with a white triangle.
    EXPECT_EQ(ColourName(Pixel(210, 101)), "#FFFFFF");
    EXPECT_EQ(ColourName(Pixel(341, 114)), "#000000");
    EXPECT_EQ(ColourName(Pixel(342, 104)), "#FFFFFF");
    EXPECT_EQ(ColourName(Pixel(335, 103)), "#000000");
    // The long text is cut before the arrow.
    EXPECT_TRUE(HasInk(200, 101, 100, 14, Rgb(255, 255, 255)));
    EXPECT_EQ(CountColour(334, 100, 16, 15, Rgb(0, 0, 0)) + CountColour(334, 100, 16, 15, Rgb(255, 255, 255)),
              16 * 15);
    // Open: the list below (items 0 .. 7), choice 1 on a black bar.
    EXPECT_EQ(ColourName(Pixel(250, 217 + 15 + 2)), "#000000");
    EXPECT_EQ(ColourName(Pixel(250, 217 + 2)), "#FFFFFF");
    EXPECT_TRUE(HasInk(200, 217 + 7 * 15, 100, 15, Rgb(255, 255, 255)));
}

TEST(ComboBox, ClickOpensAndAClickOnTheListChooses)
{
    OpenGui();
    Fill(6);
    DIALOG combo = Combo(100, 0);
    EXPECT_EQ(ClickAt(combo, 250, 105), D_REDRAW);
    EXPECT_TRUE(combo.flags & D_SELECTED);
    EXPECT_EQ(combo.h, 15 * 7 + 2);
    // Row 3 of the list starts at 117 + 45.
    EXPECT_EQ(ClickAt(combo, 250, 117 + 45 + 5), D_REDRAW);
    EXPECT_FALSE(combo.flags & D_SELECTED);
    EXPECT_EQ(combo.d1, 3);
    EXPECT_EQ(combo.h, 15);
    // Open and closed again by the box itself: the choice stays.
    ClickAt(combo, 250, 105);
    ClickAt(combo, 250, 105);
    EXPECT_FALSE(combo.flags & D_SELECTED);
    EXPECT_EQ(combo.d1, 3);
}

TEST(ComboBox, ScrollBarOfAnOpenListScrollsWithoutChoosing)
{
    OpenGui();
    Fill(20);
    DIALOG combo = Combo(500, 2, D_SELECTED);
    EXPECT_EQ(ClickAt(combo, 343, 585), D_REDRAW);
    EXPECT_TRUE(combo.flags & D_SELECTED);
    EXPECT_EQ(combo.d2, 16);
    EXPECT_EQ(combo.d1, 2);
    ClickAt(combo, 250, 520);
    EXPECT_EQ(combo.d1, 16);
    EXPECT_FALSE(combo.flags & D_SELECTED);
}

TEST(ComboBox, WheelMovesTheChoiceOrScrollsTheOpenList)
{
    OpenGui();
    Fill(5);
    struct Case {
        int selected, steps, expected;
    } cases[] = {{2, 1, 1}, {2, -1, 3}, {0, 1, 0}, {4, -1, 4}, {2, -9, 4}, {2, 9, 0}};
    for (const Case& c : cases) {
        DIALOG combo = Combo(100, c.selected);
        InputScript script;
        script.MoveTo(250, 105);
        script.Start();
        EXPECT_EQ(object_message(&combo, MSG_WHEEL, c.steps), D_REDRAW);
        EXPECT_EQ(combo.d1, c.expected) << c.selected << " by " << c.steps;
    }
    Fill(20);
    DIALOG open = Combo(500, 1, D_SELECTED);
    InputScript script;
    script.MoveTo(250, 540);
    script.Start();
    object_message(&open, MSG_WHEEL, -3);
    EXPECT_EQ(open.d2, 3);
    EXPECT_EQ(open.d1, 1);
}

TEST(ComboBox, LosingTheFocusCloses)
{
    OpenGui();
    Fill(5);
    DIALOG combo = Combo(100, 1, D_SELECTED | D_GOTFOCUS);
    EXPECT_EQ(object_message(&combo, MSG_WANTFOCUS, 0), D_WANTFOCUS);
    EXPECT_EQ(object_message(&combo, MSG_LOSTFOCUS, 0), D_REDRAW);
    EXPECT_EQ(combo.flags, 0);
    EXPECT_EQ(combo.h, 15);
}

TEST(ComboBox, ChoiceFollowsAListThatShrank)
{
    OpenGui();
    Fill(10);
    DIALOG combo = Combo(100, 8, D_SELECTED);
    object_message(&combo, MSG_DRAW, 0);
    Fill(2);
    object_message(&combo, MSG_DRAW, 0);
    EXPECT_EQ(combo.d1, 1);
    Fill(0);
    object_message(&combo, MSG_DRAW, 0);
    ClickAt(combo, 250, 130);
    object_message(&combo, MSG_WHEEL, 1);
    EXPECT_EQ(combo.d1, 0);
    EXPECT_EQ(TestList::misuse, 0) << "the getter was asked for an item that is not there";
}

TEST(ComboBox, ChosenThroughTheDialogEngine)
{
    OpenGui();
    Fill(6);
    DIALOG dialog[] = {
        Record(ClearProc, 0, 0, 0, 0, 0, PackedColour(40, 40, 90)),
        Combo(100, 0),
        Record(BoxProc, 500, 400, 50, 50, kWhite, kWhite),
        Record(RefreshProc, 0, 0, 0, 0),
        End(),
    };
    InputScript script;
    bool openShown = false;
    script.Wait(100).Click(250, 105).Do([&] {
        openShown = (dialog[1].flags & D_SELECTED) && ColourName(Pixel(250, 117 + 5 * 15 + 5)) == "#FFFFFF";
        SaveScreenshot("combo_open_in_dialog");
    });
    script.Click(250, 117 + 4 * 15 + 5);
    Player player(dialog);
    script.Start();
    EXPECT_TRUE(player.Pump(1200));
    EXPECT_TRUE(openShown);
    EXPECT_EQ(dialog[1].d1, 4);
    EXPECT_FALSE(dialog[1].flags & D_SELECTED);
    // Closed again: the dialog's background shows where the list was.
    EXPECT_EQ(ColourName(Pixel(250, 117 + 5 * 15 + 5)), "#28285A");
}
