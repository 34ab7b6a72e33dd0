#include "editor/skeleton/BoneEdits.h"

#include "editor/skeleton/EditorState.h"
#include "skeleton/Skeleton.h"

namespace {

constexpr const char* kNewBoneName = "New";
constexpr float kNewBoneLength = 30;
constexpr float kDuplicateTurn = 45;
constexpr const char* kRootName = "Trunk";

// The editor's skeleton when the bone is one of its bones with a node; else null.
Skeleton* OwnerOf(const Bone* bone)
{
    Skeleton* skeleton = g_Editor.skeleton;
    if (!bone || !bone->node || !skeleton || skeleton->BoneIndex(bone) < 0)
        return nullptr;
    return skeleton;
}

void Select(SkeleNode* node) { g_Editor.SelectedBone = node ? node->bone : nullptr; }

} // namespace

void AddBoneBelow(Bone* bone)
{
    if (Skeleton* skeleton = OwnerOf(bone)) {
        Select(skeleton->AddBone(bone->node, kNewBoneName, 0, kNewBoneLength));
        skeleton->UpdatePositions();
    }
}

void InsertBoneBelow(Bone* bone)
{
    if (Skeleton* skeleton = OwnerOf(bone)) {
        Select(skeleton->InsertBone(bone->node, kNewBoneName, 0, kNewBoneLength));
        skeleton->UpdatePositions();
    }
}

void SubtractLimb(Bone* bone)
{
    Skeleton* skeleton = OwnerOf(bone);
    if (!skeleton || !bone->node->parent)
        return;
    g_Editor.ClearSelection();
    skeleton->DeleteLimb(bone->node);
    skeleton->UpdatePositions();
}

void ExtractOneBone(Bone* bone)
{
    Skeleton* skeleton = OwnerOf(bone);
    if (!skeleton)
        return;
    g_Editor.ClearSelection();
    skeleton->ExtractBone(bone->node);
    skeleton->UpdatePositions();
}

void DuplicateBone(Bone* bone)
{
    Skeleton* skeleton = OwnerOf(bone);
    if (!skeleton || !bone->node->parent)
        return;
    std::string name = bone->name;
    skeleton->MakeUniqueName(name, 0);
    Select(skeleton->AddBone(bone->node->parent, name, bone->relativeAngle + kDuplicateTurn, bone->length));
    skeleton->UpdatePositions();
}

void DuplicateLimb(Bone* bone)
{
    Skeleton* skeleton = OwnerOf(bone);
    if (!skeleton || !bone->node->parent)
        return;
    skeleton->CopyLimb(bone->node, bone->node->parent);
    skeleton->UpdatePositions();
}

void ToggleSkin(Bone* bone)
{
    if (bone)
        bone->skinVisible = !bone->skinVisible;
}

void RenameBone(Bone* bone, const std::string& name)
{
    Skeleton* skeleton = OwnerOf(bone);
    if (!skeleton || name.empty() || name == bone->name)
        return;
    // The bone's own name must not count as taken while the new one is checked.
    const std::string previous = bone->name;
    bone->name.clear();
    std::string unique = name;
    const bool root = !bone->node->parent;
    if (!root && unique == kRootName)
        unique += " (1)";
    skeleton->MakeUniqueName(unique, 0);
    bone->name = unique.empty() ? previous : unique;
}
