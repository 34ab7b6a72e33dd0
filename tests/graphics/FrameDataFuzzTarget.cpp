#include "tests/graphics/FrameDataFuzzTarget.h"

#include <algorithm>
#include <sstream>
#include <vector>

#include "core/Clock.h"
#include "graphics/Animation.h"
#include "graphics/AnyGraphics.h"
#include "graphics/FrameData.h"

namespace {

// The file's lines as a reader of the format must see them: LF, CR LF and a lone CR end a line,
// and only the first kMaxLineLength characters of a line count.
std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find_first_of("\r\n", start);
        if (end == std::string::npos)
            end = text.size();
        lines.push_back(text.substr(start, std::min(end - start, framedata::kMaxLineLength)));
        start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    return lines;
}

// Plays the durations on a set of frames without pictures, the clock set by hand: a frame holds
// exactly as long as it says (a negative time until the next update), and the showing frame never
// leaves the set.
std::string Play(const std::vector<int32_t>& durations, int32_t start)
{
    AnyGraphics graphics;
    graphics.CreateFrameSets(1);
    graphics.frameSets[0].CreateFrames(static_cast<int>(durations.size()));
    for (size_t i = 0; i < durations.size(); ++i)
        graphics.frameSets[0].frames[i].duration = durations[i];
    ElapsedMs = start;
    Animation animation;
    animation.SetupAnims(&graphics);
    if (durations.empty())
        return animation.animating ? "a set without frames animates" : "";
    int32_t shownAt = start;
    for (size_t step = 0; step < durations.size() + 2; ++step) {
        const int32_t shown = animation.frame;
        if (shown < 0 || shown >= static_cast<int32_t>(durations.size()))
            return "frame " + std::to_string(shown) + " is outside the set";
        const int64_t due = std::min<int64_t>(int64_t(shownAt) + durations[static_cast<size_t>(shown)], INT32_MAX);
        if (animation.nextChange != due)
            return "frame " + std::to_string(shown) + " is due at " + std::to_string(animation.nextChange) +
                   " instead of " + std::to_string(due);
        if (std::max<int64_t>(due, shownAt) >= INT32_MAX - 10)
            break;   // held for good, or the clock's end is reached before it could move on
        if (due >= shownAt) {
            ElapsedMs = static_cast<int32_t>(due);
            animation.Update();
            if (animation.frame != shown)
                return "frame " + std::to_string(shown) + " left before its time";
        }
        ElapsedMs = static_cast<int32_t>(std::max<int64_t>(due, shownAt)) + 10;
        shownAt = ElapsedMs;
        animation.Update();
        const int32_t next = shown + 1 < static_cast<int32_t>(durations.size()) ? shown + 1 : 0;
        if (animation.frame != next)
            return "frame " + std::to_string(shown) + " was followed by " + std::to_string(animation.frame);
    }
    return "";
}

} // namespace

std::string FuzzFrameData(const uint8_t* data, size_t size)
{
    if (size == 0)
        return "";
    const int count = data[0] % 64;
    const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);

    const std::vector<std::string> expected = Lines(text);
    std::istringstream lineStream(text);
    std::string line;
    for (size_t i = 0; framedata::ReadLine(lineStream, line); ++i) {
        if (i >= expected.size())
            return "more lines read than the file has";
        if (line != expected[i])
            return "line " + std::to_string(i + 1) + " read as other text";
    }

    std::istringstream file(text);
    const std::vector<int32_t> durations = framedata::ReadDurations(file, count);
    if (durations.size() != static_cast<size_t>(count))
        return "durations for " + std::to_string(durations.size()) + " of " + std::to_string(count) + " frames";
    for (size_t i = 0; i < durations.size(); ++i) {
        const int32_t wanted =
            i < expected.size() ? framedata::TextToInteger(expected[i]) : framedata::kMissingLineDuration;
        if (durations[i] != wanted)
            return "frame " + std::to_string(i) + " lasts " + std::to_string(durations[i]) + " instead of " +
                   std::to_string(wanted);
    }
    // From early in a run and from a clock near its end.
    for (const int32_t start : {int32_t(1000), int32_t(INT32_MAX - 1000000)}) {
        const std::string broken = Play(durations, start);
        if (!broken.empty())
            return broken;
    }
    return "";
}
