#pragma once
// The base of the enemies and the boss group: a SkeleEnt whose body is a skeleton file of the game
// data, blended between the frames of its sets and counting the passes through the current set.
//
// A body that cannot be had (the file is missing, or lacks a bone the class needs) is alerted once
// per file, logged, and leaves the entity inert: it thinks, moves and reacts to nothing, and is
// drawn as its collision box, so a level with it can still be edited and played.

#include <cstdint>
#include <string>
#include <vector>

#include "entities/SkeleEnt.h"

// State bits of the skeleton-driven classes, beside ENT_ALIVE, ENT_DEAD and ENT_AIRBORNE.
constexpr int32_t ENT_WALKING = 0x10;
constexpr int32_t ENT_IDLE = 0x20;
constexpr int32_t ENT_SHOOTING = 0x80;

class SkeletonCharacter : public SkeleEnt {
public:
    SkeletonCharacter(float x, float y, const std::string& name) : SkeleEnt(x, y, name) {}

    int32_t blendEnd = 0;   // clock time at which the running blend completes
    int32_t loops = 0;      // completed passes through the current frame set
    bool inert = false;     // the body could not be had

protected:
    // Reads the skeleton file; false (and inert) when it cannot be read or lacks one of the bones.
    bool LoadBody(const std::string& fileName, const std::vector<std::string>& bones = {});
    // The pose step, then the move of one time step and the collision with the level.
    int PoseMoveAndCollide(float dt, const TileGrid* level);
    // Once the clock runs and the blend has ended: the blend's target becomes the current frame,
    // ChooseNextFrame picks the next target, and a new blend starts. Holds while the target set is
    // missing or empty.
    void AdvanceLooping(int32_t now);
    // The next target after `frame` in a set of `count` frames: the next frame, or frame 0 and one
    // more loop after the last.
    virtual void ChooseNextFrame(int count);
    // The frame advance, then the skins at screen (zoom * x - camX, zoom * y - camY) scaled by
    // zoom, then the box while B is held; an inert entity is drawn as its box.
    void DrawBody(float camX, float camY, float zoom);
    // Makes the entity inert, alerting the reason once per text.
    void BecomeInert(const std::string& reason);
    // Logs the text with the entity's name and alerts it, the first time this text comes up in the
    // run only: a game tick that keeps finding the same fault must not flood the user.
    void AlertOnce(const std::string& text) const;
    // Flags with `clear` cleared and `set` set.
    void SwitchFlags(int32_t clear, int32_t set) { flags = (flags & ~clear) | set; }
};
