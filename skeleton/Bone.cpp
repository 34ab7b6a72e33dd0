#include "skeleton/Bone.h"

#include "core/Log.h"

Bone::Bone(const std::string& boneName, float relAngle, float boneLength, SkeleNode* owner)
    : name(boneName), relativeAngle(relAngle), length(boneLength), node(owner)
{
    LogText("", 1);
    LogText("New BONE LIST INDEX created", 1);
}

Bone::~Bone() { LogText("Destroying BONELISTINDEX", 1); }

void Bone::LoadSkin()
{
    if (skin.Load(skinPath)) {
        failedSkinPath.clear();
        return;
    }
    failedSkinPath = skinPath;
    skinPath = "NO SKIN";
}
