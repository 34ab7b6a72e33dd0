#pragma once
// The level editor's menu commands: New (the New Level dialog), Load and Save of the level with its
// entity file, Exit, About. Each returns what the dialog engine should do next.

#include <string>

int NewLevelCommand();
int LoadLevelCommand();
int SaveLevelCommand();
int ExitCommand();
int AboutLevelEditorCommand();

// The window title for a level file ("" for none yet).
std::string LevelEditorTitle(const std::string& fileName);

// Loads the level file and its entity file into the editor (what Load does after the selector).
// False when the level file could not be opened or read whole.
bool LoadLevelFiles(const std::string& path);
// Saves the editor's level and entities to the file pair; false (the user told why) on failure.
bool SaveLevelFilesOf(const std::string& path);

// Scroll position and scroll bars back to the level's start, fitted to its size.
void ResetMapView();
