#pragma once
// The skeleton editor, the program's main mode: sets up the editor state and the GUI font, runs
// the editor dialog until the user quits, and cleans up. Start-up calls it once, after the
// resource manager, the plug-ins and the clock exist.

void RunSkeletonEditor();

// The editor's model as start-up makes it: the entity list holding the editor entity "Edit
// Skeleton" with a new skeleton (a lone Trunk), posed at frame 0 of set 0.
void CreateEditorModel();

constexpr const char* kEditorVersion = "1.0";
