#pragma once
// One picture of a frame set: an image and how long it stays on screen during playback.
//
// The image comes from the resource manager and is shared by every frame that names the same file.
// A frame never releases it: the manager keeps it, with its reference count, until the manager is
// destroyed at shut-down.

#include <cstdint>
#include <string>

namespace rl {
class Bitmap;
}

class Frame {
public:
    Frame() = default;
    ~Frame();
    Frame(const Frame&) = delete;
    Frame& operator=(const Frame&) = delete;

    // What a picture that is there but yields no image does: game data cannot go on without it;
    // an editor's skin reports it and goes on, so the user's unsaved work is never lost.
    enum class OnBadPicture { EndProgram, Report };

    // Loads the image through the resource manager and takes the duration. 1 (frame unchanged,
    // alert shown) when the file does not exist; a file that exists but yields no image ends the
    // program with exit code -1 after its alert, or with Report gives 1 after the alert and a log
    // line.
    int LoadGraphics(const std::string& fileName, int32_t duration, OnBadPicture onBad = OnBadPicture::EndProgram);

    rl::Bitmap* bitmap = nullptr;   // not owned; null until loaded
    int32_t duration = 0;           // milliseconds
};
