#pragma once
// The file selector: a modal dialog of the toolkit's widgets for choosing a file. "Look in:"
// jumps to a file-system root, the list shows the current folder's sub-folders (".." goes up)
// and the files of the chosen type, "File Name:" holds the name, "Files of type:" switches
// between the caller's extension filter and "*.*".
//
// path holds the start folder on entry (relative to the executable's folder, or absolute) and, on
// return, the folder shown followed by the name field, cut to size bytes (rewritten on cancel
// too). Returns 1 when confirmed (Ok, or a double click on a file), 0 when cancelled (Cancel,
// Escape). The type chooser keeps its choice between calls.

int FileSelect(const char* extension, const char* title, char* path, int size);
