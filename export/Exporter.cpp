#include "export/Exporter.h"

#include <algorithm>
#include <chrono>
#include <memory>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "core/Clock.h"
#include "export/Atlas.h"
#include "export/OutputFolder.h"
#include "export/PictureGuard.h"
#include "export/PngWriter.h"
#include "export/PoseBounds.h"
#include "export/Timeline.h"
#include "graphics/AnyGraphics.h"
#include "graphics/Frame.h"
#include "rl/Canvas.h"
#include "rl/Layer.h"
#include "skeleton/LineReader.h"
#include "skeleton/Skeleton.h"

namespace {

// Larger skeleton files are refused before any of them is read.
constexpr uint64_t kMaxSkeletonFileBytes = 64 * 1024 * 1024;

// One frame set of one skeleton as it is exported.
struct SetJob {
    int set = 0;              // index in the skeleton
    std::string name;         // as the skeleton names it
    std::string fileName;     // as it appears in file names
    int storedFrames = 0;
};

struct SkeletonJob {
    std::string file;
    std::string name;         // the file's name without folder and extension
    std::unique_ptr<Skeleton> skeleton;
    std::vector<SetJob> sets;
    PixelBox box;             // the canvas, relative to the skeleton's origin
};

// "name" with what a file name cannot hold (a folder separator, control characters) replaced.
std::string FileNamePart(const std::string& name)
{
    std::string part = name;
    for (char& c : part)
        if (c == '/' || static_cast<unsigned char>(c) < 0x20)
            c = '_';
    return part.empty() ? "_" : part;
}

std::string FrameName(const SkeletonJob& job, const SetJob& set, int index)
{
    char number[16];
    std::snprintf(number, sizeof number, "%03d", index);
    return job.name + "-" + set.fileName + "-" + number;
}

std::string BaseName(const std::string& path)
{
    std::string name = path.substr(path.rfind('/') + 1);
    const size_t dot = name.rfind('.');
    if (dot != std::string::npos && dot > 0)
        name.erase(dot);
    return name;
}

// Loads one skeleton as the editor would, refusing what the editor refuses and, beyond it, any
// skin that could not be loaded. Empty on success, else the message.
std::string LoadSkeleton(SkeletonJob& job, const PictureGuard& pictures)
{
    struct stat info {};
    if (stat(job.file.c_str(), &info) != 0)
        return "ERROR: MARL file not found: " + job.file;
    // A folder, device or FIFO has no skeleton to read (and a device might never end).
    if (!S_ISREG(info.st_mode))
        return "Not a regular file: " + job.file;
    if (static_cast<uint64_t>(info.st_size) > kMaxSkeletonFileBytes)
        return "File too large (over 64 MB): " + job.file;
    std::string contents;
    std::FILE* file = std::fopen(job.file.c_str(), "rb");
    if (!file)
        return "ERROR: MARL file not found: " + job.file;
    char buffer[65536];
    for (size_t got; (got = std::fread(buffer, 1, sizeof buffer, file)) > 0 && contents.size() <= kMaxSkeletonFileBytes;)
        contents.append(buffer, got);
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed)
        return "ERROR: MARL file not found: " + job.file;
    const size_t brokenBefore = pictures.BrokenFiles().size();
    job.skeleton = std::make_unique<Skeleton>();
    // What the editor's Load reads, without ending the program over a bone name it does not know.
    LineReader lines(contents);
    std::string error;
    if (job.skeleton->Read(lines, job.file, &error) != 0)
        return error;
    if (pictures.BrokenFiles().size() > brokenBefore)
        return "skin picture '" + pictures.BrokenFiles()[brokenBefore] + "' of " + job.file + " cannot be read";
    for (const auto& bone : job.skeleton->BoneList()) {
        const std::string& path = bone->failedSkinPath;
        if (!path.empty() && path != "NO SKIN")
            return "skin '" + path + "' of bone '" + bone->name + "' in " + job.file + " cannot be loaded";
        // A lettered skin whose set lost a picture loads without it and would draw nothing there.
        if (const AnyGraphics* skin = bone->skin.Graphics())
            for (int s = 0; s < skin->frameSetCount; ++s)
                for (int f = 0; f < skin->FrameCount(s); ++f)
                    if (!skin->GetFrame(s, f)->bitmap)
                        return "skin '" + bone->skinPath + "' of bone '" + bone->name + "' in " + job.file +
                               " lacks picture " + std::to_string(f) + " of its set " + std::to_string(s);
    }
    return "";
}

