#pragma once
// The entity classes the game knows by type ID, registered in their fixed order.

class EntityRegistry;

void RegisterBuiltInEntities(EntityRegistry& registry);

// The registry of the running program: created with the built-in IDs at start-up, destroyed at
// shut-down (g_EntityRegistry in between).
void CreateEntityRegistry();
void DestroyEntityRegistry();
