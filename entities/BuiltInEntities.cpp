#include "entities/BuiltInEntities.h"

#include "entities/E_Bullet.h"
#include "entities/E_Camera.h"
#include "entities/E_Cupcake.h"
#include "entities/E_Player.h"
#include "entities/EntityRegistry.h"

void RegisterBuiltInEntities(EntityRegistry& registry)
{
    registry.Register("CUPCAKE", MakeEntity<E_Cupcake>);
    registry.Register("BULLET", MakeEntity<E_Bullet>);
    registry.Register("CAMERA", MakeEntity<E_Camera>);
    registry.Register("PLAYER", MakeEntity<E_Player>);
}

void CreateEntityRegistry()
{
    DestroyEntityRegistry();
    g_EntityRegistry = new EntityRegistry();
    RegisterBuiltInEntities(*g_EntityRegistry);
}

void DestroyEntityRegistry()
{
    delete g_EntityRegistry;
    g_EntityRegistry = nullptr;
}
