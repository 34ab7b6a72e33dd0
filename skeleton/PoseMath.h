#pragma once
// Sine and cosine of angles in degrees for posing, four at a time. UpdatePositions needs both for
// every bone on every pose; the library's sincos alone costs more than the whole rest of posing.
//
// The whole turns are taken out in degrees (exact, so multiples of 90 give exact 0 and 1), and the
// remainder, within 45 degrees of zero, goes through the classic single-precision polynomials
// (about one float unit in the last place): as exact as the float positions they feed. Angles past
// a million degrees, infinities and NaNs go through the library's double-precision sincos.

#include <cmath>
#include <cstddef>

namespace posemath {

constexpr double kRadiansPerDegree = 0.017453292519943295;
constexpr float kFastLimit = 1e6f;

// One angle, as the four-wide version computes it.
inline void SinCosDegrees(float degrees, float& sine, float& cosine)
{
    if (!(std::fabs(degrees) < kFastLimit)) {
        double s, c;
        sincos(degrees * kRadiansPerDegree, &s, &c);
        sine = static_cast<float>(s);
        cosine = static_cast<float>(c);
        return;
    }
    // Rounds to whole quarter turns by adding and taking away 1.5 * 2^23.
    constexpr float kRound = 12582912.0f;
    const float quarters = (degrees * (1.0f / 90) + kRound) - kRound;
    const float r = (degrees - quarters * 90) * static_cast<float>(kRadiansPerDegree);
    const float z = r * r;
    const float s = ((-1.9515295891e-4f * z + 8.3321608736e-3f) * z - 1.6666654611e-1f) * z * r + r;
    const float c = ((2.443315711809948e-5f * z - 1.388731625493765e-3f) * z + 4.166664568298827e-2f) * z * z - 0.5f * z + 1;
    const unsigned quadrant = static_cast<unsigned>(static_cast<int>(quarters)) & 3u;
    const float values[2] = {s, c};
    static constexpr float kSineSign[4] = {1, 1, -1, -1};
    static constexpr float kCosineSign[4] = {1, -1, -1, 1};
    sine = values[quadrant & 1u] * kSineSign[quadrant];
    cosine = values[(quadrant & 1u) ^ 1u] * kCosineSign[quadrant];
}

// For i < count: x[i] = cos(degrees[i]) * length[i], y[i] = sin(degrees[i]) * length[i].
void ScaledSinCos(const float* degrees, const float* length, float* x, float* y, size_t count);

} // namespace posemath
