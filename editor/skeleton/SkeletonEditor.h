#pragma once
// The skeleton editor, the program's main mode: sets up the editor state and the GUI font, runs
// the editor dialog until the user quits, and cleans up. Start-up calls it once, after the
// resource manager, the plug-ins and the clock exist.

void RunSkeletonEditor();

constexpr const char* kEditorVersion = "1.0";
