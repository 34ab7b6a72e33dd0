// marl: the skeleton editor.

#include <allegro.h>

#include "app/StartUp.h"
#include "editor/skeleton/SkeletonEditor.h"

int main(int, char**) { return RunProgram(ProgramSettings {}, RunSkeletonEditor); }
END_OF_MAIN()
