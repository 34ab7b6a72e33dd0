#pragma once
// Which pose each exported frame of a frame set shows: the set played as the editor plays it,
// blending from each stored frame to the next over one frame time and wrapping from the last frame
// to the first, sampled at a fixed rate from time 0 for one full loop.
//
// Pure arithmetic on whole milliseconds and frames a second, so every sample is exact.

#include <cstdint>

struct PoseSample {
    int frameA = 0;       // the stored frame the blend starts from
    int frameB = 0;       // the stored frame it goes towards (frame 0 after the last)
    float t = 0;          // 0 shows frameA, 1 would show frameB
    int64_t timeMs = 0;   // the sample's time from the start of the loop, rounded down
};

class Timeline {
public:
    // storedFrames, frameMs and fps are at least 1.
    Timeline(int storedFrames, int frameMs, int fps);

    // Samples in one loop: enough to cover storedFrames * frameMs at fps, at least 1.
    int SampleCount() const { return count_; }
    PoseSample Sample(int index) const;
    // How long sample index stays on screen, in whole milliseconds; the durations of a loop add
    // up to the loop's length at the sample rate (33, 33, 34, ... at 30 a second).
    int DurationMs(int index) const;

private:
    int frames_, frameMs_, fps_;
    int count_;
};
