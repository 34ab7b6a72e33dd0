#include "editor/skeleton/BoneCommands.h"

#include "gui/Dialog.h"

// Normalise and the scale dialog; until they are in, the commands change nothing.
int NormaliseCommand() { return D_O_K; }
int ScaleLengthsCommand() { return D_O_K; }
