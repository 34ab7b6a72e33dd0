#include "skeleton/SkeleNode.h"

#include "core/Log.h"

SkeleNode::SkeleNode(SkeleNode* parentNode) : parent(parentNode) { LogText("Contructing SkeleNode", 1); }

SkeleNode::~SkeleNode()
{
    LogText("Deconstructing SkeleNode", 1);
    // Children are taken apart one level at a time so a deep chain never recurses deeply.
    std::vector<std::unique_ptr<SkeleNode>> pending = std::move(children);
    while (!pending.empty()) {
        std::unique_ptr<SkeleNode> node = std::move(pending.back());
        pending.pop_back();
        for (auto& child : node->children)
            pending.push_back(std::move(child));
        node->children.clear();
    }
}
