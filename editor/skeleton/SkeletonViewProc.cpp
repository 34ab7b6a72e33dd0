#include "editor/skeleton/SkeletonViewProc.h"

#include <atomic>

#include "editor/skeleton/EditorState.h"
#include "editor/skeleton/FileCommands.h"
#include "editor/skeleton/Playback.h"
#include "editor/skeleton/ViewGestures.h"
#include "editor/skeleton/ViewMath.h"
#include "entities/E_EditorEnt.h"
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

int Idle()
{
    StepWithFKey();
    if (g_quitRequested.exchange(false)) {
        const int answer = ExitCommand();
        // Close clicks made while the question was open were answered by it.
        g_quitRequested = false;
        if (answer == D_CLOSE)
            return D_CLOSE;
    }
    return D_REDRAW;
}

} // namespace

void RequestQuit() { g_quitRequested = true; }
bool QuitRequested() { return g_quitRequested; }

void DrawSkeletonView(const DIALOG&)
{
    rl::Canvas::Fill(kBackground.r, kBackground.g, kBackground.b, kBackground.a);
    DrawReferencePicture();
    DrawGrid();
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
    case MSG_XCHAR:
        // Escape with nothing open would end the dialog unasked: it asks as File, Exit does.
        if (Scancode(c) == KEY_ESC) {
            RequestQuit();
            return D_USED_CHAR;
        }
        return D_O_K;
    default:
        return D_O_K;
    }
}
