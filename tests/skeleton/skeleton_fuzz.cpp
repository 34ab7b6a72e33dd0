// libFuzzer entry for the skeleton reader (built by scripts/fuzz-skeleton.sh).
#include <cstdio>
#include <cstdlib>

#include "tests/skeleton/SkeletonFuzzTarget.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string broken = FuzzSkeletonFile(data, size);
    if (!broken.empty()) {
        std::fprintf(stderr, "skeleton reader: %s\n", broken.c_str());
        std::abort();
    }
    return 0;
}
