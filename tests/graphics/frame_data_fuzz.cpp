// libFuzzer entry for the sprite frame data reader (built by scripts/fuzz-skeleton.sh).
#include <cstdio>
#include <cstdlib>

#include "tests/graphics/FrameDataFuzzTarget.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string broken = FuzzFrameData(data, size);
    if (!broken.empty()) {
        std::fprintf(stderr, "frame data reader: %s\n", broken.c_str());
        std::abort();
    }
    return 0;
}
