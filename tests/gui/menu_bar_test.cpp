// The menu bar: item positions, the bar and its drop-downs as drawn, choosing an entry through
// the dialog engine, and the entries that cannot be chosen.

#include <gtest/gtest.h>

#include "gui/BasicWidgets.h"
#include "gui/GuiFont.h"
#include "gui/MenuBarProc.h"
#include "rl/Canvas.h"
#include "tests/gui/GuiTestSupport.h"
#include "tests/support/TestSupport.h"

using namespace guitest;
using testsupport::ColourName;
using testsupport::Rgb;

namespace {

std::vector<std::string> g_chosen;

int ChooseNew() { g_chosen.push_back("New"); return D_O_K; }
int ChooseOpen() { g_chosen.push_back("Open"); return D_REDRAW; }
int ChooseProperties() { g_chosen.push_back("Properties"); return D_O_K; }
int ChooseExit() { g_chosen.push_back("Exit"); return D_CLOSE; }
int ChooseAbout() { g_chosen.push_back("About"); return D_O_K; }

char kFile[] = "File", kHelp[] = "Help", kEdit[] = "Edit";
char kNew[] = "New", kOpen[] = "Open", kLine[] = "-", kProperties[] = "Properties", kExit[] = "Exit";
char kAbout[] = "About";

MENU g_fileMenu[] = {
    {kNew, ChooseNew, nullptr, 0, nullptr},
    {kOpen, ChooseOpen, nullptr, 0, nullptr},
    {kLine, nullptr, nullptr, 0, nullptr},
    {kProperties, ChooseProperties, nullptr, D_DISABLED, nullptr},
    {kLine, nullptr, nullptr, D_DISABLED, nullptr},
    {kExit, ChooseExit, nullptr, 0, nullptr},
    {nullptr, nullptr, nullptr, 0, nullptr},
};
MENU g_helpMenu[] = {
    {kAbout, ChooseAbout, nullptr, 0, nullptr},
    {nullptr, nullptr, nullptr, 0, nullptr},
};
MENU g_menu[] = {
    {kFile, nullptr, g_fileMenu, 0, nullptr},
    {kEdit, nullptr, nullptr, 0, nullptr},
    {kHelp, nullptr, g_helpMenu, 0, nullptr},
    {nullptr, nullptr, nullptr, 0, nullptr},
};

DIALOG Bar() { return Record(MenuBarProc, 0, 0, 800, 0, kBlack, kTitleGreen, 0, 0, 0, g_menu); }

// The bar over a cleared screen, presented each frame; nothing chosen yet.
struct BarDialog {
    BarDialog() { g_chosen.clear(); }
    DIALOG records[4] = {
        Record(ClearProc, 0, 0, 0, 0, 0, PackedColour(0, 60, 0)),
        Bar(),
        Record(RefreshProc, 0, 0, 0, 0),
        End(),
    };
};

// The screen row of the middle of drop-down row j.
int RowY(int j) { return 20 + 5 + j * 20 + 10; }

} // namespace

