#pragma once
// State the rendering layer's own files share; not for use outside rl/.

namespace rl::detail {

// Sizes every canvas target to the screen and resets the clipping (screen set-up).
void ResetCanvas(int width, int height);
// Releases the off-screen frame buffer (shut-down).
void DestroyFrameBuffer();
// Makes the given texture the one bound, enabling texturing; 0 disables texturing.
void BindTexture(unsigned int texture);
// The smallest power of two not below n (1 for n <= 1): texture sizes for drivers that need them.
int NextPowerOfTwo(int n);

} // namespace rl::detail
