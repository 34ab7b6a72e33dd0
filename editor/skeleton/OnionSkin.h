#pragma once
// The onion skin: behind the current pose, the view shows the frame before it and the frame after
// it in the current set, as translucent bone lines (blue before, green after) and, while skins
// are shown, as faint tinted skins. Frame 0's frame before is the set's last, and the last frame's
// frame after is frame 0, as playback goes round. Nothing is shown for a set of one frame or while
// playing; the switch keeps its state through playback.

#include <vector>

class Skeleton;

enum class OnionSide { kBefore, kAfter };

struct OnionFrame {
    int frame;
    OnionSide side;
    bool operator==(const OnionFrame& o) const { return frame == o.frame && side == o.side; }
};

// The frames drawn around frame `frame` of set `set`: the one before, then the one after (the same
// frame twice in a set of two). None while playing, for a set of one frame, or for a set or frame
// the skeleton does not have.
std::vector<OnionFrame> OnionFrames(const Skeleton& skeleton, int set, int frame, bool playing);

// Draws the editor entity's neighbouring frames when the switch is on, before the current pose is
// drawn; the skeleton's own pose is left as it was.
void DrawOnionSkin();

// Frames, Onion Skin (also the O key): turns the switch over and ticks the menu entry.
int ToggleOnionSkinCommand();
