#include "editor/level/MapViewProc.h"

#include <atomic>
#include <set>
#include <utility>

#include "core/Clock.h"
#include "editor/level/EntityPlacement.h"
#include "editor/level/LevelEditorDialog.h"
#include "editor/level/LevelFileCommands.h"
#include "editor/level/LevelEditorState.h"
#include "editor/level/MapMath.h"
#include "editor/level/PlayCommand.h"
#include "entities/Entity.h"
#include "entities/EntityList.h"
#include "gui/GuiDraw.h"
#include "level/Level.h"
#include "level/LevelBatch.h"
#include "rl/Canvas.h"
#include "rl/Colour.h"
#include "rl/Ellipse.h"

namespace {

const rl::Colour kHoverFrame(237 / 255.0f, 191 / 255.0f, 24 / 255.0f, 1);
const rl::Colour kEntityMark(0.7f, 0, 0, 0.4f);

std::atomic<bool> g_quitRequested {false};

constexpr int32_t kDoubleClickMs = 500;

// What one press of the mouse does to the cells it reaches.
enum class CellAction { SetSolid, ClearSolid, Paint, Clear };

void Apply(CellAction action, int cx, int cy)
{
    Level* level = g_LevelEditor.level.get();
    if (!level || !level->Contains(cx, cy))
        return;
    const int layer = g_LevelEditor.editLayer;
    switch (action) {
    case CellAction::SetSolid: level->SetFlags(cx, cy, level->GetFlags(cx, cy) | 1); break;
    case CellAction::ClearSolid: level->SetFlags(cx, cy, 0); break;
    case CellAction::Paint: {
        const int n = PaletteTileNumber(g_LevelEditor.paletteFirstRow, g_LevelEditor.paletteSelectionX,
                                        g_LevelEditor.paletteSelectionY);
        if (n >= 0)
            level->SetTile(cx, cy, n, layer);
        break;
    }
    case CellAction::Clear:
        level->SetTile(cx, cy, 0, layer);
        level->SetFlags(cx, cy, 0);
        break;
    }
}

MapCell LevelCellUnderMouse(const DIALOG* d, MapCell* viewCell)
{
    const MapCell cell = ViewCellAt(gui::MouseX(), gui::MouseY(), d->x, d->y, g_LevelEditor.zoom);
    if (viewCell)
        *viewCell = cell;
    return {cell.x + g_LevelEditor.scrollX, cell.y + g_LevelEditor.scrollY};
}

// One stroke: the cell under the press, then every cell the mouse crosses until the buttons are
// released, each changed once.
int PaintStroke(DIALOG* d)
{
    const int buttons = gui::MouseButtons();
    const bool control = key[KEY_LCONTROL];
    CellAction action;
    if (buttons & 1)
        action = control ? CellAction::SetSolid : CellAction::Paint;
    else if (buttons & 2)
        action = control ? CellAction::ClearSolid : CellAction::Clear;
    else
        return D_O_K;
    const int held = buttons & 3;

    MapCell viewCell;
    MapCell last = LevelCellUnderMouse(d, &viewCell);
    g_LevelEditor.hoveredX = viewCell.x;
    g_LevelEditor.hoveredY = viewCell.y;
    std::set<std::pair<int, int>> done {{last.x, last.y}};
    Apply(action, last.x, last.y);
    broadcast_dialog_message(MSG_DRAW, 0);
    while (gui::MouseButtons() & held) {
        const MapCell now = LevelCellUnderMouse(d, &viewCell);
        if (!(now == last)) {
            for (const MapCell& cell : CellsBetween(last, now))
                if (done.insert({cell.x, cell.y}).second)
                    Apply(action, cell.x, cell.y);
            last = now;
            g_LevelEditor.hoveredX = viewCell.x;
            g_LevelEditor.hoveredY = viewCell.y;
        }
        broadcast_dialog_message(MSG_DRAW, 0);
        rest(1);
    }
    return D_O_K;
}

MapPoint MouseWorldPoint(const DIALOG* d)
{
    return WorldPointAt(gui::MouseX(), gui::MouseY(), d->x, d->y, g_LevelEditor.zoom, g_LevelEditor.scrollX,
                        g_LevelEditor.scrollY);
}

// The entity a left click picked and when (the engine's clock): a second press on it within the
// double-click time names it. The dialog engine's own double-click wait counts its loop's turns,
// which a fast machine or a quick synthetic click runs through before the second press arrives.
struct Pick {
    const Entity* entity = nullptr;
    int32_t atMs = 0;
};
Pick g_pick;

int NameEntityUnderMouse(DIALOG* d)
{
    gui::WaitForMouseRelease();
    const MapPoint at = MouseWorldPoint(d);
    if (Entity* entity = g_LevelEditor.entities ? g_LevelEditor.entities->GetEntityAt(at.x, at.y) : nullptr)
        NameEntity(*entity);
    return D_REDRAW;
}

int EntityClick(DIALOG* d)
{
    const int buttons = gui::MouseButtons();
    const MapPoint at = MouseWorldPoint(d);
    Entity* under = g_LevelEditor.entities ? g_LevelEditor.entities->GetEntityAt(at.x, at.y) : nullptr;
    const Pick last = g_pick;
    g_pick = Pick();
    // A left click on a placed entity picks it rather than stacking a new one on it; a second
    // press on it soon after names it.
    if ((buttons & 1) && under) {
        const int32_t now = ElapsedMs;
        if (last.entity == under && now - last.atMs <= kDoubleClickMs)
            return NameEntityUnderMouse(d);
        gui::WaitForMouseRelease();
        g_pick = Pick {under, now};
        return D_O_K;   // the engine may still see the double click and send MSG_DCLICK
    }
    if (buttons & 1)
        PlaceEntity(at.x, at.y);
    else if ((buttons & 2) && under)
        g_LevelEditor.entities->Remove(under);
    gui::WaitForMouseRelease();
    // Not D_O_K: a click that placed or removed is no first half of a double click.
    return D_REDRAW;
}

void DrawEntityCursor(int vx, int vy)
{
    const float zoom = g_LevelEditor.zoom;
    if (g_LevelEditor.prototypes)
        if (Entity* prototype = g_LevelEditor.prototypes->GetEntity(g_LevelEditor.selectedType))
            prototype->Draw(static_cast<float>(-gui::MouseX()), static_cast<float>(-gui::MouseY()), zoom);
    if (!g_LevelEditor.entities)
        return;
    const MapPoint at = WorldPointAt(gui::MouseX(), gui::MouseY(), vx, vy, zoom, g_LevelEditor.scrollX,
                                     g_LevelEditor.scrollY);
    const Entity* hovered = g_LevelEditor.entities->GetEntityAt(at.x, at.y);
    if (!hovered)
        return;
    const float centreX = hovered->x + (hovered->boxLeft + hovered->boxRight) / 2.0f;
    const float centreY = hovered->y + (hovered->boxTop + hovered->boxBottom) / 2.0f;
    const float screenX = (centreX - 64.0f * g_LevelEditor.scrollX) * zoom + static_cast<float>(vx);
    const float screenY = (centreY - 64.0f * g_LevelEditor.scrollY) * zoom + static_cast<float>(vy);
    const float radius = static_cast<float>(hovered->boxRight - hovered->boxLeft) * zoom;
    rl::Ellipse(screenX, screenY, radius, radius).Draw(kEntityMark);
}

// Ctrl with a letter types that letter's control character (the modifier may be up already by
// the time the dialog reads the key).
bool WithControl(int c, int letter) { return Scancode(c) == letter && Character(c) == letter - KEY_A + 1; }
bool Shifted() { return (key_shifts & KB_SHIFT_FLAG) || key[KEY_LSHIFT] || key[KEY_RSHIFT]; }

int Idle()
{
    if (g_quitRequested.exchange(false)) {
        const int answer = ExitCommand();
        g_quitRequested = false;   // close clicks made while the question was open were answered by it
        if (answer == D_CLOSE)
            return D_CLOSE;
    }
    return D_REDRAW;
}

} // namespace

