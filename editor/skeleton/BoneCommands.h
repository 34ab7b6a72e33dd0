#pragma once
// The Bones menu's commands. Menu procedures returning a dialog code.

// Gives every frame the bone lengths of the current frame, after a confirmation.
int NormaliseCommand();
// Scales every bone length and skin offset by a factor chosen in the scale dialog.
int ScaleLengthsCommand();
