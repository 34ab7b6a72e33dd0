#include "tests/skeleton/SkeletonInvariants.h"

#include <unordered_map>
#include <vector>

#include "skeleton/Skeleton.h"

std::string InvariantViolation(const Skeleton& skeleton)
{
    const SkeleNode* root = skeleton.Root();
    if (!root)
        return "no root";
    if (root->parent)
        return "the root has a parent";
    const auto& bones = skeleton.BoneList();
    if (bones.empty() || bones[0].get() != root->bone)
        return "the root bone is not at index 0";

    std::unordered_map<const Bone*, int> seen;
    std::vector<const SkeleNode*> pending {root};
    size_t nodes = 0;
    while (!pending.empty()) {
        const SkeleNode* node = pending.back();
        pending.pop_back();
        ++nodes;
        if (!node->bone)
            return "a node without a bone";
        if (node->bone->node != node)
            return "bone '" + node->bone->name + "' does not point back at its node";
        if (++seen[node->bone] > 1)
            return "a bone on two nodes";
        for (const auto& child : node->children) {
            if (child->parent != node)
                return "a child whose parent is another node";
            pending.push_back(child.get());
        }
    }
    if (nodes != bones.size())
        return "tree has " + std::to_string(nodes) + " nodes but the list " + std::to_string(bones.size()) + " bones";
    for (const auto& bone : bones)
        if (!seen.count(bone.get()))
            return "bone '" + bone->name + "' is listed but not in the tree";

    if (skeleton.FrameSetCount() < 1)
        return "no frame set";
    for (int s = 0; s < skeleton.FrameSetCount(); ++s) {
        const SkeletonFrameSet* set = skeleton.GetFrameSet(s);
        if (set->FrameCount() < 1)
            return "frame set " + std::to_string(s) + " has no frame";
        for (int f = 0; f < set->FrameCount(); ++f)
            if (set->GetFrame(f)->entries.size() != bones.size())
                return "frame " + std::to_string(f) + " of set " + std::to_string(s) + " holds " +
                       std::to_string(set->GetFrame(f)->entries.size()) + " entries for " +
                       std::to_string(bones.size()) + " bones";
    }
    return "";
}
