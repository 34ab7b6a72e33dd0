// The skeleton file: Save and Compose write it, Load and Read read it.
//
// The file, one item a line, CR LF line ends: a header; the tree, depth first, one "+ name" line a
// bone indented by two spaces a level; the draw order, a block of five lines for every bone after
// the root ("** name", skin path relative to the executable's folder, skin offsets x and y, an
// empty line) closed by "<End>"; then "FrameSets: n" and every set (name, "Frames: n", and per
// frame a "## Frame: k" line and three lines per bone: length before angle, then an empty line).
//
// The reader goes by markers inside lines ("+", "**", "FrameSets: ") after cutting comments at
// "##" and "//", and reads the lines that follow a marker by count. Against damaged or hostile
// files it never reads past the end, clamps every cut of a short line, keeps its tree cursor on
// real nodes, leaves the root first in the draw order, takes no tree or draw-order lines after the
// frames have begun, and ends with one entry per bone in every frame of at least one set.
#include "skeleton/Skeleton.h"

#include <cerrno>
#include <cfloat>
#include <cmath>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

#include "core/Alert.h"
#include "core/Log.h"
#include "rl/Layer.h"
#include "skeleton/LineReader.h"
#include "skeleton/NumberText.h"
#include "skeleton/SkinPaths.h"

namespace {

const char* const kEndLine = "\r\n";
const std::string kSeparator(44, '#');

void Line(std::string& out, const std::string& text)
{
    out += text;
    out += kEndLine;
}

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

void WriteTree(std::string& out, const SkeleNode* node, int depth)
{
    Line(out, std::string(static_cast<size_t>(2 * depth), ' ') + "+ " + node->bone->name);
    for (const auto& child : node->children)
        WriteTree(out, child.get(), depth + 1);
}

// The skin path as the file stores it. A bone that never had a skin, or whose skin failed, has
// "NO SKIN" (not a path to a file of that name).
std::string StoredSkinPath(const Bone& bone, const std::string& programFolder)
{
    std::string stored = "NO SKIN";
    if (!bone.skinPath.empty() && bone.skinPath != "NO SKIN") {
        stored = RelativePath(CanonicalPath(bone.skinPath), programFolder);
        if (stored.size() > 511)
            stored.resize(511);
    }
    LogString("RELATIVE: ", stored.c_str(), 3);
    return stored;
}

} // namespace

struct Skeleton::SavedText {
    std::string tree;        // header and tree
    std::string drawOrder;   // bone blocks, "<End>" and the frames' heading
    std::string frames;
};

Skeleton::SavedText Skeleton::Compose(std::time_t modified) const
{
    SavedText text;
    std::tm local {};
    localtime_r(&modified, &local);
    char date[16], time[16];
    std::strftime(date, sizeof date, "%m/%d/%y", &local);
    std::strftime(time, sizeof time, "%H:%M:%S", &local);

    std::string& tree = text.tree;
    Line(tree, kSeparator);
    Line(tree, "## Will put Skeleton Name here (TODO)");
    Line(tree, std::string("## Last Modified:  ") + date + " at " + time + " ");
    Line(tree, "##");
    Line(tree, kSeparator);
    Line(tree, "## <Skeleton Tree Structure>");
    Line(tree, "");
    if (root_)
        WriteTree(tree, root_.get(), 0);
    Line(tree, "");
    Line(tree, kSeparator);
    Line(tree, "## <Bone Draw Order>");
    Line(tree, "");

    std::string& blocks = text.drawOrder;
    const std::string programFolder = rl::ExecutablePath();
    for (size_t i = 1; i < boneList_.size(); ++i) {
        const Bone& bone = *boneList_[i];
        Line(blocks, "** " + bone.name);
        Line(blocks, StoredSkinPath(bone, programFolder));
        Line(blocks, FloatText(bone.skinOffsetX));
        Line(blocks, FloatText(bone.skinOffsetY));
        Line(blocks, "");
    }
    Line(blocks, "<End>");
    Line(blocks, kSeparator);
    Line(blocks, "## <Frames>");
    Line(blocks, "");

    std::string& frames = text.frames;
    Line(frames, "FrameSets: " + std::to_string(frameSets_.size()));
    Line(frames, "");
    for (const auto& set : frameSets_) {
        Line(frames, set->name);
        Line(frames, "Frames: " + std::to_string(set->frames.size()));
        Line(frames, "");
        for (size_t k = 0; k < set->frames.size(); ++k) {
            Line(frames, "## Frame: " + std::to_string(k + 1));
            // The reader takes one entry per bone: a frame left short or long by a caller is
            // written at that size, so it cannot shift everything after it in the file.
            const auto& entries = set->frames[k]->entries;
            for (size_t i = 0; i < boneList_.size(); ++i) {
                const BonePose pose = i < entries.size() ? entries[i]
                                                         : BonePose {boneList_[i]->relativeAngle, boneList_[i]->length};
                Line(frames, FloatText(pose.length));
                Line(frames, FloatText(pose.angle));
                Line(frames, "");
            }
        }
        Line(frames, "");
    }
    return text;
}

