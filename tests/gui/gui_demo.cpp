// A small program of the GUI tests: one dialog with every widget of the toolkit in a real window,
// run by the dialog engine as the editors run theirs. The end-to-end test operates it with real
// mouse and key events and reads what it reports on standard output when it ends.

#include <allegro.h>
#include <cstdio>
#include <string>
#include <unistd.h>

#include "core/Clock.h"
#include "gui/BasicWidgets.h"
#include "gui/ComboBoxProc.h"
#include "gui/EditBoxProc.h"
#include "gui/FileSelect.h"
#include "gui/GuiFont.h"
#include "gui/ListBoxProc.h"
#include "gui/MenuBarProc.h"
#include "gui/MessageBox.h"
#include "gui/PopupMenu.h"
#include "gui/SliderProc.h"
#include "rl/Layer.h"

namespace {

constexpr int kPanel = PackedColour(223, 218, 193);

const char* const kFruit[] = {"Apple", "Banana", "Cherry", "Damson", "Elderberry", "Fig", "Grape",
                              "Huckleberry", "Kiwi", "Lemon", "Mango", "Nectarine"};
const char* const kSizes[] = {"Small", "Medium", "Large", "Huge"};

const char* FruitGetter(int index, int* count)
{
    if (index < 0) {
        *count = 12;
        return nullptr;
    }
    return kFruit[index];
}

const char* SizeGetter(int index, int* count)
{
    if (index < 0) {
        *count = 4;
        return nullptr;
    }
    return kSizes[index];
}

char g_name[16] = "Trunk";
char g_title[] = "Every widget";
char g_label[] = "Name:";
char g_toggleText[] = "Toggle";
char g_doneText[] = "Done";
char g_popupText[] = "Right-click here";

int ShowMessage()
{
    std::printf("message box: %d\n", MessageBox("Do you really want to quit?", "", "", "&Yes", "&No"));
    std::fflush(stdout);
    return D_REDRAW;
}

int ChooseFile()
{
    char path[512] = "../Game Data/Skeletons/";
    const int confirmed = FileSelect("TXT", "Load Skeleton", path, sizeof path);
    std::printf("file select: %d %s\n", confirmed, path);
    std::fflush(stdout);
    return D_REDRAW;
}

int Never() { return D_O_K; }
int Exit() { return D_CLOSE; }

char kFile[] = "File", kHelp[] = "Help", kMessage[] = "Message...", kOpen[] = "Open File...", kLine[] = "-";
char kDisabled[] = "Disabled", kExit[] = "Exit", kAbout[] = "About";

MENU g_fileMenu[] = {
    {kMessage, ShowMessage, nullptr, 0, nullptr},
    {kOpen, ChooseFile, nullptr, 0, nullptr},
    {kLine, nullptr, nullptr, 0, nullptr},
    {kDisabled, Never, nullptr, D_DISABLED, nullptr},
    {kExit, Exit, nullptr, 0, nullptr},
    {nullptr, nullptr, nullptr, 0, nullptr},
};
MENU g_helpMenu[] = {{kAbout, ShowMessage, nullptr, 0, nullptr}, {nullptr, nullptr, nullptr, 0, nullptr}};
MENU g_menu[] = {
    {kFile, nullptr, g_fileMenu, 0, nullptr},
    {kHelp, nullptr, g_helpMenu, 0, nullptr},
    {nullptr, nullptr, nullptr, 0, nullptr},
};

// A panel whose right-click opens the popup menu.
int PopupAreaProc(int message, DIALOG* d, int c)
{
    if (message == MSG_CLICK && (gui_mouse_b() & 2)) {
        while (gui_mouse_b() & 2)
            rest(1);
        rest(100);
        std::printf("popup: %d\n", PopupMenu("Bone Properties, Show/Hide Skin, -, Duplicate Limb", d));
        std::fflush(stdout);
        return D_REDRAW;
    }
    return RoundBoxProc(message, d, c);
}

DIALOG g_dialog[] = {
    // proc, x, y, w, h, fg, bg, key, flags, d1, d2, dp, dp2, dp3
    {ClearProc, 0, 0, 0, 0, 0, PackedColour(0, 60, 0), 0, 0, 0, 0, nullptr, nullptr, nullptr},
    {BoxProc, 20, 40, 360, 520, kPanel, kBlack, 0, 0, 0, 0, nullptr, nullptr, nullptr},
    {RoundBoxProc, 20, 40, 360, 25, kTitleGreen, kBlack, 0, 0, 0, 0, nullptr, nullptr, nullptr},
    {CentredLabelProc, 200, 42, 200, 20, kBlack, kNoColour, 0, 0, 0, 0, g_title, nullptr, nullptr},
    {LabelProc, 30, 80, 60, 20, kBlack, kNoColour, 0, 0, 0, 0, g_label, nullptr, nullptr},
    {EditBoxProc, 100, 80, 180, 20, kBlack, kTitleGreen, 0, 0, sizeof g_name, 0, g_name, nullptr, nullptr},
    {ButtonProc, 290, 80, 80, 22, kWhite, kBlack, 0, 0, 0, 0, g_toggleText, nullptr, nullptr},
    {SliderProc, 30, 120, 340, 16, kWhite, kBlack, 0, 0, 10, 3, nullptr, nullptr, nullptr},
    {ListBoxProc, 30, 150, 200, 150, kWhite, kBlack, 0, 0, 1, 0, GetterPointer(FruitGetter), nullptr, nullptr},
    {SliderProc, 250, 150, 16, 150, kWhite, kBlack, 0, 0, 100, 50, nullptr, nullptr, nullptr},
    {ComboBoxProc, 30, 320, 200, 20, kWhite, kBlack, 0, 0, 1, 0, GetterPointer(SizeGetter), nullptr, nullptr},
    {PopupAreaProc, 400, 40, 380, 300, kWhite, kBlack, 0, 0, 0, 0, nullptr, nullptr, nullptr},
    {CentredLabelProc, 590, 180, 200, 20, kBlack, kNoColour, 0, 0, 0, 0, g_popupText, nullptr, nullptr},
    {ButtonProc, 250, 520, 120, 25, kWhite, kBlack, 0, D_EXIT, 0, 0, g_doneText, nullptr, nullptr},
    {MenuBarProc, 0, 0, 800, 0, kBlack, kTitleGreen, 0, 0, 0, 0, g_menu, nullptr, nullptr},
    {RefreshProc, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr, nullptr, nullptr},
    {d_yield_proc, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr, nullptr, nullptr},
    {nullptr, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr, nullptr, nullptr},
};

} // namespace

int main(int, char**)
{
    if (chdir(rl::ExecutablePath().c_str()) != 0)
        return 1;
    if (!rl::InitProgram(true, true, true) || !rl::InitScreen(800, 600, false, 32, 8, 0))
        return 1;
    rl::SetWindowTitle("Marl GUI Test");
    InstallClockTimer();
    if (!CreateGuiFont() || InitGuiFont() != 0)
        return 1;
    const int closedBy = do_dialog(g_dialog, -1);
    std::printf("closed by: %d\n", closedBy);
    std::printf("toggle: %d\n", (g_dialog[6].flags & D_SELECTED) ? 1 : 0);
    std::printf("name: %s\n", g_name);
    std::printf("slider: %d\n", g_dialog[7].d2);
    std::printf("list: %d\n", g_dialog[8].d1);
    std::printf("combo: %d\n", g_dialog[10].d1);
    DestroyGuiFont();
    return 0;
}
END_OF_MAIN()
