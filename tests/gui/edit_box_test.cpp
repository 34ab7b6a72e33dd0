// The edit box: its key handling, the bound of its buffer, caret placement by half characters,
// and how it draws.

#include <cstring>
#include <gtest/gtest.h>

#include "gui/BasicWidgets.h"
#include "gui/EditBoxProc.h"
#include "gui/GuiFont.h"
#include "rl/Canvas.h"
#include "tests/gui/GuiTestSupport.h"
#include "tests/support/TestSupport.h"

using namespace guitest;
using testsupport::ColourName;
using testsupport::Rgb;

namespace {


int Char(int scancode, int character = 0) { return (scancode << 8) | character; }

DIALOG Field(char* buffer, int size, int caret = 0, int flags = 0)
{
    return Record(EditBoxProc, 100, 100, 200, 20, kBlack, kTitleGreen, flags, size, caret, buffer);
}

} // namespace

TEST(EditBox, SixByteBufferTakesFiveCharactersAndSwallowsTheSixth)
{
    OpenGui();
    char buffer[6] = "";
    DIALOG field = Field(buffer, 6);
    for (char c : std::string("abcde"))
        EXPECT_EQ(object_message(&field, MSG_CHAR, Char(0, c)), D_USED_CHAR);
    EXPECT_STREQ(buffer, "abcde");
    EXPECT_EQ(field.d2, 5);
    // Full: the key is used up and nothing changes, wherever the caret is.
    EXPECT_EQ(object_message(&field, MSG_CHAR, Char(0, 'f')), D_USED_CHAR);
    EXPECT_STREQ(buffer, "abcde");
    field.d2 = 2;
    EXPECT_EQ(object_message(&field, MSG_CHAR, Char(0, 'g')), D_USED_CHAR);
    EXPECT_STREQ(buffer, "abcde");
    EXPECT_EQ(field.d2, 2);
}

TEST(EditBox, KeysEditAroundTheCaret)
{
    OpenGui();
    struct Case {
        const char* before;
        int caret;
        int key;
        const char* after;
        int caretAfter;
        int result;
    } cases[] = {
        {"abc", 1, Char(0, 'X'), "aXbc", 2, D_USED_CHAR},
        {"abc", 3, Char(0, 'X'), "abcX", 4, D_USED_CHAR},
        {"abc", 0, Char(KEY_LEFT), "abc", 0, D_USED_CHAR},
        {"abc", 2, Char(KEY_LEFT), "abc", 1, D_USED_CHAR},
        {"abc", 2, Char(KEY_RIGHT), "abc", 3, D_USED_CHAR},
        {"abc", 3, Char(KEY_RIGHT), "abc", 3, D_USED_CHAR},
        {"abc", 2, Char(KEY_HOME), "abc", 0, D_USED_CHAR},
        {"abc", 1, Char(KEY_END), "abc", 3, D_USED_CHAR},
        {"abc", 1, Char(KEY_DEL, 127), "ac", 1, D_USED_CHAR},
        {"abc", 3, Char(KEY_DEL, 127), "abc", 3, D_USED_CHAR},
        {"abc", 1, Char(KEY_BACKSPACE, 8), "bc", 0, D_USED_CHAR},
        {"abc", 0, Char(KEY_BACKSPACE, 8), "abc", 0, D_USED_CHAR},
        {"abc", 3, Char(KEY_BACKSPACE, 8), "ab", 2, D_USED_CHAR},
        {"abc", 1, Char(0, '~'), "a~bc", 2, D_USED_CHAR},
        // Not the field's: Enter without the exit flag, Tab, Escape, a character past 126.
        {"abc", 1, Char(KEY_ENTER, 13), "abc", 1, D_REDRAW},
        {"abc", 1, Char(KEY_TAB, 9), "abc", 1, D_REDRAW},
        {"abc", 1, Char(KEY_ESC, 27), "abc", 1, D_REDRAW},
        {"abc", 1, Char(0, 200), "abc", 1, D_REDRAW},
    };
    for (const Case& c : cases) {
        char buffer[20];
        std::strcpy(buffer, c.before);
        DIALOG field = Field(buffer, sizeof buffer, c.caret);
        EXPECT_EQ(object_message(&field, MSG_CHAR, c.key), c.result) << c.before << " key " << std::hex << c.key;
        EXPECT_STREQ(buffer, c.after) << "key " << std::hex << c.key;
        EXPECT_EQ(field.d2, c.caretAfter) << "key " << std::hex << c.key;
    }
}

