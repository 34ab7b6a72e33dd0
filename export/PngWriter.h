#pragma once
// Writing 32-bit RGBA PNG files, and turning what a transparent canvas holds into what they store.

#include <cstdint>
#include <string>
#include <vector>

// A canvas drawn with coverage alpha holds colour times alpha; a PNG holds colour and alpha
// apart. Divides each pixel's colour (0xAARRGGBB) by its alpha, rounding; alpha 0 becomes 0.
void ToStraightAlpha(std::vector<uint32_t>& argb);

// Writes width x height pixels (0xAARRGGBB, rows from the top) as an 8-bit RGBA PNG. False, with
// the reason in error, when the file cannot be created or written; a partly written file is left
// for the caller to remove.
bool WritePng(const std::string& path, int width, int height, const uint32_t* argb, std::string& error);
