#pragma once
// The base of every object that lives in a level: the player, enemies, projectiles, pickups, the
// camera, particle effects and the skeleton being edited. Position, collision box, state flags and
// the motion record (MPhysics), plus the collision of the box against the level's cells.
//
// Entities are owned by exactly one EntityList, which deletes them through this base. Finishing an
// entity (clearing ENT_ALIVE, or setting flags to exactly ENT_DEAD) only marks it; the game loop
// removes it from its list.

#include <cstdint>
#include <istream>
#include <ostream>
#include <string>

#include "entities/MPhysics.h"

class TileGrid;

// Bits of Entity::flags. Bits 4, 5 and 7 belong to the skeleton-driven classes.
constexpr int32_t ENT_ALIVE = 1;
constexpr int32_t ENT_DEAD = 4;
constexpr int32_t ENT_AIRBORNE = 8;

// Result bits of Entity::CollideWithLevel: on which side the box was stopped.
constexpr int kBlockedAbove = 1;
constexpr int kBlockedBelow = 2;
constexpr int kBlockedLeft = 4;
constexpr int kBlockedRight = 8;

class Entity : public MPhysics {
public:
    Entity(float x, float y, const std::string& name);
    Entity(const Entity&) = delete;
    Entity& operator=(const Entity&) = delete;

    // The virtual operations, in their fixed slot order.
    virtual ~Entity();
    // One time step: animation timing, movement by velocity x dt, collision with the level.
    virtual void Update(float dt, const TileGrid* level);
    // Sprite entities place their picture at screen (zoom * x - camX, zoom * y - camY).
    virtual void Draw(float camX, float camY, float zoom);
    // Per-tick logic: the physics step, input, AI, spawning.
    virtual void Think();
    // The entity record: four lines (type, name, x, y), each ended by a line feed. False when the
    // stream failed.
    virtual bool Save(std::ostream& file);
    // Reads name, x and y (the list loader has read the type line). Lines keep at most 255
    // characters. False, with the fields not read left as they were, when the stream ends early.
    virtual bool Load(std::istream& file);
    // This entity touches other.
    virtual void OnCollide(Entity* other);
    // The list is about to delete `gone`: forget every link to it (owner here; subclasses clear
    // their own links too, and call this base).
    virtual void ForgetEntity(const Entity* gone);

    std::string GetName() const { return name; }
    std::string GetType() const { return type; }

    // Stops the box at the level's blocking cells after a move, one axis at a time. oldX and oldY
    // are the position before the move, each taken to its ceiling. Returns kBlocked* bits; also
    // keeps ENT_AIRBORNE. Does nothing (0) while collidesWithLevel is false or without a level.
    int CollideWithLevel(const TileGrid* level, float oldX, float oldY);
    // The move of one time step: x and y grow by velocity x dt. Returns where the entity was, each
    // coordinate taken to its ceiling, as CollideWithLevel wants it.
    struct Position {
        float x, y;
    };
    Position MoveBy(float dt);

    // While the B key is held: the collision box as a translucent red rectangle at screen
    // (x - camX + boxLeft, y - camY + boxTop), not scaled by the zoom.
    void DrawDebugBox(float camX, float camY) const;
    // The same rectangle, whatever the keyboard says.
    void DrawCollisionBox(float camX, float camY) const;

    // Whether the entity has finished: ENT_ALIVE cleared, or flags exactly ENT_DEAD.
    bool IsFinished() const { return (flags & ENT_ALIVE) == 0 || flags == ENT_DEAD; }

    float x, y;                        // origin in level pixels
    bool collidesWithLevel = false;
    bool entityCollision = false;      // a per-class switch; nothing in the base reads it
    int32_t boxLeft = 0, boxTop = 0, boxRight = 0, boxBottom = 0;   // inclusive offsets from the origin
    int32_t flags = ENT_ALIVE;
    int32_t health = 0;
    int32_t maxHealth = 0;
    bool active = false;               // gates keyboard control in the classes' Think
    Entity* owner = nullptr;           // not owned: shooter, cause or followed entity
    std::string name;                  // instance name, the key of EntityList::GetEntity
    std::string type = "ENTITY";       // registry ID
};
