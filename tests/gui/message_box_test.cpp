// The message box: one or two buttons, the Escape answer, texts kept between calls; and the
// alert dialog that shows alerts once the GUI is up.

#include <cstdlib>
#include <vector>
#include <gtest/gtest.h>

#include "core/Alert.h"
#include "gui/AlertDialog.h"
#include "gui/GuiFont.h"
#include "gui/MessageBox.h"
#include "rl/Canvas.h"
#include "tests/gui/GuiTestSupport.h"
#include "tests/support/TestSupport.h"

using namespace guitest;
using testsupport::ColourName;
using testsupport::Rgb;

namespace {

// Centred on the 800 x 600 screen by the dialog engine (whose box counts the labels from their
// centre onwards), the 300 x 150 box lies at (175, 225).
constexpr int kBoxX = 175, kBoxY = 225;

struct Shown {
    uint32_t frame = 0, title = 0, button1 = 0, button2 = 0, outside = 0;
    bool line1 = false, line2 = false, line3 = false;
};

void Look(Shown& shown, int button1X)
{
    shown.frame = Pixel(kBoxX + 150, kBoxY + 100);
    shown.title = Pixel(kBoxX + 20, kBoxY + 12);
    shown.button1 = Pixel(button1X + 5, kBoxY + 112);
    shown.button2 = Pixel(kBoxX + 165, kBoxY + 112);
    shown.outside = Pixel(kBoxX - 10, kBoxY + 50);
    shown.line1 = HasInk(kBoxX, kBoxY + 30, 300, 20, Rgb(255, 255, 255));
    shown.line2 = HasInk(kBoxX, kBoxY + 55, 300, 18, Rgb(255, 255, 255));
    shown.line3 = HasInk(kBoxX, kBoxY + 75, 300, 20, Rgb(255, 255, 255));
}

} // namespace

TEST(MessageBox, OneButtonHidesTheSecondAndTwoShowIt)
{
    OpenGui();
    rl::Canvas::Fill(0, 0.25f, 0, 1);
    Shown one, two;
    {
        InputScript script;
        // One button sits at 400 - 125.
        script.Wait(200).Do([&] { Look(one, 275); SaveScreenshot("message_box_one"); });
        script.Click(280, kBoxY + 120);
        script.Start();
        EXPECT_EQ(MessageBox("Can't find Toolbar GFX file", "", "", "Abort"), 0);
        EXPECT_FALSE(script.TimedOut());
    }
    EXPECT_EQ(ColourName(one.frame), "#FFFFFF");
    EXPECT_EQ(ColourName(one.title), "#B30E16");
    EXPECT_EQ(ColourName(one.button1), "#FFFFFF");
    EXPECT_EQ(ColourName(one.button2), "#FFFFFF") << "button 2 hidden: the frame shows";
    EXPECT_EQ(ColourName(one.outside), "#004000") << "what was on the screen stays around the box";
    EXPECT_TRUE(one.line1);
    EXPECT_FALSE(one.line2);
    {
        InputScript script;
        // Two buttons: button 1 at 400 - 180, button 2 at box + 160.
        script.Wait(200).Do([&] { Look(two, 220); SaveScreenshot("message_box_two"); });
        script.Click(kBoxX + 200, kBoxY + 120);
        script.Start();
        EXPECT_EQ(MessageBox("File already exists!", "", "Overwrite?", "&Yes", "&No"), 1);
        EXPECT_FALSE(script.TimedOut());
    }
    EXPECT_EQ(ColourName(two.button1), "#FFFFFF");
    EXPECT_EQ(ColourName(two.button2), "#FFFFFF");
    EXPECT_TRUE(two.line1);
    EXPECT_TRUE(two.line3);
}

TEST(MessageBox, ButtonsStayInsideTheBoxLeftToRight)
{
    OpenGui();
    // Called again and again with one, two and three buttons in turn: the buttons' black frames
    // on the white box show where they are.
    struct Case {
        const char* second;
        const char* third;
        std::vector<int> lefts;   // each button's left frame edge
    };
    const std::vector<Case> cases = {
        {nullptr, nullptr, {273}},
        {"&No", nullptr, {218, kBoxX + 160 - 2}},
        {"&No", "&Cancel", {188, 283, 378}},
        {nullptr, "&Cancel", {273}},   // a third button needs a second
        {"&No", nullptr, {218, kBoxX + 160 - 2}},
    };
    for (const Case& c : cases) {
        std::vector<int> edges;
        InputScript script;
        script.Wait(150).Do([&] {
            bool black = false;
            for (int x = kBoxX; x < kBoxX + 300; ++x) {
                const bool isBlack = ColourName(Pixel(x, kBoxY + 122)) == "#000000";
                if (isBlack && !black)
                    edges.push_back(x);
                black = isBlack;
            }
        });
        script.Key(KEY_ESC, 27).Wait(100);
        script.Start();
        EXPECT_EQ(MessageBox("Question", "", "", "&Yes", c.second, c.third), -5);
        // Each button is framed left and right.
        ASSERT_EQ(edges.size(), 2 * c.lefts.size()) << c.lefts.size();
        EXPECT_GT(edges.front(), kBoxX);
        EXPECT_LT(edges.back(), kBoxX + 300 - 2);
        for (size_t i = 0; i < c.lefts.size(); ++i)
            EXPECT_EQ(edges[2 * i], c.lefts[i]) << "button " << i << " of " << c.lefts.size();
    }
}

