#include "export/Timeline.h"

namespace {

int64_t StartMs(int64_t index, int fps) { return index * 1000 / fps; }

} // namespace

Timeline::Timeline(int storedFrames, int frameMs, int fps) : frames_(storedFrames), frameMs_(frameMs), fps_(fps)
{
    // ceil(loop length * fps / 1000): the last sample lies within the loop.
    const int64_t loopTimesFps = static_cast<int64_t>(frames_) * frameMs_ * fps_;
    const int64_t count = (loopTimesFps + 999) / 1000;
    count_ = count < 1 ? 1 : static_cast<int>(count);
}

PoseSample Timeline::Sample(int index) const
{
    // Sample i is at i * 1000 / fps ms; in units of 1 / fps ms it is the whole number i * 1000.
    const int64_t at = static_cast<int64_t>(index) * 1000;
    const int64_t blend = static_cast<int64_t>(frameMs_) * fps_;
    const int64_t step = at / blend;
    PoseSample sample;
    sample.frameA = static_cast<int>(step % frames_);
    sample.frameB = sample.frameA + 1 < frames_ ? sample.frameA + 1 : 0;
    sample.t = static_cast<float>(static_cast<double>(at - step * blend) / static_cast<double>(blend));
    sample.timeMs = StartMs(index, fps_);
    return sample;
}

int Timeline::DurationMs(int index) const { return static_cast<int>(StartMs(index + 1, fps_) - StartMs(index, fps_)); }