TEST(EditBox, CaretKeysNeverCutATextLongerThanTheField)
{
    OpenGui();
    // A name loaded longer than the field takes: moving the caret must leave it whole.
    for (const int key : {Char(KEY_LEFT), Char(KEY_RIGHT), Char(KEY_HOME), Char(KEY_END), Char(KEY_DEL, 127)}) {
        char buffer[20] = "abcdefghij";
        DIALOG field = Field(buffer, 6, 10);
        EXPECT_EQ(object_message(&field, MSG_CHAR, key), D_USED_CHAR) << std::hex << key;
        EXPECT_STREQ(buffer, "abcdefghij") << std::hex << key;
    }
    // An edit stores what the field holds.
    char buffer[20] = "abcdefghij";
    DIALOG field = Field(buffer, 6, 5);
    EXPECT_EQ(object_message(&field, MSG_CHAR, Char(KEY_BACKSPACE, 8)), D_USED_CHAR);
    EXPECT_STREQ(buffer, "abcd");
}

TEST(EditBox, EnterClosesOnlyWithTheExitFlag)
{
    OpenGui();
    char buffer[10] = "name";
    DIALOG field = Field(buffer, sizeof buffer, 4, D_EXIT);
    EXPECT_EQ(object_message(&field, MSG_CHAR, Char(KEY_ENTER, 13)), D_CLOSE);
    EXPECT_STREQ(buffer, "name");
    for (int message : {MSG_WANTFOCUS, MSG_LOSTFOCUS, MSG_KEY})
        EXPECT_EQ(object_message(&field, message, 0), D_WANTFOCUS);
}

TEST(EditBox, CaretStaysWithinAShorterText)
{
    OpenGui();
    // Reopened with a shorter text than the caret was left at.
    char buffer[20] = "ab";
    DIALOG field = Field(buffer, sizeof buffer, 15, D_GOTFOCUS);
    object_message(&field, MSG_DRAW, 0);
    EXPECT_EQ(field.d2, 2);
    EXPECT_EQ(object_message(&field, MSG_CHAR, Char(0, 'c')), D_USED_CHAR);
    EXPECT_STREQ(buffer, "abc");
    field.d2 = -4;
    EXPECT_EQ(object_message(&field, MSG_CHAR, Char(KEY_DEL, 127)), D_USED_CHAR);
    EXPECT_STREQ(buffer, "bc");
}

TEST(EditBox, ReadsNoFurtherThanItsBuffer)
{
    OpenGui();
    // A caller's buffer without a terminator inside its d1 bytes.
    char buffer[4] = {'a', 'b', 'c', 'd'};
    DIALOG field = Field(buffer, sizeof buffer, 9);
    object_message(&field, MSG_DRAW, 0);
    EXPECT_EQ(field.d2, 3);
    EXPECT_EQ(object_message(&field, MSG_CHAR, Char(KEY_BACKSPACE, 8)), D_USED_CHAR);
    EXPECT_EQ(std::string(buffer), "ab");
}

TEST(EditBox, ClickPutsTheCaretOnTheNearerSideOfACharacter)
{
    OpenGui();
    char buffer[20] = "WMWM";
    DIALOG field = Field(buffer, sizeof buffer);
    std::vector<std::pair<int, int>> cases = {{-10, 0}, {0, 0}, {500, 4}};
    // A quarter into each character is its left half, three quarters its right half.
    for (int k = 0; k < 4; ++k) {
        const int start = TextWidth(std::string(buffer, k));
        const int width = TextWidth(std::string(1, buffer[k]));
        ASSERT_GE(width, 8);
        cases.push_back({start + width / 4, k});
        cases.push_back({start + 3 * width / 4, k + 1});
    }
    for (const auto& [offset, caret] : cases) {
        InputScript script;
        script.MoveTo(field.x + offset, 110);
        script.Start();
        EXPECT_EQ(object_message(&field, MSG_CLICK, 0), D_REDRAW);
        EXPECT_EQ(field.d2, caret) << "offset " << offset;
    }
}

