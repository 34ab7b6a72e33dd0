#pragma once
// Helpers for tests that listen to what the sound layer played: WAV files made on the spot, and
// SDL's disk output (the mixed stream, signed 16-bit stereo at 44100 Hz, written in real time).

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace soundtest {

constexpr int kRate = 44100;
constexpr int kBufferFrames = 1024;   // the layer's output buffer

constexpr int FramesFor(int milliseconds) { return int(int64_t(milliseconds) * kRate / 1000); }

// sample(frame, channel): a signed 16-bit value, or 0..255 for 8-bit files.
using SampleFunction = std::function<int(int frame, int channel)>;
bool WriteWav(const std::string& path, int rate, int channels, int bits, int frames,
              const SampleFunction& sample);
// A mono 16-bit 44100 Hz file holding one level for its whole length.
bool WriteConstantWav(const std::string& path, int level, int milliseconds);

// Sends the layer's output to a file in the given folder; call before the sound system starts.
// Returns the file's path.
std::string UseDiskOutput(const std::string& folder);

struct Frame {
    int left = 0, right = 0;
};

// The frames written so far.
std::vector<Frame> ReadOutput(const std::string& path);
size_t OutputFrames(const std::string& path);
// Waits until the output holds at least count frames; false after ten seconds.
bool WaitForOutput(const std::string& path, size_t count);
// Waits until frames more frames than now have been written.
bool WaitForMore(const std::string& path, size_t frames);

// A stretch of frames whose left channel stays within 2 of one value.
struct Stretch {
    size_t start = 0, length = 0;
    int level = 0;
};
// The stream from `from` on, cut into stretches of one level (silence included).
std::vector<Stretch> Stretches(const std::vector<Frame>& frames, size_t from = 0);
// Only the stretches that are not silent.
std::vector<Stretch> Sounding(const std::vector<Frame>& frames, size_t from = 0);
// Frames from `from` on whose channels are not both 0.
size_t SoundingFrames(const std::vector<Frame>& frames, size_t from = 0);

std::string Describe(const std::vector<Stretch>& stretches);

} // namespace soundtest
