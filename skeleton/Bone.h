#pragma once
// A bone: what is drawn and animated at one node of a skeleton's tree. Its relative angle and
// length are what poses store; start, end and absolute angle are computed from them by
// Skeleton::UpdatePositions. Angles are degrees, 0 along +x and 90 along +y (down the screen);
// lengths and positions are pixels of the unscaled skeleton, relative to the start of the root.
//
// Owned by its Skeleton's bone list; node is a link back to the tree node that carries it.

#include <string>

#include "skeleton/BoneSkin.h"

class SkeleNode;

class Bone {
public:
    Bone(const std::string& boneName, float relAngle, float boneLength, SkeleNode* owner);
    ~Bone();
    Bone(const Bone&) = delete;
    Bone& operator=(const Bone&) = delete;

    // (Re)loads the skin from skinPath; on failure skinPath becomes "NO SKIN" and no skin is kept.
    void LoadSkin();

    std::string name;
    std::string skinPath;       // as given to LoadSkin; "NO SKIN" after a failed load
    std::string failedSkinPath; // the path the last failed LoadSkin was given; "" after a load that worked
    float startX = 0, startY = 0;
    float endX = 0, endY = 0;
    float absoluteAngle = 0;
    float relativeAngle = 0;
    float length = 0;
    float skinOffsetX = 0;      // the skin's offset against the bone end; stored as whole numbers
    float skinOffsetY = 0;
    int mirrorFlipMode = 1;     // 1 or 2: how the skin flips when the skeleton is drawn mirrored
    bool skinVisible = true;
    SkeleNode* node = nullptr;  // not owned
    BoneSkin skin;
};
