#include "editor/skeleton/ScaleDialog.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "gui/BasicWidgets.h"
#include "gui/Dialog.h"
#include "gui/EditBoxProc.h"
#include "gui/GuiDraw.h"
#include "gui/SliderProc.h"

namespace {

constexpr int kSliderMiddle = 50;
constexpr int kTextSize = 6;
constexpr int kSliderEntry = 2;
constexpr int kTextEntry = 5;

char g_text[kTextSize] = "1.00";
char g_title[] = "Scale Bone Lengths";
char g_ok[] = "Ok";
char g_cancel[] = "Cancel";

// The slider writes the factor it stands for into the field after every click.
int ScaleSliderProc(int message, DIALOG* d, int c)
{
    const int result = SliderProc(message, d, c);
    if (message != MSG_CLICK)
        return result;
    if (const std::optional<std::string> text = ScaleTextForSlider(d->d2)) {
        std::strncpy(g_text, text->c_str(), kTextSize - 1);
        g_text[kTextSize - 1] = '\0';
    }
    return D_REDRAW;
}

DIALOG g_dialog[] = {
    // proc, x, y, w, h, fg, bg, key, flags, d1, d2, dp, dp2, dp3
    {BoxProc, 0, 0, 160, 120, kWhite, kBlack, 0, 0, 0, 0, nullptr, nullptr, nullptr},
    {BoxProc, 12, 62, 136, 16, kWhite, kBlack, 0, 0, 0, 0, nullptr, nullptr, nullptr},
    {ScaleSliderProc, 12, 62, 136, 16, kWhite, kBlack, 0, 0, 100, kSliderMiddle, nullptr, nullptr, nullptr},
    {BoxProc, 0, 0, 160, 20, kTitleGreen, kBlack, 0, 0, 0, 0, nullptr, nullptr, nullptr},
    {LabelProc, 8, 4, 148, 16, kBlack, kNoColour, 0, 0, 0, 0, g_title, nullptr, nullptr},
    {EditBoxProc, 12, 35, 80, 16, kBlack, kTitleGreen, 0, 0, kTextSize, 0, g_text, nullptr, nullptr},
    {ButtonProc, 12, 92, 64, 20, kWhite, kBlack, 13, D_EXIT, 0, 0, g_ok, nullptr, nullptr},
    {ButtonProc, 84, 92, 64, 20, kWhite, kBlack, 0, D_EXIT, 0, 0, g_cancel, nullptr, nullptr},
    {RefreshProc, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr, nullptr, nullptr},
    // Gives up time while the dialog waits.
    {d_yield_proc, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr, nullptr, nullptr},
    {nullptr, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr, nullptr, nullptr},
};

void ResetDialog()
{
    g_dialog[kSliderEntry].d2 = kSliderMiddle;
    std::strcpy(g_text, "1.00");
    g_dialog[kTextEntry].d2 = 0;
}

} // namespace

std::optional<std::string> ScaleTextForSlider(int value)
{
    // (value / 50)^2 > 0.01 exactly when value^2 > 25; in floating point 5 would land either side.
    if (value * value <= kSliderMiddle * kSliderMiddle / 100)
        return std::nullopt;
    const double root = static_cast<double>(value) / kSliderMiddle;
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", root * root);
    return std::string(text);
}

std::optional<float> ScaleFactorFromText(const char* text)
{
    if (!text)
        return std::nullopt;
    // As atof reads it: a text that is not a number reads as 0, and 0 scales nothing.
    const float factor = static_cast<float>(std::strtod(text, nullptr));
    if (factor == 0)
        return std::nullopt;
    return factor;
}

std::optional<float> RunScaleDialog()
{
    ResetDialog();
    centre_dialog(g_dialog);
    const int closedBy = do_dialog(g_dialog, -1);
    gui::WaitForMouseRelease();
    std::optional<float> factor;
    if (closedBy == kScaleDialogOk)
        factor = ScaleFactorFromText(g_text);
    // Ready for the next time.
    ResetDialog();
    return factor;
}
