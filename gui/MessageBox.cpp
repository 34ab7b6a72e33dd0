#include "gui/MessageBox.h"

#include <cstring>
#include <memory>

#include "gui/BasicWidgets.h"
#include "gui/Dialog.h"
#include "gui/GuiDraw.h"
#include "gui/GuiFont.h"
#include "rl/Layer.h"

namespace {

constexpr int kTextSize = 50;
constexpr int kFirstButton = 4;
constexpr int kButtonWidth = 100;
constexpr int kNarrowButtonWidth = 80;
constexpr int kTitleRed = PackedColour(179, 14, 22);

char g_line1[kTextSize], g_line2[kTextSize], g_line3[kTextSize];
char g_button1[kTextSize], g_button2[kTextSize], g_button3[kTextSize];
char g_title[] = "Alert";

DIALOG g_messageBox[] = {
    // proc, x, y, w, h, fg, bg, key, flags, d1, d2, dp, dp2, dp3
    {RoundBoxProc, 0, 0, 300, 150, kWhite, kBlack, 0, 0, 0, 0, nullptr, nullptr, nullptr},
    {CentredLabelProc, 150, 30, 300, 20, kBlack, kNoColour, 0, 0, 0, 0, g_line1, nullptr, nullptr},
    {CentredLabelProc, 150, 55, 300, 20, kBlack, kNoColour, 0, 0, 0, 0, g_line2, nullptr, nullptr},
    {CentredLabelProc, 150, 75, 300, 20, kBlack, kNoColour, 0, 0, 0, 0, g_line3, nullptr, nullptr},
    // Enter presses the first button: "Ok" or "Yes".
    {ButtonProc, 40, 110, 100, 25, kWhite, kBlack, '\r', D_EXIT, 0, 0, g_button1, nullptr, nullptr},
    {ButtonProc, 160, 110, 100, 25, kWhite, kBlack, 0, D_EXIT, 0, 0, g_button2, nullptr, nullptr},
    {ButtonProc, 260, 110, 80, 25, kWhite, kBlack, 0, D_EXIT, 0, 0, g_button3, nullptr, nullptr},
    {RoundBoxProc, 0, 0, 300, 25, kTitleRed, kBlack, 0, 0, 0, 0, nullptr, nullptr, nullptr},
    {CentredLabelProc, 150, 0, 300, 20, kBlack, kNoColour, 0, 0, 0, 0, g_title, nullptr, nullptr},
    {RefreshProc, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr, nullptr, nullptr},
    {d_yield_proc, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr, nullptr, nullptr},
    {nullptr, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr, nullptr, nullptr},
};

void Keep(char* buffer, const char* text)
{
    if (!text)
        return;
    std::strncpy(buffer, text, kTextSize - 1);
    buffer[kTextSize - 1] = '\0';
}

} // namespace

int MessageBox(const char* line1, const char* line2, const char* line3, const char* button1, const char* button2,
               const char* button3)
{
    Keep(g_line1, line1);
    Keep(g_line2, line2);
    Keep(g_line3, line3);
    Keep(g_button1, button1);
    Keep(g_button2, button2);
    Keep(g_button3, button3);
    if (!rl::ScreenReady())
        return -5;
    // Asked before the GUI is up (the editor's font not made yet), the box brings its own font.
    std::unique_ptr<TemporaryGuiFont> font;
    if (!GuiReady())
        font = std::make_unique<TemporaryGuiFont>(kGuiFontWidth, kGuiFontHeight);
    centre_dialog(g_messageBox);
    DIALOG& first = g_messageBox[kFirstButton];
    DIALOG& second = g_messageBox[kFirstButton + 1];
    DIALOG& third = g_messageBox[kFirstButton + 2];
    const int middle = rl::ScreenWidth() / 2;
    first.w = second.w = kButtonWidth;
    second.flags = button2 ? D_EXIT : D_HIDDEN;
    third.flags = button2 && button3 ? D_EXIT : D_HIDDEN;
    if (button2 && button3) {
        // Three narrower buttons across the box.
        first.w = second.w = third.w = kNarrowButtonWidth;
        first.x = middle - 210;
        second.x = middle - 115;
        third.x = middle - 20;
    } else if (button2) {
        first.x = middle - 180;
        second.x = middle - 65;
    } else {
        first.x = middle - 125;
    }
    const int closedBy = do_dialog(g_messageBox, -1);
    // Whatever button is still down belongs to this box, not to the dialog beneath.
    gui::WaitForMouseRelease();
    return closedBy - kFirstButton;
}
