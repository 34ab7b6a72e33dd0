#pragma once
// An ordered collection of entities that owns them: drawn front to back in list order (later ones
// over earlier ones), found by name, position or point, and saved with the level.
//
// Removing an entity, or destroying the list, deletes it. Before an entity is deleted every other
// entity of the list (and of the current game list) forgets its links to it, so no owner pointer
// outlives its target. Iterating front to back while entities are added is safe: an iteration
// still running reaches entities added with Add but not those added with AddFront.
//
// One list at a time is the current game list, where entities put what they spawn (bullets,
// snowballs, explosions). A list that is destroyed stops being the current game list first.

#include <istream>
#include <list>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "entities/Entity.h"

struct PACKFILE;

class EntityList {
public:
    EntityList();
    ~EntityList();
    EntityList(const EntityList&) = delete;
    EntityList& operator=(const EntityList&) = delete;

    // Appends / inserts at the front (drawn first, behind all others); the list takes ownership.
    // Returns the entity (null for a null one, which is not added).
    Entity* Add(std::unique_ptr<Entity> entity);
    Entity* AddFront(std::unique_ptr<Entity> entity);
    // Deletes the first entry holding this entity; an entity not in the list is ignored.
    void Remove(Entity* entity);

    // Name of the entity at the 0-based position, or "invalid index" (logged).
    std::string GetName(int index) const;
    // The first entity with exactly this name, or null (logged).
    Entity* GetEntity(const std::string& name) const;
    // The entity at the 0-based position, or null (logged).
    Entity* GetEntity(int index) const;
    // The first entity whose box holds the point taken one pixel lower: x + boxLeft <= px <=
    // x + boxRight and y + boxTop <= py + 1 <= y + boxBottom. Null if none.
    Entity* GetEntityAt(float px, float py) const;

    // Draw (camX, camY, zoom) on every entity in list order.
    void DrawAll(float camX, float camY, float zoom);

    int Size() const { return static_cast<int>(entities_.size()); }
    // Replaces out's contents by the entities in list order (for a pass that must not see entities
    // added while it runs).
    void Collect(std::vector<Entity*>& out) const;

    // The entity list file: a seven-line header ending with the count, then for each entity an
    // empty line and its four-line record (type, name, x, y). Entities whose type is not a
    // registered ID are left out, as they could not be made again. False when the stream failed.
    bool Save(std::ostream& file) const;
    // Appends the entities of an entity list file, each made through the registry by its type. A
    // record of an unknown type is skipped. Reading stops at the end of the file, whatever the
    // count says; a file that ends inside a record gives false (the entities read so far stay).
    bool Load(std::istream& file);
    // The same over an open packfile (the level's files are packfiles). The level and its entity
    // file are saved as a pair through temporary files by SaveLevelFiles.
    bool Save(PACKFILE* file) const;
    bool Load(PACKFILE* file);
    // Load from the named file; false when it cannot be opened.
    bool LoadFile(const std::string& path);

    // Every entity forgets its links to gone.
    void ForgetEntity(const Entity* gone);

private:
    Entity* At(int index) const;   // null outside the list, without logging
    std::unique_ptr<Entity> Unlink(std::list<std::unique_ptr<Entity>>::iterator node);
    // Unlinks, lets everyone forget it, then deletes (its destructor may spawn into a list).
    void Delete(std::list<std::unique_ptr<Entity>>::iterator node);

    std::list<std::unique_ptr<Entity>> entities_;
};

// The current game list; null when there is none.
EntityList* CurrentGameList();
void SetCurrentGameList(EntityList* list);

// Puts a spawned entity into the current game list: at the end, or at the front. Without a current
// game list the entity has nowhere to live and is deleted. Returns it while it lives.
Entity* SpawnIntoGame(std::unique_ptr<Entity> entity);
Entity* SpawnIntoGameFront(std::unique_ptr<Entity> entity);
