// The plain widgets, the GUI font and its helpers: what they draw where, and how buttons answer
// clicks inside a running dialog.

#include <gtest/gtest.h>

#include "core/Alert.h"
#include "gui/BasicWidgets.h"
#include "gui/GuiFont.h"
#include "rl/Canvas.h"
#include "rl/TextRenderer.h"
#include "tests/gui/GuiTestSupport.h"
#include "tests/support/TestSupport.h"

using namespace guitest;
using testsupport::ColourName;
using testsupport::Near;
using testsupport::Rgb;

namespace {

constexpr int kRed = PackedColour(255, 0, 0);

// The rows of a rectangle that hold any ink (pixels not of the background).
std::vector<int> InkRows(int x, int y, int w, int h, uint32_t background)
{
    std::vector<int> rows;
    for (int row = y; row < y + h; ++row)
        if (HasInk(x, row, w, 1, background))
            rows.push_back(row);
    return rows;
}

std::vector<int> InkColumns(int x, int y, int w, int h, uint32_t background)
{
    std::vector<int> columns;
    for (int column = x; column < x + w; ++column)
        if (HasInk(column, y, 1, h, background))
            columns.push_back(column);
    return columns;
}

} // namespace

TEST(GuiFont, PackedColoursUnpackRedFirst)
{
    testsupport::OpenScreen();
    EXPECT_EQ(makecol(171, 186, 139), kTitleGreen);
    struct Case {
        int packed;
        float r, g, b;
    } cases[] = {
        {kTitleGreen, 171, 186, 139},
        {kWhite, 255, 255, 255},
        {kBlack, 0, 0, 0},
        {PackedColour(179, 14, 22), 179, 14, 22},
        // Bits above the colour channels are not a colour.
        {static_cast<int>(0xFF000000u | PackedColour(1, 2, 3)), 1, 2, 3},
    };
    for (const Case& c : cases) {
        const rl::Colour colour = ToColour(c.packed);
        EXPECT_FLOAT_EQ(colour.r, c.r / 255) << std::hex << c.packed;
        EXPECT_FLOAT_EQ(colour.g, c.g / 255) << std::hex << c.packed;
        EXPECT_FLOAT_EQ(colour.b, c.b / 255) << std::hex << c.packed;
        EXPECT_FLOAT_EQ(colour.a, 1);
    }
}

TEST(GuiFont, InitGuiFontNeedsALoadedFont)
{
    testsupport::OpenScreen();
    EXPECT_EQ(InitGuiFont(), 1);
    ASSERT_EQ(RecordedAlerts().size(), 1u);
    EXPECT_EQ(RecordedAlerts()[0].lines[0], "Font not loaded properly");
    EXPECT_FALSE(GuiReady());

    ASSERT_TRUE(CreateGuiFont());
    gui_mouse_focus = 1;
    rl::Canvas::SetClipping(0, 0, 10, 10);
    EXPECT_EQ(InitGuiFont(), 0);
    EXPECT_TRUE(GuiReady());
    EXPECT_EQ(gui_mouse_focus, 0);
    EXPECT_EQ(rl::Canvas::ClipDepth(), 0);
    // Once ready it answers at once.
    EXPECT_EQ(InitGuiFont(), 0);
    EXPECT_EQ(RecordedAlerts().size(), 1u);

    DestroyGuiFont();
    EXPECT_FALSE(GuiReady());
    EXPECT_EQ(GuiFont, nullptr);
    EXPECT_EQ(InitGuiFont(), 1);
}

TEST(GuiFont, MeasuresTheGuiFont)
{
    OpenGui();
    // Liberation Sans at 11 x 13: one line is 15 pixels high.
    EXPECT_EQ(RowHeight(), 15);
    EXPECT_EQ(TextHeight("Ij"), 15);
    EXPECT_EQ(GuiFont->Ascender(), 12);
}

TEST(GuiFont, RowHeightIsNeverZero)
{
    testsupport::OpenScreen();
    // Without a usable font text measures 0, and rows are divided by their height.
    DestroyGuiFont();
    EXPECT_EQ(TextHeight("I"), 0);
    EXPECT_EQ(RowHeight(), 1);
}

