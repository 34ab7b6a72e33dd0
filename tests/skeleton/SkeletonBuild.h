#pragma once
// Small builders for skeleton tests.

#include <string>
#include <vector>

#include "skeleton/Skeleton.h"

// Entry values that tell bones apart: (angle, length) of bone i in the first frame.
inline std::vector<std::pair<float, float>> Entries(const Skeleton& skeleton, int set = 0, int frame = 0)
{
    std::vector<std::pair<float, float>> out;
    for (const BonePose& pose : skeleton.GetFrame(set, frame)->entries)
        out.emplace_back(pose.angle, pose.length);
    return out;
}

inline std::vector<std::string> BoneNames(const Skeleton& skeleton)
{
    std::vector<std::string> names;
    for (const auto& bone : skeleton.BoneList())
        names.push_back(bone->name);
    return names;
}

inline std::vector<std::string> ChildNames(const SkeleNode* node)
{
    std::vector<std::string> names;
    for (const auto& child : node->children)
        names.push_back(child->bone->name);
    return names;
}
