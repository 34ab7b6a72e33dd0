#include "graphics/FrameSet.h"

#include <sstream>
#include <vector>

#include "core/InputFile.h"
#include "core/Log.h"
#include "graphics/FrameData.h"
#include "graphics/SpriteFiles.h"

namespace {

// The display time of every frame of a set without a frame data file.
constexpr int32_t kDefaultDuration = 300;

} // namespace

int FrameSet::CreateFrames(int count)
{
    if (count < 0)
        count = 0;
    frameCount = count;
    frames = std::make_unique<Frame[]>(static_cast<size_t>(count));
    allocated_ = count;
    LogValue("FRAMESET::CREATEFRAMES - New frames created, this many: ", count, 1);
    return 0;
}

int FrameSet::LoadSingle(const std::string& fileName, Frame::OnBadPicture onBad)
{
    CreateFrames(1);
    const int result = frames[0].LoadGraphics(fileName, kDefaultDuration, onBad);
    return onBad == Frame::OnBadPicture::Report ? result : 0;
}

int FrameSet::Load(const std::string& setName, Frame::OnBadPicture onBad)
{
    int count = 0;
    while (spritefiles::FileExists(spritefiles::FrameFileName(setName, count)))
        ++count;
    CreateFrames(count);

    LogText("", 2);
    // The data file is read whole, and only when it is a regular file of a sane size.
    std::string data, refusal;
    bool found = false;
    if (const std::optional<std::string> dataName = spritefiles::DataFileName(setName);
        dataName && spritefiles::FileExists(*dataName)) {
        found = inputfile::Read(*dataName, inputfile::kMaxFrameDataFileBytes, data, &refusal) == inputfile::Refusal::None;
        if (!found)
            LogText(refusal, 2);
    }
    std::vector<int32_t> durations;
    if (found) {
        LogText("Found animation data file!", 2);
        std::istringstream dataFile(data);
        durations = framedata::ReadDurations(dataFile, count);
    } else {
        LogText("No corrisponding frame data file found, using defualt values", 2);
        durations.assign(static_cast<size_t>(count), kDefaultDuration);
    }

    for (int i = 0; i < count; ++i) {
        // Counted a moment ago, so the name fits; a file that vanished since is reported by the frame.
        const int result = frames[i].LoadGraphics(spritefiles::FrameFileName(setName, i).value_or(""),
                                                  durations[static_cast<size_t>(i)], onBad);
        if (result != 0 && onBad == Frame::OnBadPicture::Report)
            return 1;
    }
    return 0;
}

Frame* FrameSet::GetFrame(int index) const
{
    if (!frames || index < 0 || index >= frameCount || index >= allocated_)
        return nullptr;
    return &frames[index];
}
