#pragma once
// Playing a level on the screen, as the level player program and the level editor's Play do: a
// level that cannot be played is explained in a message box instead of ending anything.

#include <string>

class EntityList;
class Level;

// Loads the level file and its entity file ("<level file>ENTS"), names the window after the level
// ("MARL - " and the file's name without its folder and extension) and plays until Escape. False,
// after telling the user why, when the level cannot be loaded or played.
bool PlayLevelFile(const std::string& levelFile);

// Plays the entities on the level until Escape; they are played on, so pass a copy to keep the
// originals. False, after telling the user why, when the entities hold no player.
bool PlayLevel(Level& level, EntityList& entities);

// Appends copies of the entities of from to to, as the entity file would keep them.
bool CopyEntities(const EntityList& from, EntityList& to);

// "Jungle" for ".../Levels/Jungle.LEV".
std::string LevelName(const std::string& levelFile);