TEST(EditBox, DrawsOneAndAHalfRowsHighWithACaretWhenFocused)
{
    OpenGui();
    char text[20] = "Name";
    DIALOG focused = Field(text, sizeof text, 2, D_GOTFOCUS);
    DIALOG other = Field(text, sizeof text, 2);
    other.y = 200;
    object_message(&focused, MSG_DRAW, 0);
    object_message(&other, MSG_DRAW, 0);
    SaveScreenshot("edit_boxes");
    // 15-pixel rows: the field is 22 pixels high.
    EXPECT_EQ(ColourName(Pixel(250, 121)), "#ABBA8B");
    EXPECT_EQ(ColourName(Pixel(250, 122)), "#000000");
    const int caretX = 100 + TextWidth("Na");
    for (int y : {100, 110, 121})
        EXPECT_EQ(ColourName(Pixel(caretX, y)), "#000000") << y;
    EXPECT_EQ(ColourName(Pixel(caretX, 203)), "#ABBA8B");
    EXPECT_TRUE(HasInk(100, 100, 60, 20, Rgb(171, 186, 139)));
}

TEST(EditBox, TypedKeysReachTheFocusedFieldThroughTheDialog)
{
    OpenGui();
    char buffer[6] = "";
    DIALOG dialog[] = {
        Record(ClearProc, 0, 0, 0, 0, 0, kBlack),
        Field(buffer, sizeof buffer),
        Record(RefreshProc, 0, 0, 0, 0),
        End(),
    };
    InputScript script;
    script.Wait(100).Click(150, 110).Type("hello!").Key(KEY_LEFT).Key(KEY_BACKSPACE, 8).Type("L");
    Player player(dialog);
    script.Start();
    EXPECT_TRUE(player.Pump(1200));
    EXPECT_STREQ(buffer, "helLo");
    EXPECT_TRUE(dialog[1].flags & D_GOTFOCUS);
}

TEST(EditBox, LongTextIsClippedToTheFieldAndScrollsWithTheCaret)
{
    OpenGui();
    const struct {
        int caretX, width, scroll;
    } scrolls[] = {{0, 80, 0}, {79, 80, 0}, {80, 80, 1}, {200, 80, 121}, {5, 0, 5}, {5, -3, 5}};
    for (const auto& c : scrolls)
        EXPECT_EQ(TextScroll(c.caretX, c.width), c.scroll) << c.caretX << " in " << c.width;

    // A field 80 pixels wide holding three times as much text, drawn with the caret at its start,
    // in the middle, at the end, and after typing at the end.
    const uint32_t green = Rgb(171, 186, 139);
    const std::string text = "WMWMWMWMWMWMWMWMWMWMWMWMWMWMWMWM";
    ASSERT_GT(TextWidth(text), 3 * 80);
    const int length = static_cast<int>(text.size());
    for (const int caret : {0, length / 2, length, -1}) {
        rl::Canvas::Fill(0, 0, 0, 1);
        char buffer[64];
        std::strcpy(buffer, text.c_str());
        DIALOG field = Record(EditBoxProc, 100, 100, 80, 20, kBlack, kTitleGreen, D_GOTFOCUS, sizeof buffer,
                              caret < 0 ? length : caret, buffer);
        if (caret < 0) {
            ASSERT_EQ(object_message(&field, MSG_CHAR, Char(0, 'Q')), D_USED_CHAR);
        }
        object_message(&field, MSG_DRAW, 0);
        SaveScreenshot("edit_box_scrolled_" + std::to_string(caret));
        const std::string name = "caret " + std::to_string(field.d2);
        // Nothing left or right of the field, or below it.
        EXPECT_FALSE(HasInk(40, 96, 60, 30, Rgb(0, 0, 0))) << name;
        EXPECT_FALSE(HasInk(180, 96, 200, 30, Rgb(0, 0, 0))) << name;
        EXPECT_FALSE(HasInk(100, 122, 80, 10, Rgb(0, 0, 0))) << name;
        // The caret is the one black pixel of the field's top row, where the scroll puts it.
        const int caretX = TextWidth(std::string(buffer, field.d2));
        const int shownX = 100 + caretX - TextScroll(caretX, 80);
        EXPECT_LE(shownX, 179) << name;
        EXPECT_EQ(CountColour(100, 100, 80, 1, Rgb(0, 0, 0)), 1) << name;
        EXPECT_EQ(ColourName(Pixel(shownX, 100)), "#000000") << name;
        EXPECT_TRUE(HasInk(100, 101, 80, 20, green)) << name;
        // A click on the field's left edge lands on the first character shown, not the text's.
        InputScript script;
        script.MoveTo(101, 110);
        script.Start();
        object_message(&field, MSG_CLICK, 0);
        const int expected = CaretFromClick(buffer, 1 + TextScroll(caretX, 80));
        EXPECT_EQ(field.d2, expected) << name;
        EXPECT_EQ(field.d2 > 0, caretX > 79) << name;
    }
}
