#include "entities/BuiltInEntities.h"

#include "entities/E_Bullet.h"
#include "entities/E_CactusMan.h"
#include "entities/E_Camera.h"
#include "entities/E_Cupcake.h"
#include "entities/E_Player.h"
#include "entities/E_SmallRobot.h"
#include "entities/E_Snowman.h"
#include "entities/E_SnowmanTank.h"
#include "entities/E_Soldier.h"
#include "entities/EntityRegistry.h"

void RegisterBuiltInEntities(EntityRegistry& registry)
{
    registry.Register("CUPCAKE", MakeEntity<E_Cupcake>);
    registry.Register("CACTUS MAN", MakeEntity<E_CactusMan>);
    registry.Register("BULLET", MakeEntity<E_Bullet>);
    registry.Register("CAMERA", MakeEntity<E_Camera>);
    registry.Register("PLAYER", MakeEntity<E_Player>);
    registry.Register("SMALL ROBOT", MakeEntity<E_SmallRobot>);
    registry.Register("SOLDIER", MakeEntity<E_Soldier>);
    registry.Register("SNOWMAN TANK", MakeEntity<E_SnowmanTank>);
    registry.Register("SNOWMAN", MakeEntity<E_Snowman>);
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
