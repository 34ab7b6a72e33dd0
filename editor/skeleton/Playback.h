#pragma once
// How the view drives the editor entity through the frames: the step run on every draw (the
// entity's blend towards its target, Space for play and stop, playing asks for the next frame),
// stepping with the F key on idle, and the two ways the editor sends the entity to a frame.

// Every view draw: the time step since the previous draw, the entity's update while it is on its
// way to a target, Space, and the next frame while playing.
void PlaybackStep();
// Every view idle: one frame on while F is held.
void StepWithFKey();

// Sets the entity's target (nextFrameSet, nextFrame), due one frame time from now while tweening
// and at once otherwise. The entity gets there through its own updates on the next draws.
void SetTarget(int set, int frame);
// Puts the entity on (set, frame) now, at rest there (current and target alike), and poses it.
// For edits that act on the current frame right after choosing it, and for edits that moved the
// frames under the entity.
void JumpTo(int set, int frame);
// Whether the bones' angles and lengths differ from the stored frame's entries (angles compared
// round the circle, both within a hundredth).
class Skeleton;
class SkeletonFrame;
bool PoseDiffersFromFrame(const Skeleton& skeleton, const SkeletonFrame& frame);
// Whether the entity rests on its frame (not playing, not on its way to another) with a pose that
// differs from the frame's: an edit that leaving the frame would drop.
bool PoseNotStored();
// Before the entity leaves its frame: with a pose not stored asks "Store the pose in this frame?";
// "&Yes" stores it there, "&No" lets it go. False for "&Cancel" (or Escape): stay.
bool SettlePoseBeforeLeaving();
// Whether Space asked to play since the last call (and the pose question is due first).
bool TakePlayRequest();
// Whether the entity's skeleton has the frame set (and so something to play or step through).
bool HasFrameSet(int set);
