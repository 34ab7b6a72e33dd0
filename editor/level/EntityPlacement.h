#pragma once
// Entities in the level editor: the prototypes (one entity of each registered type, the source of
// the entity-type list), placing a new entity of the chosen type, and naming a placed one.

#include <iosfwd>
#include <string>

#include "level/LevelSave.h"

class Entity;

// Fills the state's prototypes with one entity per registered type.
void CreatePrototypes();
// A new entity of the chosen prototype's type at the world point, added to the level's entities.
// Nothing when no type can be made.
void PlaceEntity(float x, float y);
// The name dialog: shows the entity's type and lets the user edit its name (at most 255
// characters); Ok renames it.
void NameEntity(Entity& entity);
// The name dialog's own logic: the text the dialog starts with, cut to 255 characters.
std::string NameFieldText(const std::string& name);

// The entity file of the state's entities: its writer for a pair save, and reading one into the
// (fresh) entity list; false when that failed.
EntityFileWriter EntityFileWriterOf();
bool ReadEntityFile(std::istream& file);
