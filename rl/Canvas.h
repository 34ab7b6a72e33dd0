#pragma once
// The canvas: what drawing lands on, how a finished frame is shown, filling and clipping.

#include <cstdint>
#include <vector>

namespace rl {

class Bitmap;

// Where drawing goes and how Canvas::Refresh shows it.
enum RenderTarget {
    FRAMEBUFFER_TARGET = 0,   // an off-screen frame buffer copied to the window on Refresh
    SCREEN_TARGET = 1,        // the window's back buffer, flipped on Refresh (the default)
    BITMAP_TARGET = 2,        // a bitmap's texture; Refresh only finishes the drawing
};

// Which colour channels a fill (and drawing in general) touches.
enum ChannelMode { ALL_CHANNELS = 0, COLOUR_CHANNELS = 1, ALPHA_CHANNEL = 2 };

namespace Canvas {

// Shows the finished frame.
void Refresh();

// Clears the whole canvas (clipping ignored) to the colour, touching only the channels of
// channelMode; the channel mode in force before the call is restored afterwards.
void Fill(float r, float g, float b, float a, int channelMode = ALL_CHANNELS);

void SetChannelMode(int mode);
int GetChannelMode();

// Pushes a rectangle (pixels, origin top left) onto the clip stack; drawing is restricted to it,
// within the rectangle below it on the stack.
void SetClipping(int x, int y, int width, int height);
// Pops the last rectangle: the one below it, or none, applies again.
void RestoreClipping();
// Empties the clip stack: drawing reaches the whole canvas again.
void DisableClipping();
int ClipDepth();

void SetTo(int target);
void SetTo(int target, Bitmap& bitmap);
int GetTarget();

// Reads back the current drawing buffer (the back buffer for the screen) as 0xAARRGGBB values,
// row by row from the top-left corner. For tests and screenshots.
std::vector<uint32_t> ReadPixels(int x, int y, int width, int height);
uint32_t ReadPixel(int x, int y);

} // namespace Canvas
} // namespace rl
