#include "tests/skeleton/SkeletonModelFuzzTarget.h"

#include <climits>
#include <cmath>
#include <cstdio>
#include <vector>

#include "core/Alert.h"
#include "skeleton/LineReader.h"
#include "skeleton/NumberText.h"
#include "skeleton/Skeleton.h"
#include "tests/skeleton/SkeletonInvariants.h"

namespace {

// The fuzzer's bytes, taken from the front; zeros once they run out.
class Bytes {
public:
    Bytes(const uint8_t* data, size_t size) : data_(data), size_(size) {}

    bool Left() const { return at_ < size_; }
    uint8_t Byte() { return at_ < size_ ? data_[at_++] : 0; }
    int Word() { return (Byte() << 8) | Byte(); }
    // 0 .. count - 1 (0 for count 0).
    int Pick(int count) { return count > 0 ? Word() % count : 0; }
    // A signed number of any size the editor may reach, sometimes a huge one.
    float Number()
    {
        const int kind = Byte() % 8;
        const float small = static_cast<float>(static_cast<int16_t>(Word())) / 16.0f;
        if (kind == 0)
            return small * 1e6f;
        if (kind == 1)
            return small * 1e-4f;
        return small;
    }
    // A name as typed into the editor: printable, never empty, without the file's markers ('+',
    // "##", "//"); sometimes a base name that is already taken, sometimes long enough to make the
    // file's lines longer than the reader reads.
    std::string Name()
    {
        static const char* const kTaken[] = {"Trunk", "Arm", "Arm (1)", "Leg (2)", "Default 0", "Arm (1) (1)"};
        static const char kLetters[] = "abzAZ09 -_().,*!?~\t\xc3\xa9";
        const int kind = Byte() % 16;
        if (kind < 4)
            return kTaken[kind];
        if (kind == 4 && longNames_ < 3) {
            // Around the longest line the reader reads whole, on either side of it.
            ++longNames_;
            return std::string(LineReader::MaxLineLength - 64 + Byte(), static_cast<char>('a' + Byte() % 26));
        }
        std::string name;
        const int length = 1 + Byte() % 20;
        for (int i = 0; i < length; ++i)
            name += kLetters[Byte() % (sizeof kLetters - 1)];
        return name;
    }

private:
    const uint8_t* data_;
    size_t size_;
    size_t at_ = 0;
    int longNames_ = 0;
};

void CollectNodes(SkeleNode* node, std::vector<SkeleNode*>& out)
{
    out.push_back(node);
    for (auto& child : node->children)
        CollectNodes(child.get(), out);
}

// Edits keep to a size the fuzzer can run quickly.
constexpr int kMaxBones = 200;
constexpr int kMaxFrames = 64;

int TotalFrames(const Skeleton& skeleton)
{
    int frames = 0;
    for (int s = 0; s < skeleton.FrameSetCount(); ++s)
        frames += skeleton.GetFrameSet(s)->FrameCount();
    return frames;
}

// One edit, chosen by the next byte, on the bones and frames the next bytes pick.
void Edit(Skeleton& skeleton, Bytes& in)
{
    std::vector<SkeleNode*> nodes;
    CollectNodes(skeleton.Root(), nodes);
    const int count = static_cast<int>(nodes.size());
    SkeleNode* any = nodes[static_cast<size_t>(in.Pick(count))];
    // Every bone but the root (the root itself when it is alone).
    SkeleNode* limb = count > 1 ? nodes[static_cast<size_t>(1 + in.Pick(count - 1))] : nullptr;
    const bool room = skeleton.BoneCount() < kMaxBones && TotalFrames(skeleton) < kMaxFrames;
    const int sets = skeleton.FrameSetCount();
    const int s = in.Pick(sets + 1) - (in.Byte() % 4 == 0 ? 1 : 0);   // now and then no such set
    const SkeletonFrameSet* set = skeleton.GetFrameSet(s);
    const int f = in.Pick(set ? set->FrameCount() + 1 : 2);
    switch (in.Byte() % 20) {
    case 0:
    case 1:
        if (room)
            skeleton.AddBone(any, in.Name(), in.Number(), in.Number());
        break;
    case 2:
        if (room)
            skeleton.InsertBone(any, in.Name(), in.Number(), in.Number());
        break;
    case 3:
        skeleton.ExtractBone(limb);
        break;
    case 4:
        skeleton.DeleteLimb(limb);
        break;
    case 5:
        if (room && limb)
            skeleton.CopyLimb(limb, any);
        break;
    case 6: {
        // As the bone properties rename it: unique among the others, never the root's name.
        if (!limb)
            break;
        std::string name = in.Name();
        if (name == "Trunk")
            name += " (1)";
        limb->bone->name.clear();
        skeleton.MakeUniqueName(name, 0);
        limb->bone->name = name;
        break;
    }
    case 7:
        skeleton.SwapBones(any->bone, nodes[static_cast<size_t>(in.Pick(count))]->bone);
        break;
    case 8:
    case 9:
        if (room)
            skeleton.StorePoseAsNewFrame(f, s);
        break;
    case 10:
        skeleton.StorePoseInFrame(s, f);
        break;
    case 11:
        skeleton.DeleteFrame(s, f);
        break;
    case 12:
        skeleton.DeleteFrameSet(s);
        break;
    case 13: {
        const int t = in.Pick(sets);
        const SkeletonFrameSet* other = skeleton.GetFrameSet(t);
        skeleton.SwapFrames(s, f, t, in.Pick(other ? other->FrameCount() : 1));
        break;
    }
    case 14: {
        std::string name = in.Byte() % 8 == 0 ? std::string() : in.Name();
        skeleton.RenameFrameSet(name, s);
        break;
    }
    case 15:
        // A drag of the bone's end on the view, as the mouse gives it.
        skeleton.UpdatePositions();
        skeleton.AimBone(any->bone, in.Number(), in.Number(), 0.2f + (in.Byte() % 15) * 0.2f, 400, 300,
                         in.Byte() & 1, in.Byte() & 1, in.Byte() & 1);
        break;
    case 16:
        skeleton.SetPose(s, f, in.Pick(sets), in.Pick(4), (in.Byte() % 11) / 10.0f);
        break;
    case 17:
        skeleton.ApplyFrameLengths(s, f);
        break;
    case 18:
        skeleton.ScaleSkeleton(in.Byte() % 2 ? (1 + in.Byte()) / 16.0f : in.Number());
        break;
    case 19:
        // The skin drag keeps whole pixels.
        any->bone->skinOffsetX = std::round(in.Number());
        any->bone->skinOffsetY = std::round(in.Number());
        break;
    }
}

bool HasLineOver(const std::string& text, size_t limit)
{
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        if (end - start > limit + 1)   // the line and its CR
            return true;
        start = end + 1;
    }
    return false;
}