// The sets to export, in the order asked for (every set, in the skeleton's order, by default).
void ChooseSets(SkeletonJob& job, const std::vector<std::string>& asked)
{
    const Skeleton& skeleton = *job.skeleton;
    std::vector<int> chosen;
    if (asked.empty()) {
        for (int s = 0; s < skeleton.FrameSetCount(); ++s)
            chosen.push_back(s);
    } else {
        for (const std::string& name : asked)
            for (int s = 0; s < skeleton.FrameSetCount(); ++s)
                if (skeleton.GetFrameSet(s)->name == name && std::find(chosen.begin(), chosen.end(), s) == chosen.end())
                    chosen.push_back(s);
    }
    for (int s : chosen) {
        SetJob set;
        set.set = s;
        set.name = skeleton.GetFrameSet(s)->name;
        set.storedFrames = skeleton.GetFrameSet(s)->FrameCount();
        // Two sets of one name would write the same files: the later ones get a counter.
        const std::string base = FileNamePart(set.name);
        set.fileName = base;
        for (int n = 2; std::any_of(job.sets.begin(), job.sets.end(), [&](const SetJob& o) { return o.fileName == set.fileName; }); ++n)
            set.fileName = base + " (" + std::to_string(n) + ")";
        job.sets.push_back(set);
    }
}

// Poses the skeleton at a sample and moves its skins' animations to the sample's time, as a frame
// the editor draws at that moment would.
void PoseAt(Skeleton& skeleton, const SetJob& set, const PoseSample& sample)
{
    ElapsedMs = static_cast<int32_t>(sample.timeMs);
    TimerTicked = 1;
    skeleton.SetPose(set.set, sample.frameA, set.set, sample.frameB, sample.t);
    skeleton.UpdatePositions();
}

// Every skin animation back to its first picture at time 0: each set starts its loop afresh.
void RestartSkins(Skeleton& skeleton)
{
    ElapsedMs = 0;
    for (const auto& bone : skeleton.BoneList())
        if (AnyGraphics* skin = bone->skin.Graphics())
            bone->skin.animation.SetupAnims(skin);
}

void MeasureCanvas(SkeletonJob& job, const ExportOptions& options)
{
    Skeleton& skeleton = *job.skeleton;
    PixelBox skins, bones;
    bool anySkin = false;
    for (const SetJob& set : job.sets) {
        RestartSkins(skeleton);
        const Timeline timeline(set.storedFrames, options.frameMs, options.fps);
        for (int i = 0; i < timeline.SampleCount(); ++i) {
            PoseAt(skeleton, set, timeline.Sample(i));
            // The drawing moves each visible skin's animation on before drawing it; so does this.
            for (const auto& bone : skeleton.BoneList())
                if (bone->skinVisible)
                    bone->skin.animation.Update();
            anySkin = AddSkinBounds(skeleton, options.scale, skins) || anySkin;
            AddBoneBounds(skeleton, options.scale, bones);
        }
    }
    job.box = anySkin ? skins : bones;
    if (job.box.Empty()) {
        // Nothing has extent (a lone bone of length 0): one pixel at the origin.
        job.box = PixelBox {};
        job.box.Add(0, 0);
        job.box.right = job.box.left + 1;
        job.box.bottom = job.box.top + 1;
    }
}

int SampleCount(const SetJob& set, const ExportOptions& options)
{
    return Timeline(set.storedFrames, options.frameMs, options.fps).SampleCount();
}