TEST(MenuBar, ItemsAreLaidOutFromTheirTextWidths)
{
    OpenGui();
    DIALOG bar = Bar();
    bar.x = 30;
    bar.y = 40;
    object_message(&bar, MSG_START, 0);
    EXPECT_EQ(bar.x, 0);
    EXPECT_EQ(bar.y, 0);
    EXPECT_EQ(bar.w, 800);
    EXPECT_EQ(bar.h, 20);
    const MenuBarLayout layout = LayOutMenuBar(g_menu);
    ASSERT_EQ(layout.ItemCount(), 3);
    EXPECT_EQ(layout.positions[0], 5);
    EXPECT_EQ(layout.positions[1], 5 + TextWidth("File") + 20);
    EXPECT_EQ(layout.positions[3], layout.positions[2] + TextWidth("Help") + 20);
    EXPECT_EQ(layout.ItemAt(5), -1);
    EXPECT_EQ(layout.ItemAt(6), 0);
    EXPECT_EQ(layout.ItemAt(layout.positions[1]), -1);
    EXPECT_EQ(layout.ItemAt(layout.positions[1] + 1), 1);
    EXPECT_EQ(layout.ItemAt(layout.End() + 3), -1);
    EXPECT_EQ(DropDownWidth(g_fileMenu), std::max(TextWidth("Properties") + 20, 100));
    EXPECT_EQ(DropDownHeight(g_fileMenu, layout), 6 * 20 + 10);
    // Rows are hit where they are drawn, below the 5-pixel margin.
    EXPECT_EQ(DropDownRowAt(g_fileMenu, layout, 22), -1);
    EXPECT_EQ(DropDownRowAt(g_fileMenu, layout, 25), 0);
    EXPECT_EQ(DropDownRowAt(g_fileMenu, layout, 44), 0);
    EXPECT_EQ(DropDownRowAt(g_fileMenu, layout, 45), 1);
    EXPECT_EQ(DropDownRowAt(g_fileMenu, layout, 144), 5);
    EXPECT_EQ(DropDownRowAt(g_fileMenu, layout, 145), -1);
    EXPECT_FALSE(IsChoosable(g_fileMenu[2]));
    EXPECT_FALSE(IsChoosable(g_fileMenu[3]));
    EXPECT_TRUE(IsChoosable(g_fileMenu[5]));
    MENU checkedButDisabled = g_fileMenu[0];
    checkedButDisabled.flags = D_DISABLED | D_SELECTED;
    EXPECT_FALSE(IsChoosable(checkedButDisabled));
}

TEST(MenuBar, DrawsTheBarAndItsHotItem)
{
    OpenGui();
    DIALOG bar = Bar();
    object_message(&bar, MSG_START, 0);
    object_message(&bar, MSG_DRAW, 0);
    // The bar is bg with a one-pixel fg frame inside it, its items in fg.
    EXPECT_EQ(ColourName(Pixel(400, 10)), "#ABBA8B");
    EXPECT_EQ(ColourName(Pixel(400, 0)), "#000000");
    EXPECT_EQ(ColourName(Pixel(400, 1)), "#ABBA8B");
    EXPECT_EQ(ColourName(Pixel(400, 18)), "#ABBA8B");
    EXPECT_EQ(ColourName(Pixel(400, 19)), "#000000");
    EXPECT_EQ(ColourName(Pixel(0, 10)), "#000000");
    EXPECT_EQ(ColourName(Pixel(799, 10)), "#000000");
    EXPECT_EQ(ColourName(Pixel(400, 20)), "#000000");
    EXPECT_TRUE(HasInk(5, 2, 30, 17, Rgb(171, 186, 139)));

    // The mouse over "File" makes the bar hot on it.
    InputScript script;
    script.MoveTo(10, 10);
    script.Start();
    object_message(&bar, MSG_GOTMOUSE, 0);
    ASSERT_TRUE(bar.flags & D_SELECTED);
    const MenuBarLayout layout = LayOutMenuBar(g_menu);
    rl::Canvas::Fill(0, 0, 0, 1);
    object_message(&bar, MSG_DRAW, 0);
    EXPECT_EQ(ColourName(Pixel(6, 3)), "#000000") << "the hot item's bar is fg";
    EXPECT_EQ(ColourName(Pixel(layout.positions[1] - 1, 3)), "#000000");
    EXPECT_EQ(ColourName(Pixel(layout.positions[1] + 1, 3)), "#ABBA8B");
    EXPECT_TRUE(HasInk(5, 2, 30, 17, Rgb(0, 0, 0)));
}

