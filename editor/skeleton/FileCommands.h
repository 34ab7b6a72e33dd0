#pragma once
// The editor's File, Options and Help commands: menu procedures returning a dialog code (ok,
// close or redraw).

#include <string>

// New, Load and Exit first offer to save unsaved changes ("Save changes to <name>?" with Yes, No
// and Cancel); without changes New and Exit ask their own questions instead.
//
// "Start new Skeleton?": on "&Yes" the skeleton is reset to a lone Trunk, untitled.
int NewCommand();
// Chooses a skeleton file under "../Game Data/Skeletons/" and loads it; a name that does not exist
// says "File not found: " and the name.
int LoadCommand();
// Chooses a file name, appends ".txt" where the name holds none, asks before overwriting, saves.
int SaveCommand();
// Saves to the file loaded or saved last without asking; untitled, as SaveCommand.
int QuickSaveCommand();
// "Do you really want to quit?": close on "&Yes".
int ExitCommand();

// Whether the skeleton's file text differs from the one it had when it was last loaded, saved or
// made new.
bool HasUnsavedChanges();
// Takes the skeleton as it is now for saved.
void MarkSaved();
// The file name part of the file loaded or saved last, or "untitled".
std::string DocumentName();
enum class UnsavedAnswer { kNoChanges, kGoOn, kStay };
// With unsaved changes asks whether to save them: "&Yes" saves (kStay when that is cancelled or
// fails), "&No" goes on without, "&Cancel" and Escape stay. kNoChanges asks nothing.
UnsavedAnswer AskToSaveChanges();
// Save to the file loaded or saved last, or Save As while untitled; false when nothing was saved.
bool SaveDocument();
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
