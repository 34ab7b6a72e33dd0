#include "editor/skeleton/FrameTimeDialog.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "core/Log.h"
#include "gui/BasicWidgets.h"
#include "gui/Dialog.h"
#include "gui/EditBoxProc.h"
#include "gui/GuiDraw.h"

namespace {

constexpr int kFrameBlue = PackedColour(63, 134, 164);
constexpr int kTextSize = 5;   // four digits
constexpr int kTextEntry = 2;

char g_text[kTextSize];
char g_title[] = "Change Frame Time";
char g_unit[] = "ms";
char g_ok[] = "Ok";
char g_cancel[] = "Cancel";

DIALOG g_dialog[] = {
    // proc, x, y, w, h, fg, bg, key, flags, d1, d2, dp, dp2, dp3
    {RoundBoxProc, 0, 0, 128, 92, kFrameBlue, kBlack, 0, 0, 0, 0, nullptr, nullptr, nullptr},
    {RoundBoxProc, 0, 0, 128, 20, kTitleGreen, kBlack, 0, 0, 0, 0, nullptr, nullptr, nullptr},
    {EditBoxProc, 24, 40, 48, 12, kBlack, kTitleGreen, 0, 0, kTextSize, 0, g_text, nullptr, nullptr},
    {CentredLabelProc, 64, 4, 64, 12, kBlack, kNoColour, 0, 0, 0, 0, g_title, nullptr, nullptr},
    {LabelProc, 76, 40, 40, 12, kBlack, kNoColour, 0, 0, 0, 0, g_unit, nullptr, nullptr},
    {ButtonProc, 8, 68, 52, 16, kTitleGreen, kBlack, '\r', D_EXIT, 0, 0, g_ok, nullptr, nullptr},
    {ButtonProc, 64, 68, 56, 16, kTitleGreen, kBlack, 0, D_EXIT, 0, 0, g_cancel, nullptr, nullptr},
    {RefreshProc, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr, nullptr, nullptr},
    // Gives up time while the dialog waits.
    {d_yield_proc, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr, nullptr, nullptr},
    {nullptr, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr, nullptr, nullptr},
};

} // namespace

std::optional<int> FrameTimeFromText(const char* text)
{
    if (!text)
        return std::nullopt;
    // Read as atoi reads it: leading digits count, and no digits read as 0.
    errno = 0;
    const long value = std::strtol(text, nullptr, 10);
    if (errno != 0 || value < kMinFrameTime || value > kMaxFrameTime)
        return std::nullopt;
    return static_cast<int>(value);
}

std::optional<int> RunFrameTimeDialog(int current)
{
    std::snprintf(g_text, kTextSize, "%d", current);
    g_dialog[kTextEntry].d2 = 0;
    centre_dialog(g_dialog);
    const int closedBy = do_dialog(g_dialog, -1);
    gui::WaitForMouseRelease();
    if (closedBy != kFrameTimeOk)
        return std::nullopt;
    const std::optional<int> time = FrameTimeFromText(g_text);
    if (time)
        LogValue("Frame time set to (ms):", *time, 2);
    else
        LogString("Frame time refused, not 21 to 9999 ms:", g_text, 2);
    return time;
}
