#pragma once
// The skeleton reader's fuzz target, shared by the libFuzzer program and the test that replays
// the committed corpus in the ordinary build.

#include <cstddef>
#include <cstdint>
#include <string>

// Reads the bytes as a skeleton file and checks what must hold afterwards: "" when all is well,
// else what went wrong.
std::string FuzzSkeletonFile(const uint8_t* data, size_t size);
