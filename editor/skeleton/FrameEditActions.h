#pragma once
// What the frames panel's buttons and list rows do to the frames and to the editor entity's place
// in them, apart from drawing and the mouse. Everything acts on the entity's current frame set and
// frame, and does nothing while the skeleton has no such set.

class Skeleton;

struct FramePosition {
    int set = 0;
    int frame = 0;
};

// Transport buttons, left to right.
enum TransportButton {
    kPreviousSetButton = 0,
    kPreviousFrameButton = 1,
    kPlayButton = 2,
    kNextFrameButton = 3,
    kNextSetButton = 4,
};

// Frame-edit buttons, top to bottom.
enum FrameEditButton {
    kNewFrameButton = 0,
    kNewFrameSetButton = 1,
    kDeleteFrameButton = 2,
    kDeleteFrameSetButton = 3,
    kMoveFrameUpButton = 4,
    kMoveFrameDownButton = 5,
    kTweeningButton = 6,
    kCopySkeletonButton = 7,
};

// The frame list: each set is a row with its name followed by a row per frame.
int FrameListRowCount(const Skeleton& skeleton);
// The frame a row selects: a set's name row and its first frame row both select frame 0. False
// for a row past the list.
bool FrameAtRow(const Skeleton& skeleton, int row, FramePosition& at);

// Where transport button 0, 1, 3 or 4 goes from (s, f): the previous set (the last before set 0)
// or next set (set 0 after the last) at frame 0, the previous frame (the last before frame 0) or
// next frame (frame 0 after the last). Other buttons stay at (s, f).
FramePosition TransportDestination(const Skeleton& skeleton, int button, int s, int f);

// Frame-edit buttons 0 to 5 and 7, with their messages and confirmations. Button 6 (tweening) is
// the panel's own.
void RunFrameEditAction(int button);
