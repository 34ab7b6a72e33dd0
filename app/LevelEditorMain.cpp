// marl-level-editor: the level editor.

#include <allegro.h>

#include "app/StartUp.h"
#include "editor/level/LevelEditor.h"

int main(int, char**)
{
    ProgramSettings settings;
    settings.screenWidth = 1024;
    settings.screenHeight = 768;
    return RunProgram(settings, RunLevelEditor);
}
END_OF_MAIN()
