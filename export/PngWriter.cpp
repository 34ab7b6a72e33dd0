#include "export/PngWriter.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <png.h>

namespace {

// libpng reports errors by a long jump out of its calls; the message is kept here first.
void PngError(png_structp png, png_const_charp message)
{
    auto* error = static_cast<std::string*>(png_get_error_ptr(png));
    if (error)
        *error = message;
    png_longjmp(png, 1);
}

void PngWarning(png_structp, png_const_charp) {}

// One row as R, G, B, A bytes.
void PackRow(const uint32_t* argb, int width, std::vector<png_byte>& row)
{
    for (int x = 0; x < width; ++x) {
        const uint32_t p = argb[x];
        row[4 * x] = static_cast<png_byte>(p >> 16);
        row[4 * x + 1] = static_cast<png_byte>(p >> 8);
        row[4 * x + 2] = static_cast<png_byte>(p);
        row[4 * x + 3] = static_cast<png_byte>(p >> 24);
    }
}

// The libpng part, apart from anything with a destructor, as a long jump may leave it.
bool Encode(std::FILE* file, int width, int height, const uint32_t* argb, std::vector<png_byte>& row,
            std::string& error)
{
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &error, PngError, PngWarning);
    if (!png) {
        error = "out of memory";
        return false;
    }
    png_infop info = png_create_info_struct(png);
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, info ? &info : nullptr);
        if (error.empty())
            error = "out of memory";
        return false;
    }
    png_init_io(png, file);
    // Frames are small and many: a quick deflate with one filter keeps encoding fast while the
    // files stay close to the smallest.
    png_set_compression_level(png, 3);
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_SUB);
    png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8,
                 PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < height; ++y) {
        PackRow(argb + static_cast<size_t>(y) * width, width, row);
        png_write_row(png, row.data());
    }
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return true;
}

} // namespace

void ToStraightAlpha(std::vector<uint32_t>& argb)
{
    for (uint32_t& p : argb) {
        const uint32_t a = p >> 24;
        if (a == 255)
            continue;
        if (a == 0) {
            p = 0;
            continue;
        }
        const auto channel = [a](uint32_t c) {
            const uint32_t straight = (c * 255 + a / 2) / a;
            return straight > 255 ? 255u : straight;
        };
        p = (a << 24) | (channel((p >> 16) & 0xFF) << 16) | (channel((p >> 8) & 0xFF) << 8) | channel(p & 0xFF);
    }
}

bool WritePng(const std::string& path, int width, int height, const uint32_t* argb, std::string& error)
{
    error.clear();
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) {
        error = std::strerror(errno);
        return false;
    }
    std::vector<png_byte> row(static_cast<size_t>(width) * 4);
    bool written = Encode(file, width, height, argb, row, error);
    if (std::fflush(file) != 0 && written) {
        error = std::strerror(errno);
        written = false;
    }
    if (std::fclose(file) != 0 && written) {
        error = std::strerror(errno);
        written = false;
    }
    return written;
}
