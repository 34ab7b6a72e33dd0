#pragma once
// The text renderer's font handles: a FreeType face opened at one glyph size and slant
// (`FontFace`), and the glyph cache made from it (`GlyphCache`): every printable 8-bit character
// rendered once, packed into one texture, with the metrics text layout needs. Both are owned by
// their `TextRenderer`; the face holds the FreeType library instance it was opened with.
//
// Text is 8-bit; a byte is the Latin-1 character of the same number. Control characters (below 32
// and 127 to 159) have no glyph and no width.

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

struct FT_LibraryRec_;
struct FT_FaceRec_;

namespace rl {

class FontFace {
public:
    // Opens the face, slants it by italics degrees (already limited to +-45) and sizes its glyphs
    // to width x height pixels (width 0: as high). Null and the reason on failure.
    static std::unique_ptr<FontFace> Open(const std::string& fileName, int width, int height, int italics,
                                          std::string& error);
    ~FontFace();
    FontFace(const FontFace&) = delete;
    FontFace& operator=(const FontFace&) = delete;

    // Pixels, from the font's size metrics: the distance between two baselines, and how far
    // glyphs reach above (positive) and below (negative) the baseline.
    int LineHeight() const { return lineHeight_; }
    int Ascender() const { return ascender_; }
    int Descender() const { return descender_; }

    // FreeType's handles, for the glyph rendering.
    FT_FaceRec_* Face() const { return face_; }
    FT_LibraryRec_* Library() const { return library_; }

private:
    FontFace() = default;

    FT_LibraryRec_* library_ = nullptr;
    FT_FaceRec_* face_ = nullptr;
    int lineHeight_ = 0, ascender_ = 0, descender_ = 0;
};

struct Glyph {
    bool present = false;   // false for control characters and glyphs FreeType could not render
    int advance = 0;        // whole pixels from this character's origin to the next one's
    int left = 0, top = 0;  // the picture's top-left corner from the origin on the baseline (top up)
    int width = 0, height = 0;
    int atlasX = 0, atlasY = 0;
};

// The glyph pictures of one face, laid out in one picture (CPU side, no screen needed).
struct GlyphAtlas {
    std::array<Glyph, 256> glyphs;
    int width = 0, height = 0;      // powers of two
    std::vector<uint8_t> coverage;  // width x height, row by row from the top
};

// Renders every character with hinting (FreeType's forced auto-hinter, load flag 32) or without
// (load flag 2). False when a glyph size or the atlas is out of reach.
bool RenderGlyphAtlas(const FontFace& face, bool hinting, int maxAtlasSize, GlyphAtlas& atlas, std::string& error);

class GlyphCache {
public:
    // Renders the face's glyphs and uploads them as a texture; needs the screen. Null on failure.
    static std::unique_ptr<GlyphCache> Build(const FontFace& face, bool hinting, std::string& error);
    ~GlyphCache();
    GlyphCache(const GlyphCache&) = delete;
    GlyphCache& operator=(const GlyphCache&) = delete;

    const Glyph& GlyphOf(unsigned char c) const { return glyphs_[c]; }
    // The sum of the advances of the characters.
    int RunWidth(const char* text, size_t length) const;

    // Between BeginDrawing and EndDrawing, DrawRun emits the characters' quads with their left
    // origin at x and their baseline at y, in whole pixels so that texels meet pixels one to one;
    // colours may be selected in between.
    void BeginDrawing() const;
    void DrawRun(const char* text, size_t length, int x, int y) const;
    void EndDrawing() const;

private:
    GlyphCache() = default;

    std::array<Glyph, 256> glyphs_;
    unsigned int texture_ = 0;
    float texelU_ = 0, texelV_ = 0;   // one atlas pixel in texture coordinates
};

} // namespace rl
