// The skeleton file: Save and Compose write it; Load reads it through Read (SkeletonReader.cpp).
//
// The file, one item a line, CR LF line ends: a header; the tree, depth first, one "+ name" line a
// bone indented by two spaces a level; the draw order, a block of five lines for every bone after
// the root ("** name", skin path relative to the executable's folder, skin offsets x and y, an
// empty line) closed by "<End>"; then "FrameSets: n" and every set (name, "Frames: n", and per
// frame a "## Frame: k" line and three lines per bone: length before angle, then an empty line).
#include "skeleton/Skeleton.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

#include "core/Alert.h"
#include "core/Log.h"
#include "core/Paths.h"
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
    const std::string programFolder = ExecutablePath();
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
