#pragma once
// The playback state of an AnyGraphics: which frame set plays, which of its frames shows, and when
// the next one is due on the ElapsedMs clock. Entities carry one as a base part of themselves;
// level tiles and bone skins play their pictures with one.
//
// The graphics are not owned: whoever owns them keeps them alive while the animation plays them.
// frameSet and frame may be set directly (to switch sets); the next advance counts from there, and
// an index that does not name a frame simply holds the animation still.

#include <cstdint>

class AnyGraphics;

class Animation {
public:
    // Attaches the pictures and starts from frame 0 of frame set 0. Without pictures, or without a
    // frame in set 0, the animation stays inert (animating 0).
    void SetupAnims(AnyGraphics* graphics);
    // Advances at most one frame once the clock has passed nextChange; playback loops.
    void Update();
    // The showing frame at its own size (Updates first once the clock runs); 0 when drawn, else 1.
    int Draw(int x, int y);
    // The showing frame through AnyGraphics::DrawFrameScaled (Updates first once the clock runs);
    // its result, or 1 without pictures.
    int DrawScaled(int x, int y, int mirror, float scale);

    int32_t frameSet = 0;
    int32_t frame = 0;
    int32_t nextChange = 0;              // ElapsedMs value after which the next frame is due
    int32_t animating = 0;               // 1 while the frames advance
    AnyGraphics* graphics = nullptr;     // not owned
};
