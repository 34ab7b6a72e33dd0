#include "editor/skeleton/BonePropertiesDialog.h"

#include <cstring>
#include <string>

#include "editor/skeleton/BoneEdits.h"
#include "editor/skeleton/EditorState.h"
#include "editor/skeleton/SkinChooser.h"
#include "gui/BasicWidgets.h"
#include "gui/Dialog.h"
#include "gui/EditBoxProc.h"
#include "gui/GuiDraw.h"
#include "skeleton/Bone.h"

namespace {

// The label shows at most this many characters of the skin's file name.
constexpr int kSkinLabelLength = 99;

char g_name[kBoneNameBufferSize];
char g_skinLabel[kSkinPathSize];
char g_title[] = "Edit Bone Properties";
char g_nameLabel[] = "Bone Name:";
char g_skinCaption[] = "Bone Skin:";
char g_ok[] = "Ok";
char g_cancel[] = "Cancel";
char g_dot[] = ".";

void ShowSkinLabel(const std::string& text)
{
    std::strncpy(g_skinLabel, text.c_str(), kSkinLabelLength);
    g_skinLabel[kSkinLabelLength] = '\0';
}

// The "." button: a button whose closing first runs the skin chooser for the bone being edited,
// so the dialog ends with this entry's index once the skin is chosen.
int SkinButtonProc(int message, DIALOG* d, int c)
{
    const int result = ButtonProc(message, d, c);
    if (result == D_CLOSE) {
        std::string label;
        ChooseSkin(g_Editor.editedBone, &label);
        if (!label.empty())
            ShowSkinLabel(label);
    }
    return result;
}

DIALOG g_dialog[kBonePropertiesEntries + 1] = {
    // proc, x, y, w, h, fg, bg, key, flags, d1, d2, dp, dp2, dp3
    /* kBonePropertiesFrame */ {BoxProc, 0, 0, 204, 144, kWhite, kBlack, 0, 0, 0, 0, nullptr, nullptr, nullptr},
    /* kBonePropertiesTitleBar */ {BoxProc, 0, 0, 204, 20, kTitleGreen, kBlack, 0, 0, 0, 0, nullptr, nullptr, nullptr},
    /* kBonePropertiesTitle */ {LabelProc, 48, 4, 168, 8, kBlack, kNoColour, 0, 0, 0, 0, g_title, nullptr, nullptr},
    /* kBonePropertiesNameLabel */ {LabelProc, 8, 34, 112, 8, kBlack, kNoColour, 0, 0, 0, 0, g_nameLabel, nullptr, nullptr},
    /* kBonePropertiesSkinCaption */ {LabelProc, 8, 74, 104, 8, kBlack, kNoColour, 0, 0, 0, 0, g_skinCaption, nullptr, nullptr},
    /* kBonePropertiesSkinLabel */ {LabelProc, 8, 91, 188, 12, kBlack, kNoColour, 0, 0, 0, 0, g_skinLabel, nullptr, nullptr},
    /* kBonePropertiesName */ {EditBoxProc, 8, 51, 188, 20, kBlack, kTitleGreen, 0, 0, kBoneNameFieldSize, 0, g_name, nullptr, nullptr},
    /* kBonePropertiesOk */ {ButtonProc, 20, 120, 68, 16, kWhite, kBlack, 13, D_EXIT, 0, 0, g_ok, nullptr, nullptr},
    /* kBonePropertiesCancel */ {ButtonProc, 108, 120, 68, 16, kWhite, kBlack, 0, D_EXIT, 0, 0, g_cancel, nullptr, nullptr},
    /* kBonePropertiesSkin */ {SkinButtonProc, 168, 86, 20, 20, kWhite, kBlack, 0, D_EXIT, 0, 0, g_dot, nullptr, nullptr},
    /* kBonePropertiesRefresh */ {RefreshProc, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr, nullptr, nullptr},
    // Gives up time while the dialog waits.
    /* kBonePropertiesYield */ {d_yield_proc, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr, nullptr, nullptr},
    {nullptr, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr, nullptr, nullptr},
};

} // namespace

int RunBonePropertiesDialog(Bone* bone)
{
    if (!bone)
        return -1;
    g_Editor.editedBone = bone;
    centre_dialog(g_dialog);
    std::strncpy(g_name, bone->name.c_str(), kBoneNameBufferSize - 1);
    g_name[kBoneNameBufferSize - 1] = '\0';
    g_dialog[kBonePropertiesName].d2 = 0;
    ShowSkinLabel(SkinFileName(bone->skinPath));

    const int closedBy = do_dialog(g_dialog, -1);
    gui::WaitForMouseRelease();
    if (closedBy == kBonePropertiesOk) {
        clear_keybuf();
        RenameBone(g_Editor.editedBone, g_name);
    }
    return closedBy;
}
