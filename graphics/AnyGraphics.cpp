#include "graphics/AnyGraphics.h"

#include <cmath>

#include "core/Log.h"
#include "graphics/SpriteFiles.h"
#include "rl/Bitmap.h"
#include "rl/RenderMode.h"

namespace {

constexpr double kDegreesToRadians = 3.141592653589793 / 180;
constexpr float kOpaque = 1.0f;

// FlippedMode's modes.
constexpr int kMirrorLeftRight = 0;
constexpr int kMirrorTopBottom = 1;

float Radians(float degrees) { return static_cast<float>(degrees * kDegreesToRadians); }

} // namespace

int AnyGraphics::CreateFrameSets(int count)
{
    if (count < 0)
        count = 0;
    frameSetCount = count;
    frameSets = std::make_unique<FrameSet[]>(static_cast<size_t>(count));
    allocated_ = count;
    LogValue("ANYGRAPHICS::CREATEFRAMESETS - New FrameSets created, this many: ", count, 1);
    return 0;
}

int AnyGraphics::LoadSingle(const std::string& fileName)
{
    if (!spritefiles::FileExists(fileName)) {
        frameSetCount = 0;
        LogString("File does not exist: ", fileName.c_str(), 2);
        return 1;
    }
    CreateFrameSets(1);
    frameSets[0].LoadSingle(fileName);
    return 0;
}

int AnyGraphics::Load(const std::string& name)
{
    if (spritefiles::IsSinglePictureName(name))
        return LoadSingle(name);

    int count = 0;
    while (spritefiles::FileExists(spritefiles::FirstPictureName(name, count)))
        ++count;
    frameSetCount = count;
    if (count == 0) {
        LogText("NO FRAMESETS FOUND", 2);
        return 1;
    }
    CreateFrameSets(count);
    for (int i = 0; i < count; ++i)
        frameSets[i].Load(spritefiles::SetName(name, i).value_or(""));
    return 0;
}

FrameSet* AnyGraphics::GetFrameSet(int frameSet) const
{
    if (!frameSets || frameSet < 0 || frameSet >= frameSetCount || frameSet >= allocated_)
        return nullptr;
    return &frameSets[frameSet];
}

Frame* AnyGraphics::GetFrame(int frameSet, int frame) const
{
    const FrameSet* set = GetFrameSet(frameSet);
    return set ? set->GetFrame(frame) : nullptr;
}

int AnyGraphics::FrameCount(int frameSet) const
{
    const FrameSet* set = GetFrameSet(frameSet);
    return set ? set->frameCount : 0;
}

const rl::Bitmap* AnyGraphics::ImageAt(int frameSet, int frame) const
{
    const Frame* shown = GetFrame(frameSet, frame);
    return shown ? shown->bitmap : nullptr;
}

int AnyGraphics::DrawFrame(int frameSet, int frame, int x, int y) const
{
    const rl::Bitmap* image = ImageAt(frameSet, frame);
    if (!image)
        return 1;
    image->Draw(static_cast<float>(x), static_cast<float>(y), kOpaque);
    return 0;
}

int AnyGraphics::DrawFrameScaled(int frameSet, int frame, int x, int y, float scale, int mirror) const
{
    const rl::Bitmap* image = ImageAt(frameSet, frame);
    if (!image)
        return 1;
    // Whole pixels, rounded up, so a scaled sprite never loses its last row or column.
    const float w = std::ceil(image->Width() * scale), h = std::ceil(image->Height() * scale);
    const float left = static_cast<float>(x), top = static_cast<float>(y);
    if (mirror == 0)
        image->DrawStretched(left, top, w, h, kOpaque);
    else if (mirror == 1)
        image->DrawStretched(left, top, w, h, rl::FlippedMode(kMirrorLeftRight), kOpaque);
    return 0;
}

int AnyGraphics::DrawFrameRotated(int frameSet, int frame, int x, int y, int offsetX, int offsetY, float angle,
                                  bool flip) const
{
    const rl::Bitmap* image = ImageAt(frameSet, frame);
    if (!image)
        return 1;
    const float pivotX = static_cast<float>(image->Width() + offsetX);
    const float left = static_cast<float>(x), top = static_cast<float>(y);
    if (flip)
        image->DrawRotated(left, top, pivotX, static_cast<float>(image->Height() - offsetY), Radians(angle),
                           rl::FlippedMode(kMirrorTopBottom), kOpaque);
    else
        image->DrawRotated(left, top, pivotX, static_cast<float>(offsetY), Radians(angle), kOpaque);
    return 0;
}

int AnyGraphics::DrawFrameRotatedScaled(int frameSet, int frame, int x, int y, float scale, float angle, int offsetX,
                                        int offsetY, int flipType) const
{
    const rl::Bitmap* image = ImageAt(frameSet, frame);
    if (!image)
        return 1;
    const float w = static_cast<float>(image->Width()), h = static_cast<float>(image->Height());
    const float pivotX = w + offsetX;
    // The pivot's height per flip type. Type 2 takes it from the scaled height, unlike the other
    // two; stored skeletons are posed against exactly this placement.
    float pivotY = 0;
    switch (flipType) {
    case 0: pivotY = static_cast<float>(offsetY); break;
    case 1: pivotY = h - offsetY; break;
    case 2: pivotY = h * scale - offsetY; break;
    default: return 0;
    }
    const float left = static_cast<float>(x), top = static_cast<float>(y);
    if (flipType == 0)
        image->DrawRotatedStretched(left, top, w * scale, h * scale, pivotX, pivotY, Radians(angle), kOpaque);
    else
        image->DrawRotatedStretched(left, top, w * scale, h * scale, pivotX, pivotY, Radians(angle),
                                    rl::FlippedMode(flipType == 1 ? kMirrorTopBottom : kMirrorLeftRight), kOpaque);
    return 0;
}
