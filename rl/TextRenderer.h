#pragma once
// Text in a TrueType font, drawn through FreeType's glyphs, with inline colour tags.
//
// Where text lands: Print's (x, y) is the start of the first line's baseline. Glyphs rise
// Ascender() pixels above it and hang down to Descender() below it (12 and -3 for the GUI's
// 11 x 13 sans-serif), and every further line's baseline is LineHeight() lower (15 there). The
// GUI's widgets rely on this: a row r pixels high that starts at top has its text printed at
// top + r, so capitals stand on the row's last line of pixels and only descenders reach below.
//
// Every character starts on a whole pixel and glyphs are copied texel for pixel, so text is crisp
// and its Width is the plain sum of the characters' advances (no kerning).
//
// Tags (on unless switched off): "[color RRGGBB]" or "[color RRGGBBAA]" (hexadecimal) colours the
// text after it, "[/color]" returns to the renderer's own colour; tags take no room. A colour that
// is not 6 or 8 digits is logged ("Cannot parse the color ...") and the colour stays; a "[color "
// without a "]" after it is ordinary text. Print logs each such text once, not on every frame.
//
// A renderer made before the screen exists queues its font (with an alert) and loads it when the
// screen is set up. A renderer whose font failed draws nothing and measures 0.

#include <memory>
#include <string>
#include <unordered_set>

#include "rl/Colour.h"
#include "rl/GarbageCollected.h"
#include "rl/GlyphCache.h"

namespace rl {

struct SplitText;

// The sans-serif font the program's text uses: Liberation Sans Regular (Arial's metrics), or DejaVu
// Sans where that is not installed.
std::string DefaultFontFile();

class TextRenderer : public GarbageCollected {
public:
    // A font load waiting for the screen.
    struct FileLoader {
        std::string fileName;
        int glyphWidth = 0, glyphHeight = 0;
    };

    // Glyph sizes are pixels (width 0: as high as given). Italics is a slant in degrees, limited to
    // -45..45. Hinting on uses FreeType's forced auto-hinter, off renders the outlines unhinted.
    TextRenderer(const char* fontFile, int glyphWidth, int glyphHeight, const Colour& colour = Colour(0, 0, 0, 1),
                 int italics = 0, bool hinting = true);
    TextRenderer(const std::string& fontFile, int glyphWidth, int glyphHeight,
                 const Colour& colour = Colour(0, 0, 0, 1), int italics = 0, bool hinting = true)
        : TextRenderer(fontFile.c_str(), glyphWidth, glyphHeight, colour, italics, hinting)
    {
    }
    ~TextRenderer() override;

    // Frees the face and its glyph cache; with unregister also leaves the layer's list.
    void Destroy(bool unregister) override;
    RlLoadResult ExecutePendingLoad() override;
    // Frees the glyph cache (the face stays) / rebuilds it from the face.
    void UnloadToMemory() override;
    void SendToGPU() override;
    bool IsValid() const override;
    bool HasPendingLoad() const override;

    void Print(const std::string& text, int x, int y) const;
    // The widest line, tags left out.
    int Width(const std::string& text) const;
    // Line height times the number of lines; a final newline starts no line of its own, and an
    // empty text is one (empty) line.
    int Height(const std::string& text) const;

    void SetColour(const Colour& colour) { colour_ = colour; }
    const Colour& GetColour() const { return colour_; }
    void SetTagsEnabled(bool enabled) { tagsEnabled_ = enabled; }
    bool TagsEnabled() const { return tagsEnabled_; }
    int Italics() const { return italics_; }
    bool Hinting() const { return hinting_; }

    // Font metrics in pixels; 0 while no font is loaded.
    int LineHeight() const;
    int Ascender() const;
    int Descender() const;

private:
    bool Load(const char* fileName, int glyphWidth, int glyphHeight);
    void ReportOnce(const std::string& message) const;
    void ReportTagProblems(const std::string& text, const SplitText& split) const;

    std::unique_ptr<FontFace> face_;
    std::unique_ptr<GlyphCache> cache_;
    int italics_;
    bool hinting_;
    Colour colour_;
    bool tagsEnabled_ = true;
    std::unique_ptr<FileLoader> pendingLoad_;
    // Tag problems already logged: text is printed every frame, the log should hear of it once.
    mutable std::unordered_set<std::string> reported_;
};

} // namespace rl
