#pragma once
// The sprite frame data reader's fuzz target, shared by the libFuzzer program and the test that
// replays the committed corpus: the first byte is the set's frame count, the rest the file.

#include <cstddef>
#include <cstdint>
#include <string>

// "" when everything that must hold did, else what broke.
std::string FuzzFrameData(const uint8_t* data, size_t size);
