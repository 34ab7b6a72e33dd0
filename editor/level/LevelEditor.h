#pragma once
// The level editor as a program's loop: sets its state up (a 100 x 100 empty level with the jungle
// tileset and the backdrop, an empty entity list as the current game list, the prototypes, the
// palette level), runs its dialog until Exit is confirmed, and takes the state down again.

void RunLevelEditor();
