#pragma once
// The file selector: a modal dialog of the toolkit's widgets for choosing a file. "Look in:"
// jumps to a file-system root, the list shows the current folder's sub-folders (".." goes up)
// and the files of the chosen type, "File Name:" holds the name, "Files of type:" switches
// between the caller's extension filter and "*.*".
//
// path holds the start folder on entry (relative to the executable's folder, or absolute) and, on
// return, the chosen path (ChosenPath), cut to size bytes (rewritten on cancel too). Returns 1
// when confirmed (Ok, Enter, or a double click on a file), 0 when cancelled (Cancel, Escape) and
// when the chosen path does not fit in size bytes, which a message box says. The type chooser
// keeps its choice between calls.

#include <string>

int FileSelect(const char* extension, const char* title, char* path, int size);

// The path a name typed into the field names: a full path ("/home/me/arm.txt") as it is, a path
// with folders relative to the folder shown, a plain name in that folder; "." and ".." resolved.
std::string ChosenPath(const std::string& folder, const std::string& name);
