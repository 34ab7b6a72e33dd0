// Replays the skeleton fuzz targets' corpora in the ordinary build: every input the reader's fuzzer
// kept must still read into a sound skeleton, and every series of edits the model's fuzzer kept
// must build a skeleton that Save and Load carry over unchanged.
#include <gtest/gtest.h>

#include "tests/skeleton/SkeletonFuzzTarget.h"
#include "tests/skeleton/SkeletonModelFuzzTarget.h"
#include "tests/support/TestSupport.h"

namespace {

TEST(SkeletonCorpus, EveryInputReadsIntoASoundSkeleton)
{
    testsupport::TempFolder folder;   // skins named by the inputs resolve here, where there are none
    testsupport::ReplayCorpus(MARL_SKELETON_CORPUS, 20, FuzzSkeletonFile);
}

TEST(SkeletonCorpus, EveryEditedSkeletonSavesAndLoadsBackTheSame)
{
    testsupport::TempFolder folder;
    // In memory as the fuzzer runs it, and through the files the user gets.
    testsupport::ReplayCorpus(MARL_SKELETON_MODEL_CORPUS, 10, [&](const uint8_t* data, size_t size) {
        const std::string inMemory = FuzzSkeletonModel(data, size);
        return inMemory.empty() ? FuzzSkeletonModel(data, size, folder.Path()) : inMemory;
    });
}

} // namespace
