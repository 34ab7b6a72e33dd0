// Replays the reader's fuzz corpus in the ordinary build: every input the fuzzer kept must still
// read into a sound skeleton.
#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>

#include "tests/skeleton/SkeletonFuzzTarget.h"
#include "tests/support/TestSupport.h"

namespace {

TEST(SkeletonCorpus, EveryInputReadsIntoASoundSkeleton)
{
    testsupport::TempFolder folder;   // skins named by the inputs resolve here, where there are none
    const std::filesystem::path corpus = MARL_SKELETON_CORPUS;
    std::vector<std::filesystem::path> inputs;
    for (const auto& entry : std::filesystem::directory_iterator(corpus))
        if (entry.is_regular_file())
            inputs.push_back(entry.path());
    std::sort(inputs.begin(), inputs.end());
    ASSERT_GE(inputs.size(), 20u) << "the corpus is missing from " << corpus;
    for (const auto& input : inputs) {
        const std::string bytes = testsupport::ReadFile(input.string());
        EXPECT_EQ(FuzzSkeletonFile(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()), "")
            << input.filename();
    }
}

} // namespace
