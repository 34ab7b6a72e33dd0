#include "editor/skeleton/EditorState.h"

#include "entities/EntityList.h"
#include "rl/Bitmap.h"

EditorState& g_Editor = *new EditorState();

EditorState::EditorState()
    : toolbarStates(kToolbarButtons, kButtonNormal),
      transportPressed(kTransportButtons, false),
      frameEditPressed(kFrameEditButtons, false)
{
}

EditorState::~EditorState() = default;

void EditorState::Clear()
{
    ClearSelection();
    // The list deletes the entity, which deletes the skeleton.
    skeleton = nullptr;
    entity = nullptr;
    entities.reset();
    clipboard.reset();
    ReferencePicture.reset();
    FilePath.clear();
    history.Clear();
    savedText.clear();
    ViewOrigin = ViewPoint {300, 300};
    Zoom = 1.0f;
    ViewFlags = 0;
    previousDrawTime = 0;
    keepChildren = true;
    angleLock = lengthLock = false;
    LastSkinFolder.clear();
    Playing = Tweening = onionSkin = false;
    toolbarStates.assign(kToolbarButtons, kButtonNormal);
    transportPressed.assign(kTransportButtons, false);
    frameEditPressed.assign(kFrameEditButtons, false);
}

void EditorState::ClearSelection()
{
    SelectedBone = nullptr;
    editedBone = nullptr;
}
