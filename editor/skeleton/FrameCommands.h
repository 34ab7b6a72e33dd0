#pragma once
// The Edit and Frames menus' commands on the editor entity's current frame set and frame: the
// frame clipboard and the frame time. Menu procedures returning a dialog code.

int CutFrameCommand();
int CopyFrameCommand();
int PasteFrameCommand();
int PasteToNewFrameCommand();
int ChangeFrameTimeCommand();
