#pragma once
// One run of the entity list reader on arbitrary bytes, for the fuzzer and for the corpus replay.
// Returns "" when the reader behaved, else what went wrong: every entity it made has a registered
// type, and what it read saves and reads back to the same records.

#include <cstddef>
#include <cstdint>
#include <string>

std::string FuzzEntityListFile(const uint8_t* data, size_t size);
