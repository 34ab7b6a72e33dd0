#include "entities/EntityRegistry.h"

#include "core/Alert.h"
#include "core/Log.h"

EntityRegistry* g_EntityRegistry = nullptr;

void EntityRegistry::Register(const std::string& id, EntityFactory factory)
{
    if (Has(id)) {
        const std::string text = "Entity plugin with ID '" + id + "' already loaded!";
        ShowAlert(text);
        LogText(text, 4);
        return;
    }
    factories_.emplace(id, factory);
    LogText("Entity plugin '" + id + "' loaded correctly.", 4);
}

std::unique_ptr<Entity> EntityRegistry::Create(const std::string& id, const std::string& name) const
{
    const auto found = factories_.find(id);
    if (found == factories_.end() || !found->second) {
        const std::string text = "Could not find Entity plugin with ID '" + id + "'!";
        ShowAlert(text);
        LogText(text, 4);
        return nullptr;
    }
    std::unique_ptr<Entity> entity = found->second(0, 0, name);
    if (entity)
        entity->type = id;
    return entity;
}
