#pragma once
// A node of a skeleton's tree: it owns its children (in the order they were added, which is the
// order of the skeleton file's tree lines) and links to its parent (null for the root) and to its
// bone, which the skeleton's bone list owns.

#include <memory>
#include <vector>

class Bone;

class SkeleNode {
public:
    explicit SkeleNode(SkeleNode* parentNode);
    ~SkeleNode();
    SkeleNode(const SkeleNode&) = delete;
    SkeleNode& operator=(const SkeleNode&) = delete;

    int ChildCount() const { return static_cast<int>(children.size()); }

    std::vector<std::unique_ptr<SkeleNode>> children;
    SkeleNode* parent = nullptr;   // not owned
    Bone* bone = nullptr;          // not owned
};
