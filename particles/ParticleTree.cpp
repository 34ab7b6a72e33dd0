#include "particles/ParticleTree.h"

#include <algorithm>
#include <cmath>

#include "core/Log.h"
#include "core/Random.h"
#include "level/TileGrid.h"

namespace {

constexpr double kCell = TileGrid::kCellSize;
// Far enough outside any grid to block, small enough to stay an int.
constexpr double kFarCell = 1 << 24;

// The cell a level coordinate falls in, rounded down like the entities' own collision: the band
// just left of or above the grid is outside it and blocks.
int Cell(double v)
{
    const double cell = std::floor(v / kCell);
    if (std::isnan(cell))
        return static_cast<int>(kFarCell);
    return static_cast<int>(std::clamp(cell, -kFarCell, kFarCell));
}

bool Crossed(double from, double to, double (*round)(double))
{
    return round(from / kCell) != round(to / kCell);
}

float Mix(float start, float end, float k) { return start + k * (end - start); }

float RandomOffset(float spread)
{
    // A spread below 1 would be a modulo by zero.
    const int whole = spread >= 1 && spread < 2147483647.0f ? static_cast<int>(spread) : 0;
    return whole > 0 ? static_cast<float>(RandomInt() % whole) : 0;
}

float RandomVelocity() { return static_cast<float>(RandomInt() % 20 - 10); }

} // namespace

int TestPointMove(const TileGrid* level, float x0, float y0, float x1, float y1)
{
    if (!level || !level->CellBlocks(Cell(x1), Cell(y1)))
        return 0;
    int result = 0;
    if (x1 > x0 ? Crossed(x0, x1, std::ceil) : Crossed(x0, x1, std::floor))
        result |= x1 > x0 ? kBlockedRight : kBlockedLeft;
    if (y1 > y0 ? Crossed(y0, y1, std::ceil) : Crossed(y0, y1, std::floor))
        result |= y1 > y0 ? kBlockedBelow : kBlockedAbove;
    return result;
}

// ---- Explosion particles ---------------------------------------------------------------------

exploParticle::exploParticle() : velX(RandomVelocity()), velY(RandomVelocity())
{
    LogText("Constructed explosion particle!", 1);
}

exploParticle::~exploParticle() { LogText("Deconstructing explosion particle!", 1); }

int exploParticle::Think()
{
    if (--life < 0)
        dead = true;
    if (dead)
        return 1;
    const float k = 1 - static_cast<float>(life) / kLife;
    colour.r = Mix(startColour.r, endColour.r, k);
    colour.g = Mix(startColour.g, endColour.g, k);
    colour.b = Mix(startColour.b, endColour.b, k);
    colour.a = Mix(startColour.a, endColour.a, k);
    velY = (1 - drag) * (gravity + velY);
    return 0;
}

void exploParticle::Update(float dt, const TileGrid*)
{
    if (dead)
        return;
    x += velX * dt;
    y += velY * dt;
}

void exploParticle::Draw(float cameraX, float cameraY, float zoom)
{
    camX = static_cast<int32_t>(cameraX);
    camY = static_cast<int32_t>(cameraY);
    if (dead)
        return;
    if (EntityPainter* painter = CurrentEntityPainter())
        painter->Disc(zoom * x - cameraX, zoom * y - cameraY, static_cast<float>(life / 5) * zoom + 1, colour);
}

// ---- Snow flakes -----------------------------------------------------------------------------

snowParticle::snowParticle()
{
    LogText("Constructed snow particle!", 1);
    Respawn(0, 0);
    // Hidden at first, each flake with its own wait, so they appear one by one.
    state = kHidden;
    gravity = 0.98f;
    drag = 0.3f;
    timer = RandomInt() % 1000;
}

snowParticle::~snowParticle() { LogText("Deconstructing snow particle!", 1); }

void snowParticle::Respawn(int32_t cx, int32_t cy)
{
    x = static_cast<float>(cx + RandomInt() % kViewWidth);
    y = static_cast<float>(cy - 50);
    velX = static_cast<float>(16 - RandomInt() % 32) / 16;
    velY = 0;
    drag = 0.3f;
    state = kFalling;
    timer = 300 + RandomInt() % 200;
}

int snowParticle::Think()
{
    if (--timer < 0)
        Respawn(camX, camY);
    if (state == kFalling)
        velY = (1 - drag) * (gravity + velY);
    return state;
}

