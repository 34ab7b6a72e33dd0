// Replays the PNG header check's fuzz corpus, as bytes and as files on disk.
#include <gtest/gtest.h>

#include "tests/core/PngHeaderFuzzTarget.h"
#include "tests/support/TestSupport.h"

namespace {

TEST(PngHeaderCorpus, EveryHeaderIsJudgedByItsBytesAlone)
{
    testsupport::TempFolder folder;
    testsupport::ReplayCorpus(MARL_PNG_HEADER_CORPUS, 10, [&](const uint8_t* data, size_t size) {
        return FuzzPngHeader(data, size, folder.Path());
    });
}

} // namespace
