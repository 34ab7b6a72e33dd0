#include "rl/GlyphCache.h"

#include <algorithm>
#include <cmath>

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_BITMAP_H

#include "rl/GL.h"
#include "rl/LayerInternal.h"

namespace rl {

namespace {

constexpr double kDegreesToRadians = 0.017453292519943295;
// Glyph sizes beyond this are not a text size but a mistake; they would need a huge atlas.
constexpr int kMaxGlyphSize = 512;
// Empty pixels around every glyph in the atlas.
constexpr int kPadding = 1;

int Pixels(FT_Pos value26_6) { return static_cast<int>((value26_6 + 32) >> 6); }

bool IsControl(int c) { return c < 32 || (c >= 127 && c < 160); }

// One rendered glyph before packing.
struct GlyphPicture {
    int width = 0, height = 0;
    std::vector<uint8_t> coverage;
};

// Copies FreeType's glyph picture as 8-bit coverage, whatever pixel mode it came in.
bool CopyPicture(FT_Library library, const FT_Bitmap& source, GlyphPicture& picture)
{
    FT_Bitmap grey;
    FT_Bitmap_Init(&grey);
    const FT_Bitmap* bitmap = &source;
    int levels = source.num_grays;
    if (source.pixel_mode != FT_PIXEL_MODE_GRAY) {
        if (FT_Bitmap_Convert(library, &source, &grey, 1) != 0) {
            FT_Bitmap_Done(library, &grey);
            return false;
        }
        bitmap = &grey;
        levels = grey.num_grays;
    }
    picture.width = static_cast<int>(bitmap->width);
    picture.height = static_cast<int>(bitmap->rows);
    picture.coverage.resize(static_cast<size_t>(picture.width) * picture.height);
    const int top = levels > 1 ? levels - 1 : 1;
    for (int y = 0; y < picture.height; ++y) {
        const unsigned char* row = bitmap->buffer + static_cast<ptrdiff_t>(y) * bitmap->pitch;
        for (int x = 0; x < picture.width; ++x)
            picture.coverage[static_cast<size_t>(y) * picture.width + x] =
                static_cast<uint8_t>(std::min(255, row[x] * 255 / top));
    }
    FT_Bitmap_Done(library, &grey);
    return true;
}

// Shelf packing: glyphs left to right in rows as high as the row's tallest glyph. Sets the atlas
// positions and returns the height used, or -1 when a glyph is wider than the atlas.
int Pack(std::array<Glyph, 256>& glyphs, int atlasWidth)
{
    int x = kPadding, y = kPadding, rowHeight = 0;
    for (Glyph& g : glyphs) {
        if (!g.present || g.width == 0 || g.height == 0)
            continue;
        if (g.width + 2 * kPadding > atlasWidth)
            return -1;
        if (x + g.width + kPadding > atlasWidth) {
            x = kPadding;
            y += rowHeight + kPadding;
            rowHeight = 0;
        }
        g.atlasX = x;
        g.atlasY = y;
        x += g.width + kPadding;
        rowHeight = std::max(rowHeight, g.height);
    }
    return y + rowHeight + kPadding;
}

} // namespace

std::unique_ptr<FontFace> FontFace::Open(const std::string& fileName, int width, int height, int italics,
                                         std::string& error)
{
    if (height <= 0 || height > kMaxGlyphSize || width < 0 || width > kMaxGlyphSize) {
        error = "unusable glyph size " + std::to_string(width) + " x " + std::to_string(height);
        return nullptr;
    }
    std::unique_ptr<FontFace> font(new FontFace());
    if (FT_Init_FreeType(&font->library_) != 0) {
        error = "FreeType could not start";
        return nullptr;
    }
    if (FT_New_Face(font->library_, fileName.c_str(), 0, &font->face_) != 0) {
        error = "FreeType cannot open the face";
        return nullptr;
    }
    if (!FT_IS_SCALABLE(font->face_)) {
        error = "not a scalable font";
        return nullptr;
    }
    // A slant, not an oblique face: x moves right by tan(angle) per unit of height above the
    // baseline, so a positive angle leans the glyphs' tops to the right.
    FT_Matrix slant;
    slant.xx = 0x10000;
    slant.xy = static_cast<FT_Fixed>(std::tan(italics * kDegreesToRadians) * 0x10000);
    slant.yx = 0;
    slant.yy = 0x10000;
    FT_Set_Transform(font->face_, &slant, nullptr);
    if (FT_Set_Pixel_Sizes(font->face_, static_cast<FT_UInt>(width), static_cast<FT_UInt>(height)) != 0) {
        error = "the face has no such size";
        return nullptr;
    }
    const FT_Size_Metrics& metrics = font->face_->size->metrics;
    font->lineHeight_ = Pixels(metrics.height);
    font->ascender_ = Pixels(metrics.ascender);
    font->descender_ = Pixels(metrics.descender);
    return font;
}

FontFace::~FontFace()
{
    if (face_)
        FT_Done_Face(face_);
    if (library_)
        FT_Done_FreeType(library_);
}

bool RenderGlyphAtlas(const FontFace& font, bool hinting, int maxAtlasSize, GlyphAtlas& atlas, std::string& error)
{
    FT_Face face = font.Face();
    const FT_Int32 flags = FT_LOAD_RENDER | (hinting ? FT_LOAD_FORCE_AUTOHINT : FT_LOAD_NO_HINTING);
    std::array<GlyphPicture, 256> pictures;
    long area = 0;
    int widest = 0;
    for (int c = 0; c < 256; ++c) {
        Glyph& g = atlas.glyphs[c];
        g = Glyph();
        if (IsControl(c) || FT_Load_Char(face, static_cast<FT_ULong>(c), flags) != 0)
            continue;
        const FT_GlyphSlot slot = face->glyph;
        if (!CopyPicture(font.Library(), slot->bitmap, pictures[c]))
            continue;
        g.present = true;
        // Whole-pixel advances: every character starts on a pixel, and widths simply add up.
        g.advance = Pixels(slot->advance.x);
        g.left = slot->bitmap_left;
        g.top = slot->bitmap_top;
        g.width = pictures[c].width;
        g.height = pictures[c].height;
        area += static_cast<long>(g.width + kPadding) * (g.height + kPadding);
        widest = std::max(widest, g.width + 2 * kPadding);
    }

    atlas.width = detail::NextPowerOfTwo(std::max({64, widest, static_cast<int>(std::sqrt(static_cast<double>(area)) * 1.2)}));
    int used = -1;
    while (atlas.width <= maxAtlasSize) {
        used = Pack(atlas.glyphs, atlas.width);
        if (used >= 0 && used <= atlas.width)
            break;
        atlas.width *= 2;
    }
    if (atlas.width > maxAtlasSize || used < 0) {
        error = "the glyphs do not fit a texture of " + std::to_string(maxAtlasSize) + " pixels";
        return false;
    }
    atlas.height = detail::NextPowerOfTwo(std::max(used, 1));
    atlas.coverage.assign(static_cast<size_t>(atlas.width) * atlas.height, 0);
    for (int c = 0; c < 256; ++c) {
        const Glyph& g = atlas.glyphs[c];
        for (int y = 0; y < g.height; ++y)
            std::copy_n(pictures[c].coverage.data() + static_cast<size_t>(y) * g.width, g.width,
                        atlas.coverage.data() + static_cast<size_t>(g.atlasY + y) * atlas.width + g.atlasX);
    }
    return true;
}

std::unique_ptr<GlyphCache> GlyphCache::Build(const FontFace& face, bool hinting, std::string& error)
{
    GLint maxTexture = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &maxTexture);
    GlyphAtlas atlas;
    if (!RenderGlyphAtlas(face, hinting, std::max<GLint>(maxTexture, 64), atlas, error))
        return nullptr;

