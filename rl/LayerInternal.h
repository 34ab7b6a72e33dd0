#pragma once
// State the rendering layer's own files share; not for use outside rl/.

namespace rl::detail {

// Sizes every canvas target to the screen and resets the clipping (screen set-up).
void ResetCanvas(int width, int height);
// Releases the off-screen frame buffer (shut-down).
void DestroyFrameBuffer();
// Makes the given texture the one bound, enabling texturing; 0 disables texturing.
void BindTexture(unsigned int texture);

} // namespace rl::detail
