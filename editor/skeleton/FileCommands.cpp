#include "editor/skeleton/FileCommands.h"

#include <allegro.h>
#include <cstring>
#include <string>

#include "core/Log.h"
#include "core/PngHeader.h"
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

bool HasUnsavedChanges()
{
    return g_Editor.skeleton && g_Editor.skeleton->Write(0) != g_Editor.savedText;
}

void MarkSaved()
{
    if (g_Editor.skeleton)
        g_Editor.savedText = g_Editor.skeleton->Write(0);
}

std::string DocumentName()
{
    return g_Editor.FilePath.empty() ? std::string("untitled") : std::string(FileNamePart(g_Editor.FilePath.c_str()));
}

UnsavedAnswer AskToSaveChanges()
{
    if (!HasUnsavedChanges())
        return UnsavedAnswer::kNoChanges;
    const std::string question = "Save changes to " + DocumentName() + "?";
    switch (MessageBox(question.c_str(), "", "", "&Yes", "&No", "&Cancel")) {
    case 0:
        // A save cancelled in the selector, or one that failed, keeps the user editing.
        broadcast_dialog_message(MSG_DRAW, 0);
        return SaveDocument() ? UnsavedAnswer::kGoOn : UnsavedAnswer::kStay;
    case 1: return UnsavedAnswer::kGoOn;
    default: return UnsavedAnswer::kStay;
    }
}

int NewCommand()
{
    const UnsavedAnswer answer = AskToSaveChanges();
    if (answer == UnsavedAnswer::kStay)
        return D_REDRAW;
    if (answer == UnsavedAnswer::kNoChanges && !Confirmed("Start new Skeleton?", "", ""))
        return D_O_K;
    // Reset deletes every bone; nothing may keep pointing at one.
    g_Editor.ClearSelection();
    if (g_Editor.skeleton)
        g_Editor.skeleton->Reset();
    BackToFirstFrame();
    g_Editor.FilePath.clear();
    MarkSaved();
    g_Editor.history.Clear();
    rl::SetWindowTitle("MARL Skeleton Editor - Untitled");
    return D_REDRAW;
}

int LoadCommand()
{
    if (AskToSaveChanges() == UnsavedAnswer::kStay)
        return D_REDRAW;
    char path[kSkeletonPathSize];
    StartIn(path, kSkeletonFolder);
    if (!FileSelect("TXT", "Load Skeleton", path, kSkeletonPathSize) || !g_Editor.skeleton)
        return D_REDRAW;
    // Confirmed without a name: there is nothing to load.
    if (*FileNamePart(path) == '\0')
        return D_REDRAW;
    if (!exists(path)) {
        broadcast_dialog_message(MSG_DRAW, 0);
        const std::string missing = std::string("File not found: ") + FileNamePart(path);
        MessageBox(missing.c_str(), "", "", "Ok");
        return D_REDRAW;
    }
    if (g_Editor.skeleton->Load(path) != 0)
        return D_REDRAW;   // the skeleton said why; it is unchanged
    // Loading replaced every bone.
    g_Editor.ClearSelection();
    BackToFirstFrame();
    LogText("Loaded Skeleton File: ", 2);
    LogText(path, 2);
    TitleAfter(path);
    g_Editor.FilePath = path;
    MarkSaved();
    g_Editor.history.Clear();
    return D_REDRAW;
}

namespace {

bool SaveDocumentTo(const char* path)
{
    if (!g_Editor.skeleton || g_Editor.skeleton->Save(path) != 0)
        return false;   // the skeleton said why; the old file is untouched
    LogText("Saved Skeleton File: ", 2);
    LogText(path, 2);
    TitleAfter(path);
    g_Editor.FilePath = path;
    MarkSaved();
    return true;
}

bool SaveDocumentAs()
{
    char path[kSkeletonPathSize];
    StartIn(path, kSkeletonFolder);
    if (!FileSelect("TXT", "Save To File", path, kSkeletonPathSize) || !g_Editor.skeleton)
        return false;
    // Confirmed without a name: there is nothing to save to.
    if (*FileNamePart(path) == '\0')
        return false;
    AppendTxtExtension(path, kSkeletonPathSize);
    // The question shows over the editor, not over what is left of the selector.
    broadcast_dialog_message(MSG_DRAW, 0);
    if (exists(path) && !Confirmed("File already exists!", "", "Overwrite?"))
        return false;
    return SaveDocumentTo(path);
}

} // namespace

bool SaveDocument()
{
    return g_Editor.FilePath.empty() ? SaveDocumentAs() : SaveDocumentTo(g_Editor.FilePath.c_str());
}

int SaveCommand()
{
    SaveDocumentAs();
    return D_REDRAW;
}

int QuickSaveCommand()
{
    SaveDocument();
    return D_REDRAW;
}

int ExitCommand()
{
    switch (AskToSaveChanges()) {
    case UnsavedAnswer::kGoOn: return D_CLOSE;
    case UnsavedAnswer::kStay: return D_REDRAW;
    default: return Confirmed("Do you really want to quit?", "", "") ? D_CLOSE : D_O_K;
    }
}

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
    // A device, a FIFO or a file too large is no picture; say why rather than hang or fail silently.
    const std::string refusal = pngheader::PictureRefusal(path);
    if (!refusal.empty()) {
        LogText(refusal, 2);
        MessageBox(refusal.c_str(), "", "", "Ok");
        return D_REDRAW;
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
