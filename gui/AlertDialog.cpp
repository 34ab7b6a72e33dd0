#include "gui/AlertDialog.h"

#include <algorithm>
#include <cctype>
#include <memory>
#include <string>
#include <vector>

#include "gui/BasicWidgets.h"
#include "gui/Dialog.h"
#include "gui/GuiDraw.h"
#include "gui/GuiFont.h"
#include "rl/Layer.h"

namespace {

constexpr int kMinWidth = 300;
constexpr int kMargin = 20;
constexpr int kTitleHeight = 25;
constexpr int kFirstLineY = 30;
constexpr int kLineStep = 22;
constexpr int kButtonWidth = 100;
constexpr int kButtonHeight = 25;
constexpr int kTitleRed = PackedColour(179, 14, 22);

bool g_showing = false;

// The button's key (the letter after a single "&"), or 0.
int ShortcutKey(const std::string& text)
{
    for (size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != '&')
            continue;
        if (text[i + 1] != '&')
            return std::tolower(static_cast<unsigned char>(text[i + 1]));
        ++i;
    }
    return 0;
}

// Closes the alert on its key (in key), Enter or Space. Escape is the dialog engine's own.
int AlertKeyProc(int message, DIALOG* d, int c)
{
    // The engine sends the key field's letter as a shortcut; other keys come broadcast.
    if (message == MSG_KEY)
        return D_CLOSE;
    if (message != MSG_XCHAR)
        return D_O_K;
    const int character = std::tolower(Character(c));
    if (Scancode(c) == KEY_ENTER || Scancode(c) == KEY_ENTER_PAD || Scancode(c) == KEY_SPACE ||
        (d->key && character == d->key))
        return D_CLOSE;
    return D_O_K;
}

} // namespace

void RunAlertDialog(const AlertMessage& message)
{
    if (g_showing || !rl::ScreenReady())
        return;
    g_showing = true;
    std::unique_ptr<TemporaryGuiFont> font;
    if (!GuiReady())
        font = std::make_unique<TemporaryGuiFont>(kGuiFontWidth, kGuiFontHeight);

    std::vector<std::string> lines = message.lines;
    std::string button = message.button.empty() ? "OK" : message.button;
    std::string title = "Alert";
    int widest = 0;
    for (const std::string& line : lines)
        widest = std::max(widest, TextWidth(line));
    const int width = std::min(std::max(kMinWidth, widest + 2 * kMargin), rl::ScreenWidth());
    const int lineCount = std::max(static_cast<int>(lines.size()), 3);
    const int buttonY = kFirstLineY + lineCount * kLineStep + 5;
    const int height = buttonY + kButtonHeight + 15;

    std::vector<DIALOG> dialog;
    dialog.push_back(DialogRecord(RoundBoxProc, 0, 0, width, height, kWhite, kBlack));
    for (size_t i = 0; i < lines.size(); ++i)
        dialog.push_back(DialogRecord(CentredLabelProc, width / 2, kFirstLineY + static_cast<int>(i) * kLineStep, width, 20,
                                kBlack, kNoColour, 0, 0, 0, lines[i].data()));
    dialog.push_back(DialogRecord(ButtonProc, (width - kButtonWidth) / 2, buttonY, kButtonWidth, kButtonHeight, kWhite,
                            kBlack, D_EXIT, 0, 0, button.data()));
    dialog.push_back(DialogRecord(RoundBoxProc, 0, 0, width, kTitleHeight, kTitleRed, kBlack));
    dialog.push_back(DialogRecord(CentredLabelProc, width / 2, 0, width, 20, kBlack, kNoColour, 0, 0, 0, title.data()));
    DIALOG keys = DialogRecord(AlertKeyProc, 0, 0, 0, 0, 0, 0);
    keys.key = ShortcutKey(button);
    dialog.push_back(keys);
    dialog.push_back(DialogRecord(RefreshProc, 0, 0, 0, 0, 0, 0));
    dialog.push_back(DialogRecord(d_yield_proc, 0, 0, 0, 0, 0, 0));
    dialog.push_back(DIALOG {});

    // Placed by its frame, which the labels' centre convention would throw off in centre_dialog.
    position_dialog(dialog.data(), (rl::ScreenWidth() - width) / 2, (rl::ScreenHeight() - height) / 2);
    do_dialog(dialog.data(), -1);
    gui::WaitForMouseRelease();
    font.reset();
    g_showing = false;
    // Whatever dialog the alert came up over shows again.
    broadcast_dialog_message(MSG_DRAW, 0);
}

void InstallAlertDialog() { SetAlertPresenter(RunAlertDialog); }
