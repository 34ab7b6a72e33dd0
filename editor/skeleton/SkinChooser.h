#pragma once
// The skin chooser: picks a bone's skin with the file selector, starting in the folder of the skin
// chosen last. A picture file is the skin itself; a base name whose "-a-00.png" picture exists is
// a lettered set of pictures; anything else leaves the bone without a skin ("NO SKIN").

#include <string>

class Bone;

// The skin label and skin path are kept at most this long, as in the chooser's path buffer.
constexpr int kSkinPathSize = 200;

// Runs the file selector ("Choose a Skin") and applies the choice to the bone. Cancelled, nothing
// changes. The label shown for the bone's skin, when given, is set to the file name chosen.
void ChooseSkin(Bone* bone, std::string* label);

// Applies a path as chosen: sets the bone's skin path, loads the skin, and remembers the folder in
// LastSkinFolder. Returns the label: the file name part of the picture found, or "NO SKIN".
std::string ApplyChosenSkin(Bone* bone, const std::string& chosen);

// The part of a path after its last "/"; the folder part up to and including it ("" without one).
std::string SkinFileName(const std::string& path);
std::string SkinFolder(const std::string& path);