void DescribeTree(const SkeleNode* node, int depth, std::string& out)
{
    out += std::string(static_cast<size_t>(depth), '.') + node->bone->name + "\n";
    for (const auto& child : node->children)
        DescribeTree(child.get(), depth + 1, out);
}

std::string SkinStored(const Bone& bone)
{
    return bone.skinPath.empty() ? "NO SKIN" : bone.skinPath;
}

// Whole offsets as the file keeps them.
std::string Offset(float value)
{
    if (!(value == value))
        return "0";
    const double whole = std::trunc(static_cast<double>(value));
    return std::to_string(static_cast<long long>(whole < INT_MIN ? INT_MIN : whole > INT_MAX ? INT_MAX : whole));
}

} // namespace

std::string DescribeAsStored(const Skeleton& skeleton)
{
    std::string out = "tree\n";
    DescribeTree(skeleton.Root(), 0, out);
    out += "draw order\n";
    for (int i = 1; i < skeleton.BoneCount(); ++i) {
        const Bone& bone = *skeleton.GetBoneByIndex(i);
        out += bone.name + " | " + SkinStored(bone) + " | " + Offset(bone.skinOffsetX) + " " +
               Offset(bone.skinOffsetY) + "\n";
    }
    for (int s = 0; s < skeleton.FrameSetCount(); ++s) {
        const SkeletonFrameSet& set = *skeleton.GetFrameSet(s);
        out += "set " + set.name + "\n";
        for (const auto& frame : set.frames) {
            out += "frame";
            for (const BonePose& pose : frame->entries)
                out += " " + FloatText(pose.length) + "/" + FloatText(pose.angle);
            out += "\n";
        }
    }
    return out;
}

std::string FuzzSkeletonModel(const uint8_t* data, size_t size, const std::string& folder)
{
    SetAlertRecording(true);
    ClearRecordedAlerts();
    Bytes in(data, size);
    Skeleton skeleton;
    for (int edits = 0; in.Left() && edits < 400; ++edits) {
        Edit(skeleton, in);
        const std::string broken = InvariantViolation(skeleton);
        if (!broken.empty())
            return "after edit " + std::to_string(edits) + ": " + broken;
    }
    ClearRecordedAlerts();

    const std::string written = skeleton.Write(0);
    const bool tooLong = HasLineOver(written, LineReader::MaxLineLength);
    Skeleton again;
    std::string error;
    if (!folder.empty()) {
        const std::string file = folder + "/model.txt";
        std::remove(file.c_str());
        const int saved = skeleton.Save(file);
        std::FILE* exists = std::fopen(file.c_str(), "rb");
        if (exists)
            std::fclose(exists);
        if (tooLong)
            return saved == 1 && !exists && RecordedAlerts().size() == 1 ? "" : "a line too long to read was saved";
        if (saved != 0 || !exists)
            return "Save failed";
        if (again.Load(file) != 0)
            return "Load refused what Save wrote";
        std::remove(file.c_str());
    } else {
        if (tooLong)
            return "";
        LineReader lines(written);
        if (again.Read(lines, "model.txt", &error) != 0)
            return "what was written does not read back: " + error;
    }
    const std::string broken = InvariantViolation(again);
    if (!broken.empty())
        return "after reading what was written: " + broken;
    if (again.Write(0) != written)
        return "what was written reads back differently";
    if (DescribeAsStored(again) != DescribeAsStored(skeleton))
        return "the skeleton read back differs from the one written";
    return "";
}