void snowParticle::Update(float dt, const TileGrid* level)
{
    if (state != kFalling)
        return;
    float a = x + velX * dt;
    float b = y + velY * dt;
    const int hit = TestPointMove(level, x, y, a, b);
    // Off a wall at a tenth of the speed, two pixels clear of it.
    if (hit & (kBlockedRight | kBlockedLeft)) {
        velX = -0.1f * velX;
        a = hit & kBlockedRight ? std::floor(a / kCell) * kCell - 2 : std::ceil(a / kCell) * kCell + 2;
    }
    if (hit & (kBlockedBelow | kBlockedAbove)) {
        state = kSettled;
        b = hit & kBlockedBelow ? std::floor(b / kCell) * kCell - 2 : std::ceil(b / kCell) * kCell + 2;
        velY = -0.5f * velY;
        velX = 0.5f * velX;
    }
    x = a;
    y = b;
    if (y < static_cast<float>(camY - 64) || y > static_cast<float>(camY + kViewHeight)) {
        state = kHidden;
        timer = 0;
    }
}

void snowParticle::Draw(float cameraX, float cameraY, float zoom)
{
    camX = static_cast<int32_t>(cameraX);
    camY = static_cast<int32_t>(cameraY);
    if (state == kHidden)
        return;
    const int size = timer * 5 / 500;
    if (EntityPainter* painter = CurrentEntityPainter())
        painter->Disc(zoom * x - cameraX, zoom * y - cameraY, static_cast<float>(size) * zoom + 2,
                      Rgba {0.9f, 0.9f, 0.9f, 0.5f});
}

// ---- Trees -----------------------------------------------------------------------------------

ParticleTree::ParticleTree(float startX, float startY, const std::string& treeName) : Entity(startX, startY, treeName)
{
    flags = ENT_ALIVE;
}

template <class P>
ParticleTreeOf<P>::ParticleTreeOf(float startX, float startY, const std::string& treeName, int n)
    : ParticleTree(startX, startY, treeName)
{
    count = std::max(n, 0);
    particles = std::make_unique<P[]>(static_cast<size_t>(count));
}

template <class P>
ParticleTreeOf<P>::~ParticleTreeOf()
{
    LogText("Particle Tree deconstructed!", 1);
}

template class ParticleTreeOf<exploParticle>;
template class ParticleTreeOf<snowParticle>;

exploPT::exploPT(float startX, float startY, const std::string& treeName, int n)
    : ParticleTreeOf(startX, startY, treeName, (LogText("Explo PT contructed", 1), n))
{
    for (int i = 0; i < count; ++i) {
        particles[i].x = x;
        particles[i].y = y;
    }
}

exploPT::~exploPT() { LogText("Explosion PT deconstructing....", 1); }

void exploPT::Think()
{
    ParticleTreeOf::Think();
    if (aliveCount == 0)
        flags = ENT_DEAD;
}

void exploPT::SetVelocities(float centreX, float centreY, float spreadY, float spreadX)
{
    for (int i = 0; i < count; ++i) {
        exploParticle& p = particles[i];
        p.velX = RandomOffset(spreadX) + centreX - spreadX / 2;
        p.velY = RandomOffset(spreadY) + centreY - spreadY / 2;
    }
}

void exploPT::SetPolarVelocities(float angle, float speed, float angleSpread, float speedSpread)
{
    constexpr double kRadians = 3.14159265358979323846 / 180;
    for (int i = 0; i < count; ++i) {
        double a = angle;
        if (angleSpread != 0)
            a += std::fmod(static_cast<double>(RandomInt()), angleSpread) - angleSpread / 2;
        double s = speed;
        if (speedSpread != 0)
            s += std::fmod(static_cast<double>(RandomInt()), speedSpread * 128.0) / 128 - speedSpread / 2;
        particles[i].velX = static_cast<float>(std::sin(a * kRadians) * s);
        particles[i].velY = static_cast<float>(std::cos(a * kRadians) * s);
    }
}

void exploPT::SetColours(const Rgba& start, const Rgba& end)
{
    for (int i = 0; i < count; ++i) {
        particles[i].startColour = start;
        particles[i].endColour = end;
        particles[i].colour = start;
    }
}

snowPT::snowPT(float startX, float startY, const std::string& treeName)
    : ParticleTreeOf(startX, startY, treeName, (LogText("Snow PT contructed", 1), kFlakes))
{
}

snowPT::~snowPT() { LogText("Snow PT deconstructing....", 1); }

std::unique_ptr<exploPT> MakeBurst(int n, float x, float y, Entity* owner, float centreX, float centreY,
                                   float spreadY, float spreadX, const Rgba& start, const Rgba& end,
                                   const std::string& name)
{
    auto burst = std::make_unique<exploPT>(x, y, name, n);
    burst->owner = owner;
    burst->SetVelocities(centreX, centreY, spreadY, spreadX);
    burst->SetColours(start, end);
    return burst;
}