std::string Skeleton::Write(std::time_t modified) const
{
    SavedText text = Compose(modified);
    return text.tree + text.drawOrder + text.frames;
}

int Skeleton::Save(const std::string& fileName) const
{
    const auto refuse = [](const std::string& message) {
        LogText(message, 4);
        ShowAlert(message);
        return 1;
    };
    if (!root_)
        return refuse("Could not save MARL because it's empty");

    const SavedText text = Compose(std::time(nullptr));

    // Written beside the old file and put in its place only when complete, so a failed save never
    // leaves a cut file where a good one was.
    std::string temporary = fileName + ".XXXXXX";
    const int descriptor = mkstemp(temporary.data());
    if (descriptor < 0) {
        const std::string message = "ERROR Opening MARL file to save: " + fileName;
        LogText(message, 4);
        ShowAlert(message);
        FatalExit(-1);
    }
    struct stat existing {};
    if (stat(fileName.c_str(), &existing) == 0) {
        fchmod(descriptor, existing.st_mode & 07777);
    } else {
        const mode_t mask = umask(0);
        umask(mask);
        fchmod(descriptor, 0666 & ~mask);
    }
    std::FILE* file = fdopen(descriptor, "wb");
    if (!file) {
        close(descriptor);
        unlink(temporary.c_str());
        return refuse("ERROR SAVING SKELENODES");
    }
    const auto section = [file](const std::string& part) {
        return std::fwrite(part.data(), 1, part.size(), file) == part.size() && std::fflush(file) == 0;
    };
    const char* failure = nullptr;
    if (!section(text.tree))
        failure = "ERROR SAVING SKELENODES";
    else if (!section(text.drawOrder))
        failure = "ERROR SAVING BoneList";
    else if (!section(text.frames))
        failure = "ERROR SAVING Frames";
    if (std::fclose(file) != 0 && !failure)
        failure = "ERROR SAVING Frames";
    if (!failure && std::rename(temporary.c_str(), fileName.c_str()) != 0)
        failure = "ERROR SAVING Frames";
    if (failure) {
        unlink(temporary.c_str());
        return refuse(failure);
    }
    return 0;
}

int Skeleton::Load(const std::string& fileName)
{
    std::string contents;
    if (!LineReader::ReadFile(fileName, contents)) {
        const std::string message = "ERROR: MARL file not found: " + fileName;
        LogText(message, 4);
        ShowAlert(message);
        return 1;
    }
    LineReader lines(contents);
    std::string error;
    if (Read(lines, fileName, &error) != 0) {
        LogText(error, 4);
        ShowAlert(error);
        FatalExit(-1);
    }
    return 0;
}

