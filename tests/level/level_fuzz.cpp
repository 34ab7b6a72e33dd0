// libFuzzer entry for the level reader (built by scripts/fuzz-skeleton.sh level).
#include <cstdio>
#include <cstdlib>

#include "tests/level/LevelFuzzTarget.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string broken = FuzzLevelFile(data, size);
    if (!broken.empty()) {
        std::fprintf(stderr, "level reader: %s\n", broken.c_str());
        std::abort();
    }
    return 0;
}
