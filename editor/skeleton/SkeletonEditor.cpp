#include "editor/skeleton/SkeletonEditor.h"

#include <allegro.h>
#include <memory>

#include "core/Alert.h"
#include "editor/skeleton/EditorDialog.h"
#include "editor/skeleton/EditorState.h"
#include "editor/skeleton/FileCommands.h"
#include "editor/skeleton/SkeletonViewProc.h"
#include "editor/skeleton/ViewMath.h"
#include "entities/E_EditorEnt.h"
#include "entities/EntityList.h"
#include "gui/GuiFont.h"
#include "rl/FramePacing.h"
#include "rl/Layer.h"
#include "skeleton/Skeleton.h"

namespace {

// The dialog redraws on every idle message; presenting more often than the display shows frames
// would only burn the processor. Once the mouse and keyboard have rested for a second, half the
// rate still shows playback and animated skins smoothly.
constexpr int kFramesPerSecond = 60;
constexpr int kIdleFramesPerSecond = 30;
constexpr int kIdleAfterMs = 1000;

void SetGuiColours()
{
    gui_fg_color = kBlack;
    gui_mg_color = PackedColour(128, 128, 128);
    gui_bg_color = kWhite;
    set_dialog_color(g_EditorDialog, kBlack, kWhite);
}

// The dialog's widgets as a new editor has them, in case the editor runs again in this process.
void ResetDialog()
{
    ShowPanel(0);
    g_EditorDialog[kTabsEntry].d1 = 0;
    g_EditorDialog[kZoomSliderEntry].d2 = kZoomSnapValue;
    for (int i = 0; i < kEditorEntries; ++i)
        g_EditorDialog[i].flags = 0;
    // The onion skin starts off, unticked.
    g_FramesMenu[kOnionSkinItem].flags = 0;
}

void CleanUp()
{
    if (g_Editor.skeleton)
        g_Editor.skeleton->FrameReport();
    // The state's clear deletes the clipboard frame, then the entity list with the entity and its
    // skeleton, and the reference picture.
    g_Editor.Clear();
}

} // namespace

void CreateEditorModel()
{
    g_Editor.entities = std::make_unique<EntityList>();
    auto entity = std::make_unique<E_EditorEnt>(0.0f, 0.0f, "Edit Skeleton");
    entity->skeleton = std::make_unique<Skeleton>();
    g_Editor.skeleton = entity->skeleton.get();
    g_Editor.entity = entity.get();
    g_Editor.entities->Add(std::move(entity));

    g_Editor.skeleton->Reset();
    g_Editor.skeleton->SetPose(0, 0, 0, 0, 1);
    g_Editor.skeleton->UpdatePositions();
    MarkSaved();
}

void RunSkeletonEditor()
{
    rl::SetWindowTitle("MARL Skeleton Editor");                     // 1
    g_Editor.Clear();
    ResetDialog();
    SetGuiColours();                                                  // 2
    show_os_cursor(MOUSE_CURSOR_ARROW);                               // 3
    CreateEditorModel();                                              // 4, 5
    UpdateUndoMenu();
    rl::SetWindowTitle("MARL Skeleton Editor - untitled");          // 6
    ShowPanel(0);

    CreateGuiFont(kGuiFontWidth, kGuiFontHeight);                     // 7
    if (InitGuiFont() != 0) {
        ShowAlert("GUI Failed!");
        DestroyGuiFont();
        g_Editor.Clear();
        return;
    }

    // The window's close button asks the quit question, as File, Exit does; Allegro calls this
    // from its own thread, so the view picks the request up on its next idle message.
    set_close_button_callback(RequestQuit);
    rl::SetFramePacing(kFramesPerSecond, kIdleFramesPerSecond, kIdleAfterMs);
    do_dialog(g_EditorDialog, -1);                                    // 8
    rl::SetFramePacing(0);
    set_close_button_callback(nullptr);

    DestroyGuiFont();                                                 // 9
    CleanUp();
}
