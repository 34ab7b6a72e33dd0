#include "editor/skeleton/EditHistory.h"

#include <algorithm>
#include <unordered_set>

#include "core/Clock.h"
#include "core/Log.h"
#include "editor/skeleton/EditorState.h"
#include "entities/E_EditorEnt.h"
#include "skeleton/LineReader.h"
#include "skeleton/Skeleton.h"

namespace {

const char* const kFrameHeading = "\r\n## Frame: ";

// Writing and reading the skeleton for the history is not news for the log: every bone would
// leave a line there each time.
class QuietLog {
public:
    QuietLog() : saved_(g_Log ? g_Log->priority : 0)
    {
        if (g_Log)
            g_Log->priority = -1;
    }
    ~QuietLog()
    {
        if (g_Log)
            g_Log->priority = saved_;
    }
    QuietLog(const QuietLog&) = delete;
    QuietLog& operator=(const QuietLog&) = delete;

private:
    int saved_;
};

bool SamePose(const std::vector<BonePose>& a, const std::vector<BonePose>& b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](const BonePose& x, const BonePose& y) {
               return x.angle == y.angle && x.length == y.length;
           });
}

// The parts of the state that are not the file's text.
void CaptureView(EditHistory::State& state)
{
    const Skeleton* skeleton = g_Editor.skeleton;
    const E_EditorEnt* entity = g_Editor.entity;
    state.pose.clear();
    if (skeleton) {
        state.pose.reserve(skeleton->BoneCount());
        for (const auto& bone : skeleton->BoneList())
            state.pose.push_back(BonePose {bone->relativeAngle, bone->length});
        state.selected = g_Editor.SelectedBone ? skeleton->BoneIndex(g_Editor.SelectedBone) : -1;
    }
    if (entity) {
        state.frameTime = entity->blendTime;
        state.frameSet = entity->frameSet;
        state.frame = entity->frame;
    }
}

} // namespace

std::string EditHistory::Text(const State& state)
{
    std::string text;
    for (const auto& chunk : state.chunks)
        text += *chunk;
    return text;
}

std::vector<std::shared_ptr<const std::string>> EditHistory::Chunks(const std::string& text) const
{
    std::vector<std::shared_ptr<const std::string>> chunks;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find(kFrameHeading, start + 1);
        end = end == std::string::npos ? text.size() : end + 2;   // the heading opens the next chunk
        const size_t i = chunks.size();
        const size_t length = end - start;
        const auto& last = Last().chunks;
        if (i < last.size() && last[i]->size() == length && text.compare(start, length, *last[i]) == 0)
            chunks.push_back(last[i]);
        else
            chunks.push_back(std::make_shared<const std::string>(text, start, length));
        start = end;
    }
    return chunks;
}

EditHistory::State EditHistory::Capture()
{
    State state;
    if (g_Editor.skeleton) {
        QuietLog quiet;
        state.chunks = Chunks(g_Editor.skeleton->Write(0));
    }
    CaptureView(state);
    return state;
}

EditHistory::State EditHistory::Restore(const EditHistoryStep& step, bool after)
{
    const State& state = after ? step.after : step.before;
    Skeleton* skeleton = g_Editor.skeleton;
    E_EditorEnt* entity = g_Editor.entity;
    if (!skeleton || !entity)
        return state;
    // Reading replaces every bone.
    g_Editor.ClearSelection();
    {
        QuietLog quiet;
        const std::string text = Text(state);
        LineReader lines(text);
        std::string error;
        skeleton->Read(lines, "", &error);
    }
    for (int i = 0; i < skeleton->BoneCount() && i < static_cast<int>(state.pose.size()); ++i) {
        Bone* bone = skeleton->GetBoneByIndex(i);
        bone->relativeAngle = state.pose[i].angle;
        bone->length = state.pose[i].length;
    }
    skeleton->UpdatePositions();
    g_Editor.SelectedBone = state.selected >= 0 ? skeleton->GetBoneByIndex(state.selected) : nullptr;
    g_Editor.Playing = false;
    entity->blendTime = state.frameTime;
    const SkeletonFrameSet* set = skeleton->GetFrameSet(state.frameSet);
    const bool there = set && state.frame < set->FrameCount();
    entity->frameSet = entity->nextFrameSet = there ? state.frameSet : 0;
    entity->frame = entity->nextFrame = there ? state.frame : 0;
    entity->blendEnd = ElapsedMs;
    return state;
}

void EditHistory::Began() { CaptureView(begun_); }

void EditHistory::Record(const State& last, const State& now)
{
    bool textChanged = now.chunks.size() != last.chunks.size();
    for (size_t i = 0; !textChanged && i < now.chunks.size(); ++i)
        textChanged = now.chunks[i] != last.chunks[i];
    // A pose changed on the same frame is an edit; on the way to another frame it is only the
    // new frame showing.
    const bool sameFrame = now.frameSet == begun_.frameSet && now.frame == begun_.frame;
    const bool poseEdited = sameFrame && !SamePose(now.pose, begun_.pose);
    if (textChanged || poseEdited || now.frameTime != last.frameTime) {
        State before = last;
        before.pose = begun_.pose;
        before.selected = begun_.selected;
        before.frameSet = begun_.frameSet;
        before.frame = begun_.frame;
        Push(EditHistoryStep {std::move(before), now}, 0);
    }
}

size_t EditHistory::Bytes() const
{
    std::unordered_set<const std::string*> counted;
    size_t bytes = 0;
    const auto add = [&](const State& state) {
        bytes += sizeof(State) + state.pose.capacity() * sizeof(BonePose) +
                 state.chunks.capacity() * sizeof(std::shared_ptr<const std::string>);
        for (const auto& chunk : state.chunks)
            if (counted.insert(chunk.get()).second)
                bytes += sizeof(std::string) + chunk->capacity();
    };
    Steps().ForEach([&](const EditHistoryStep& step) {
        add(step.before);
        add(step.after);
    });
    return bytes;
}