void RequestLevelEditorQuit() { g_quitRequested = true; }

void DrawMap(int x, int y, int w, int h)
{
    Level* level = g_LevelEditor.level.get();
    const float zoom = g_LevelEditor.zoom;
    const int scrollX = static_cast<int>(64 * g_LevelEditor.scrollX * zoom);
    const int scrollY = static_cast<int>(64 * g_LevelEditor.scrollY * zoom);
    rl::Canvas::SetClipping(x, y, w, h);
    if (!g_LevelEditor.mapBatch)
        g_LevelEditor.mapBatch = std::make_unique<LevelBatch>();
    if (level) {
        level->DrawLayer(w, h, 0, 0, x, y, zoom, 0, 1);
        if (g_LevelEditor.showLayer1)
            g_LevelEditor.mapBatch->DrawLayer(*level, w, h, scrollX, scrollY, x, y, zoom, 1);
    }
    if (g_LevelEditor.entities)
        g_LevelEditor.entities->DrawAll(static_cast<float>(scrollX - x), static_cast<float>(scrollY - y), zoom);
    if (g_LevelEditor.editLayer == kEditEntities)
        DrawEntityCursor(x, y);
    if (level) {
        if (g_LevelEditor.showLayer2)
            g_LevelEditor.mapBatch->DrawLayer(*level, w, h, scrollX, scrollY, x, y, zoom, 2);
        if (key[KEY_LCONTROL])
            level->DrawFlagOverlay(w, h, scrollX, scrollY, x, y, zoom);
    }
    if (g_LevelEditor.showLayer1 || g_LevelEditor.showLayer2)
        gui::OutlineRect(static_cast<int>(x + 64 * zoom * g_LevelEditor.hoveredX + 2),
                         static_cast<int>(y + 64 * zoom * g_LevelEditor.hoveredY + 2), static_cast<int>(60 * zoom),
                         static_cast<int>(60 * zoom), 2, 3, kHoverFrame);
    rl::Canvas::RestoreClipping();
}

