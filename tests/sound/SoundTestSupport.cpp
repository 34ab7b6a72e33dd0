#include "tests/sound/SoundTestSupport.h"

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <thread>

namespace soundtest {

namespace {

void Put16(std::string& out, int value)
{
    out += char(value & 0xFF);
    out += char((value >> 8) & 0xFF);
}

void Put32(std::string& out, uint32_t value)
{
    Put16(out, int(value & 0xFFFF));
    Put16(out, int(value >> 16));
}

} // namespace

bool WriteWav(const std::string& path, int rate, int channels, int bits, int frames,
              const SampleFunction& sample)
{
    const int bytesPerSample = bits / 8;
    const uint32_t dataBytes = uint32_t(frames) * uint32_t(channels * bytesPerSample);
    std::string out = "RIFF";
    Put32(out, 36 + dataBytes);
    out += "WAVEfmt ";
    Put32(out, 16);
    Put16(out, 1);   // PCM
    Put16(out, channels);
    Put32(out, uint32_t(rate));
    Put32(out, uint32_t(rate * channels * bytesPerSample));
    Put16(out, channels * bytesPerSample);
    Put16(out, bits);
    out += "data";
    Put32(out, dataBytes);
    for (int f = 0; f < frames; ++f)
        for (int c = 0; c < channels; ++c) {
            const int value = sample(f, c);
            if (bits == 8)
                out += char(value & 0xFF);
            else
                Put16(out, value);
        }
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << out;
    return bool(file);
}

bool WriteConstantWav(const std::string& path, int level, int milliseconds)
{
    return WriteWav(path, kRate, 1, 16, FramesFor(milliseconds), [level](int, int) { return level; });
}

std::string UseDiskOutput(const std::string& folder)
{
    const std::string path = folder + "/output.raw";
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", path.c_str(), 1);
    return path;
}

std::vector<Frame> ReadOutput(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::vector<Frame> frames;
    unsigned char bytes[4];
    while (in.read(reinterpret_cast<char*>(bytes), 4))
        frames.push_back({int16_t(bytes[0] | (bytes[1] << 8)), int16_t(bytes[2] | (bytes[3] << 8))});
    return frames;
}

size_t OutputFrames(const std::string& path)
{
    struct stat info {};
    return stat(path.c_str(), &info) == 0 ? size_t(info.st_size) / 4 : 0;
}

bool WaitForOutput(const std::string& path, size_t count)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (OutputFrames(path) < count) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

bool WaitForMore(const std::string& path, size_t frames)
{
    return WaitForOutput(path, OutputFrames(path) + frames);
}

std::vector<Stretch> Stretches(const std::vector<Frame>& frames, size_t from)
{
    std::vector<Stretch> stretches;
    for (size_t i = from; i < frames.size(); ++i) {
        const int level = frames[i].left;
        if (!stretches.empty() && std::abs(stretches.back().level - level) <= 2)
            ++stretches.back().length;
        else
            stretches.push_back({i, 1, level});
    }
    return stretches;
}

std::vector<Stretch> Sounding(const std::vector<Frame>& frames, size_t from)
{
    std::vector<Stretch> sounding;
    for (const Stretch& stretch : Stretches(frames, from))
        if (std::abs(stretch.level) > 2)
            sounding.push_back(stretch);
    return sounding;
}

size_t SoundingFrames(const std::vector<Frame>& frames, size_t from)
{
    size_t count = 0;
    for (size_t i = from; i < frames.size(); ++i)
        if (frames[i].left != 0 || frames[i].right != 0)
            ++count;
    return count;
}

std::string Describe(const std::vector<Stretch>& stretches)
{
    std::ostringstream text;
    for (const Stretch& s : stretches)
        text << "[at " << s.start << ", " << s.length << " frames, level " << s.level << "] ";
    return text.str();
}

} // namespace soundtest
