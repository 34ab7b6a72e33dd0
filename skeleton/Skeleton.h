#pragma once
// A skeleton: a tree of SkeleNodes, each carrying one Bone; the bone list, which is the draw order
// and whose positions (bone indices) index every stored pose; and the frame sets of stored poses.
//
// Invariants kept by every operation here:
//  - every bone of the tree is in the bone list exactly once, and the list holds no other bones;
//  - the root bone "Trunk" stays at bone index 0;
//  - there is at least one frame set, every set has at least one frame, and every frame holds
//    exactly one entry per bone, entry i for the bone at index i.
// Loading (even from a damaged file) ends with them holding too.
//
// The skeleton owns the nodes (through the root), the bones (through the list), the frame sets and
// the skins. Refusals are shown in the message box; the pose math never logs.
//
// Sections: Skeleton.cpp (tree and bone list), SkeletonPose.cpp (positions, posing, frames),
// SkeletonFile.cpp (writing the skeleton file, Save and Load), SkeletonReader.cpp (reading it),
// SkeletonDraw.cpp (skins and the editor overlay: the drawing library, the only part that needs
// the screen).

#include <ctime>
#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "skeleton/Bone.h"
#include "skeleton/SkeleNode.h"
#include "skeleton/SkeletonFrame.h"

class LineReader;

class Skeleton {
public:
    Skeleton();
    ~Skeleton();
    Skeleton(const Skeleton&) = delete;
    Skeleton& operator=(const Skeleton&) = delete;

    // ---- Tree and bone list --------------------------------------------------------------
    // Leaves one bone, "Trunk" (angle 0, length 20), and one set "Default 0" holding its pose.
    void Reset();
    // Appends a bone under parent (drawn last) and an entry for it to every frame. Without a parent
    // this makes the root if there is none, else returns the existing root.
    SkeleNode* AddBone(SkeleNode* parent, const std::string& name, float relativeAngle, float length);
    // A new bone between node and its children; null when node is null.
    SkeleNode* InsertBone(SkeleNode* node, const std::string& name, float relativeAngle, float length);
    // Removes one bone; its children take its place, keeping their absolute directions at rest.
    void ExtractBone(SkeleNode* node);
    // Removes a node, its bone and all its descendants, with their frame entries.
    void DeleteLimb(SkeleNode* node);
    // Copies names, angles and lengths of a limb under newParent (not skins or stored poses).
    // Refused when newParent lies inside the limb.
    void CopyLimb(SkeleNode* node, SkeleNode* newParent);
    // Makes name unused by any bone: "Arm" becomes "Arm (1)", then "Arm (2)", ...
    void MakeUniqueName(std::string& name, int depth = 0) const;
    // Exchanges two bones' places in the draw order and their entries in every frame. Nothing
    // happens when a == b or either is the root or not in the list.
    void SwapBones(Bone* a, Bone* b);

    int BoneIndex(const Bone* bone) const;
    Bone* GetBoneByIndex(int index) const;
    Bone* FindBoneByName(const std::string& name) const;
    SkeleNode* FindNodeByName(const std::string& name) const;
    void LoadSkin(Bone* bone);

    SkeleNode* Root() const { return root_.get(); }
    int BoneCount() const { return static_cast<int>(boneList_.size()); }
    const std::vector<std::unique_ptr<Bone>>& BoneList() const { return boneList_; }

    // ---- Positions and editing (SkeletonPose.cpp) -----------------------------------------
    // Computes start, end and absolute angle of node's bone and of everything below it. The tree
    // must be changed only through the operations above (they tell the pose order to rebuild).
    void UpdatePositions(SkeleNode* node, float x, float y, float parentAngle);
    // The usual call: from the root at the skeleton's origin.
    void UpdatePositions() { UpdatePositions(root_.get(), 0, 0, 0); }
    // Drags the bone's end towards a screen point (the editor's view: screen = zoom * pos + origin).
    void AimBone(Bone* bone, float screenX, float screenY, float zoom, float originX, float originY,
                 bool changeLength, bool changeAngle, bool keepChildren);
    // The first bone in draw order whose end lies strictly within 10 screen pixels on both axes.
    Bone* BoneAtPoint(float screenX, float screenY, float zoom, float originX, float originY) const;

