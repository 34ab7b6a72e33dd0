#include "entities/MPhysics.h"

namespace {

constexpr float kMaxSpeed = 63;

} // namespace

void MPhysics::Step()
{
    velX = (1 - friction + driveX) * velX;
    velY = velY + gravity;
    driveX = 0;
    driveY = 0.8f * driveY;
    if (velX > kMaxSpeed)
        velX = kMaxSpeed;
    if (velY > kMaxSpeed)
        velY = kMaxSpeed;
}
