#include "editor/skeleton/SkeletonViewProc.h"

#include <atomic>

#include "editor/skeleton/EditorDialog.h"
#include "editor/skeleton/EditorKeys.h"
#include "editor/skeleton/EditorState.h"
#include "editor/skeleton/FileCommands.h"
#include "editor/skeleton/OnionSkin.h"
#include "editor/skeleton/Playback.h"
#include "editor/skeleton/ViewGestures.h"
#include "editor/skeleton/ViewMath.h"
#include "entities/E_EditorEnt.h"
#include "graphics/AnyGraphics.h"
#include "gui/GuiDraw.h"
#include "rl/Bitmap.h"
#include "rl/Canvas.h"
#include "rl/Colour.h"
#include "rl/Layer.h"
#include "rl/LineSet.h"
#include "skeleton/Skeleton.h"

namespace {

const rl::Colour kBackground(0, 60 / 255.0f, 0, 1);
const rl::Colour kMajorLine(13 / 255.0f, 120 / 255.0f, 7 / 255.0f, 1);
const rl::Colour kMinorLine(9 / 255.0f, 79 / 255.0f, 4 / 255.0f, 1);

std::atomic<bool> g_quitRequested {false};

// An idle message that finds nothing new rests this long instead of drawing the same frame again;
// short enough that the first move of the mouse shows at once.
constexpr int kIdleRestMs = 10;

// The mouse as the previous idle message saw it.
struct MouseSeen {
    int x = -1, y = -1, z = 0, buttons = -1;
    bool operator==(const MouseSeen& o) const { return x == o.x && y == o.y && z == o.z && buttons == o.buttons; }
};
MouseSeen g_mouseSeen;

int CanvasWidth() { return rl::ScreenWidth() > 0 ? rl::ScreenWidth() : 800; }
int CanvasHeight() { return rl::ScreenHeight() > 0 ? rl::ScreenHeight() : 600; }

void DrawReferencePicture()
{
    const rl::Bitmap* picture = g_Editor.ReferencePicture.get();
    if (!picture || !picture->IsValid())
        return;
    const PicturePlacement at = PlaceReferencePicture(g_Editor.ViewOrigin.x, g_Editor.ViewOrigin.y, g_Editor.Zoom,
                                                      picture->Width(), picture->Height());
    picture->DrawStretched(at.left, at.top, at.width, at.height, 1.0f);
}

void DrawGrid()
{
    const int width = CanvasWidth(), height = CanvasHeight();
    const GridLines grid = ComputeGridLines(g_Editor.ViewOrigin.x, g_Editor.ViewOrigin.y, g_Editor.Zoom, width, height);
    // Two batches, one per colour. Lines along pixel centres of whole pixels stay crisp one-pixel
    // lines at every zoom.
    rl::LineSet major(1), minor(1);
    for (const GridLine& line : grid.vertical) {
        const float x = static_cast<int>(line.position) + 0.5f;
        (line.major ? major : minor).Add({x, 0}, {x, static_cast<float>(height)});
    }
    for (const GridLine& line : grid.horizontal) {
        const float y = static_cast<int>(line.position) + 0.5f;
        (line.major ? major : minor).Add({0, y}, {static_cast<float>(width), y});
    }
    // Smoothing would only blur lines that lie on pixel centres, and costs a software renderer
    // dearly.
    const bool smoothing = rl::AntiAliasing();
    rl::SetAntiAliasing(false);
    minor.Draw(kMinorLine);
    major.Draw(kMajorLine);
    rl::SetAntiAliasing(smoothing);
}

void Start()
{
    g_Editor.ViewOrigin = ViewPoint {300, 300};
    g_Editor.ClearSelection();
    if (g_Editor.skeleton) {
        g_Editor.skeleton->SetPose(0, 0, 0, 0, 1);
        g_Editor.skeleton->UpdatePositions();
    }
    g_Editor.ViewFlags ^= kViewSkins | kViewBones;
}

// Drags the view while the left button is held.
int Pan()
{
    const float originX = g_Editor.ViewOrigin.x, originY = g_Editor.ViewOrigin.y;
    const int pressX = gui::MouseX(), pressY = gui::MouseY();
    while (gui::MouseButtons() & 1) {
        const ViewOffset to = DraggedOrigin(originX, originY, pressX, pressY, gui::MouseX(), gui::MouseY());
        g_Editor.ViewOrigin = ViewPoint {to.x, to.y};
        broadcast_dialog_message(MSG_DRAW, 0);
        rest(1);
    }
    return D_O_K;
}

int Click(DIALOG* d)
{
    const int buttons = gui::MouseButtons();
    if (buttons & 1) {
        int result = D_O_K;
        if (HandleBoneLeftClick(d, result))
            return result;
        return Pan();
    }
    if (buttons & 2)
        return HandleViewRightClick(d);
    return D_O_K;
}

// The wheel zooms as the slider does, around the point under the mouse.
int Wheel(const DIALOG* d, int notches)
{
    DIALOG& slider = g_EditorDialog[kZoomSliderEntry];
    const int value = WheelZoomSliderValue(slider.d2, notches);
    const float zoom = ZoomForSliderValue(value);
    const ViewOffset origin = ZoomedOrigin(g_Editor.ViewOrigin.x, g_Editor.ViewOrigin.y, g_Editor.Zoom, zoom,
                                           static_cast<float>(gui::MouseX() - d->x), static_cast<float>(gui::MouseY() - d->y));
    slider.d2 = value;
    g_Editor.Zoom = zoom;
    g_Editor.ViewOrigin = ViewPoint {origin.x, origin.y};
    return D_REDRAW;
}

bool AnyKeyDown()
{
    for (int i = 1; i < KEY_MAX; ++i)
        if (key[i])
            return true;
    return false;
}

bool SkinAnimates()
{
    const Skeleton* skeleton = g_Editor.skeleton;
    if (!skeleton || !(g_Editor.ViewFlags & kViewSkins))
        return false;
    for (const auto& bone : skeleton->BoneList()) {
        const Animation& animation = bone->skin.animation;
        if (animation.animating && animation.graphics && animation.graphics->FrameCount(animation.frameSet) > 1)
            return true;
    }
    return false;
}

// Whether the next frame could differ from the one on screen: the mouse moved or a button or key is
// down (the view polls Space, F and the drag keys), playback or a blend runs, or a skin animates.
bool FrameDue()
{
    const MouseSeen mouse {gui::MouseX(), gui::MouseY(), gui::MouseZ(), gui::MouseButtons()};
    const bool mouseChanged = !(mouse == g_mouseSeen);
    g_mouseSeen = mouse;
    const E_EditorEnt* entity = g_Editor.entity;
    const bool moving = entity && (entity->frame != entity->nextFrame || entity->frameSet != entity->nextFrameSet);
    return mouseChanged || mouse.buttons != 0 || AnyKeyDown() || g_Editor.Playing || moving || SkinAnimates();
}

int Idle()
{
    // Space and F may store the pose first: a step of the history like any other action.
    if (TakePlayRequest()) {
        g_Editor.history.Begin();
        if (SettlePoseBeforeLeaving())
            g_Editor.Playing = true;
        g_Editor.history.Commit();
        UpdateUndoMenu();
    }
    if (key[KEY_F]) {
        g_Editor.history.Begin();
        StepWithFKey();
        g_Editor.history.Commit();
        UpdateUndoMenu();
    }
    if (g_quitRequested.exchange(false)) {
        const int answer = ExitCommand();
        // Close clicks made while the question was open were answered by it.
        g_quitRequested = false;
        if (answer == D_CLOSE)
            return D_CLOSE;
        return D_REDRAW;
    }
    if (FrameDue())
        return D_REDRAW;
    // Nothing can have changed: the frame on screen stands, and the dialog's loop rests.
    rest(kIdleRestMs);
    return D_O_K;
}

} // namespace

