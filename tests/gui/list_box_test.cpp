// The list box: rows and scroll bar as drawn, scrolling by bar, wheel and keys within 0 and
// count - visible, selection by click, and lists that change under it.

#include <gtest/gtest.h>

#include "core/Alert.h"
#include "gui/BasicWidgets.h"
#include "gui/ListBoxProc.h"
#include "gui/ScrollRows.h"
#include "tests/gui/GuiTestSupport.h"
#include "tests/support/TestSupport.h"

using namespace guitest;
using testsupport::ColourName;
using testsupport::Rgb;

namespace {

constexpr int kRed = PackedColour(255, 0, 0);

void Fill(int n)
{
    TestList::items.clear();
    for (int i = 0; i < n; ++i)
        TestList::items.push_back("Item " + std::to_string(i));
    TestList::misuse = 0;
}

// 150 pixels of 15-pixel rows: ten visible.
DIALOG List(int selected = 0, int top = 0, int flags = 0)
{
    return Record(ListBoxProc, 100, 100, 200, 150, kWhite, kRed, flags, selected, top,
                  GetterPointer(TestList::Get));
}

int Key(int scancode) { return scancode << 8; }

} // namespace

TEST(ListBox, RowsAndScrollBarAsDrawn)
{
    OpenGui();
    Fill(20);
    DIALOG list = List(3, 2);
    object_message(&list, MSG_DRAW, 0);
    SaveScreenshot("list_box");
    // Rows from the top row 2: the selected item 3 is row 1, a bar in bg with its text in fg.
    EXPECT_EQ(ColourName(Pixel(200, 115)), "#FF0000");
    EXPECT_EQ(ColourName(Pixel(200, 129)), "#FF0000");
    EXPECT_EQ(ColourName(Pixel(200, 114)), "#FFFFFF");
    EXPECT_EQ(ColourName(Pixel(200, 130)), "#FFFFFF");
    EXPECT_TRUE(HasInk(100, 115, 60, 15, Rgb(255, 0, 0)));
    // Its text is white (anti-aliased: near white where the glyphs cover whole pixels).
    EXPECT_GT(CountColour(100, 115, 60, 15, Rgb(255, 255, 255), 40), 10);
    // Other rows' text in bg.
    EXPECT_TRUE(HasInk(100, 100, 60, 15, Rgb(255, 255, 255)));
    // The scroll bar over the last 16 pixels: a slider of 0 .. 10 at 2, framed in bg, its handle
    // (13 long) at 128 .. 138.
    EXPECT_EQ(ColourName(Pixel(283, 110)), "#FF0000");
    EXPECT_EQ(ColourName(Pixel(282, 110)), "#FF0000");
    EXPECT_EQ(ColourName(Pixel(281, 110)), "#FFFFFF");
    EXPECT_EQ(ColourName(Pixel(290, 110)), "#FFFFFF");
    EXPECT_EQ(ColourName(Pixel(290, 128)), "#FF0000");
    EXPECT_EQ(ColourName(Pixel(290, 138)), "#FF0000");
    EXPECT_EQ(ColourName(Pixel(290, 139)), "#FFFFFF");
    // The list's own frame.
    EXPECT_EQ(ColourName(Pixel(99, 200)), "#FF0000");
    EXPECT_EQ(ColourName(Pixel(97, 200)), "#000000");
}

TEST(ListBox, ShortListHasNoScrollBar)
{
    OpenGui();
    Fill(4);
    DIALOG list = List(0, 3);
    object_message(&list, MSG_DRAW, 0);
    EXPECT_EQ(list.d2, 0) << "a list that fits shows from its first item";
    EXPECT_EQ(ColourName(Pixel(290, 200)), "#FFFFFF");
    EXPECT_EQ(ColourName(Pixel(283, 200)), "#FFFFFF");
    EXPECT_EQ(ColourName(Pixel(200, 160)), "#FFFFFF");
}

TEST(ListBox, LongTextsStopShortOfTheScrollBar)
{
    OpenGui();
    Fill(20);
    TestList::items[0] = std::string(60, 'W');
    DIALOG list = List(5, 0);
    object_message(&list, MSG_DRAW, 0);
    // Nothing but the list's and the bar's own white and red from the bar's frame on.
    const int area = 20 * 15;
    EXPECT_EQ(CountColour(282, 100, 20, 15, Rgb(255, 255, 255)) + CountColour(282, 100, 20, 15, Rgb(255, 0, 0)), area);
    EXPECT_FALSE(HasInk(302, 100, 100, 15, Rgb(0, 0, 0)));
    EXPECT_TRUE(HasInk(100, 100, 180, 15, Rgb(255, 255, 255)));
}

