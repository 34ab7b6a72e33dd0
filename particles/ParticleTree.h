#pragma once
// Particle trees: one entity that owns a fixed array of small particles and thinks, moves and draws
// them as one object of an entity list. An exploPT is a one-shot burst of coloured discs that fade
// from a start colour to an end colour and finishes (flags ENT_DEAD) once every particle has died;
// a snowPT is an endless fall of 100 flakes through the camera's view that settle on the level and
// start again above it.
//
// The array is allocated once, when the tree is made: nothing is allocated per tick. Particles are
// drawn through the installed EntityPainter, one disc each.

#include <cstdint>
#include <memory>
#include <string>

#include "entities/Entity.h"
#include "entities/EntityPainter.h"

class TileGrid;

using Rgba = PaintColour;

// What the level does to a point moving from (x0, y0) to (x1, y1): the kBlocked* bits of the sides
// through which it entered a blocking cell. A target in a free cell, or a move that stays inside
// one cell column and row, gives 0.
int TestPointMove(const TileGrid* level, float x0, float y0, float x1, float y1);

// The interface of one particle. Think returns 0 while the particle is active.
class MParticle {
public:
    virtual ~MParticle() = default;
    virtual void Draw(float camX, float camY, float zoom) = 0;
    virtual void Update(float dt, const TileGrid* level) = 0;
    virtual int Think() = 0;
};

// A disc of an explosion: flies on its velocity, falls under gravity, fades over its 20 ticks of
// life and shrinks as it ages. Passes through the level.
class exploParticle final : public MParticle {
public:
    static constexpr int32_t kLife = 20;

    exploParticle();
    ~exploParticle() override;
    void Draw(float camX, float camY, float zoom) override;
    void Update(float dt, const TileGrid* level) override;
    int Think() override;

    Rgba colour {1, 0, 0, 1};
    Rgba startColour {1, 0, 0, 1};
    Rgba endColour {1, 1, 0, 0.5f};
    float x = 100, y = 100;
    float velX, velY;          // random whole numbers -10 ... 9 at birth
    int32_t life = kLife;      // ticks left
    bool dead = false;
    float drag = 0;            // fraction of the vertical speed lost per tick: 0 falls freely
    float gravity = 0.98f;
    int32_t camX = 0, camY = 0;   // the camera of the last Draw
};

// A snow flake: hidden (waiting for its timer), falling through the view, or settled where it hit
// the level until its timer sends it back above the view.
class snowParticle final : public MParticle {
public:
    enum State : int32_t { kFalling = 0, kHidden = 1, kSettled = 2 };
    // The view the flakes fall through: the program's screen.
    static constexpr int kViewWidth = 800;
    static constexpr int kViewHeight = 600;

    snowParticle();
    ~snowParticle() override;
    void Draw(float camX, float camY, float zoom) override;
    void Update(float dt, const TileGrid* level) override;
    int Think() override;
    // Starts falling again from 50 pixels above the view of a camera at (cx, cy).
    void Respawn(int32_t cx, int32_t cy);

    float x = 0, y = 0;
    float velX = 0, velY = 0;
    int32_t timer = 0;         // ticks until the next respawn
    int32_t state = kHidden;
    float drag = 0.3f;
    float gravity = 0.98f;
    int32_t camX = 0, camY = 0;   // the camera of the last Draw; respawns happen above it
};

// The entity side of a tree: aliveCount is count minus the particles that reported themselves
// inactive on the last Think.
class ParticleTree : public Entity {
public:
    ParticleTree(float x, float y, const std::string& name);

    int32_t aliveCount = 0;
    int32_t count = 0;
};

// A tree of `count` particles of one kind, held in one array. P is final, so the per-particle
// calls of a tick are direct.
template <class P>
class ParticleTreeOf : public ParticleTree {
public:
    ParticleTreeOf(float x, float y, const std::string& name, int n);
    ~ParticleTreeOf() override;

    void Update(float dt, const TileGrid* level) override
    {
        for (int i = 0; i < count; ++i)
            particles[i].Update(dt, level);
    }
    void Draw(float camX, float camY, float zoom) override
    {
        for (int i = 0; i < count; ++i)
            particles[i].Draw(camX, camY, zoom);
    }
    void Think() override
    {
        int inactive = 0;
        for (int i = 0; i < count; ++i)
            inactive += particles[i].Think();
        aliveCount = count - inactive;
    }

    std::unique_ptr<P[]> particles;
};

class exploPT : public ParticleTreeOf<exploParticle> {
public:
    // n particles (none for n below 1) at the tree's position.
    exploPT(float x, float y, const std::string& name, int n);
    ~exploPT() override;

    // Finishes the tree (flags ENT_DEAD) once no particle is alive.
    void Think() override;

    // Each particle: velX = a random whole number 0 ... spreadX - 1, plus centreX - spreadX / 2;
    // velY likewise with spreadY. Note the order: spreadY before spreadX. A spread below 1 adds no
    // random part.
    void SetVelocities(float centreX, float centreY, float spreadY, float spreadX);
    // Each particle flies at angle degrees (0 down the screen, 90 to the right) at speed, spread at
    // random over angleSpread degrees and speedSpread of speed, both centred.
    void SetPolarVelocities(float angle, float speed, float angleSpread, float speedSpread);
    void SetColours(const Rgba& start, const Rgba& end);
};

class snowPT : public ParticleTreeOf<snowParticle> {
public:
    static constexpr int kFlakes = 100;

    snowPT(float x, float y, const std::string& name);
    ~snowPT() override;
};

// An explosion of n particles named name at (x, y) caused by owner (may be null), its particles
// given SetVelocities (centreX, centreY, spreadY, spreadX) and SetColours (start, end). The caller
// puts it into a list.
std::unique_ptr<exploPT> MakeBurst(int n, float x, float y, Entity* owner, float centreX, float centreY,
                                   float spreadY, float spreadX, const Rgba& start, const Rgba& end,
                                   const std::string& name = "Explosion");

extern template class ParticleTreeOf<exploParticle>;
extern template class ParticleTreeOf<snowParticle>;
