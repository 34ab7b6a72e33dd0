#pragma once
// Helpers shared by the test programs.

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

namespace testsupport {

// A fresh folder under /tmp that becomes the working folder; removed (and the old working folder
// restored) when the object goes.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& Path() const { return path_; }
    // Path() + "/" + name.
    std::string File(const std::string& name) const;

private:
    std::string path_;
    std::string previous_;
};

std::string ReadFile(const std::string& path);
// Every file of a fuzz corpus folder as (file name, bytes), in name order; the test fails when the
// folder holds fewer than `least` of them (the corpus is missing).
std::vector<std::pair<std::string, std::string>> ReadCorpus(const std::string& folder, size_t least);
// Feeds every input of a corpus to a fuzz target, each of which must answer "" (all held).
void ReplayCorpus(const std::string& folder, size_t least,
                  const std::function<std::string(const uint8_t* data, size_t size)>& target);
void WriteFile(const std::string& path, const std::string& contents);
bool FileExists(const std::string& path);

// The repository's folder (for shipped data), from the environment the test runner sets.
std::string SourceDir();

// ---- The screen (TestScreen.cpp, library marl_testscreen) ------------------------------------
// Sets the rendering layer up with the program's screen (800 x 600, windowed) once per process.
void OpenScreen();

// A test case that draws: opens the screen in a fresh working folder and clears it to black.
class ScreenTest : public ::testing::Test {
protected:
    void SetUp() override;
    TempFolder folder;
};

// Pixels as 0xAARRGGBB.
using PixelFunction = std::function<uint32_t(int x, int y)>;
// Writes a 32-bit PNG with alpha (through Allegro and loadpng).
bool WritePng(const std::string& path, int width, int height, const PixelFunction& pixel);
// Writes a 24-bit BMP (no alpha).
bool WriteBmp24(const std::string& path, int width, int height, const PixelFunction& pixel);

constexpr uint32_t Argb(int a, int r, int g, int b)
{
    return (uint32_t(a) << 24) | (uint32_t(r) << 16) | (uint32_t(g) << 8) | uint32_t(b);
}
constexpr uint32_t Rgb(int r, int g, int b) { return Argb(255, r, g, b); }

// Colour channels only (alpha dropped), as "#RRGGBB" for readable failures.
std::string ColourName(uint32_t argb);
// Whether two colours' channels differ by at most tolerance each (alpha ignored).
bool Near(uint32_t a, uint32_t b, int tolerance = 2);

} // namespace testsupport
