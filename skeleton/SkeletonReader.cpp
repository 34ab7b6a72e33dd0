// Reading the skeleton file into a skeleton (the format: SkeletonFile.cpp).
//
// The reader goes by markers inside lines ("+", "**", "FrameSets: ") after cutting comments at
// "##" and "//", and reads the lines that follow a marker by count. Against damaged or hostile
// files it never reads past the end, clamps every cut of a short line, keeps its tree cursor on
// real nodes, leaves the root first in the draw order, takes no tree or draw-order lines after the
// frames have begun, and ends with one entry per bone in every frame of at least one set.
//
// Steps: Begin (a new skeleton, the name index), then per line ReadTreeLine, ReadBoneBlock or
// ReadFrameSets, then Finish (the frames' invariants, the first pose).
#include "skeleton/Skeleton.h"

#include <algorithm>
#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <unordered_map>

#include "core/Log.h"
#include "skeleton/LineReader.h"

namespace {

void StripComments(std::string& line)
{
    const size_t cut = std::min(line.find("##"), line.find("//"));
    if (cut != std::string::npos)
        line.resize(cut);
}

// The text from position `from` on; empty when the line is shorter.
std::string From(const std::string& line, size_t from) { return from < line.size() ? line.substr(from) : ""; }

// Whole numbers as the C library's atoi reads them, saturated instead of overflowing.
int ParseInt(const std::string& text)
{
    const long value = std::strtol(text.c_str(), nullptr, 10);
    return static_cast<int>(std::max<long>(INT_MIN, std::min<long>(INT_MAX, value)));
}

// Skin offsets keep whole pixels: the whole part of the written number, toward zero. The writer
// uses float formatting, so a very large or tiny offset arrives in exponent form ("1e+06",
// "-1.95943e-15"), which read as an integer would be 1 and -1.
int ParseOffset(const std::string& text)
{
    const double value = std::strtod(text.c_str(), nullptr);
    if (!(value == value))
        return 0;
    return static_cast<int>(std::max<double>(INT_MIN, std::min<double>(INT_MAX, std::trunc(value))));
}

float ParseFloat(const std::string& text)
{
    const double value = std::strtod(text.c_str(), nullptr);
    if (value > FLT_MAX)
        return HUGE_VALF;
    if (value < -FLT_MAX)
        return -HUGE_VALF;
    return static_cast<float>(value);
}

} // namespace

// One reading of one file. Bone names are looked up in an index of its own instead of walking the
// bone list, so a file of many like-named bones still loads in linear time.
class SkeletonReader {
public:
    SkeletonReader(Skeleton& skeleton, LineReader& lines, const std::string& fileName)
        : skeleton_(skeleton), lines_(lines), fileName_(fileName)
    {
    }

    int Read(std::string* error)
    {
        Begin();
        std::string line;
        while (lines_.Next(line)) {
            StripComments(line);
            const size_t plus = framesBegun_ ? std::string::npos : line.find('+');
            if (plus != std::string::npos) {
                if (!ReadTreeLine(line, plus, error))
                    return -1;
            } else if (!framesBegun_ && line.find("**") != std::string::npos) {
                if (!ReadBoneBlock(From(line, 3), error))
                    return -1;
            } else if (line.find("FrameSets: ") != std::string::npos) {
                framesBegun_ = true;
                ReadFrameSets(From(line, 11));
            }
        }
        // Without a tree there is no skeleton in the file; counts that run past its end mean a
        // file cut short or some other text. Either way the caller keeps what it had.
        if (!treeSeen_ || outOfLines_) {
            if (error)
                *error = "Not a skeleton file: " + fileName_;
            return -1;
        }
        Finish();
        return 0;
    }

private:
    void Begin()
    {
        skeleton_.Reset();
        skeleton_.frameSets_.clear();
        LogText("", 2);
        LogText("OPENING SKELETON FILE", 2);
        LogText(fileName_, 2);
        for (int i = 0; i < skeleton_.BoneCount(); ++i)
            Index(skeleton_.GetBoneByIndex(i), i);
        parent_ = skeleton_.Root();
    }

    void Index(Bone* bone, int index)
    {
        names_[bone->name] = bone;
        indexOf_[bone] = index;
    }

    // "+ name", indented two spaces a level: a bone under the tree cursor's node. False, with the
    // message in error, for a line without a name (no bone could ever be named by it).
    bool ReadTreeLine(const std::string& line, size_t plus, std::string* error)
    {
        treeSeen_ = true;
        const int k = static_cast<int>((plus + 1) / 2);
        if (k == 0)
            return true;   // the root line: the root is "Trunk" whatever the file calls it
        const std::string written = From(line, plus + 2);
        if (written.empty()) {
            if (error)
                *error = BadNameMessage(written);
            return false;
        }
        if (level_ < k) {
            // One level down however deep the line claims to be, and only into a real child.
            if (!parent_->children.empty())
                parent_ = parent_->children.back().get();
            level_ = k;
        } else if (k < level_) {
            for (int up = level_ - k; up > 0 && parent_->parent; --up)
                parent_ = parent_->parent;
            level_ = k;
        }
        const std::string name = Skeleton::UniqueName(
            written, 0, [this](const std::string& n) { return names_.count(n) != 0; }, &nextCounters_);
        SkeleNode* node = skeleton_.AppendBone(parent_, name, 0, 0);
        Index(node->bone, skeleton_.BoneCount() - 1);
        return true;
    }

    std::string BadNameMessage(const std::string& name) const
    {
        return "ERROR LOADING MARL - '" + fileName_ + "'\nINCORRECT BONENAME - '" + name +
               "'  on line: " + std::to_string(lines_.LineNumber());
    }