TEST(ListBox, WheelScrollsByWholeRowsWithinTheList)
{
    OpenGui();
    Fill(25);
    struct Case {
        int top, steps, expected;
    } cases[] = {
        {5, 1, 4}, {5, -1, 6}, {5, 3, 2}, {5, 10, 0}, {0, 1, 0}, {5, -10, 15}, {15, -1, 15}, {14, -1, 15},
    };
    for (const Case& c : cases) {
        DIALOG list = List(0, c.top);
        EXPECT_EQ(object_message(&list, MSG_WHEEL, c.steps), D_REDRAW);
        EXPECT_EQ(list.d2, c.expected) << "top " << c.top << " steps " << c.steps;
    }
}

TEST(ListBox, KeysMoveTheSelectionAndKeepItInView)
{
    OpenGui();
    Fill(25);
    DIALOG list = List();
    for (int i = 0; i < 30; ++i)
        EXPECT_EQ(object_message(&list, MSG_CHAR, Key(KEY_DOWN)), D_USED_CHAR);
    EXPECT_EQ(list.d1, 24);
    EXPECT_EQ(list.d2, 15);
    for (int i = 0; i < 9; ++i)
        object_message(&list, MSG_CHAR, Key(KEY_UP));
    EXPECT_EQ(list.d1, 15);
    EXPECT_EQ(list.d2, 15);
    object_message(&list, MSG_CHAR, Key(KEY_UP));
    EXPECT_EQ(list.d1, 14);
    EXPECT_EQ(list.d2, 14);
    for (int i = 0; i < 30; ++i)
        object_message(&list, MSG_CHAR, Key(KEY_UP));
    EXPECT_EQ(list.d1, 0);
    EXPECT_EQ(list.d2, 0);
    // Other keys are the dialog's.
    EXPECT_EQ(object_message(&list, MSG_CHAR, (KEY_ESC << 8) | 27), D_O_K);
    EXPECT_EQ(object_message(&list, MSG_CHAR, 'a'), D_O_K);
    EXPECT_EQ(list.d1, 0);
}

TEST(ListBox, ScrollBarClickSetsTheTopRow)
{
    OpenGui();
    Fill(25);
    struct Case {
        int y, top;
    } cases[] = {
        {100, 0}, {249, 15}, {400, 15}, {90, 0}, {175, 7}, {180, 8},
    };
    for (const Case& c : cases) {
        DIALOG list = List(3, 5);
        EXPECT_EQ(ClickAt(list, 292, c.y), D_REDRAW);
        EXPECT_EQ(list.d2, c.top) << "y " << c.y;
        EXPECT_EQ(list.d1, 3) << "the selection stays";
    }
}

TEST(ListBox, ClickSelectsTheRowUnderTheMouse)
{
    OpenGui();
    Fill(25);
    struct Case {
        int y, top, selected;
    } cases[] = {
        {100, 0, 0}, {114, 0, 0}, {115, 0, 1}, {249, 0, 9}, {100, 7, 7}, {249, 15, 24},
        // Outside the rows nothing changes: above the list (never a negative index) and below
        // its last whole row.
        {99, 0, 3}, {40, 0, 3}, {-500, 4, 3}, {250, 0, 3},
    };
    for (const Case& c : cases) {
        DIALOG list = List(3, c.top);
        EXPECT_EQ(ClickAt(list, 150, c.y), D_O_K);
        EXPECT_EQ(list.d1, c.selected) << "y " << c.y << " top " << c.top;
    }
    // Rows past the end of a short list select its last item.
    Fill(4);
    DIALOG list = List();
    ClickAt(list, 150, 240);
    EXPECT_EQ(list.d1, 3);
}

TEST(ListBox, SelectionFollowsAListThatShrank)
{
    OpenGui();
    Fill(30);
    DIALOG list = List(27, 20);
    object_message(&list, MSG_DRAW, 0);
    Fill(3);
    object_message(&list, MSG_DRAW, 0);
    EXPECT_EQ(list.d1, 2);
    EXPECT_EQ(list.d2, 0);
    Fill(0);
    object_message(&list, MSG_DRAW, 0);
    object_message(&list, MSG_CHAR, Key(KEY_DOWN));
    object_message(&list, MSG_CHAR, Key(KEY_UP));
    ClickAt(list, 150, 120);
    EXPECT_EQ(list.d1, 0);
    EXPECT_EQ(list.d2, 0);
    EXPECT_EQ(TestList::misuse, 0) << "the getter was asked for an item that is not there";
}

TEST(ListBox, WithoutAFontRowsAreOnePixelHigh)
{
    testsupport::OpenScreen();
    Fill(300);
    // 150 rows of one pixel: no division by a zero row height anywhere.
    DIALOG list = List(0, 0);
    object_message(&list, MSG_DRAW, 0);
    EXPECT_EQ(ClickAt(list, 150, 140), D_O_K);
    EXPECT_EQ(list.d1, 40);
    EXPECT_EQ(object_message(&list, MSG_WHEEL, -500), D_REDRAW);
    EXPECT_EQ(list.d2, 150);
    EXPECT_EQ(ClickAt(list, 292, 249), D_REDRAW);
    EXPECT_EQ(list.d2, 150);
    // The frame is finished (the GL driver here aborts at exit on unfinished drawing).
    EXPECT_EQ(ColourName(Pixel(200, 120)), "#FFFFFF");
}

