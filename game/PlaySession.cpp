#include "game/PlaySession.h"

#include <vector>

#include "core/Log.h"
#include "entities/E_Camera.h"
#include "entities/EntityList.h"
#include "entities/EntityRegistry.h"

namespace {

template <typename Match>
Entity* FirstEntity(const EntityList& entities, Match match)
{
    std::vector<Entity*> all;
    entities.Collect(all);
    for (Entity* e : all)
        if (match(*e))
            return e;
    return nullptr;
}

} // namespace

Entity* FindPlayer(const EntityList& entities)
{
    if (Entity* named = FirstEntity(entities, [](const Entity& e) { return e.name == "E_Player"; }))
        return named;
    return FirstEntity(entities, [](const Entity& e) { return e.type == "PLAYER"; });
}

Entity* FindMainCamera(const EntityList& entities)
{
    return FirstEntity(entities, [](const Entity& e) { return e.type == "CAMERA" && e.name != "BossCam"; });
}

PlayProblem CheckPlayable(const EntityList& entities)
{
    if (FindPlayer(entities))
        return {};
    // The tank waits for the player to touch it and then pushes the player: without one the boss
    // group can never start.
    if (FirstEntity(entities, [](const Entity& e) { return e.type == "SNOWMAN TANK"; }))
        return {"This level has a snowman tank", "but no player to fight it.", "Place a PLAYER entity first."};
    return {"This level has no player.", "Place a PLAYER entity", "(named E_Player) first."};
}

PlaySession::PlaySession(EntityList& entities, const TileGrid* level, int viewWidth, int viewHeight)
    : entities_(entities), level_(level), loop_(entities, level)
{
    view_.width = viewWidth;
    view_.height = viewHeight;
    previousGameList_ = CurrentGameList();
    SetCurrentGameList(&entities_);

    player_ = FindPlayer(entities_);
    camera_ = FindMainCamera(entities_);
    // A level without a camera of its own gets one for the player, so a BossCam still has a main
    // camera to take over.
    if (!camera_ && player_ && g_EntityRegistry && g_EntityRegistry->Has("CAMERA"))
        camera_ = entities_.Add(g_EntityRegistry->Create("CAMERA", "Main Camera"));
    SetMainCamera(dynamic_cast<E_Camera*>(camera_));
    if (player_)
        player_->active = true;
    if (camera_ && player_) {
        camera_->owner = player_;
        camera_->x = player_->x;
        camera_->y = player_->y;
    }
    loop_.onRemove = [this](const Entity* gone) {
        // What leaves the game is worth a line, except the bullets and bursts that come and go
        // by the dozen.
        if (gone->type != "ENTITY" && gone->type != "BULLET")
            LogText("Game: " + gone->name + " (" + gone->type + ") finished", 2);
        if (gone == player_)
            player_ = nullptr;
        if (gone == camera_) {
            camera_ = nullptr;
            SetMainCamera(nullptr);
        }
    };
}

PlaySession::~PlaySession()
{
    if (MainCamera() == camera_)
        SetMainCamera(nullptr);
    if (CurrentGameList() == &entities_)
        SetCurrentGameList(previousGameList_);
}

void PlaySession::Start(int32_t now)
{
    loop_.Start(now);
    FollowFocus();
}

int PlaySession::Advance(int32_t now)
{
    const int ticks = loop_.RunDueTicks(now);
    FollowFocus();
    return ticks;
}

void PlaySession::FollowFocus()
{
    const Entity* focus = camera_ ? camera_ : player_;
    if (!focus || !level_)
        return;
    // The camera chases the player's origin; the view centres on the middle of the player's box
    // as it would stand there.
    float halfWidth = 32, halfHeight = 32;
    if (player_) {
        halfWidth = static_cast<float>(player_->boxLeft + player_->boxRight) / 2;
        halfHeight = static_cast<float>(player_->boxTop + player_->boxBottom) / 2;
    }
    view_.FocusOn(focus->x + halfWidth, focus->y + halfHeight, *level_);
}
