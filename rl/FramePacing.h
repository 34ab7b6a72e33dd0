#pragma once
// How often Canvas::Refresh presents a frame. A program that redraws whenever it is idle (the
// editors' dialogs) would otherwise present as fast as the driver draws and keep a core busy.
//
// Paced, each presentation waits for the display's refresh where the driver offers a swap
// interval, and in any case the rest of each frame is slept out: at most activeFps frames a
// second while the user works the mouse or keyboard, and at most idleFps once neither has changed
// for idleAfterMs. Animations keep their timing (they run on the clock, not on frames); they are
// only shown less often while nobody touches anything. Off by default, so tests and benchmarks
// that present in a loop run at full speed.

namespace rl {

// activeFps <= 0 turns pacing off (swap interval 0). idleFps <= 0 (or above activeFps) means
// activeFps all the time.
void SetFramePacing(int activeFps, int idleFps = 0, int idleAfterMs = 1000);
int FramePacing();
// The rate in force for the frame being made now.
int CurrentFrameRate();
// Whether the driver took the swap interval of 1 (wait for the display's refresh).
bool SwapIntervalSet();

namespace detail {
// Called by Canvas::Refresh just before a frame is presented: sleeps out the rest of the frame.
void PaceFrame();
} // namespace detail

} // namespace rl
