#pragma once
// How often Canvas::Refresh presents a frame. A program that redraws whenever it is idle (the
// editors' dialogs) would otherwise present as fast as the driver draws and keep a core busy.
// Paced, each presentation waits for the display's refresh where the driver offers a swap
// interval, and in any case no more than the given number of frames are presented per second:
// the rest of each frame is slept out. Off (0) by default, so tests and benchmarks that present
// in a loop run at full speed.

namespace rl {

// Paces presented frames at most maxFramesPerSecond (0 or less: unpaced, swap interval 0).
void SetFramePacing(int maxFramesPerSecond);
int FramePacing();
// Whether the driver took the swap interval of 1 (wait for the display's refresh).
bool SwapIntervalSet();

namespace detail {
// Called by Canvas::Refresh just before a frame is presented: sleeps out the rest of the frame.
void PaceFrame();
} // namespace detail

} // namespace rl
