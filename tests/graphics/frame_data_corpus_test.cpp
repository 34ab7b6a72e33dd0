// Replays the frame data reader's fuzz corpus: every file the fuzzer kept reads into the right
// durations, and they play as long as they say.
#include <gtest/gtest.h>

#include "tests/graphics/FrameDataFuzzTarget.h"
#include "tests/support/TestSupport.h"

namespace {

TEST(FrameDataCorpus, EveryFileReadsAndPlaysItsDurations)
{
    testsupport::ReplayCorpus(MARL_FRAME_DATA_CORPUS, 10, FuzzFrameData);
}

} // namespace
