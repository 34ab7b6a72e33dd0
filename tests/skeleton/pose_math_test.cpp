// The sine and cosine posing uses, against the library's double-precision ones.
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <vector>

#include "skeleton/PoseMath.h"

namespace {

TEST(PoseMath, MatchesTheLibraryToFloatPrecision)
{
    std::vector<float> angles;
    for (float a = -1080; a <= 1080; a += 0.37f)
        angles.push_back(a);
    for (float a : {0.f, -0.f, 45.f, 44.999f, 45.001f, 89.99f, 135.f, 1e-30f, 12345.678f, -987654.f, 999999.f,
                    1e6f, 3.5e7f, 1e20f, -1e30f})
        angles.push_back(a);
    const size_t count = angles.size();
    std::vector<float> lengths(count, 100), x(count), y(count);
    posemath::ScaledSinCos(angles.data(), lengths.data(), x.data(), y.data(), count);

    for (size_t i = 0; i < count; ++i) {
        const double radians = static_cast<double>(angles[i]) * posemath::kRadiansPerDegree;
        // 100 pixels long: a millionth of a pixel is a few float steps of the result.
        EXPECT_NEAR(x[i], 100 * std::cos(radians), 2e-5) << angles[i];
        EXPECT_NEAR(y[i], 100 * std::sin(radians), 2e-5) << angles[i];
        float s, c;
        posemath::SinCosDegrees(angles[i], s, c);
        EXPECT_EQ(c * 100, x[i]) << "one angle and four at a time agree: " << angles[i];
        EXPECT_EQ(s * 100, y[i]) << angles[i];
    }
}

TEST(PoseMath, QuarterTurnsAreExact)
{
    const float angles[] = {0, 90, 180, 270, 360, -90, -180, -270, 450, 3600, -7290, 0, 90, 180};
    const float expectedSin[] = {0, 1, 0, -1, 0, -1, 0, 1, 1, 0, -1, 0, 1, 0};
    const float expectedCos[] = {1, 0, -1, 0, 1, 0, -1, 0, 0, 1, 0, 1, 0, -1};
    const size_t count = sizeof angles / sizeof angles[0];
    std::vector<float> ones(count, 1), x(count), y(count);
    posemath::ScaledSinCos(angles, ones.data(), x.data(), y.data(), count);
    for (size_t i = 0; i < count; ++i) {
        EXPECT_EQ(x[i], expectedCos[i]) << angles[i];
        EXPECT_EQ(y[i], expectedSin[i]) << angles[i];
    }
}

TEST(PoseMath, NonNumbersStayNonNumbers)
{
    const float angles[] = {std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity(), 30, 60};
    const float lengths[] = {1, 1, 2, 2};
    float x[4], y[4];
    posemath::ScaledSinCos(angles, lengths, x, y, 4);
    EXPECT_TRUE(std::isnan(x[0]) && std::isnan(y[0]));
    EXPECT_TRUE(std::isnan(x[1]) && std::isnan(y[1]));
    EXPECT_NEAR(x[2], std::sqrt(3.0), 1e-6);   // the rest of the group is still right
    EXPECT_NEAR(y[3], std::sqrt(3.0), 1e-6);
}

} // namespace
