#include "tests/skeleton/SkeletonFuzzTarget.h"

#include <string_view>

#include "core/Alert.h"
#include "skeleton/LineReader.h"
#include "skeleton/Skeleton.h"
#include "tests/skeleton/SkeletonInvariants.h"
#include "tests/skeleton/SkinTestSupport.h"

namespace {

bool HasMarker(const std::string& text, bool boneName)
{
    return text.find("##") != std::string::npos || text.find("//") != std::string::npos ||
           (boneName && (text.find('+') != std::string::npos || text.find("**") != std::string::npos));
}

// Whether the file written from the skeleton must read back as the same file: the reader's
// markers and comment cuts act on names that hold them (a quirk of the format that stays). Every
// line the writer writes, the reader reads whole, and skin offsets are written as the whole numbers
// the reader takes.
bool WritesFaithfully(const Skeleton& skeleton)
{
    for (const auto& bone : skeleton.BoneList())
        if (HasMarker(bone->name, true))
            return false;
    for (int s = 0; s < skeleton.FrameSetCount(); ++s)
        if (HasMarker(skeleton.GetFrameSet(s)->name, false))
            return false;
    return true;
}

} // namespace

std::string FuzzSkeletonFile(const uint8_t* data, size_t size)
{
    // Skins that happen to name real pictures load as they would in the program (queued, as there
    // is no screen); alerts are kept, not shown.
    static TestResources resources;
    SetAlertRecording(true);
    ClearRecordedAlerts();

    const std::string_view text(reinterpret_cast<const char*>(data), size);
    Skeleton skeleton;
    LineReader lines(text);
    std::string error;
    skeleton.Read(lines, "fuzz.txt", &error);
    std::string broken = InvariantViolation(skeleton);
    if (!broken.empty())
        return "after reading: " + broken;

    // Posing any pair of frames, valid or not, stays inside the frames.
    for (int s = -1; s <= skeleton.FrameSetCount(); ++s) {
        const SkeletonFrameSet* set = skeleton.GetFrameSet(s);
        const int frames = set ? set->FrameCount() : 1;
        for (int f = -1; f <= frames && f < 4; ++f)
            skeleton.SetPose(s, f, 0, f + 1, 0.5f);
    }
    skeleton.UpdatePositions();

    const std::string written = skeleton.Write(0);
    Skeleton again;
    LineReader writtenLines(written);
    const int result = again.Read(writtenLines, "fuzz.txt", &error);
    broken = InvariantViolation(again);
    if (!broken.empty())
        return "after reading what was written: " + broken;
    if (WritesFaithfully(skeleton)) {
        if (result != 0)
            return "what was written does not read back: " + error;
        if (again.Write(0) != written)
            return "what was written reads back differently";
    }
    ClearRecordedAlerts();
    return "";
}
