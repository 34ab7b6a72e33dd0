#include "entities/E_Camera.h"

#include <algorithm>

#include "core/Log.h"
#include "entities/EntityList.h"
#include "particles/ParticleTree.h"

namespace {

E_Camera* g_mainCamera = nullptr;

} // namespace

E_Camera* MainCamera() { return g_mainCamera; }

void SetMainCamera(E_Camera* camera) { g_mainCamera = camera; }

E_Camera::E_Camera(float startX, float startY, const std::string& entityName) : Entity(startX, startY, entityName)
{
    boxLeft = 0;
    boxTop = 0;
    boxRight = 64;
    boxBottom = 64;
    friction = 0.3f;
    gravity = 0;
    bounce = 0;
    collidesWithLevel = false;
    entityCollision = false;
    flags = ENT_ALIVE;
    LogText("", 1);
    LogText("E_Camera Created", 1);
}

bool E_Camera::IsBossCam() const { return name == "BossCam"; }

void E_Camera::Update(float dt, const TileGrid*) { MoveBy(dt); }

void E_Camera::Draw(float camX, float camY, float) { DrawDebugBox(camX, camY); }

void E_Camera::Think()
{
    if (owner) {
        velX = (owner->x - x) / followDivisor;
        velY = (owner->y - y) / followDivisor;
    }
    velX = std::clamp(velX, -maxSpeed, maxSpeed);
    velY = std::clamp(velY, -maxSpeed, maxSpeed);
    // A camera hears of nothing it touches; a BossCam waiting for the player must (its name comes
    // with its record, after construction).
    if (IsBossCam() && !fired)
        entityCollision = true;
}

void E_Camera::OnCollide(Entity* other)
{
    if (fired || !IsBossCam() || !other || other->name != "E_Player")
        return;
    fired = true;
    if (g_mainCamera && g_mainCamera != this)
        g_mainCamera->owner = this;
    boxLeft = boxTop = -10;
    boxRight = boxBottom = 10;
    entityCollision = false;
    SpawnIntoGameFront(std::make_unique<snowPT>(0, 0, "Snow Fall - Front"));
    SpawnIntoGame(std::make_unique<snowPT>(0, 0, "Snow Fall - Back"));
}
