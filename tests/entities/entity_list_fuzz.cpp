// libFuzzer entry for the entity list reader (built by scripts/fuzz-entities.sh).
#include <cstdio>
#include <cstdlib>

#include "tests/entities/EntityListFuzzTarget.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string broken = FuzzEntityListFile(data, size);
    if (!broken.empty()) {
        std::fprintf(stderr, "entity list reader: %s\n", broken.c_str());
        std::abort();
    }
    return 0;
}
