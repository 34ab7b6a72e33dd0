#pragma once
// State the rendering layer's own files share; not for use outside rl/.

#include <cstdint>

namespace rl::detail {

// Sizes every canvas target to the screen and resets the clipping (screen set-up).
void ResetCanvas(int width, int height);
// Releases the off-screen frame buffer (shut-down).
void DestroyFrameBuffer();
// Makes the given texture the one bound, enabling texturing; 0 disables texturing.
void BindTexture(unsigned int texture);
// The smallest power of two not below n (1 for n <= 1): texture sizes for drivers that need them.
int NextPowerOfTwo(int n);
// A new textureWidth x textureHeight texture of 32-bit pixels (BGRA words), clamped at its edges,
// sampled linearly or by nearest texel. The pixels (rows of width words, may be null) fill its
// top-left width x height; the rest is undefined. Left unbound; 0 when the driver made none.
unsigned int MakeTexture(int textureWidth, int textureHeight, const uint32_t* pixels, int width, int height,
                         bool linear);

// The canvas without a display (Offscreen.cpp): an EGL context of its own, current from opening to
// closing, and the frame buffer object that stands in for the window's back buffer.
bool OpenOffscreenContext();
// (Re)makes the stand-in back buffer at the size; false (logged) when the driver cannot.
bool SizeOffscreenBuffer(int width, int height);
void CloseOffscreenContext();
bool OffscreenActive();
// The frame buffer the screen target draws into: the stand-in off screen, else 0 (the window's).
unsigned int ScreenFrameBuffer();
// Whether the current context offers the OpenGL extension.
bool ExtensionSupported(const char* name);

} // namespace rl::detail