int MapViewProc(int message, DIALOG* d, int c)
{
    switch (message) {
    case MSG_DRAW:
        DrawMap(d->x, d->y, d->w, d->h);
        return D_O_K;
    case MSG_CLICK: {
        // The click with its stroke or dialog is one step of the history.
        g_LevelEditor.history.Begin();
        const int result = g_LevelEditor.editLayer == kEditEntities ? EntityClick(d) : PaintStroke(d);
        g_LevelEditor.history.Commit();
        UpdateLevelUndoMenu();
        return result;
    }
    case MSG_DCLICK:
        // Only after a click that picked an entity (the engine's wait follows no other).
        if (g_LevelEditor.editLayer == kEditEntities && g_pick.entity) {
            g_pick = Pick();
            g_LevelEditor.history.Begin();
            const int result = NameEntityUnderMouse(d);
            g_LevelEditor.history.Commit();
            UpdateLevelUndoMenu();
            return result;
        }
        return D_O_K;
    case MSG_WANTFOCUS:
    case MSG_GOTMOUSE:
        return D_WANTFOCUS;
    case MSG_IDLE:
        return Idle();
    case MSG_XCHAR:
        if (Scancode(c) == KEY_ESC) {
            RequestLevelEditorQuit();
            return D_USED_CHAR;
        }
        if (WithControl(c, KEY_Y) || (WithControl(c, KEY_Z) && Shifted()))
            return LevelRedoCommand() | D_USED_CHAR;
        if (WithControl(c, KEY_Z))
            return LevelUndoCommand() | D_USED_CHAR;
        if (Scancode(c) == KEY_F5)
            return PlayLevelCommand() | D_USED_CHAR;
        return D_O_K;
    default:
        (void)c;
        return D_O_K;
    }
}
