#pragma once
// The table of entity classes by type ID ("PLAYER", "SNOWMAN TANK", ...): the entity list file and
// the level editor make entities through it. Start-up creates the one registry with the built-in
// IDs (RegisterBuiltInEntities) and shut-down destroys it; g_EntityRegistry is null outside that.

#include <map>
#include <memory>
#include <string>

#include "entities/Entity.h"

// Makes a new entity of one class at (x, y) with the given name.
using EntityFactory = std::unique_ptr<Entity> (*)(float x, float y, const std::string& name);

class EntityRegistry {
public:
    EntityRegistry() = default;
    EntityRegistry(const EntityRegistry&) = delete;
    EntityRegistry& operator=(const EntityRegistry&) = delete;

    // Adds the ID. An ID already there keeps its first factory; that is alerted and logged.
    void Register(const std::string& id, EntityFactory factory);
    // A new entity of the ID's class at (0, 0) named `name`, its type set to the ID; null (alerted
    // and logged) for an unknown ID.
    std::unique_ptr<Entity> Create(const std::string& id, const std::string& name) const;
    bool Has(const std::string& id) const { return factories_.count(id) != 0; }

private:
    std::map<std::string, EntityFactory> factories_;   // sorted byte by byte
};

// The program's registry; null before start-up and after shut-down.
extern EntityRegistry* g_EntityRegistry;

// The factory of class T.
template <class T>
std::unique_ptr<Entity> MakeEntity(float x, float y, const std::string& name)
{
    return std::make_unique<T>(x, y, name);
}
