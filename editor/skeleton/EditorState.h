#pragma once
// The skeleton editor's shared state: what the view, the toolbar, the panels, the menus and the
// dialogs of the editor all act on. One instance, g_Editor, lives from the editor's start-up to
// its clean-up; every procedure of the editor reads and writes it directly.
//
// Ownership: the entity list owns the editor entity, and the entity owns the skeleton; the
// `skeleton` and `entity` fields are links into that list, valid while `entities` is set. The
// state owns the clipboard frame and the reference picture. `SelectedBone` and `editedBone` point
// into the skeleton's bone list: whatever deletes bones (New, Load, the bone actions) must clear
// them first.

#include <memory>
#include <string>
#include <vector>

#include "editor/skeleton/EditHistory.h"
#include "editor/skeleton/EditorStrip.h"
#include "skeleton/SkeletonFrame.h"

class Bone;
class E_EditorEnt;
class EntityList;
class Skeleton;

namespace rl {
class Bitmap;
}

// ViewFlags bits.
constexpr int kViewSkins = 2;   // draw the editor entity (the skins)
constexpr int kViewBones = 1;   // draw the bone overlay

// Toolbar button states, which are also the strip rows they show (0, 42 or 84 pixels down).
constexpr int kButtonNormal = 1;
constexpr int kButtonOn = 2;
constexpr int kButtonGreyed = 4;

// The buttons the editor addresses by index. The state arrays are never shorter than these, even
// when a strip holds fewer pictures.
constexpr int kToolbarButtons = 12;
constexpr int kFrameEditButtons = 8;
constexpr int kTransportButtons = 5;

// Toolbar buttons by index.
enum ToolbarButton {
    kKeepChildrenButton = 0,
    kAngleLockButton = 1,
    kLengthLockButton = 2,
    kMirrorButton = 3,
    kAddBoneButton = 4,
    kSubtractBoneButton = 5,
    kInsertBoneButton = 6,
    kExtractBoneButton = 7,
    kBonePropertiesButton = 8,
    kChooseSkinButton = 9,
    kShowSkinsButton = 10,
    kShowBonesButton = 11,
};

struct ViewPoint {
    float x = 0, y = 0;
};

struct EditorState {
    EditorState();
    ~EditorState();
    EditorState(const EditorState&) = delete;
    EditorState& operator=(const EditorState&) = delete;

    // Everything back to how a new editor starts (entity list, clipboard and picture deleted).
    void Clear();
    // Forgets the bone selection; call before anything that deletes bones.
    void ClearSelection();

    // ---- The model ------------------------------------------------------------------------
    std::unique_ptr<EntityList> entities;   // holds only the editor entity
    E_EditorEnt* entity = nullptr;          // "Edit Skeleton", in `entities`
    Skeleton* skeleton = nullptr;           // the entity's skeleton

    // ---- The file -------------------------------------------------------------------------
    std::string FilePath;    // the file loaded or saved last; empty while untitled
    std::string savedText;   // the skeleton's file text at that moment (or at New): unsaved
                             // changes are whatever makes the text differ from it

    EditHistory history;     // undo and redo of the user's actions

    // ---- The view -------------------------------------------------------------------------
    ViewPoint ViewOrigin {300, 300};   // screen position of the skeleton's origin in the view
    float Zoom = 1.0f;                 // never below kMinZoom (see ViewMath.h)
    int ViewFlags = 0;                 // kViewSkins | kViewBones; set by the view's start
    float previousDrawTime = 0;        // ElapsedMs at the view's previous draw
    std::unique_ptr<rl::Bitmap> ReferencePicture;   // drawn behind the skeleton; may be null

    // ---- Bone editing -----------------------------------------------------------------------
    Bone* SelectedBone = nullptr;   // what the view, bone panel, toolbar and dialogs act on
    Bone* editedBone = nullptr;     // the bone the properties dialog is open on
    bool keepChildren = true;       // AimBone keeps the children's directions
    bool angleLock = false;
    bool lengthLock = false;
    std::string LastSkinFolder;     // where the skin chooser starts

    // ---- Frames and playback ----------------------------------------------------------------
    bool Playing = false;
    bool Tweening = false;
    bool onionSkin = false;   // the neighbouring frames drawn behind the pose (OnionSkin.h)
    std::unique_ptr<SkeletonFrame> clipboard;   // made by the first Cut or Copy

    // ---- Button and tab pictures -------------------------------------------------------------
    EditorStrip toolbarStrip;     // the toolbar's own
    EditorStrip tabsStrip;        // these three shared through the resource manager
    EditorStrip transportStrip;
    EditorStrip frameEditStrip;

    // ---- Button states ----------------------------------------------------------------------
    // Toolbar: kButtonNormal / kButtonOn / kButtonGreyed per button, at least kToolbarButtons.
    std::vector<int> toolbarStates;
    // Frames panel: whether each button shows its pressed picture.
    std::vector<bool> transportPressed;   // kTransportButtons
    std::vector<bool> frameEditPressed;   // at least kFrameEditButtons
};

// Never destroyed: a fatal exit in the middle of editing must not tear the skeleton down after the
// rendering layer has shut down. The editor's clean-up empties it.
extern EditorState& g_Editor;
