#pragma once
// Every picture of the engine that can be animated: lettered frame sets of numbered frames, found
// on disk purely by their names. For a base name B (a path without extension) frame f of set i is
// "B-<letter>-<ff>.png" with the letter 'a' + i and f as two digits (more when needed); a name that
// contains ".png" or ".PNG" is a single picture instead.
//
// The images are shared through the resource manager; playback state (which frame shows) lives in
// an Animation, so one AnyGraphics may be played by many. Owns its frame sets, which own their frames.
//
// Drawing takes a frame set index and a frame index and returns 0 when something was drawn (or the
// mode was not recognised), 1 when the indices are out of range or the frame has no image. Images
// are drawn fully opaque.

#include <cstdint>
#include <memory>
#include <string>

#include "graphics/FrameSet.h"

namespace rl {
class Bitmap;
}

class AnyGraphics {
public:
    // Makes a fresh array of count empty frame sets (a negative count makes none).
    int CreateFrameSets(int count);
    // One frame set holding one frame; 1 when the file does not exist.
    int LoadSingle(const std::string& fileName, Frame::OnBadPicture onBad = Frame::OnBadPicture::EndProgram);
    // A single picture (the name contains ".png" or ".PNG") or the lettered sets of a base name;
    // 1 when no set is found, and with Report also when a picture could not be read.
    int Load(const std::string& name, Frame::OnBadPicture onBad = Frame::OnBadPicture::EndProgram);

    // At the image's own size, top-left corner at (x, y).
    int DrawFrame(int frameSet, int frame, int x, int y) const;
    // Stretched to ceil(w * scale) by ceil(h * scale) at (x, y); mirror 0 as it is, 1 mirrored left
    // to right, anything else draws nothing.
    int DrawFrameScaled(int frameSet, int frame, int x, int y, float scale, int mirror) const;
    // At its own size, turned by angle degrees about the pivot (w + offsetX, offsetY) of the image,
    // the pivot placed at (x, y). flip mirrors it top to bottom with the pivot (w + offsetX, h - offsetY).
    int DrawFrameRotated(int frameSet, int frame, int x, int y, int offsetX, int offsetY, float angle,
                         bool flip) const;
    // Stretched to w * scale by h * scale and turned by angle degrees about a pivot placed at (x, y),
    // given in the image's own pixels. flipType 0: pivot (w + offsetX, offsetY); 1: pivot
    // (w + offsetX, h - offsetY), mirrored top to bottom; 2: pivot (w + offsetX, h * scale - offsetY),
    // mirrored left to right; anything else draws nothing.
    int DrawFrameRotatedScaled(int frameSet, int frame, int x, int y, float scale, float angle, int offsetX,
                               int offsetY, int flipType) const;

    // The frame set / frame, or null when an index is out of range.
    FrameSet* GetFrameSet(int frameSet) const;
    Frame* GetFrame(int frameSet, int frame) const;
    // Frames in the set; 0 for an index out of range.
    int FrameCount(int frameSet) const;

    int32_t frameSetCount = 0;               // the length of frameSets
    std::unique_ptr<FrameSet[]> frameSets;   // owned; set 0 plays first

private:
    // The image of the frame; null when the indices are out of range or the frame has none.
    const rl::Bitmap* ImageAt(int frameSet, int frame) const;

    // The real length of frameSets, so a frameSetCount changed by hand can never reach past it.
    int32_t allocated_ = 0;
};
