#pragma once
// A drawing colour, four channels from 0 to 1, and the layer's channel multipliers that tint every
// colour selected for drawing.

namespace rl {

struct Colour {
    float r = 1, g = 1, b = 1, a = 1;

    Colour() = default;
    Colour(float red, float green, float blue, float alpha = 1.0f) : r(red), g(green), b(blue), a(alpha) {}

    // Makes this the current drawing colour, each channel multiplied by its channel multiplier.
    void Select() const;
};

void SetChannelMultipliers(float r, float g, float b, float a);
void ResetChannelMultipliers();
Colour ChannelMultipliers();

} // namespace rl
