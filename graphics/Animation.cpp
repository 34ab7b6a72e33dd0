#include "graphics/Animation.h"

#include "core/Clock.h"
#include "core/Log.h"
#include "graphics/AnyGraphics.h"

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
        nextChange = ElapsedMs + first->duration;
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
    nextChange = now + graphics->GetFrame(frameSet, frame)->duration;
}
