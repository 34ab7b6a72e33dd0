#pragma once
// The level reader's fuzz target, shared by the libFuzzer program and the test that replays the
// committed corpus in the ordinary build.

#include <cstddef>
#include <cstdint>
#include <string>

// Reads the bytes as a level file and checks what must hold afterwards: "" when all is well, else
// what went wrong. Runs in the working folder, where a tileset folder may or may not exist.
std::string FuzzLevelFile(const uint8_t* data, size_t size);
