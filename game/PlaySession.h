#pragma once
// One playing of a level: who plays (the player, the camera that follows it), the fixed-rate loop
// over the level's entities, and where the view looks after each tick. Needs no screen; the
// program's frame loop (PlayScreen.h) draws it.
//
// The session borrows the level and the entity list; while it runs, the list is the current game
// list (what entities spawn goes there), and the previous current list comes back when it ends.

#include <cstdint>
#include <string>

#include "game/CameraView.h"
#include "game/GameLoop.h"

class Entity;
class EntityList;
class TileGrid;

// The entity the keyboard steers: the one named "E_Player", else the first of type "PLAYER".
Entity* FindPlayer(const EntityList& entities);
// The camera the view follows: the first of type "CAMERA" that is not the "BossCam" trigger.
Entity* FindMainCamera(const EntityList& entities);

// Why a level cannot be played, in lines short enough for a message box; empty when it can.
struct PlayProblem {
    std::string line1, line2, line3;
    bool Any() const { return !line1.empty(); }
};
PlayProblem CheckPlayable(const EntityList& entities);

class PlaySession {
public:
    // The level's entities must hold a player (CheckPlayable). The view follows the level's main
    // camera, which is given the player to chase (a level without one gets one, made through the
    // registry); while the session runs it is the main camera a BossCam takes over.
    PlaySession(EntityList& entities, const TileGrid* level, int viewWidth, int viewHeight);
    ~PlaySession();
    PlaySession(const PlaySession&) = delete;
    PlaySession& operator=(const PlaySession&) = delete;

    // Starts the tick schedule at clock time now and puts the view on the player.
    void Start(int32_t now);
    // Runs the ticks due by clock time now, then moves the view; returns the ticks run.
    int Advance(int32_t now);

    const CameraView& View() const { return view_; }
    EntityList& Entities() const { return entities_; }
    Entity* Player() const { return player_; }
    Entity* Camera() const { return camera_; }
    int64_t TicksRun() const { return loop_.TicksRun(); }

private:
    void FollowFocus();

    EntityList& entities_;
    const TileGrid* level_;
    GameLoop loop_;
    CameraView view_;
    Entity* player_ = nullptr;
    Entity* camera_ = nullptr;
    EntityList* previousGameList_ = nullptr;
};