int Skeleton::Read(LineReader& lines, const std::string& fileName, std::string* error)
{
    Reset();
    frameSets_.clear();
    LogText("", 2);
    LogText("OPENING SKELETON FILE", 2);
    LogText(fileName, 2);

    loadingNames_ = std::make_unique<NameIndex>();
    for (size_t i = 0; i < boneList_.size(); ++i) {
        loadingNames_->names[boneList_[i]->name] = boneList_[i].get();
        loadingNames_->indexOf[boneList_[i].get()] = static_cast<int>(i);
    }
    struct EndOfLoading {
        std::unique_ptr<NameIndex>& index;
        ~EndOfLoading() { index.reset(); }
    } endOfLoading {loadingNames_};

    SkeleNode* parent = root_.get();
    int level = 1;
    int entries = 1;   // the root plus one per draw-order block: the entries each frame holds
    bool framesBegun = false;
    std::string line, text;
    while (lines.Next(line)) {
        StripComments(line);

        const size_t plus = framesBegun ? std::string::npos : line.find('+');
        if (plus != std::string::npos) {
            const int k = static_cast<int>((plus + 1) / 2);
            if (k == 0)
                continue;   // the root line: the root is "Trunk" whatever the file calls it
            if (level < k) {
                // One level down however deep the line claims to be, and only into a real child.
                if (!parent->children.empty())
                    parent = parent->children.back().get();
                level = k;
            } else if (k < level) {
                for (int up = level - k; up > 0 && parent->parent; --up)
                    parent = parent->parent;
                level = k;
            }
            AddBone(parent, From(line, plus + 2), 0, 0);
            continue;
        }

        if (!framesBegun && line.find("**") != std::string::npos) {
            const std::string name = From(line, 3);
            LogText("", 2);
            LogText("FOUND BONE DATA", 2);
            LogText(name, 2);
            SkeleNode* node = FindNodeByName(name);
            if (!node) {
                if (error)
                    *error = "ERROR LOADING MARL - '" + fileName + "'\nINCORRECT BONENAME - '" + name +
                             "'  on line: " + std::to_string(lines.LineNumber());
                loadingNames_.reset();
                Reset();
                return -1;
            }
            Bone* bone = node->bone;
            lines.Next(text);
            StripComments(text);
            bone->skinPath = text;
            bone->LoadSkin();
            lines.Next(text);
            StripComments(text);
            bone->skinOffsetX = static_cast<float>(ParseOffset(text));
            lines.Next(text);
            StripComments(text);
            bone->skinOffsetY = static_cast<float>(ParseOffset(text));
            lines.Next(text);
            // Into draw position `entries`, unless that is past the bones or the bone already has
            // its place (the root, or a bone named twice): the root must stay first.
            if (entries < BoneCount() && BoneIndex(bone) >= entries)
                SwapBones(GetBoneByIndex(entries), bone);
            if (entries < INT_MAX)
                ++entries;
            continue;
        }

        if (line.find("FrameSets: ") != std::string::npos) {
            framesBegun = true;
            const std::string rest = From(line, 11);
            LogString("Found frameSet data...", rest.c_str(), 2);
            const int setCount = ParseInt(rest);
            for (int s = 0; s < setCount; ++s) {
                std::string name;
                if (!lines.Next(text) || !lines.Next(name))
                    break;
                StripComments(name);
                frameSets_.push_back(std::make_unique<SkeletonFrameSet>(name));
                SkeletonFrameSet& set = *frameSets_.back();
                lines.Next(text);
                const int frameCount = ParseInt(From(text, 8));
                LogValue("Number of frames = ", frameCount, 2);
                lines.Next(text);
                for (int e = 0; e < frameCount; ++e) {
                    if (!lines.Next(text))
                        break;
                    const int slot = set.InsertFrame(e);
                    auto& poses = set.frames[static_cast<size_t>(slot)]->entries;
                    std::string lengthText, angleText;
                    for (int j = 0; j < entries; ++j) {
                        if (!lines.Next(lengthText))
                            break;
                        lines.Next(angleText);
                        poses.push_back(BonePose {ParseFloat(angleText), ParseFloat(lengthText)});
                        lines.Next(text);
                    }
                }
            }
        }
    }
    loadingNames_.reset();

    RestoreFrameInvariants();
    SetPose(0, 0, 0, 0, 1);
    UpdatePositions(root_.get(), 0, 0, 0);
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
