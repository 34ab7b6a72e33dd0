// libFuzzer entry for the skeleton model's file round trip (built by scripts/fuzz-skeleton.sh).
#include <cstdio>
#include <cstdlib>

#include "tests/skeleton/SkeletonModelFuzzTarget.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string broken = FuzzSkeletonModel(data, size);
    if (!broken.empty()) {
        std::fprintf(stderr, "skeleton model: %s\n", broken.c_str());
        std::abort();
    }
    return 0;
}
