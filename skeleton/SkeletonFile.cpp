// The skeleton file: Save and Compose write it; Load reads it through Read (SkeletonReader.cpp).
//
// The file, one item a line, CR LF line ends: a header; the tree, depth first, one "+ name" line a
// bone indented by two spaces a level; the draw order, a block of five lines for every bone after
// the root ("** name", skin path relative to the executable's folder, skin offsets x and y, an
// empty line) closed by "<End>"; then "FrameSets: n" and every set (name, "Frames: n", and per
// frame a "## Frame: k" line and three lines per bone: length before angle, then an empty line).
#include "skeleton/Skeleton.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

#include "core/Alert.h"
#include "core/InputFile.h"
#include "core/PngHeader.h"
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

// A skin offset as the reader takes it back: the whole part, toward zero, held within a 32-bit
// whole number, written in plain digits. Written as a float, a scaled offset ("4.5") would load as
// another number than the file says, and a large one lose its last digits to the exponent form.
std::string OffsetText(float offset)
{
    if (!(offset == offset))
        return "0";
    const double whole = std::trunc(static_cast<double>(offset));
    return std::to_string(static_cast<long long>(std::max<double>(INT_MIN, std::min<double>(INT_MAX, whole))));
}

// The three parts of the file, in order, each with the message its failed writing gives.
using Sections = std::array<const std::string*, 3>;

// Writes and flushes the sections; null, or the message of the first that failed.
const char* WriteSections(std::FILE* file, const Sections& sections)
{
    static const char* const kFailures[] = {"ERROR SAVING SKELENODES", "ERROR SAVING BoneList", "ERROR SAVING Frames"};
    for (size_t i = 0; i < sections.size(); ++i) {
        const std::string& part = *sections[i];
        if (std::fwrite(part.data(), 1, part.size(), file) != part.size() || std::fflush(file) != 0)
            return kFailures[i];
    }
    return fsync(fileno(file)) == 0 ? nullptr : kFailures[2];
}

// The file itself rewritten, for a folder where no new file can be made. The old content is held in
// memory first and written back when the new one fails, so the file is never left cut. "" on
// success, else the message.
std::string SaveInPlace(const std::string& target, const Sections& sections)
{
    std::string old;
    if (inputfile::Read(target, 16 * inputfile::kMaxSkeletonFileBytes, old) != inputfile::Refusal::None)
        return "ERROR Opening MARL file to save: " + target;
    std::FILE* file = std::fopen(target.c_str(), "r+b");
    if (!file)
        return "ERROR Opening MARL file to save: " + target;
    const char* failure = ftruncate(fileno(file), 0) == 0 ? WriteSections(file, sections) : "ERROR SAVING SKELENODES";
    std::string message;
    if (failure) {
        message = failure;
        std::rewind(file);
        const bool restored = ftruncate(fileno(file), 0) == 0 &&
                              std::fwrite(old.data(), 1, old.size(), file) == old.size() && std::fflush(file) == 0 &&
                              fsync(fileno(file)) == 0;
        if (!restored)
            message += " - the old file could not be put back";
    }
    if (std::fclose(file) != 0 && message.empty())
        message = "ERROR SAVING Frames";
    return message;
}

// The first line of text longer than limit characters; "" when there is none.
std::string FirstLineOver(const std::string& text, size_t limit)
{
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find(kEndLine, start);
        if (end == std::string::npos)
            end = text.size();
        if (end - start > limit)
            return text.substr(start, end - start);
        start = end + 2;
    }
    return "";
}

// Where saving to fileName writes: the file a symbolic link points at (made beside the link when
// it does not exist yet), else the name itself.
std::string SaveTarget(const std::string& fileName)
{
    struct stat link {};
    if (lstat(fileName.c_str(), &link) != 0 || !S_ISLNK(link.st_mode))
        return fileName;
    if (char* resolved = realpath(fileName.c_str(), nullptr)) {
        std::string target = resolved;
        std::free(resolved);
        return target;
    }
    std::string pointsAt(4096, '\0');
    const ssize_t length = readlink(fileName.c_str(), pointsAt.data(), pointsAt.size());
    if (length <= 0 || static_cast<size_t>(length) >= pointsAt.size())
        return fileName;
    pointsAt.resize(static_cast<size_t>(length));
    if (pointsAt[0] != '/') {
        const size_t slash = fileName.rfind('/');
        if (slash != std::string::npos)
            pointsAt = fileName.substr(0, slash + 1) + pointsAt;
    }
    return pointsAt;
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
        Line(blocks, OffsetText(bone.skinOffsetX));
        Line(blocks, OffsetText(bone.skinOffsetY));
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
    // The reader cuts longer lines; a file it would misread is not written at all.
    for (const std::string* part : {&text.tree, &text.drawOrder, &text.frames}) {
        const std::string tooLong = FirstLineOver(*part, LineReader::MaxLineLength);
        if (!tooLong.empty())
            return refuse("Could not save MARL - a line is longer than " + std::to_string(LineReader::MaxLineLength) +
                          " characters: " + tooLong.substr(0, 60) + "...");
    }

    // Saving over a link replaces the file it points at and keeps the link.
    const std::string target = SaveTarget(fileName);
    struct stat existing {};
    const bool exists = stat(target.c_str(), &existing) == 0;
    if (exists && !S_ISREG(existing.st_mode))
        return refuse("Not a regular file: " + fileName);

    // Written beside the old file and put in its place only when complete, so a failed save never
    // leaves a cut file where a good one was.
    std::string temporary = target + ".XXXXXX";
    const int descriptor = mkstemp(temporary.data());
    if (descriptor < 0) {
        // A folder we may not write in, holding a file we may: written in place, with the old
        // content kept to put back if the writing fails.
        if (exists && access(target.c_str(), W_OK) == 0) {
            const std::string inPlace = SaveInPlace(target, {&text.tree, &text.drawOrder, &text.frames});
            return inPlace.empty() ? 0 : refuse(inPlace);
        }
        return refuse("ERROR Opening MARL file to save: " + fileName);
    }
    if (exists) {
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
    const char* failure = WriteSections(file, {&text.tree, &text.drawOrder, &text.frames});
    if (std::fclose(file) != 0 && !failure)
        failure = "ERROR SAVING Frames";
    if (!failure && std::rename(temporary.c_str(), target.c_str()) != 0)
        failure = "ERROR SAVING Frames";
    if (failure) {
        unlink(temporary.c_str());
        return refuse(failure);
    }
    return 0;
}

int Skeleton::Load(const std::string& fileName)
{
    std::string contents, message;
    const inputfile::Refusal refusal = inputfile::Read(fileName, inputfile::kMaxSkeletonFileBytes, contents, &message);
    if (refusal == inputfile::Refusal::Missing || refusal == inputfile::Refusal::ReadFailed)
        message = "ERROR: MARL file not found: " + fileName;
    else if (refusal == inputfile::Refusal::None &&
             pngheader::Judge(reinterpret_cast<const uint8_t*>(contents.data()), contents.size()).verdict !=
                 pngheader::Verdict::NotPng)
        message = "Not a skeleton file: " + fileName;
    if (message.empty()) {
        LineReader lines(contents);
        if (Read(lines, fileName, &message) == 0)
            return 0;
    }
    LogText(message, 4);
    ShowAlert(message);
    return 1;
}