    // ---- Frames and posing (SkeletonPose.cpp) ----------------------------------------------
    // Blends frame A of set A (t = 0) towards frame B of set B (t = 1), angles along the shorter
    // arc. A frame B past its set wraps to frame 0. Invalid sets or frames change nothing.
    void SetPose(int setA, int frameA, int setB, int frameB, float t);
    // Keeps the current pose as a new frame after frame a of set s (angles in [0, 360)); with s
    // equal to the number of sets, as frame 0 of a new set "Default <s>".
    void StorePoseAsNewFrame(int a, int s);
    // Overwrites frame f of set s with the current pose (angles reduced keeping their sign).
    void StorePoseInFrame(int s, int f);
    void DeleteFrame(int s, int f);
    void DeleteFrameSet(int s);
    void SwapFrames(int setA, int frameA, int setB, int frameB);
    // False (logged) when the indices are invalid or source does not hold one entry per bone.
    bool OverwriteFrame(int s, int f, const SkeletonFrame& source);
    void RenameFrameSet(const std::string& name, int s);
    // Gives every frame of every set the lengths of frame f of set s.
    void ApplyFrameLengths(int s, int f);
    // Multiplies skin offsets and every stored length; false (nothing changed) when the factor or
    // a result would not be a finite number.
    bool ScaleSkeleton(float factor);
    // Writes every stored pose to the log at priority 3.
    void FrameReport() const;

    int FrameSetCount() const { return static_cast<int>(frameSets_.size()); }
    // Empties the array of frame sets. Only for a skeleton emptied for good (the resource
    // plug-in's unload, after DeleteLimb on the root); the invariants above stop holding.
    void ClearFrameSets() { frameSets_.clear(); }
    SkeletonFrameSet* GetFrameSet(int s) const;
    SkeletonFrame* GetFrame(int s, int f) const;

    // ---- The skeleton file (SkeletonFile.cpp) ----------------------------------------------
    // 0 on success; 1, after its message, when the skeleton is empty, has a line the reader could
    // not read back, or the file could not be written (the old file is then left as it was).
    // Saving over a symbolic link replaces the file it points at.
    int Save(const std::string& fileName) const;
    // 0 on success; 1, after its message, with the skeleton unchanged, when the file cannot be read,
    // is not a regular file, is over 64 MB, or is not a skeleton file (see Read).
    int Load(const std::string& fileName);

    // The file's text as Save writes it, stamped with the given local time.
    std::string Write(std::time_t modified) const;
    // Reads a skeleton file's lines into this skeleton (fileName is only for messages). Returns 0,
    // or -1 with the skeleton unchanged and the message in error: for a bone block naming no bone
    // or a tree line naming none ("ERROR LOADING MARL - ..."), and for text without a tree or whose
    // counts run past its end ("Not a skeleton file: " and the name).
    int Read(LineReader& lines, const std::string& fileName, std::string* error);

    // ---- Drawing (SkeletonDraw.cpp) ----------------------------------------------------------
    // Skins in draw order at (x, y); mirrored (non-zero) flips the skeleton about x + 20.
    void DrawSkins(float x, float y, int mirrored);
    void DrawSkinsScaled(float x, float y, float scale, int mirrored);
    // The editor's bare-bones view: joints and bone lines, the selected bone highlighted.
    void DrawOverlay(float zoom, float originX, float originY, const Bone* selected) const;

private:
    friend class SkeletonReader;

    // AddBone for a name known to be unused.
    SkeleNode* AppendBone(SkeleNode* parent, const std::string& uniqueName, float relativeAngle, float length);
    // SwapBones by bone index.
    void SwapBonesAt(int ia, int ib);
    // The name made unused as MakeUniqueName does, with `taken` telling which names are in use.
    // nextCounters, when given, remembers per base name the lowest counter that may be free, for
    // a caller that only ever adds names.
    static std::string UniqueName(const std::string& name, int depth,
                                  const std::function<bool(const std::string&)>& taken,
                                  std::unordered_map<std::string, int>* nextCounters = nullptr);
    // FindNodeByName's log lines and result for a lookup that found bone (or null).
    static SkeleNode* NodeFound(const std::string& name, Bone* bone);

    struct SavedText;
    SavedText Compose(std::time_t modified) const;
    void RemoveBones(const std::vector<SkeleNode*>& limb);
    void RestoreFrameInvariants();
    bool NameTaken(const std::string& name) const;

    std::unique_ptr<SkeleNode> root_;
    std::vector<std::unique_ptr<Bone>> boneList_;
    std::vector<std::unique_ptr<SkeletonFrameSet>> frameSets_;

    // The tree flattened for UpdatePositions, depth first, with each node's parent slot (-1 for
    // the root); rebuilt on the first pose after the tree changed. With the scratch arrays of the
    // pose passes it is kept, so posing never allocates.
    struct PoseSlot {
        Bone* bone;
        int parent;
    };
    void RebuildPoseOrder();
    void TreeChanged() { poseOrderStale_ = true; }
    void UpdateLimbPositions(SkeleNode* node, float x, float y, float parentAngle);
    std::vector<PoseSlot> poseOrder_;
    std::vector<float> absolute_, lengths_, deltaX_, deltaY_, endX_, endY_;
    bool poseOrderStale_ = true;
    struct PendingNode {
        SkeleNode* node;
        float x, y, angle;
    };
    std::vector<PendingNode> pending_;
};
