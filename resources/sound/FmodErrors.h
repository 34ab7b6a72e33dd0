#pragma once
// The texts of the sound library's result codes, as alerts and the log show them.

#include <cstdint>

// "No errors." for 0, "Unknown error." for a code the library does not have; every other text
// ends with one space.
const char* FMOD_ErrorString(int32_t result);
