#pragma once
// The edits of the skeleton's bones that the toolbar, the view's and the bones panel's context
// menus and the properties dialog share. Each acts on the editor's skeleton, keeps the editor's
// selection pointing at live bones, and leaves the bone positions computed. Nothing here draws or
// asks, so the edits run the same from a gesture and from a test.

#include <string>

class Bone;

// A new bone "New" (angle 0, length 30) below the bone, drawn last; it becomes the selection.
void AddBoneBelow(Bone* bone);
// A new bone "New" (angle 0, length 30) between the bone and its children; selected.
void InsertBoneBelow(Bone* bone);
// Deletes the bone and everything below it; the selection goes. The Trunk stays: a skeleton
// without its root has nothing to pose.
void SubtractLimb(Bone* bone);
// Removes the bone alone, its children taking its place; the selection goes.
void ExtractOneBone(Bone* bone);
// A copy of the bone alone beside it (same parent), under an unused name, turned 45 degrees from
// it; selected. Nothing for the Trunk.
void DuplicateBone(Bone* bone);
// A copy of the bone and everything below it beside it (same parent). Nothing for the Trunk.
void DuplicateLimb(Bone* bone);
// Shows or hides the bone's skin.
void ToggleSkin(Bone* bone);
// Gives the bone a new name. An empty name changes nothing; a name another bone has, and "Trunk"
// for any bone but the root, get a counter (" (1)", ...), so every name in the saved file still
// finds its own bone.
void RenameBone(Bone* bone, const std::string& name);
