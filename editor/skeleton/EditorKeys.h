#pragma once
// The skeleton editor's keys that act while nothing else is open: Ctrl+S saves (Save As while
// untitled), Ctrl+O loads, Ctrl+N starts a new skeleton, Ctrl+Z undoes, Ctrl+Y and Ctrl+Shift+Z
// redo, Delete subtracts the selected bone with its limb, Page Up and Page Down step to the
// previous and next frame of the set.

// Answers a char message the view was given. D_USED_CHAR (with the command's own dialog code)
// when the key was one of the editor's, D_O_K otherwise.
int HandleEditorKey(int c);
