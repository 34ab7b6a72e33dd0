#include "core/Random.h"

#include <algorithm>
#include <vector>

#include <gtest/gtest.h>

namespace {

std::vector<int> Draw(uint32_t seed, int count)
{
    SeedRandom(seed);
    std::vector<int> values;
    for (int i = 0; i < count; ++i)
        values.push_back(RandomInt());
    return values;
}

} // namespace

// Seeding fixes the sequence; the numbers cover the standard generator's whole range.
TEST(Random, ASeedGivesTheSameNumbersEveryTimeOverTheWholeRange)
{
    EXPECT_EQ(Draw(7, 50), Draw(7, 50));
    EXPECT_NE(Draw(7, 50), Draw(8, 50));
    const std::vector<int> many = Draw(1, 200000);
    int low = kRandomMax, high = 0;
    long long sum = 0;
    for (int v : many) {
        ASSERT_GE(v, 0);
        ASSERT_LE(v, kRandomMax);
        low = std::min(low, v);
        high = std::max(high, v);
        sum += v;
    }
    EXPECT_LT(low, 10);
    EXPECT_GT(high, kRandomMax - 10);
    EXPECT_NEAR(static_cast<double>(sum) / many.size(), kRandomMax / 2.0, 200);
}
