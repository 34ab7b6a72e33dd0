#pragma once
// One named animation of a sprite: its frames in playback order.
//
// On disk a set S (a base name followed by "-" and the set's letter) is the pictures "S-00.png",
// "S-01.png", ... up to the first missing number, plus an optional frame data file "S.txt" whose
// line k gives the display time of frame k-1 in milliseconds (see FrameData.h).

#include <cstdint>
#include <memory>
#include <string>

#include "graphics/Frame.h"

class FrameSet {
public:
    // Makes a fresh array of count empty frames (a negative count makes none).
    int CreateFrames(int count);
    // A set of one frame from one picture, shown for 300 ms.
    // With Frame::OnBadPicture::Report, 1 after the first frame that fails (the rest not loaded).
    int LoadSingle(const std::string& fileName, Frame::OnBadPicture onBad = Frame::OnBadPicture::EndProgram);
    // The numbered pictures of the set S and their durations from "S.txt" (300 ms each without it).
    int Load(const std::string& setName, Frame::OnBadPicture onBad = Frame::OnBadPicture::EndProgram);

    // The frame, or null when the index is out of range.
    Frame* GetFrame(int index) const;
    // frameCount, but never more than were made.
    int32_t Count() const { return frameCount < allocated_ ? frameCount : allocated_; }

    int32_t frameCount = 0;            // the length of frames
    std::unique_ptr<Frame[]> frames;   // owned

private:
    // The real length of frames, so a frameCount changed by hand can never reach past it.
    int32_t allocated_ = 0;
};
