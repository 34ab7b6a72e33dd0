#include "graphics/Animation.h"

#include <algorithm>

#include "core/Clock.h"
#include "core/Log.h"
#include "graphics/AnyGraphics.h"

namespace {

// When a frame shown at now for duration ms is over. Summed in 64 bits and held at the clock's
// largest value: a frame data file may say 2147483647, which would otherwise wrap to the past and
// make the frame flicker instead of holding.
int32_t DueTime(int32_t now, int32_t duration)
{
    const int64_t due = int64_t(now) + duration;
    return static_cast<int32_t>(std::clamp<int64_t>(due, INT32_MIN, INT32_MAX));
}

} // namespace

void Animation::SetupAnims(AnyGraphics* pictures)
{
    frameSet = 0;
    frame = 0;
    animating = 0;
    graphics = pictures;
    if (!graphics) {
        LogText("Tried to SETUPANIMS with no AnyGraphics object!", 4);
        return;
    }
    // Pictures without a frame in set 0 have nothing to time: the animation stays inert.
    if (const Frame* first = graphics->GetFrame(0, 0)) {
        nextChange = DueTime(ElapsedMs, first->duration);
        animating = 1;
        frame = 0;
    }
    frameSet = 0;
}

void Animation::Update()
{
    if (!animating || !graphics)
        return;
    const int32_t now = ElapsedMs;
    if (nextChange >= now)
        return;
    // frameSet and frame may have been set by hand: a set without frames holds still, and a frame
    // outside the set starts it over.
    const int count = graphics->FrameCount(frameSet);
    if (count <= 0)
        return;
    ++frame;
    if (frame > count - 1 || frame < 0)
        frame = 0;
    nextChange = DueTime(now, graphics->GetFrame(frameSet, frame)->duration);
}
