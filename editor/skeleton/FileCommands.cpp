#include "editor/skeleton/FileCommands.h"

#include <allegro.h>
#include <cstring>
#include <string>

#include "core/Log.h"
#include "editor/skeleton/EditorState.h"
#include "editor/skeleton/SkeletonEditor.h"
#include "entities/E_EditorEnt.h"
#include "gui/Dialog.h"
#include "gui/FileSelect.h"
#include "gui/MessageBox.h"
#include "rl/Bitmap.h"
#include "rl/Layer.h"
#include "skeleton/Skeleton.h"

namespace {

constexpr int kSkeletonPathSize = 500;
constexpr int kPicturePathSize = 512;
constexpr const char* kSkeletonFolder = "../Game Data/Skeletons/";

// Only the first button of a question confirms; "&No", Escape (-5) and no screen refuse.
bool Confirmed(const char* line1, const char* line2, const char* line3)
{
    return MessageBox(line1, line2, line3, "&Yes", "&No") == 0;
}

// The editor entity back at frame 0 of set 0, posed there.
void BackToFirstFrame()
{
    if (E_EditorEnt* entity = g_Editor.entity)
        entity->frame = entity->frameSet = entity->nextFrame = entity->nextFrameSet = 0;
    if (Skeleton* skeleton = g_Editor.skeleton) {
        skeleton->SetPose(0, 0, 0, 0, 1);
        skeleton->UpdatePositions();
    }
}

void TitleAfter(const char* path) { rl::SetWindowTitle(std::string(EditorTitlePrefix()) + FileNamePart(path)); }

// A path buffer holding the start folder, the rest zero bytes.
template <int Size>
void StartIn(char (&buffer)[Size], const char* folder)
{
    std::memset(buffer, 0, Size);
    std::strncpy(buffer, folder, Size - 1);
}

} // namespace

const char* EditorTitlePrefix() { return "MARL Skeleton Editor - "; }

const char* FileNamePart(const char* path)
{
    const char* slash = std::strrchr(path, '/');
    return slash ? slash + 1 : path;
}

void AppendTxtExtension(char* path, int size)
{
    if (size <= 0 || std::strstr(path, ".txt"))
        return;
    const size_t length = std::strlen(path);
    const size_t room = static_cast<size_t>(size) - 1;
    if (length < room)
        std::strncat(path, ".txt", room - length);
}

int NewCommand()
{
    if (!Confirmed("Start new Skeleton?", "", ""))
        return D_O_K;
    // Reset deletes every bone; nothing may keep pointing at one.
    g_Editor.ClearSelection();
    if (g_Editor.skeleton)
        g_Editor.skeleton->Reset();
    BackToFirstFrame();
    rl::SetWindowTitle("MARL Skeleton Editor - Untitled");
    return D_REDRAW;
}

int LoadCommand()
{
    char path[kSkeletonPathSize];
    StartIn(path, kSkeletonFolder);
    if (!FileSelect("TXT", "Load Skeleton", path, kSkeletonPathSize) || !exists(path) || !g_Editor.skeleton)
        return D_O_K;
    // Loading replaces every bone.
    g_Editor.ClearSelection();
    if (g_Editor.skeleton->Load(path) != 0)
        return D_REDRAW;   // the skeleton said why; it is unchanged
    BackToFirstFrame();
    LogText("Loaded Skeleton File: ", 2);
    LogText(path, 2);
    TitleAfter(path);
    return D_REDRAW;
}

int SaveCommand()
{
    char path[kSkeletonPathSize];
    StartIn(path, kSkeletonFolder);
    if (!FileSelect("TXT", "Save To File", path, kSkeletonPathSize) || !g_Editor.skeleton)
        return D_O_K;
    // Confirmed without a name: there is nothing to save to.
    if (*FileNamePart(path) == '\0')
        return D_O_K;
    AppendTxtExtension(path, kSkeletonPathSize);
    // The question shows over the editor, not over what is left of the selector.
    broadcast_dialog_message(MSG_DRAW, 0);
    if (exists(path) && !Confirmed("File already exists!", "", "Overwrite?"))
        return D_O_K;
    if (g_Editor.skeleton->Save(path) != 0)
        return D_O_K;   // the skeleton said why; the old file is untouched
    LogText("Saved Skeleton File: ", 2);
    LogText(path, 2);
    TitleAfter(path);
    return D_O_K;
}

int ExitCommand() { return Confirmed("Do you really want to quit?", "", "") ? D_CLOSE : D_O_K; }

int ChangeReferencePictureCommand()
{
    char path[kPicturePathSize];
    StartIn(path, "../");
    if (!FileSelect("PNG", "Reference Picture", path, kPicturePathSize))
        return D_O_K;
    // Choosing a name that does not exist takes the picture away.
    if (!exists(path)) {
        g_Editor.ReferencePicture.reset();
        return D_O_K;
    }
    if (!g_Editor.ReferencePicture)
        g_Editor.ReferencePicture = std::make_unique<rl::Bitmap>();
    g_Editor.ReferencePicture->Load(path);
    if (!g_Editor.ReferencePicture->IsValid())
        g_Editor.ReferencePicture.reset();
    return D_REDRAW;
}

int AboutCommand()
{
    const std::string version = std::string("Version ") + kEditorVersion;
    MessageBox("MARL Skeleton Editor", version.c_str(), "Marl Engine", "Ok");
    return D_REDRAW;
}