    // White texels whose alpha is the coverage: the selected colour tints them (GL_MODULATE) and
    // the glyph edges blend with what is below.
    std::vector<uint32_t> texels(atlas.coverage.size());
    for (size_t i = 0; i < texels.size(); ++i)
        texels[i] = (uint32_t(atlas.coverage[i]) << 24) | 0x00FFFFFFu;

    std::unique_ptr<GlyphCache> cache(new GlyphCache());
    cache->glyphs_ = atlas.glyphs;
    cache->texelU_ = 1.0f / atlas.width;
    cache->texelV_ = 1.0f / atlas.height;
    // Glyphs are drawn texel for pixel; nearest sampling keeps them exactly as FreeType made them.
    cache->texture_ = detail::MakeTexture(atlas.width, atlas.height, texels.data(), atlas.width, atlas.height, false);
    if (!cache->texture_) {
        error = "no texture for the glyphs";
        return nullptr;
    }
    return cache;
}

GlyphCache::~GlyphCache()
{
    if (texture_)
        glDeleteTextures(1, &texture_);
}

int GlyphCache::RunWidth(const char* text, size_t length) const
{
    int width = 0;
    for (size_t i = 0; i < length; ++i)
        width += glyphs_[static_cast<unsigned char>(text[i])].advance;
    return width;
}

void GlyphCache::BeginDrawing() const
{
    detail::BindTexture(texture_);
    glBegin(GL_QUADS);
}

void GlyphCache::DrawRun(const char* text, size_t length, int x, int y) const
{
    for (size_t i = 0; i < length; ++i) {
        const Glyph& g = glyphs_[static_cast<unsigned char>(text[i])];
        if (g.width > 0 && g.height > 0) {
            const float left = static_cast<float>(x + g.left), top = static_cast<float>(y - g.top);
            const float right = left + g.width, bottom = top + g.height;
            const float u0 = g.atlasX * texelU_, v0 = g.atlasY * texelV_;
            const float u1 = (g.atlasX + g.width) * texelU_, v1 = (g.atlasY + g.height) * texelV_;
            glTexCoord2f(u0, v0); glVertex2f(left, top);
            glTexCoord2f(u1, v0); glVertex2f(right, top);
            glTexCoord2f(u1, v1); glVertex2f(right, bottom);
            glTexCoord2f(u0, v1); glVertex2f(left, bottom);
        }
        x += g.advance;
    }
}

void GlyphCache::EndDrawing() const
{
    glEnd();
    detail::BindTexture(0);
}

} // namespace rl
