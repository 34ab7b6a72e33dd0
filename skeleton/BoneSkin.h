#pragma once
// A bone's skin: the sprite graphics drawn along the bone, owned here, and the Animation that
// plays them (its graphics pointer refers to the owned graphics, or is null). Loading goes
// through the sprite loader, whose pictures come from the resource manager.
//
// Kept apart from the rest of the bone so the model never touches pictures except through here.

#include <memory>
#include <string>

#include "graphics/Animation.h"

class AnyGraphics;

class BoneSkin {
public:
    BoneSkin();
    ~BoneSkin();
    BoneSkin(BoneSkin&&) noexcept;
    BoneSkin& operator=(BoneSkin&&) noexcept;
    BoneSkin(const BoneSkin&) = delete;
    BoneSkin& operator=(const BoneSkin&) = delete;

    // Replaces the skin with the pictures of path (one picture when it contains ".png" or ".PNG",
    // else the lettered sets of the base name) and starts playing them. False, with no skin left,
    // when nothing could be loaded or a picture of it could not be read (after an alert).
    bool Load(const std::string& path);
    // Deletes the graphics; the animation is stopped and forgets them, so it never plays freed
    // pictures.
    void Clear();

    AnyGraphics* Graphics() const { return graphics_.get(); }
    bool HasGraphics() const { return graphics_ != nullptr; }

    Animation animation;

private:
    std::unique_ptr<AnyGraphics> graphics_;
};