TEST(GuiFont, TextFitKeepsWhatStaysNarrower)
{
    OpenGui();
    const std::string text = "Hello, world";
    const int he = TextWidth("He");
    struct Case {
        int maxWidth;
        int expected;
    } cases[] = {
        {10000, static_cast<int>(text.size())},
        {TextWidth(text) + 1, static_cast<int>(text.size())},
        // A prefix as wide as the limit does not stay below it.
        {TextWidth(text), static_cast<int>(text.size()) - 1},
        {he, 1},
        {he + 1, 2},
        {1, 0},
        {0, 0},
        {-5, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TextFit(text, c.maxWidth), c.expected) << "max width " << c.maxWidth;
    EXPECT_EQ(TextFit("", 0), 0);
}

TEST(Widgets, BoxesAreFilledInFgAndFramedInBg)
{
    OpenGui();
    DIALOG box = Record(BoxProc, 100, 100, 60, 40, kWhite, kRed);
    DIALOG round = Record(RoundBoxProc, 300, 100, 60, 40, kWhite, kRed);
    object_message(&box, MSG_DRAW, 0);
    object_message(&round, MSG_DRAW, 0);
    SaveScreenshot("boxes");
    for (int x0 : {100, 300}) {
        EXPECT_EQ(ColourName(Pixel(x0 + 30, 120)), "#FFFFFF");
        // The two-pixel frame lies just outside the rectangle.
        EXPECT_EQ(ColourName(Pixel(x0 - 1, 120)), "#FF0000");
        EXPECT_EQ(ColourName(Pixel(x0 - 2, 120)), "#FF0000");
        EXPECT_EQ(ColourName(Pixel(x0 - 3, 120)), "#000000");
        EXPECT_EQ(ColourName(Pixel(x0 + 60, 120)), "#FF0000");
        EXPECT_EQ(ColourName(Pixel(x0 + 30, 141)), "#FF0000");
        EXPECT_EQ(ColourName(Pixel(x0 + 30, 142)), "#000000");
    }
    // Square corners for the box, round ones (radius 5) for the other.
    EXPECT_EQ(ColourName(Pixel(100, 100)), "#FFFFFF");
    EXPECT_EQ(ColourName(Pixel(300, 100)), "#FF0000");
    EXPECT_EQ(ColourName(Pixel(298, 98)), "#000000");
}

TEST(Widgets, LabelsPrintOnTheirFirstLine)
{
    OpenGui();
    char text[] = "Edge";
    DIALOG plain = Record(LabelProc, 100, 100, 120, 20, kWhite, kNoColour, 0, 0, 0, text);
    DIALOG boxed = Record(LabelProc, 100, 200, 120, 20, kBlack, kTitleGreen, 0, 0, 0, text);
    DIALOG centred = Record(CentredLabelProc, 500, 100, 120, 20, kWhite, kRed, 0, 0, 0, text);
    DIALOG empty = Record(LabelProc, 100, 300, 120, 20, kWhite, kRed);
    for (DIALOG* d : {&plain, &boxed, &centred, &empty})
        object_message(d, MSG_DRAW, 0);
    SaveScreenshot("labels");

    // No background: only the text's own pixels change, and "Edge" stands on the baseline at
    // y + 15, its descender (g) below.
    EXPECT_EQ(ColourName(Pixel(100, 100)), "#000000");
    const std::vector<int> rows = InkRows(100, 95, 120, 30, Rgb(0, 0, 0));
    ASSERT_FALSE(rows.empty());
    EXPECT_GE(rows.front(), 103);
    EXPECT_LE(rows.front(), 107);
    EXPECT_GE(rows.back(), 115);
    EXPECT_LE(rows.back(), 118);
    const std::vector<int> capital = InkRows(100, 95, 7, 30, Rgb(0, 0, 0));
    ASSERT_FALSE(capital.empty());
    EXPECT_EQ(capital.back(), 114) << "the E ends on the row above the baseline";
    EXPECT_LE(InkColumns(95, 100, 30, 20, Rgb(0, 0, 0)).front(), 102);

    // With a background the box is filled and the text is in fg.
    EXPECT_EQ(ColourName(Pixel(219, 219)), "#ABBA8B");
    EXPECT_EQ(ColourName(Pixel(220, 219)), "#000000");
    EXPECT_TRUE(HasInk(100, 200, 40, 20, Rgb(171, 186, 139)));

    // Centred: the box spans x - w/2 .. x + w/2 and the text's ink is centred on x.
    EXPECT_EQ(ColourName(Pixel(440, 101)), "#FF0000");
    EXPECT_EQ(ColourName(Pixel(439, 101)), "#000000");
    EXPECT_EQ(ColourName(Pixel(559, 101)), "#FF0000");
    const std::vector<int> columns = InkColumns(440, 100, 120, 20, Rgb(255, 0, 0));
    ASSERT_FALSE(columns.empty());
    EXPECT_NEAR((columns.front() + columns.back()) / 2.0, 500, 3);

    // A label without text draws nothing at all, not even its box.
    EXPECT_EQ(ColourName(Pixel(110, 310)), "#000000");
}

TEST(Widgets, ClearProcFillsTheCanvasWithBg)
{
    OpenGui();
    DIALOG clear = Record(ClearProc, 0, 0, 0, 0, 0, kTitleGreen);
    object_message(&clear, MSG_DRAW, 0);
    EXPECT_EQ(ColourName(Pixel(0, 0)), "#ABBA8B");
    EXPECT_EQ(ColourName(Pixel(799, 599)), "#ABBA8B");
}

TEST(Widgets, ButtonShowsItsCaptionAndSwapsColoursWhenSelected)
{
    OpenGui();
    char caption[] = "&Yes";
    DIALOG normal = Record(ButtonProc, 100, 100, 100, 25, kWhite, kBlack, 0, 0, 0, caption);
    DIALOG selected = Record(ButtonProc, 300, 100, 100, 25, kWhite, kBlack, D_SELECTED, 0, 0, caption);
    object_message(&normal, MSG_DRAW, 0);
    object_message(&selected, MSG_DRAW, 0);
    SaveScreenshot("buttons");
    EXPECT_EQ(ColourName(Pixel(110, 110)), "#FFFFFF");
    EXPECT_EQ(ColourName(Pixel(310, 110)), "#000000");
    EXPECT_TRUE(HasInk(100, 100, 100, 25, Rgb(255, 255, 255)));
    // The selected button's text is white on its black face.
    EXPECT_GT(CountColour(300, 100, 100, 25, Rgb(255, 255, 255)), 20);
    // "&" marks a key and is not shown: the caption is as wide as "Yes", centred on the button.
    const std::vector<int> columns = InkColumns(105, 103, 90, 18, Rgb(255, 255, 255));
    ASSERT_FALSE(columns.empty());
    EXPECT_NEAR(columns.back() - columns.front() + 1, TextWidth("Yes"), 3);
    EXPECT_NEAR((columns.front() + columns.back()) / 2.0, 150, 3);

    EXPECT_EQ(ButtonCaption("&Yes"), "Yes");
    EXPECT_EQ(ButtonCaption("Fish && Chips"), "Fish & Chips");
    EXPECT_EQ(ButtonCaption("Ok"), "Ok");
    EXPECT_EQ(ButtonCaption(nullptr), "");
}

TEST(Widgets, ToggleButtonStaysSelectedUntilTheNextClick)
{
    OpenGui();
    char text[] = "Toggle";
    DIALOG dialog[] = {
        Record(ClearProc, 0, 0, 0, 0, 0, kBlack),
        Record(ButtonProc, 100, 100, 120, 25, kWhite, kBlack, 0, 0, 0, text),
        Record(RefreshProc, 0, 0, 0, 0),
        End(),
    };
    InputScript script;
    std::vector<int> flags;
    script.Wait(100).Click(150, 110).Do([&] { flags.push_back(dialog[1].flags); });
    script.Click(150, 110).Do([&] { flags.push_back(dialog[1].flags); });
    // A click on the dialog's background leaves it as it is.
    script.Click(400, 400).Do([&] { flags.push_back(dialog[1].flags); });
    Player player(dialog);
    script.Start();
    EXPECT_TRUE(player.Pump(1700));
    ASSERT_EQ(flags.size(), 3u);
    EXPECT_TRUE(flags[0] & D_SELECTED);
    EXPECT_FALSE(flags[1] & D_SELECTED);
    EXPECT_FALSE(flags[2] & D_SELECTED);
}

TEST(Widgets, ExitButtonClosesTheDialogUnselected)
{
    OpenGui();
    char text[] = "Close";
    DIALOG dialog[] = {
        Record(ClearProc, 0, 0, 0, 0, 0, kBlack),
        Record(ButtonProc, 100, 100, 120, 25, kWhite, kBlack, D_EXIT, 0, 0, text),
        Record(ButtonProc, 300, 100, 120, 25, kWhite, kBlack, D_EXIT, 0, 0, text),
        Record(RefreshProc, 0, 0, 0, 0),
        End(),
    };
    InputScript script;
    int flagsWhileHeld = 0;
    uint32_t faceWhileHeld = 0;
    // While the mouse button is held the button shows selected; letting go elsewhere still counts.
    script.Wait(100).MoveTo(350, 110).Wait(50).Hold(1).Wait(150).Do([&] {
        flagsWhileHeld = dialog[2].flags;
        faceWhileHeld = Pixel(305, 105);
    });
    script.MoveTo(600, 500).Wait(100).Release(1);
    Player player(dialog);
    script.Start();
    EXPECT_FALSE(player.Pump(2000));
    EXPECT_EQ(player.Finish(), 2);
    EXPECT_TRUE(flagsWhileHeld & D_SELECTED);
    EXPECT_EQ(ColourName(faceWhileHeld), "#000000");
    EXPECT_FALSE(dialog[2].flags & D_SELECTED);
    EXPECT_FALSE(script.TimedOut());
}
