// libFuzzer entry for the PNG header check (built by scripts/fuzz-skeleton.sh).
#include <cstdio>
#include <cstdlib>

#include "tests/core/PngHeaderFuzzTarget.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string broken = FuzzPngHeader(data, size);
    if (!broken.empty()) {
        std::fprintf(stderr, "PNG header check: %s\n", broken.c_str());
        std::abort();
    }
    return 0;
}