// Frames done of the total on errors: rewritten in place on a terminal, a line at a time
// otherwise, at most four times a second, and always at the end.
class Progress {
public:
    Progress(std::FILE* errors, long total) : errors_(errors), total_(total), terminal_(isatty(fileno(errors)) != 0) {}

    void Step()
    {
        ++done_;
        const auto now = std::chrono::steady_clock::now();
        if (done_ < total_ && now - shown_ < std::chrono::milliseconds(250))
            return;
        shown_ = now;
        std::fprintf(errors_, terminal_ ? "\rmarl-export: %ld/%ld frames" : "marl-export: %ld/%ld frames\n", done_,
                     total_);
        if (terminal_ && done_ == total_)
            std::fputc('\n', errors_);
        std::fflush(errors_);
    }

private:
    std::FILE* errors_;
    long total_;
    long done_ = 0;
    bool terminal_;
    std::chrono::steady_clock::time_point shown_ = std::chrono::steady_clock::now();
};

struct Counts {
    long frames = 0;
    long sheets = 0;
};

// Draws and writes one skeleton's frames (and sheet). Empty on success, else the message.
std::string ExportSkeleton(SkeletonJob& job, const ExportOptions& options, OutputFolder& output, Progress& progress,
                           Counts& counts)
{
    if (job.sets.empty())
        return "";
    const int width = job.box.Width(), height = job.box.Height();
    if (!rl::InitOffscreenScreen(width, height))
        return "no off-screen canvas of " + std::to_string(width) + " x " + std::to_string(height) + " pixels";
    rl::SetCoverageAlpha(true);
    rl::Canvas::DisableClipping();
    const float originX = static_cast<float>(-job.box.left), originY = static_cast<float>(-job.box.top);

    std::vector<SheetRow> rows;
    int columns = 0;
    for (const SetJob& set : job.sets)
        columns = std::max(columns, SampleCount(set, options));
    std::vector<uint32_t> sheet;
    const size_t sheetWidth = static_cast<size_t>(columns) * width;
    if (options.sheet)
        sheet.assign(sheetWidth * height * job.sets.size(), 0);

    Skeleton& skeleton = *job.skeleton;
    std::string error;
    for (size_t row = 0; row < job.sets.size(); ++row) {
        const SetJob& set = job.sets[row];
        const Timeline timeline(set.storedFrames, options.frameMs, options.fps);
        RestartSkins(skeleton);
        SheetRow sheetRow {set.name, {}, {}};
        for (int i = 0; i < timeline.SampleCount(); ++i) {
            PoseAt(skeleton, set, timeline.Sample(i));
            rl::Canvas::Fill(0, 0, 0, 0);
            skeleton.DrawSkinsScaled(originX, originY, options.scale, 0);
            std::vector<uint32_t> pixels = rl::Canvas::ReadPixels(0, 0, width, height);
            ToStraightAlpha(pixels);
            const std::string name = FrameName(job, set, i);
            if (options.frames) {
                if (!WritePng(output.Stage(name + ".png"), width, height, pixels.data(), error))
                    return "cannot write '" + name + ".png' in the output folder '" + output.Folder() + "': " + error;
                ++counts.frames;
            }
            if (options.sheet)
                for (int y = 0; y < height; ++y)
                    std::copy_n(pixels.begin() + static_cast<size_t>(y) * width, width,
                                sheet.begin() + (row * height + y) * sheetWidth + static_cast<size_t>(i) * width);
            sheetRow.names.push_back(name);
            sheetRow.durationsMs.push_back(timeline.DurationMs(i));
            progress.Step();
        }
        rows.push_back(std::move(sheetRow));
    }
    if (!options.sheet)
        return "";
    const Atlas atlas = LayOutSheet(job.name + ".png", width, height, -job.box.left, -job.box.top, options.scale, rows);
    const int sheetHeight = height * static_cast<int>(job.sets.size());
    if (!WritePng(output.Stage(job.name + ".png"), static_cast<int>(sheetWidth), sheetHeight, sheet.data(), error))
        return "cannot write '" + job.name + ".png' in the output folder '" + output.Folder() + "': " + error;
    const std::string json = AtlasJson(atlas);
    std::FILE* file = std::fopen(output.Stage(job.name + ".json").c_str(), "wb");
    bool written = file && std::fwrite(json.data(), 1, json.size(), file) == json.size();
    if (file)
        written = std::fclose(file) == 0 && written;
    if (!written)
        return "cannot write '" + job.name + ".json' in the output folder '" + output.Folder() + "'";
    ++counts.sheets;
    return "";
}

} // namespace

