#pragma once
// Running marl-export from a test: a private copy of the program in "<folder>/bin" beside a link
// to the repository's "Game Data" (so its logs stay in the test's folder), started without a
// display, its exit status and both output streams kept.

#include <cstdint>
#include <string>
#include <vector>

struct ExportRun {
    int status = -1;
    std::string out, errors;
};

// Makes "<folder>/bin/marl-export" and "<folder>/Game Data".
void InstallExporter(const std::string& folder);
// Runs the installed copy with the arguments, from folder as the working folder, DISPLAY unset.
ExportRun RunExporter(const std::string& folder, const std::vector<std::string>& args);

// The names in a folder, sorted, hidden ones included ("." and ".." not).
std::vector<std::string> FolderNames(const std::string& folder);

// A PNG read back as 0xAARRGGBB rows; empty when it cannot be read.
struct PngPixels {
    int width = 0, height = 0;
    std::vector<uint32_t> pixels;
    uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};
PngPixels ReadPngPixels(const std::string& path);
// Writes a PNG of one colour (0xAARRGGBB).
bool WriteFilledPng(const std::string& path, int width, int height, uint32_t colour);
