#include "tests/support/TestSupport.h"

#include <algorithm>
#include <allegro.h>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <loadpng.h>
#include <sstream>
#include <unistd.h>


namespace testsupport {

TempFolder::TempFolder()
{
    char cwd[4096];
    if (getcwd(cwd, sizeof cwd))
        previous_ = cwd;
    char pattern[] = "/tmp/marl-test-XXXXXX";
    const char* made = mkdtemp(pattern);
    if (!made)
        std::abort();
    path_ = made;
    if (chdir(path_.c_str()) != 0)
        std::abort();
}

TempFolder::~TempFolder()
{
    if (!previous_.empty() && chdir(previous_.c_str()) != 0)
        std::perror("chdir");
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::string TempFolder::File(const std::string& name) const { return path_ + "/" + name; }

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream contents;
    contents << in.rdbuf();
    return contents.str();
}

std::vector<std::pair<std::string, std::string>> ReadCorpus(const std::string& folder, size_t least)
{
    std::vector<std::pair<std::string, std::string>> inputs;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error))
        if (entry.is_regular_file())
            inputs.emplace_back(entry.path().filename().string(), ReadFile(entry.path().string()));
    std::sort(inputs.begin(), inputs.end());
    EXPECT_GE(inputs.size(), least) << "the corpus is missing from " << folder;
    return inputs;
}

void ReplayCorpus(const std::string& folder, size_t least,
                  const std::function<std::string(const uint8_t* data, size_t size)>& target)
{
    for (const auto& [name, bytes] : ReadCorpus(folder, least))
        EXPECT_EQ(target(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()), "") << name;
}

void WriteFile(const std::string& path, const std::string& contents)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << contents;
}

bool FileExists(const std::string& path) { return std::filesystem::exists(path); }

std::string SourceDir()
{
    const char* dir = std::getenv("MARL_SOURCE_DIR");
    return dir ? dir : MARL_SOURCE_DIR;
}

namespace {

bool WriteImage(const std::string& path, int depth, int width, int height, const PixelFunction& pixel)
{
    BITMAP* image = create_bitmap_ex(depth, width, height);
    if (!image)
        return false;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const uint32_t p = pixel(x, y);
            const int a = p >> 24, r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
            putpixel(image, x, y, depth == 32 ? makeacol32(r, g, b, a) : makecol_depth(depth, r, g, b));
        }
    const bool isPng = path.size() > 4 && (path.substr(path.size() - 4) == ".png" || path.substr(path.size() - 4) == ".PNG");
    // save_png keeps alpha only when the image's own alpha is asked for.
    const int saved = isPng ? save_png(path.c_str(), image, nullptr) : save_bmp(path.c_str(), image, nullptr);
    destroy_bitmap(image);
    return saved == 0;
}

} // namespace

bool WritePng(const std::string& path, int width, int height, const PixelFunction& pixel)
{
    return WriteImage(path, 32, width, height, pixel);
}

bool WriteBmp24(const std::string& path, int width, int height, const PixelFunction& pixel)
{
    return WriteImage(path, 24, width, height, pixel);
}

std::string ColourName(uint32_t argb)
{
    char text[16];
    std::snprintf(text, sizeof text, "#%06X", argb & 0xFFFFFF);
    return text;
}

bool Near(uint32_t a, uint32_t b, int tolerance)
{
    for (int shift = 0; shift <= 16; shift += 8) {
        const int ca = (a >> shift) & 0xFF, cb = (b >> shift) & 0xFF;
        if (std::abs(ca - cb) > tolerance)
            return false;
    }
    return true;
}

} // namespace testsupport
