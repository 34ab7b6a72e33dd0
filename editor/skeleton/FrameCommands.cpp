#include "editor/skeleton/FrameCommands.h"

#include "gui/Dialog.h"

// The frame clipboard and the frame-time dialog act on the editor entity's current frame; until
// they are in, the commands change nothing.
int CutFrameCommand() { return D_O_K; }
int CopyFrameCommand() { return D_O_K; }
int PasteFrameCommand() { return D_O_K; }
int PasteToNewFrameCommand() { return D_O_K; }
int ChangeFrameTimeCommand() { return D_O_K; }
