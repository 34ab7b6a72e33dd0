#pragma once
// Saving a level and its entity file ("<level file>ENTS") as one pair, so that a save that fails
// at any point leaves both previous files exactly as they were, and a new level never ends up
// beside the old entity file.
//
// Both files are first written in full to temporary files in their own folder; only when both are
// complete do they take the old files' places, the entity file first. Should the level's own
// replacement still fail, the old entity file is put back.

#include <functional>
#include <string>

#include "level/Level.h"

struct PACKFILE;

// Writes the entity list to the open file; false when that failed.
using EntityFileWriter = std::function<bool(PACKFILE* file)>;

// The entity file's name for a level file: the level file's name with "ENTS" appended; "" when
// that would not fit a file-name buffer.
std::string EntityFileName(const std::string& levelFile);

// Saves the level to levelFile and, when writeEntities is given, the entity list to
// EntityFileName(levelFile). On failure returns false with the reason (for the user) in *error;
// neither old file has changed.
bool SaveLevelFiles(const Level& level, const std::string& levelFile, const EntityFileWriter& writeEntities,
                    std::string* error);
