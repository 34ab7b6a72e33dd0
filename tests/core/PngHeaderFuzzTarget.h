#pragma once
// The PNG header check's fuzz target, shared by the libFuzzer program and the test that replays
// the committed corpus.

#include <cstddef>
#include <cstdint>
#include <string>

// "" when everything that must hold did, else what broke. With a folder, the bytes are also
// written there as a file and judged as the picture loaders judge a file.
std::string FuzzPngHeader(const uint8_t* data, size_t size, const std::string& folder = "");
