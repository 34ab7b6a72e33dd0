#include "skeleton/BoneSkin.h"

#include "graphics/AnyGraphics.h"

BoneSkin::BoneSkin() = default;
BoneSkin::~BoneSkin() = default;
// Moving keeps the graphics object where it is, so the animation's pointer stays right.
BoneSkin::BoneSkin(BoneSkin&&) noexcept = default;
BoneSkin& BoneSkin::operator=(BoneSkin&&) noexcept = default;

void BoneSkin::Clear()
{
    graphics_.reset();
    animation.graphics = nullptr;
    animation.animating = 0;
}

bool BoneSkin::Load(const std::string& path)
{
    Clear();
    auto loaded = std::make_unique<AnyGraphics>();
    // A skin that cannot be read leaves the bone without one; it never ends the editor.
    if (loaded->Load(path, Frame::OnBadPicture::Report) != 0)
        return false;
    graphics_ = std::move(loaded);
    animation.SetupAnims(graphics_.get());
    return true;
}