TEST(MessageBox, EscapeRefusesEnterPressesTheFirstAndClicksAnswerTheirButton)
{
    OpenGui();
    struct Case {
        const char* second;
        const char* third;
        int scancode, character, clickX;   // a key, or a click at x on the buttons' row
        int answer;
    };
    const std::vector<Case> cases = {
        {"&No", nullptr, KEY_ESC, 27, 0, -5},
        {"&No", nullptr, KEY_ENTER, 13, 0, 0},
        {nullptr, nullptr, KEY_ENTER, 13, 0, 0},
        {"&No", "&Cancel", KEY_ENTER, 13, 0, 0},
        {"&No", "&Cancel", KEY_ESC, 27, 0, -5},
        {"&No", "&Cancel", 0, 0, 230, 0},
        {"&No", "&Cancel", 0, 0, 325, 1},
        {"&No", "&Cancel", 0, 0, 420, 2},
        {"&No", nullptr, KEY_SPACE, ' ', 0, -5},   // other keys answer nothing; Escape follows
    };
    for (const Case& c : cases) {
        InputScript script;
        script.Wait(200);
        if (c.scancode)
            script.Key(c.scancode, c.character).Wait(200);
        else
            script.Click(c.clickX, kBoxY + 122);
        if (c.scancode == KEY_SPACE)
            script.Key(KEY_ESC, 27).Wait(100);
        script.Start();
        EXPECT_EQ(MessageBox("Save changes to untitled?", "", "", "&Yes", c.second, c.third), c.answer)
            << c.scancode << " " << c.clickX;
        EXPECT_FALSE(script.TimedOut());
    }
}

TEST(MessageBox, KeepsItsTextsBetweenCalls)
{
    OpenGui();
    bool firstLine = false, secondLine = true;
    {
        InputScript script;
        script.Wait(150).Key(KEY_ESC, 27).Wait(100);
        script.Start();
        MessageBox("", "Delete selected frame?", "", "Ok", "Cancel");
    }
    {
        InputScript script;
        // Line 2 is kept, line 1 set anew; a text past 49 characters is cut.
        script.Wait(200).Do([&] {
            firstLine = HasInk(kBoxX, kBoxY + 30, 300, 20, Rgb(255, 255, 255));
            secondLine = HasInk(kBoxX, kBoxY + 55, 300, 18, Rgb(255, 255, 255));
            SaveScreenshot("message_box_kept");
        });
        script.Click(300, kBoxY + 120);
        script.Start();
        EXPECT_EQ(MessageBox(std::string(80, 'x').c_str(), nullptr, nullptr, nullptr, nullptr), 0);
    }
    EXPECT_TRUE(firstLine);
    EXPECT_TRUE(secondLine);
}

TEST(AlertDialog, ShowsTheAlertOnceTheGuiIsUp)
{
    // Alerts are recorded in tests unless told otherwise; this one is shown.
    unsetenv("MARL_ALERTS");
    OpenGui();
    rl::Canvas::Fill(0, 0.25f, 0, 1);
    rl::Canvas::Refresh();
    bool lines = false, button = false;
    uint32_t frame = 0;
    InputScript script;
    script.Wait(250).Do([&] {
        SaveScreenshot("alert");
        frame = Pixel(400, 310);
        lines = HasInk(250, 255, 300, 40, Rgb(255, 255, 255));
        button = HasInk(350, 340, 100, 25, Rgb(255, 255, 255));
    });
    script.Key(KEY_ENTER, 13).Wait(200);
    script.Start();
    ShowAlert("Loading queued for font: x\nsecond line");
    EXPECT_FALSE(script.TimedOut());
    EXPECT_EQ(ColourName(frame), "#FFFFFF");
    EXPECT_TRUE(lines);
    EXPECT_TRUE(button);
    EXPECT_TRUE(RecordedAlerts().empty());
}

TEST(AlertDialog, ClosesOnItsKeyOrEscape)
{
    OpenGui();
    struct Case {
        const char* button;
        int scancode, character;
    } cases[] = {
        {"&Continue", KEY_C, 'c'},
        {"&Continue", KEY_ESC, 27},
        {"", KEY_SPACE, ' '},
    };
    for (const Case& c : cases) {
        InputScript script;
        script.Wait(200).Key(c.scancode, c.character).Wait(200);
        script.Start();
        RunAlertDialog(AlertMessage {{"Something went wrong", "", ""}, c.button});
        EXPECT_FALSE(script.TimedOut()) << c.button << " " << c.character;
    }
    // Its button closes it too.
    InputScript script;
    script.Wait(200).Click(400, 352).Wait(100);
    script.Start();
    RunAlertDialog(AlertMessage {{"One line"}, ""});
    EXPECT_FALSE(script.TimedOut());
}
