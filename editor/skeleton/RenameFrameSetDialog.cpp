#include "editor/skeleton/RenameFrameSetDialog.h"

#include <cstring>

#include "gui/BasicWidgets.h"
#include "gui/Dialog.h"
#include "gui/EditBoxProc.h"
#include "gui/GuiDraw.h"

namespace {

constexpr int kBufferSize = 76;
// The field takes at most 17 characters, like the bone name field.
constexpr int kFieldSize = 18;

char g_name[kBufferSize];
char g_title[] = "Rename FrameSet";
char g_ok[] = "Ok";
char g_cancel[] = "Cancel";

DIALOG g_dialog[kRenameEntries + 1] = {
    // proc, x, y, w, h, fg, bg, key, flags, d1, d2, dp, dp2, dp3
    /* kRenameFrame */ {BoxProc, 0, 0, 226, 102, 0, 0, 0, 0, 0, 0, nullptr, nullptr, nullptr},
    /* kRenameTitleBar */ {BoxProc, 0, 0, 226, 24, 0, 0, 0, 0, 0, 0, nullptr, nullptr, nullptr},
    /* kRenameTitle */ {LabelProc, 18, 3, 200, 8, 0, 0, 0, 0, 0, 0, g_title, nullptr, nullptr},
    /* kRenameText */ {EditBoxProc, 18, 38, 200, 8, 0, 0, 0, 0, kFieldSize, 0, g_name, nullptr, nullptr},
    /* kRenameOk */ {ButtonProc, 28, 68, 76, 16, 0, 0, 13, D_EXIT, 0, 0, g_ok, nullptr, nullptr},
    /* kRenameCancel */ {ButtonProc, 122, 68, 76, 16, 0, 0, 0, D_EXIT, 0, 0, g_cancel, nullptr, nullptr},
    /* kRenameRefresh */ {RefreshProc, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr, nullptr, nullptr},
    // Gives up time while the dialog waits.
    /* kRenameYield */ {d_yield_proc, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr, nullptr, nullptr},
    {nullptr, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr, nullptr, nullptr},
};

// White on black for everything first, then the title bar, title and field their own colours.
void SetColours()
{
    set_dialog_color(g_dialog, kWhite, kBlack);
    g_dialog[kRenameTitleBar].fg = kTitleGreen;
    g_dialog[kRenameTitleBar].bg = kBlack;
    g_dialog[kRenameTitle].fg = kBlack;
    g_dialog[kRenameTitle].bg = kNoColour;
    g_dialog[kRenameText].fg = kBlack;
    g_dialog[kRenameText].bg = PackedColour(223, 218, 193);
}

} // namespace

std::optional<std::string> RunRenameFrameSetDialog(const std::string& name)
{
    SetColours();
    centre_dialog(g_dialog);
    std::strncpy(g_name, name.c_str(), kBufferSize - 1);
    g_name[kBufferSize - 1] = '\0';
    g_dialog[kRenameText].d2 = static_cast<int>(std::strlen(g_name));
    const int closedBy = do_dialog(g_dialog, kRenameText);
    gui::WaitForMouseRelease();
    if (closedBy != kRenameOk)
        return std::nullopt;
    return std::string(g_name);
}