void RequestQuit() { g_quitRequested = true; }
bool QuitRequested() { return g_quitRequested; }

void DrawSkeletonView(const DIALOG&)
{
    rl::Canvas::Fill(kBackground.r, kBackground.g, kBackground.b, kBackground.a);
    DrawReferencePicture();
    DrawGrid();
    DrawOnionSkin();
    if ((g_Editor.ViewFlags & kViewSkins) && g_Editor.entity)
        g_Editor.entity->Draw(g_Editor.ViewOrigin.x, g_Editor.ViewOrigin.y, g_Editor.Zoom);
    if ((g_Editor.ViewFlags & kViewBones) && g_Editor.skeleton)
        g_Editor.skeleton->DrawOverlay(g_Editor.Zoom, g_Editor.ViewOrigin.x, g_Editor.ViewOrigin.y,
                                       g_Editor.SelectedBone);
}

int SkeletonViewProc(int message, DIALOG* d, int c)
{
    switch (message) {
    case MSG_START:
        Start();
        return D_REDRAW;
    case MSG_DRAW:
        // The entity is posed on its way between frames before the layers are drawn.
        PlaybackStep();
        DrawSkeletonView(*d);
        return D_O_K;
    case MSG_IDLE:
        return Idle();
    case MSG_CLICK:
        return Click(d);
    case MSG_WANTFOCUS:
        // Focus brings the wheel's messages.
        return D_WANTFOCUS;
    case MSG_WHEEL:
        return Wheel(d, c);
    case MSG_XCHAR:
        // Escape with nothing open would end the dialog unasked: it asks as File, Exit does.
        if (Scancode(c) == KEY_ESC) {
            RequestQuit();
            return D_USED_CHAR;
        }
        return HandleEditorKey(c);
    default:
        return D_O_K;
    }
}