TEST(MenuBar, ChoosingAnEntryRunsItsProcedure)
{
    OpenGui();
    BarDialog dialog;
    const int separatorX = 5 + 50;
    uint32_t separator = 0, separatorBeside = 0, disabledText = 0, normalText = 0, openRowBar = 0;
    InputScript script;
    script.Wait(100).MoveTo(12, 10).Wait(100).Hold(1).Wait(60).Release(1).Wait(100);
    // Over the drop-down: row 1 is highlighted.
    script.MoveTo(40, RowY(1)).Wait(100).Do([&] {
        SaveScreenshot("menu_open");
        separator = Pixel(separatorX, RowY(2));
        separatorBeside = Pixel(separatorX, RowY(2) - 4);
        openRowBar = Pixel(90, RowY(1) - 8);
        // Text pixels of "Properties" (disabled) and "New": the darkest pixel of each.
        uint32_t darkest = 0xFFFFFFFF;
        for (uint32_t p : rl::Canvas::ReadPixels(15, RowY(3) - 8, 40, 14))
            darkest = std::min(darkest, p & 0xFFFFFF);
        disabledText = darkest;
        darkest = 0xFFFFFFFF;
        for (uint32_t p : rl::Canvas::ReadPixels(15, RowY(0) - 8, 25, 14))
            darkest = std::min(darkest, p & 0xFFFFFF);
        normalText = darkest;
    });
    // A press on the disabled entry and on a separator chooses nothing; "Exit" ends the dialog.
    script.MoveTo(40, RowY(3)).Wait(50).Press(1).Wait(100);
    script.MoveTo(40, RowY(2)).Wait(50).Press(1).Wait(100);
    script.MoveTo(40, RowY(5)).Wait(50).Press(1).Wait(100);
    Player player(dialog.records);
    script.Start();
    EXPECT_FALSE(player.Pump(3000));
    EXPECT_EQ(player.Finish(), 1);
    EXPECT_FALSE(script.TimedOut());
    EXPECT_EQ(g_chosen, std::vector<std::string>({"Exit"}));
    EXPECT_EQ(dialog.records[1].flags & D_SELECTED, 0);

    // A separator is a two-pixel line across the drop-down in fg.
    EXPECT_EQ(ColourName(separator), "#000000");
    EXPECT_EQ(ColourName(separatorBeside), "#ABBA8B");
    EXPECT_EQ(ColourName(openRowBar), "#000000");
    // The disabled text is black at half alpha over the green: no pixel darker than half.
    EXPECT_EQ(ColourName(normalText), "#000000");
    EXPECT_GE((disabledText >> 8) & 0xFF, 186 / 2 - 3);
    EXPECT_LE((disabledText >> 8) & 0xFF, 186 / 2 + 30);
}

TEST(MenuBar, EscapeClosesTheDropDown)
{
    OpenGui();
    BarDialog dialog;
    const MenuBarLayout layout = LayOutMenuBar(g_menu);
    const int helpX = layout.positions[2] + 5;
    bool helpOpen = false;
    InputScript script;
    script.Wait(100).MoveTo(12, 10).Wait(100).Press(1).Wait(100);
    // Along the bar the drop-down follows the item under the mouse.
    script.MoveTo(helpX, 10).Wait(100).Do([&] { helpOpen = dialog.records[1].d1 == 2; });
    script.MoveTo(helpX + 5, RowY(0)).Wait(100).HoldKey(KEY_ESC, 100).Wait(200);
    Player player(dialog.records);
    script.Start();
    EXPECT_TRUE(player.Pump(1500));
    EXPECT_TRUE(helpOpen);
    EXPECT_TRUE(g_chosen.empty());
    EXPECT_EQ(dialog.records[1].flags, 0);
    // Closed: nothing of the drop-down is left on the screen.
    EXPECT_EQ(ColourName(Pixel(helpX + 20, RowY(0))), "#003C00");
}

TEST(MenuBar, LeavingTheDropDownClosesIt)
{
    OpenGui();
    BarDialog dialog;
    InputScript script;
    script.Wait(100).MoveTo(12, 10).Wait(100).Press(1).Wait(100);
    script.MoveTo(40, RowY(1)).Wait(100).MoveTo(400, 400).Wait(200);
    Player player(dialog.records);
    script.Start();
    EXPECT_TRUE(player.Pump(1000));
    EXPECT_TRUE(g_chosen.empty());
    EXPECT_EQ(ColourName(Pixel(40, RowY(1))), "#003C00");
}