    // The next line, or false (remembered: the file ended inside something it counted) at the end.
    bool Next(std::string& text)
    {
        if (lines_.Next(text))
            return true;
        outOfLines_ = true;
        return false;
    }

    // "** name", then the skin path, the skin offsets and an empty line: the bone's skin, and its
    // place in the draw order. False, with the message in error, when no bone has the name.
    bool ReadBoneBlock(const std::string& name, std::string* error)
    {
        LogText("", 2);
        LogText("FOUND BONE DATA", 2);
        LogText(name, 2);
        const auto found = names_.find(name);
        SkeleNode* node = Skeleton::NodeFound(name, found == names_.end() ? nullptr : found->second);
        if (!node) {
            if (error)
                *error = BadNameMessage(name);
            return false;
        }
        Bone* bone = node->bone;
        std::string text;
        Next(text);
        StripComments(text);
        bone->skinPath = text;
        bone->LoadSkin();
        Next(text);
        StripComments(text);
        bone->skinOffsetX = static_cast<float>(ParseOffset(text));
        Next(text);
        StripComments(text);
        bone->skinOffsetY = static_cast<float>(ParseOffset(text));
        lines_.Next(text);
        // Into draw position `entries_`, unless that is past the bones or the bone already has
        // its place (the root, or a bone named twice): the root must stay first.
        const int at = indexOf_[bone];
        if (entries_ < skeleton_.BoneCount() && at >= entries_) {
            Bone* displaced = skeleton_.GetBoneByIndex(entries_);
            skeleton_.SwapBonesAt(entries_, at);
            indexOf_[bone] = entries_;
            indexOf_[displaced] = at;
        }
        if (entries_ < INT_MAX)
            ++entries_;
        return true;
    }

    // "FrameSets: n", then each set: an empty line, its name, "Frames: m", an empty line, and per
    // frame a "## Frame:" line and three lines per entry (length, angle, an empty line).
    void ReadFrameSets(const std::string& countText)
    {
        LogString("Found frameSet data...", countText.c_str(), 2);
        const int setCount = ParseInt(countText);
        std::string text;
        for (int s = 0; s < setCount; ++s) {
            std::string name;
            if (!Next(text) || !Next(name))
                break;
            StripComments(name);
            skeleton_.frameSets_.push_back(std::make_unique<SkeletonFrameSet>(name));
            SkeletonFrameSet& set = *skeleton_.frameSets_.back();
            Next(text);
            const int frameCount = ParseInt(From(text, 8));
            LogValue("Number of frames = ", frameCount, 2);
            Next(text);
            for (int e = 0; e < frameCount; ++e) {
                if (!Next(text))
                    break;
                ReadFrame(set, e);
            }
        }
    }

    void ReadFrame(SkeletonFrameSet& set, int e)
    {
        const int slot = set.InsertFrame(e);
        auto& poses = set.frames[static_cast<size_t>(slot)]->entries;
        std::string lengthText, angleText, text;
        for (int j = 0; j < entries_; ++j) {
            if (!Next(lengthText) || !Next(angleText))
                break;
            poses.push_back(BonePose {ParseFloat(angleText), ParseFloat(lengthText)});
            // The empty line after the last entry of a file may be missing.
            lines_.Next(text);
        }
    }

    void Finish()
    {
        skeleton_.RestoreFrameInvariants();
        skeleton_.SetPose(0, 0, 0, 0, 1);
        skeleton_.UpdatePositions();
    }

    Skeleton& skeleton_;
    LineReader& lines_;
    const std::string& fileName_;

    SkeleNode* parent_ = nullptr;   // the tree cursor: where the next tree line's bone goes
    int level_ = 1;
    int entries_ = 1;   // the root plus one per draw-order block: the entries each frame holds
    bool framesBegun_ = false;
    bool treeSeen_ = false;     // a tree line ("+") came before the frames
    bool outOfLines_ = false;   // the file ended inside a block or a count

    std::unordered_map<std::string, Bone*> names_;        // every bone by its (unique) name
    std::unordered_map<const Bone*, int> indexOf_;        // bone index of every bone
    std::unordered_map<std::string, int> nextCounters_;   // base name -> lowest counter maybe free
};

int Skeleton::Read(LineReader& lines, const std::string& fileName, std::string* error)
{
    // Built apart and taken over only when the whole file read, so a bad file changes nothing.
    Skeleton fresh;
    if (SkeletonReader(fresh, lines, fileName).Read(error) != 0)
        return -1;
    std::swap(root_, fresh.root_);
    std::swap(boneList_, fresh.boneList_);
    std::swap(frameSets_, fresh.frameSets_);
    TreeChanged();
    fresh.TreeChanged();
    return 0;
}

// A damaged file may leave no set, a set without frames, or frames with too few or too many
// entries. Missing entries take the bone's pose as the tree left it, as AddBone gives new bones.
void Skeleton::RestoreFrameInvariants()
{
    if (frameSets_.empty()) {
        LogText("SKELETON::LOAD - No frame sets in the file, keeping the pose as Default 0", 3);
        StorePoseAsNewFrame(0, 0);
    }
    for (auto& set : frameSets_) {
        if (set->frames.empty()) {
            LogString("SKELETON::LOAD - Frame set without frames, keeping the pose in it:", set->name.c_str(), 3);
            set->frames.push_back(std::make_unique<SkeletonFrame>());
        }
        for (auto& frame : set->frames) {
            auto& poses = frame->entries;
            if (poses.size() > boneList_.size())
                poses.resize(boneList_.size());
            for (size_t i = poses.size(); i < boneList_.size(); ++i)
                poses.push_back(BonePose {boneList_[i]->relativeAngle, boneList_[i]->length});
        }
    }
}
