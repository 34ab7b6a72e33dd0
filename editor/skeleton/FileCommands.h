#pragma once
// The editor's File, Options and Help commands: menu procedures returning a dialog code (ok,
// close or redraw).

// "Start new Skeleton?": on "&Yes" the skeleton is reset to a lone Trunk.
int NewCommand();
// Chooses a skeleton file under "../Game Data/Skeletons/" and loads it.
int LoadCommand();
// Chooses a file name, appends ".txt" where the name holds none, asks before overwriting, saves.
int SaveCommand();
// "Do you really want to quit?": close on "&Yes".
int ExitCommand();
// Chooses the picture drawn behind the skeleton; a name that does not exist removes it.
int ChangeReferencePictureCommand();
// Names the program and its version.
int AboutCommand();

// The title after a file was loaded or saved: "MARL Skeleton Editor - " and the path's file name.
const char* EditorTitlePrefix();
// The part of a path after its last folder separator.
const char* FileNamePart(const char* path);
// The skeleton file name a save writes: path with ".txt" appended unless ".txt" occurs anywhere
// in it, the result cut to size - 1 characters.
void AppendTxtExtension(char* path, int size);
