#pragma once
// The toolkit's font and the GUI state every widget shares: the font, the GUI-ready flag, colours
// and text measuring.
//
// One font serves every widget. The toolkit owns it: CreateGuiFont makes it (the skeleton editor
// does so at start-up), DestroyGuiFont deletes it and clears the ready flag. InitGuiFont checks it
// and readies the GUI; from then on alerts are shown in the toolkit's own alert dialog.

#include <memory>
#include <string>

#include "rl/Colour.h"

namespace rl {
class TextRenderer;
}

// The font of every widget; null until CreateGuiFont.
extern rl::TextRenderer* GuiFont;

// The GUI's glyph size in pixels: width 11, height 13.
constexpr int kGuiFontWidth = 11;
constexpr int kGuiFontHeight = 13;

// Liberation Sans Regular (Arial's metrics), or DejaVu Sans where it is missing.
std::string GuiFontFile();

// Makes GuiFont from GuiFontFile() at the given glyph size (opaque black, upright, hinted),
// replacing any earlier one. Returns whether the font loaded.
bool CreateGuiFont(int glyphWidth = kGuiFontWidth, int glyphHeight = kGuiFontHeight);
// Deletes GuiFont (if any) and clears the GUI-ready flag.
void DestroyGuiFont();

// 0 when the GUI is ready (at once if it already was), 1 when the font is missing or unusable
// (after the alert "Font not loaded properly"). Readying shows the system's arrow cursor, stops
// focus from following the mouse, lifts all canvas clipping and installs the alert dialog.
int InitGuiFont();
bool GuiReady();

// A font made for one modal dialog while the GUI is not ready (the file selector run before the
// editor): it stands in as GuiFont and readies the GUI; when it goes, the previous font is back
// and the ready flag is cleared again.
class TemporaryGuiFont {
public:
    TemporaryGuiFont(int glyphWidth, int glyphHeight);
    ~TemporaryGuiFont();
    TemporaryGuiFont(const TemporaryGuiFont&) = delete;
    TemporaryGuiFont& operator=(const TemporaryGuiFont&) = delete;

    bool Ready() const { return ready_; }

private:
    std::unique_ptr<rl::TextRenderer> previous_;
    bool ready_ = false;
};

// A packed colour of a dialog record as a drawing colour (alpha 1). Bits above the three colour
// channels are ignored.
rl::Colour ToColour(int packed);

// Width and height of a text in GuiFont; 0 without a font.
int TextWidth(const std::string& text);
int TextHeight(const std::string& text);

// The height of one row of text: the height of "I", never less than 1 (a font that failed
// measures 0, and rows are divided by).
int RowHeight();

// How many leading characters of text stay narrower than maxWidth; the whole length when all of
// it does, never less than 0.
int TextFit(const std::string& text, int maxWidth);
