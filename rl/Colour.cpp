#include "rl/Colour.h"

#include "rl/GL.h"

namespace rl {

namespace {
Colour g_multipliers {1, 1, 1, 1};
}

void Colour::Select() const
{
    glColor4f(r * g_multipliers.r, g * g_multipliers.g, b * g_multipliers.b, a * g_multipliers.a);
}

void SetChannelMultipliers(float r, float g, float b, float a) { g_multipliers = Colour(r, g, b, a); }
void ResetChannelMultipliers() { g_multipliers = Colour(1, 1, 1, 1); }
Colour ChannelMultipliers() { return g_multipliers; }

} // namespace rl
