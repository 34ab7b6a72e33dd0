#include "entities/EntityList.h"

#include "core/Log.h"

namespace {

// The one current game list of the program.
EntityList* g_CurrentGameList = nullptr;

} // namespace

EntityList* CurrentGameList() { return g_CurrentGameList; }

void SetCurrentGameList(EntityList* list) { g_CurrentGameList = list; }

Entity* SpawnIntoGame(std::unique_ptr<Entity> entity)
{
    return g_CurrentGameList ? g_CurrentGameList->Add(std::move(entity)) : nullptr;
}

Entity* SpawnIntoGameFront(std::unique_ptr<Entity> entity)
{
    return g_CurrentGameList ? g_CurrentGameList->AddFront(std::move(entity)) : nullptr;
}

EntityList::EntityList()
{
    LogText("", 1);
    LogText("New Entity List Constructed", 1);
}

EntityList::~EntityList()
{
    // Entities deleted below may spawn others (a cactus man leaves explosions): they must not land
    // in this dying list.
    if (g_CurrentGameList == this)
        g_CurrentGameList = nullptr;
    LogText("", 1);
    LogText("Entity List deconstructing", 1);
    while (!entities_.empty()) {
        LogText("", 3);
        LogString("Trying to delete from Ent List: ", entities_.front()->name.c_str(), 3);
        Delete(entities_.begin());
    }
    LogText("Entity List deconstructed", 1);
}

Entity* EntityList::Add(std::unique_ptr<Entity> entity)
{
    if (!entity)
        return nullptr;
    entities_.push_back(std::move(entity));
    return entities_.back().get();
}

Entity* EntityList::AddFront(std::unique_ptr<Entity> entity)
{
    if (!entity)
        return nullptr;
    entities_.push_front(std::move(entity));
    return entities_.front().get();
}

void EntityList::Remove(Entity* entity)
{
    if (!entity)
        return;
    for (auto node = entities_.begin(); node != entities_.end(); ++node)
        if (node->get() == entity) {
            Delete(node);
            return;
        }
}

std::unique_ptr<Entity> EntityList::Unlink(std::list<std::unique_ptr<Entity>>::iterator node)
{
    std::unique_ptr<Entity> entity = std::move(*node);
    entities_.erase(node);
    return entity;
}

void EntityList::Delete(std::list<std::unique_ptr<Entity>>::iterator node)
{
    std::unique_ptr<Entity> entity = Unlink(node);
    ForgetEntity(entity.get());
    if (g_CurrentGameList && g_CurrentGameList != this)
        g_CurrentGameList->ForgetEntity(entity.get());
    entity.reset();
}

void EntityList::ForgetEntity(const Entity* gone)
{
    for (const std::unique_ptr<Entity>& entity : entities_)
        entity->ForgetEntity(gone);
}

Entity* EntityList::At(int index) const
{
    if (index < 0 || index >= Size())
        return nullptr;
    auto node = entities_.begin();
    std::advance(node, index);
    return node->get();
}

std::string EntityList::GetName(int index) const
{
    if (const Entity* entity = At(index))
        return entity->name;
    LogValue("ENTITYLIST::GETNAME - Invalid index number - ", index, 4);
    return "invalid index";
}

Entity* EntityList::GetEntity(const std::string& wanted) const
{
    for (const std::unique_ptr<Entity>& entity : entities_)
        if (entity->name == wanted)
            return entity.get();
    LogText("ENTITYLIST::GETENTITY - Couldn't find entity named - ", 4);
    LogText(wanted, 4);
    return nullptr;
}

Entity* EntityList::GetEntity(int index) const
{
    if (Entity* entity = At(index))
        return entity;
    LogValue("ENTITYLIST::GETENTITY BY INDEX - Couldn't find entity at index - ", index, 4);
    return nullptr;
}

Entity* EntityList::GetEntityAt(float px, float py) const
{
    const float below = py + 1;   // the point is tested one pixel lower
    for (const std::unique_ptr<Entity>& entity : entities_) {
        const Entity& e = *entity;
        if (e.x + static_cast<float>(e.boxLeft) <= px && px <= e.x + static_cast<float>(e.boxRight) &&
            e.y + static_cast<float>(e.boxTop) <= below && below <= e.y + static_cast<float>(e.boxBottom))
            return entity.get();
    }
    return nullptr;
}

void EntityList::Collect(std::vector<Entity*>& out) const
{
    out.clear();
    for (const std::unique_ptr<Entity>& entity : entities_)
        out.push_back(entity.get());
}

void EntityList::DrawAll(float camX, float camY, float zoom)
{
    for (const std::unique_ptr<Entity>& entity : entities_)
        entity->Draw(camX, camY, zoom);
}
