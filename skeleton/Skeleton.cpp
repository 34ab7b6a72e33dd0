// The skeleton's tree and bone list: construction, Reset, adding, inserting, extracting, deleting
// and copying bones, unique names, draw-order swaps and lookups.
#include "skeleton/Skeleton.h"

#include <algorithm>
#include <unordered_set>

#include "core/Assert.h"
#include "core/Log.h"

Skeleton::Skeleton() { Reset(); }

Skeleton::~Skeleton()
{
    if (root_)
        DeleteLimb(root_.get());
    frameSets_.clear();
}

void Skeleton::Reset()
{
    if (root_)
        DeleteLimb(root_.get());
    frameSets_.clear();
    AddBone(nullptr, "Trunk", 0, 20);
    StorePoseAsNewFrame(0, FrameSetCount());
}

SkeleNode* Skeleton::AddBone(SkeleNode* parent, const std::string& name, float relativeAngle, float length)
{
    std::string unique = name;
    MakeUniqueName(unique, 0);
    return AppendBone(parent, unique, relativeAngle, length);
}

SkeleNode* Skeleton::AppendBone(SkeleNode* parent, const std::string& unique, float relativeAngle, float length)
{
    TreeChanged();
    if (!parent && root_)
        return root_.get();

    SkeleNode* node;
    if (parent) {
        parent->children.push_back(std::make_unique<SkeleNode>(parent));
        node = parent->children.back().get();
    } else {
        root_ = std::make_unique<SkeleNode>(nullptr);
        node = root_.get();
    }
    boneList_.push_back(std::make_unique<Bone>(unique, relativeAngle, length, node));
    node->bone = boneList_.back().get();

    if (!parent) {
        // The first bone: no frame can exist yet that would need an entry for it.
        LogText("New bone (TRUNK) added", 2);
        return node;
    }
    for (auto& set : frameSets_)
        for (auto& frame : set->frames)
            frame->entries.push_back(BonePose {relativeAngle, length});
    LogText("New bone added", 2);
    return node;
}

SkeleNode* Skeleton::InsertBone(SkeleNode* node, const std::string& name, float relativeAngle, float length)
{
    if (!node)
        return nullptr;
    if (node->children.empty())
        return AddBone(node, name, relativeAngle, length);

    SkeleNode* inserted = AddBone(node, name, relativeAngle, length);
    TreeChanged();
    std::unique_ptr<SkeleNode> own = std::move(node->children.back());
    node->children.pop_back();
    for (auto& child : node->children) {
        child->parent = inserted;
        inserted->children.push_back(std::move(child));
    }
    node->children.clear();
    node->children.push_back(std::move(own));
    return inserted;
}

void Skeleton::ExtractBone(SkeleNode* node)
{
    if (!node || !node->parent)
        return;
    SkeleNode* parent = node->parent;
    auto& siblings = parent->children;
    size_t at = 0;
    while (at < siblings.size() && siblings[at].get() != node)
        ++at;
    if (at == siblings.size())
        return;   // not linked into this tree

    // The children take the node's place among its siblings, in their own order; adding its angle
    // keeps their directions as they were.
    TreeChanged();
    std::vector<std::unique_ptr<SkeleNode>> children = std::move(node->children);
    node->children.clear();
    for (auto& child : children) {
        child->bone->relativeAngle += node->bone->relativeAngle;
        child->parent = parent;
        siblings.insert(siblings.begin() + static_cast<std::ptrdiff_t>(at), std::move(child));
        ++at;
    }
    DeleteLimb(node);
}

void Skeleton::DeleteLimb(SkeleNode* node)
{
    if (!node)
        return;
    TreeChanged();
    std::vector<SkeleNode*> limb {node};
    for (size_t k = 0; k < limb.size(); ++k)
        for (auto& child : limb[k]->children)
            limb.push_back(child.get());
    RemoveBones(limb);

    if (SkeleNode* parent = node->parent) {
        auto& siblings = parent->children;
        for (auto it = siblings.begin(); it != siblings.end(); ++it) {
            if (it->get() == node) {
                siblings.erase(it);   // deletes the node and everything below it
                break;
            }
        }
    } else if (node == root_.get()) {
        root_.reset();
    }
}

// Takes the limb's bones out of the list and their entries out of every frame in one pass each,
// so deleting a big limb costs no more than walking the skeleton once.
void Skeleton::RemoveBones(const std::vector<SkeleNode*>& limb)
{
    std::unordered_set<const Bone*> doomed;
    for (const SkeleNode* n : limb)
        if (n->bone)
            doomed.insert(n->bone);

    const size_t count = boneList_.size();
    std::vector<char> removeEntry(count, 0);
    for (size_t i = 0; i < count; ++i)
        removeEntry[i] = doomed.count(boneList_[i].get()) ? 1 : 0;
    // The root's entries stay: it goes only with the whole skeleton, whose frames go too.
    if (count > 0)
        removeEntry[0] = 0;

    for (auto& set : frameSets_) {
        for (auto& frame : set->frames) {
            auto& entries = frame->entries;
            size_t kept = 0;
            for (size_t i = 0; i < entries.size(); ++i)
                if (i >= count || !removeEntry[i])
                    entries[kept++] = entries[i];
            entries.resize(kept);
        }
    }

    size_t kept = 0;
    for (size_t i = 0; i < count; ++i) {
        if (doomed.count(boneList_[i].get())) {
            boneList_[i]->node = nullptr;
            boneList_[i].reset();
        } else {
            boneList_[kept++] = std::move(boneList_[i]);
        }
    }
    boneList_.resize(kept);
    for (SkeleNode* n : limb)
        n->bone = nullptr;
}