TEST(ListBox, WithoutAGetterItSaysSoAndCloses)
{
    OpenGui();
    DIALOG list = List();
    list.dp = nullptr;
    EXPECT_EQ(object_message(&list, MSG_DRAW, 0), D_CLOSE);
    ASSERT_EQ(RecordedAlerts().size(), 1u);
    EXPECT_EQ(RecordedAlerts()[0].lines[0], "No list getter function!");
}

TEST(ListBox, DoubleClickClosesOnlyWithTheExitFlag)
{
    OpenGui();
    Fill(5);
    DIALOG list = List();
    EXPECT_EQ(object_message(&list, MSG_DCLICK, 0), D_O_K);
    list.flags = D_EXIT;
    EXPECT_EQ(object_message(&list, MSG_DCLICK, 0), D_CLOSE);
    EXPECT_EQ(object_message(&list, MSG_WANTFOCUS, 0), D_WANTFOCUS);
}

TEST(ListBox, DrivenThroughTheDialogEngine)
{
    OpenGui();
    Fill(25);
    DIALOG dialog[] = {
        Record(ClearProc, 0, 0, 0, 0, 0, kBlack),
        List(0, 0, D_EXIT),
        Record(RefreshProc, 0, 0, 0, 0),
        End(),
    };
    InputScript script;
    std::vector<int> states;
    auto note = [&] { states.push_back(dialog[1].d1 * 100 + dialog[1].d2); };
    // A click selects and gives the list the focus; the wheel (3 down) and a key follow it; a
    // double click on a row closes the dialog.
    script.Wait(100).Click(150, 130).Do(note);
    script.Wheel(-3).Wait(100).Do(note);
    script.Key(KEY_DOWN).Wait(100).Do(note);
    script.Click(292, 249).Do(note);
    script.DoubleClick(150, 100);
    Player player(dialog);
    script.Start();
    EXPECT_FALSE(player.Pump(4000));
    EXPECT_EQ(player.Finish(), 1);
    EXPECT_FALSE(script.TimedOut());
    ASSERT_EQ(states.size(), 4u);
    EXPECT_EQ(states[0], 200);
    EXPECT_EQ(states[1], 203);
    EXPECT_EQ(states[2], 303);
    EXPECT_EQ(states[3], 315);
    EXPECT_EQ(dialog[1].d1, 15);
}

TEST(RowWindow, WheelJumpsAndSlotsStayWithinTheRows)
{
    // 100 rows, 30 shown: the top row runs 0 .. 70. A row to be seen brings the top just far
    // enough; one already shown, or none at all, leaves it.
    const struct {
        int count, visible, top;
        int clampedTop;
        int wheel, topAfterWheel;
        int show, topShowing;
        int slot, rowAtSlot;
    } cases[] = {
        {100, 30, 40, 40, 3, 37, 45, 40, 0, 40},
        {100, 30, 40, 40, -3, 43, 80, 51, 29, 69},
        {100, 30, 40, 40, 0, 40, 10, 10, 30, -1},
        {100, 30, 90, 70, -1, 70, 99, 70, 29, 99},
        {100, 30, -5, 0, 1, 0, 0, 0, -1, -1},
        {100, 30, 0, 0, -2147483647, 70, 100, 0, 5, 5},
        {100, 30, 70, 70, 2147483647, 0, -1, 70, 0, 70},
        {10, 30, 5, 0, -4, 0, 9, 0, 9, 9},
        {10, 30, 0, 0, 0, 0, 3, 0, 10, -1},
        {0, 30, 3, 0, -1, 0, 0, 0, 0, -1},
        {5, 0, 2, 2, 1, 1, 0, 2, 0, -1},
    };
    for (const auto& c : cases) {
        const RowWindow rows = MakeRowWindow(c.count, c.visible, c.top);
        const std::string name = std::to_string(c.count) + " rows, " + std::to_string(c.visible) + " shown from " +
                                 std::to_string(c.top);
        EXPECT_EQ(rows.top, c.clampedTop) << name;
        EXPECT_EQ(rows.Scrolls(), c.count > c.visible) << name;
        EXPECT_EQ(TopAfterWheel(rows, c.wheel), c.topAfterWheel) << name << ", wheel " << c.wheel;
        const int top = TopShowing(rows, c.show);
        EXPECT_EQ(top, c.topShowing) << name << ", showing " << c.show;
        if (c.show >= 0 && c.show < c.count && c.visible > 0) {
            EXPECT_TRUE(MakeRowWindow(c.count, c.visible, top).Shows(c.show)) << name << ", showing " << c.show;
        }
        EXPECT_EQ(RowAtSlot(rows, c.slot), c.rowAtSlot) << name << ", slot " << c.slot;
    }
}
