#include "graphics/AnyGraphics.h"

#include "core/Log.h"
#include "graphics/SpriteFiles.h"

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

int AnyGraphics::LoadSingle(const std::string& fileName, Frame::OnBadPicture onBad)
{
    if (!spritefiles::FileExists(fileName)) {
        frameSetCount = 0;
        LogString("File does not exist: ", fileName.c_str(), 2);
        return 1;
    }
    CreateFrameSets(1);
    return frameSets[0].LoadSingle(fileName, onBad);
}

int AnyGraphics::Load(const std::string& name, Frame::OnBadPicture onBad)
{
    if (spritefiles::IsSinglePictureName(name))
        return LoadSingle(name, onBad);

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
        if (frameSets[i].Load(spritefiles::SetName(name, i).value_or(""), onBad) != 0)
            return 1;
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
    return set ? set->Count() : 0;
}

