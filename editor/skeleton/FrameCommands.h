#pragma once
// The frame clipboard and the Edit and Frames menus' commands on the editor entity's current frame
// set and frame. The clipboard frame is made by the first Cut or Copy and kept until the editor
// ends; the frames panel's context menu uses the same operations.

// Copies frame f of set s into the clipboard (made if there is none). Nothing more for a frame
// that does not exist.
void CopyFrame(int s, int f);
// Copies frame f of set s into the clipboard and deletes it, unless it is the set's only frame.
// The entity stays on its frame, or on the set's last one when its frame went.
void CutFrame(int f, int s);
// Overwrites frame f of set s with the clipboard; true when it did. False without a clipboard,
// for a set or frame that does not exist, and for a clipboard frame of another bone count (bones
// were added or removed since it was copied), each logged at priority 4 but the first.
bool PasteFrame(int f, int s);
// Pastes the clipboard into a new frame after frame f of set s, which the entity moves on to;
// true when it did. Refused as PasteFrame is, before anything changes.
bool PasteToNewFrame(int f, int s);

// Menu procedures returning a dialog code.
int CutFrameCommand();
int CopyFrameCommand();
int PasteFrameCommand();
int PasteToNewFrameCommand();
// The frame-time dialog: a time of 21 to 9999 ms becomes the entity's blendTime.
int ChangeFrameTimeCommand();