int RunExport(const ExportOptions& options, const PictureGuard& pictures, std::FILE* out, std::FILE* errors)
{
    const auto refuse = [errors](const std::string& message) {
        std::fprintf(errors, "marl-export: %s\n", message.c_str());
        return 2;
    };
    if (!rl::ScreenReady() || !rl::OffscreenScreen()) {
        std::fprintf(errors, "marl-export: no off-screen OpenGL canvas could be made (see renderlayer.log)\n");
        return 1;
    }

    std::vector<SkeletonJob> jobs(options.skeletons.size());
    for (size_t k = 0; k < jobs.size(); ++k) {
        SkeletonJob& job = jobs[k];
        job.file = options.skeletons[k];
        job.name = BaseName(job.file);
        for (size_t other = 0; other < k; ++other)
            if (jobs[other].name == job.name)
                return refuse("two skeletons would write files named '" + job.name + "': " + jobs[other].file +
                              " and " + job.file);
        const std::string error = LoadSkeleton(job, pictures);
        if (!error.empty())
            return refuse(error);
        ChooseSets(job, options.sets);
    }
    for (const std::string& name : options.sets)
        if (std::none_of(jobs.begin(), jobs.end(), [&](const SkeletonJob& job) {
                return std::any_of(job.sets.begin(), job.sets.end(), [&](const SetJob& set) { return set.name == name; });
            })) {
            std::string sets;
            for (int s = 0; s < jobs.front().skeleton->FrameSetCount(); ++s)
                sets += (s ? ", '" : "'") + jobs.front().skeleton->GetFrameSet(s)->name + "'";
            return refuse("no frame set named '" + name + "' (" + jobs.front().file + " has " + sets + ")");
        }

    long total = 0;
    for (SkeletonJob& job : jobs) {
        MeasureCanvas(job, options);
        if (job.box.Width() > kMaxCanvasSide || job.box.Height() > kMaxCanvasSide)
            return refuse(job.file + " needs a canvas of " + std::to_string(job.box.Width()) + " x " +
                          std::to_string(job.box.Height()) + " pixels, more than " + std::to_string(kMaxCanvasSide) +
                          " a side: choose a smaller --scale");
        long columns = 0;
        for (const SetJob& set : job.sets) {
            columns = std::max<long>(columns, SampleCount(set, options));
            total += SampleCount(set, options);
        }
        if (options.sheet && (columns * job.box.Width() > kMaxSheetSide ||
                              static_cast<long>(job.sets.size()) * job.box.Height() > kMaxSheetSide))
            return refuse("the sheet of " + job.file + " would be " + std::to_string(columns * job.box.Width()) +
                          " x " + std::to_string(job.sets.size() * job.box.Height()) + " pixels, more than " +
                          std::to_string(kMaxSheetSide) + " a side: choose fewer sets, a lower --fps or --scale");
    }

    OutputFolder output;
    std::string error;
    if (!output.Open(options.outDir, error))
        return refuse(error);
    Progress progress(errors, total);
    Counts counts;
    for (SkeletonJob& job : jobs) {
        error = ExportSkeleton(job, options, output, progress, counts);
        if (!error.empty())
            return refuse(error);
    }
    if (!output.Commit(error))
        return refuse(error);
    std::fprintf(out, "Wrote %ld frame%s and %ld sheet%s to %s\n", counts.frames, counts.frames == 1 ? "" : "s",
                 counts.sheets, counts.sheets == 1 ? "" : "s", output.Folder().c_str());
    return 0;
}
