#include "entities/Entity.h"

#include <allegro.h>
#include <cmath>
#include <cstdlib>

#include "core/Log.h"
#include "entities/EntityPainter.h"
#include "graphics/FrameData.h"

Entity::Entity(float startX, float startY, const std::string& entityName) : x(startX), y(startY), name(entityName)
{
    LogString("New Entity Constructed, called", name.c_str(), 1);
}

Entity::~Entity() { LogString("Entity Deconstructed, called", name.c_str(), 1); }

void Entity::Update(float, const TileGrid*) {}

void Entity::Draw(float, float, float) {}

void Entity::Think() {}

bool Entity::Save(std::ostream& file)
{
    // Default float formatting: six significant digits, the shorter of fixed and exponent form.
    file << type << '\n' << name << '\n' << x << '\n' << y << '\n';
    return static_cast<bool>(file);
}

bool Entity::Load(std::istream& file)
{
    std::string line;
    if (!framedata::ReadLine(file, line))
        return false;
    name = line;
    if (!framedata::ReadLine(file, line))
        return false;
    x = static_cast<float>(std::atof(line.c_str()));
    if (!framedata::ReadLine(file, line))
        return false;
    y = static_cast<float>(std::atof(line.c_str()));
    return true;
}

void Entity::OnCollide(Entity*) {}

Entity::Position Entity::MoveBy(float dt)
{
    const Position old {std::ceil(x), std::ceil(y)};
    x += velX * dt;
    y += velY * dt;
    return old;
}

void Entity::ForgetEntity(const Entity* gone)
{
    if (owner == gone)
        owner = nullptr;
}

void Entity::DrawDebugBox(float camX, float camY) const
{
    if (key[KEY_B])
        DrawCollisionBox(camX, camY);
}

void Entity::DrawCollisionBox(float camX, float camY) const
{
    if (EntityPainter* painter = CurrentEntityPainter())
        painter->FilledRect(x - camX + static_cast<float>(boxLeft), y - camY + static_cast<float>(boxTop),
                            static_cast<float>(boxRight - boxLeft + 1), static_cast<float>(boxBottom - boxTop + 1),
                            PaintColour {1, 0, 0, 0.4f});
}