void Skeleton::CopyLimb(SkeleNode* node, SkeleNode* newParent)
{
    MARL_ASSERT(node && newParent);
    if (!node || !newParent || !node->bone)
        return;
    for (const SkeleNode* up = newParent; up; up = up->parent) {
        if (up == node) {
            LogText("SKELETON::COPYLIMB - Cannot copy a limb into itself", 4);
            return;
        }
    }
    std::string name = node->bone->name;
    MakeUniqueName(name, 0);
    SkeleNode* copy = AddBone(newParent, name, node->bone->relativeAngle, node->bone->length);
    // The source's own children only: the copy is never below the source, but the list is taken
    // first all the same.
    std::vector<SkeleNode*> children;
    for (auto& child : node->children)
        children.push_back(child.get());
    for (SkeleNode* child : children)
        CopyLimb(child, copy);
}

bool Skeleton::NameTaken(const std::string& name) const
{
    for (const auto& bone : boneList_)
        if (bone->name == name)
            return true;
    return false;
}

namespace {

bool EndsWith(const std::string& text, const std::string& tail)
{
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

} // namespace

void Skeleton::MakeUniqueName(std::string& name, int depth) const
{
    name = UniqueName(name, depth, [this](const std::string& candidate) { return NameTaken(candidate); });
}

// Walking the list and appending " (depth + 1)" on every clash, as the editor always has, ends
// with the base name plus the lowest free counter " (k)". This computes that directly. The base
// is the name itself, or, for a name ending in "(1)", the name without that counter (so copying
// "Arm (1)" gives "Arm (2)"); only the counter is ever stripped, never a character of the name.
std::string Skeleton::UniqueName(const std::string& name, int depth,
                                 const std::function<bool(const std::string&)>& taken,
                                 std::unordered_map<std::string, int>* nextCounters)
{
    if (!taken(name))
        return name;
    std::string base = name;
    int counter = 1;
    if (depth > 0) {
        const std::string suffix = " (" + std::to_string(depth) + ")";
        if (EndsWith(base, suffix))
            base.resize(base.size() - suffix.size());
        counter = depth + 1;
    } else if (EndsWith(base, " (1)")) {
        base.resize(base.size() - 4);
    } else if (EndsWith(base, "(1)")) {
        base.resize(base.size() - 3);
    }
    int* nextCounter = nextCounters ? &(*nextCounters)[base] : nullptr;
    if (nextCounter)
        counter = std::max(counter, *nextCounter);
    std::string candidate;
    for (;; ++counter) {
        candidate = base + " (" + std::to_string(counter) + ")";
        if (!taken(candidate))
            break;
    }
    if (nextCounter)
        *nextCounter = counter + 1;
    return candidate;
}

void Skeleton::SwapBones(Bone* a, Bone* b)
{
    if (!a || !b || a == b)
        return;
    SwapBonesAt(BoneIndex(a), BoneIndex(b));
}

void Skeleton::SwapBonesAt(int ia, int ib)
{
    // The root stays first: the file never lists the bone at index 0.
    if (ia <= 0 || ib <= 0 || ia == ib)
        return;
    for (auto& set : frameSets_) {
        for (auto& frame : set->frames) {
            auto& entries = frame->entries;
            if (static_cast<size_t>(ia) < entries.size() && static_cast<size_t>(ib) < entries.size())
                std::swap(entries[static_cast<size_t>(ia)], entries[static_cast<size_t>(ib)]);
        }
    }
    // The two bones trade places in the list; each node keeps its own bone object, so a bone held
    // by the editor stays the same bone.
    { Bone exchange("kill me", 0, 0, nullptr); }
    std::swap(boneList_[static_cast<size_t>(ia)], boneList_[static_cast<size_t>(ib)]);
}

int Skeleton::BoneIndex(const Bone* bone) const
{
    for (size_t i = 0; i < boneList_.size(); ++i)
        if (boneList_[i].get() == bone)
            return static_cast<int>(i);
    return -1;
}

Bone* Skeleton::GetBoneByIndex(int index) const
{
    if (index < 0 || index >= BoneCount())
        return nullptr;
    return boneList_[static_cast<size_t>(index)].get();
}

Bone* Skeleton::FindBoneByName(const std::string& name) const
{
    for (const auto& bone : boneList_)
        if (bone->name == name)
            return bone.get();
    return nullptr;
}

SkeleNode* Skeleton::FindNodeByName(const std::string& name) const { return NodeFound(name, FindBoneByName(name)); }

SkeleNode* Skeleton::NodeFound(const std::string& name, Bone* bone)
{
    if (bone) {
        LogText("Found 'SkeleNode' called:", 2);
        LogText(name, 2);
        return bone->node;
    }
    LogText("!!DID NOT FIND!! 'SkeleNode' called:", 4);
    LogText(name, 4);
    return nullptr;
}

void Skeleton::LoadSkin(Bone* bone)
{
    if (bone)
        bone->LoadSkin();
}
