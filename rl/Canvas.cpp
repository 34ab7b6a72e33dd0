#include "rl/Canvas.h"

#include <algorithm>
#include <string>

#include "rl/Bitmap.h"
#include "rl/FramePacing.h"
#include "rl/GL.h"
#include "rl/Layer.h"
#include "rl/LayerInternal.h"

namespace rl {

namespace {

struct ClipRect {
    int x, y, w, h;
};

struct CanvasState {
    int width = 0, height = 0;
    int target = SCREEN_TARGET;
    int channelMode = ALL_CHANNELS;
    std::vector<ClipRect> clipStack;
    // The off-screen frame buffer behind FRAMEBUFFER_TARGET, made on first use.
    GLuint frameBuffer = 0;
    GLuint frameTexture = 0;
    // The frame buffer object bound while a bitmap is the target.
    GLuint bitmapBuffer = 0;
    Bitmap* bitmapTarget = nullptr;
};

CanvasState g_canvas;

void ApplyChannelMask(int mode)
{
    const GLboolean colour = mode == ALPHA_CHANNEL ? GL_FALSE : GL_TRUE;
    const GLboolean alpha = mode == COLOUR_CHANNELS ? GL_FALSE : GL_TRUE;
    glColorMask(colour, colour, colour, alpha);
}

int TargetHeight()
{
    if (g_canvas.target == BITMAP_TARGET && g_canvas.bitmapTarget)
        return g_canvas.bitmapTarget->TextureHeight();
    return g_canvas.height;
}

void ApplyClipping()
{
    if (g_canvas.clipStack.empty()) {
        glDisable(GL_SCISSOR_TEST);
        return;
    }
    const ClipRect& r = g_canvas.clipStack.back();
    glEnable(GL_SCISSOR_TEST);
    // Scissor boxes count from the buffer's first row: the bottom of the window, but the top
    // of a bitmap (see SetPixelProjection).
    if (g_canvas.target == BITMAP_TARGET)
        glScissor(r.x, r.y, r.w, r.h);
    else
        glScissor(r.x, TargetHeight() - (r.y + r.h), r.w, r.h);
}

bool FrameBuffersSupported() { return detail::ExtensionSupported("GL_EXT_framebuffer_object"); }

void SetPixelProjection(int width, int height, bool flipY)
{
    glViewport(0, 0, width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    // A texture's first row is its bottom row for GL, so bitmap targets are drawn upside down.
    if (flipY)
        glOrtho(0, width, 0, height, -1, 1000);
    else
        glOrtho(0, width, height, 0, -1, 1000);
    glMatrixMode(GL_MODELVIEW);
}

bool MakeFrameBuffer()
{
    if (g_canvas.frameBuffer)
        return true;
    if (!FrameBuffersSupported())
        return false;
    glGenTextures(1, &g_canvas.frameTexture);
    glBindTexture(GL_TEXTURE_2D, g_canvas.frameTexture);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, g_canvas.width, g_canvas.height, 0, GL_BGRA,
                 GL_UNSIGNED_BYTE, nullptr);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glBindTexture(GL_TEXTURE_2D, 0);
    glGenFramebuffersEXT(1, &g_canvas.frameBuffer);
    glBindFramebufferEXT(GL_FRAMEBUFFER_EXT, g_canvas.frameBuffer);
    glFramebufferTexture2DEXT(GL_FRAMEBUFFER_EXT, GL_COLOR_ATTACHMENT0_EXT, GL_TEXTURE_2D,
                              g_canvas.frameTexture, 0);
    const bool complete = glCheckFramebufferStatusEXT(GL_FRAMEBUFFER_EXT) == GL_FRAMEBUFFER_COMPLETE_EXT;
    glBindFramebufferEXT(GL_FRAMEBUFFER_EXT, 0);
    if (!complete)
        detail::DestroyFrameBuffer();
    return complete;
}

// Copies the off-screen frame to the window's back buffer as one screen-sized quad.
void CopyFrameBufferToWindow()
{
    glBindFramebufferEXT(GL_FRAMEBUFFER_EXT, 0);
    glPushAttrib(GL_ENABLE_BIT | GL_COLOR_BUFFER_BIT);
    glDisable(GL_BLEND);
    glDisable(GL_SCISSOR_TEST);
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    glColor4f(1, 1, 1, 1);
    detail::BindTexture(g_canvas.frameTexture);
    const float w = static_cast<float>(g_canvas.width), h = static_cast<float>(g_canvas.height);
    glBegin(GL_QUADS);
    glTexCoord2f(0, 1); glVertex2f(0, 0);
    glTexCoord2f(1, 1); glVertex2f(w, 0);
    glTexCoord2f(1, 0); glVertex2f(w, h);
    glTexCoord2f(0, 0); glVertex2f(0, h);
    glEnd();
    detail::BindTexture(0);
    glPopAttrib();
    allegro_gl_flip();
    glBindFramebufferEXT(GL_FRAMEBUFFER_EXT, g_canvas.frameBuffer);
}

} // namespace

namespace detail {

void ResetCanvas(int width, int height)
{
    g_canvas.width = width;
    g_canvas.height = height;
    g_canvas.clipStack.clear();
    ApplyClipping();
    ApplyChannelMask(g_canvas.channelMode);
}

void DestroyFrameBuffer()
{
    if (g_canvas.frameBuffer || g_canvas.bitmapBuffer)
        glBindFramebufferEXT(GL_FRAMEBUFFER_EXT, 0);
    if (g_canvas.frameBuffer)
        glDeleteFramebuffersEXT(1, &g_canvas.frameBuffer);
    if (g_canvas.bitmapBuffer)
        glDeleteFramebuffersEXT(1, &g_canvas.bitmapBuffer);
    if (g_canvas.frameTexture)
        glDeleteTextures(1, &g_canvas.frameTexture);
    g_canvas.frameBuffer = g_canvas.bitmapBuffer = g_canvas.frameTexture = 0;
    g_canvas.bitmapTarget = nullptr;
    g_canvas.target = SCREEN_TARGET;
}

int NextPowerOfTwo(int n)
{
    int p = 1;
    while (p < n)
        p <<= 1;
    return p;
}

unsigned int MakeTexture(int textureWidth, int textureHeight, const uint32_t* pixels, int width, int height,
                         bool linear)
{
    const bool whole = textureWidth == width && textureHeight == height;
    const GLint filter = linear ? GL_LINEAR : GL_NEAREST;
    GLuint texture = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, filter);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, filter);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, textureWidth, textureHeight, 0, GL_BGRA, GL_UNSIGNED_INT_8_8_8_8_REV,
                 whole ? pixels : nullptr);
    if (!whole && pixels)
        glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, width, height, GL_BGRA, GL_UNSIGNED_INT_8_8_8_8_REV, pixels);
    glBindTexture(GL_TEXTURE_2D, 0);
    return texture;
}

void BindTexture(unsigned int texture)
{
    if (texture) {
        glEnable(GL_TEXTURE_2D);
        glBindTexture(GL_TEXTURE_2D, texture);
    } else {
        glBindTexture(GL_TEXTURE_2D, 0);
        glDisable(GL_TEXTURE_2D);
    }
}

} // namespace detail

namespace Canvas {

void Refresh()
{
    glFlush();
    // Off screen there is nothing to show: the frame is finished where it is.
    if (detail::OffscreenActive() && g_canvas.target != BITMAP_TARGET) {
        glFinish();
        return;
    }
    if (g_canvas.target != BITMAP_TARGET)
        detail::PaceFrame();
    switch (g_canvas.target) {
    case FRAMEBUFFER_TARGET: CopyFrameBufferToWindow(); break;
    case SCREEN_TARGET: allegro_gl_flip(); break;
    case BITMAP_TARGET: glFlush(); glFinish(); break;
    default:
        LayerError("Unknown rendering target in Canvas::Refresh: " + std::to_string(g_canvas.target));
    }
}

void Fill(float r, float g, float b, float a, int channelMode)
{
    const int previous = g_canvas.channelMode;
    ApplyChannelMask(channelMode);
    const bool clipped = !g_canvas.clipStack.empty();
    if (clipped)
        glDisable(GL_SCISSOR_TEST);
    glClearColor(r, g, b, a);
    glClear(GL_COLOR_BUFFER_BIT);
    if (clipped)
        glEnable(GL_SCISSOR_TEST);
    ApplyChannelMask(previous);
}

void SetChannelMode(int mode)
{
    if (mode < ALL_CHANNELS || mode > ALPHA_CHANNEL)
        return;
    g_canvas.channelMode = mode;
    ApplyChannelMask(mode);
}

int GetChannelMode() { return g_canvas.channelMode; }

void SetClipping(int x, int y, int width, int height)
{
    ClipRect r {x, y, std::max(0, width), std::max(0, height)};
    if (!g_canvas.clipStack.empty()) {
        const ClipRect& outer = g_canvas.clipStack.back();
        const int left = std::max(r.x, outer.x), top = std::max(r.y, outer.y);
        const int right = std::min(r.x + r.w, outer.x + outer.w);
        const int bottom = std::min(r.y + r.h, outer.y + outer.h);
        r = ClipRect {left, top, std::max(0, right - left), std::max(0, bottom - top)};
    }
    g_canvas.clipStack.push_back(r);
    ApplyClipping();
}

void RestoreClipping()
{
    if (!g_canvas.clipStack.empty())
        g_canvas.clipStack.pop_back();
    ApplyClipping();
}

void DisableClipping()
{
    g_canvas.clipStack.clear();
    ApplyClipping();
}

int ClipDepth() { return static_cast<int>(g_canvas.clipStack.size()); }

void SetTo(int target)
{
    switch (target) {
    case SCREEN_TARGET:
    case FRAMEBUFFER_TARGET:
        if (target == FRAMEBUFFER_TARGET && (detail::OffscreenActive() || !MakeFrameBuffer())) {
            LayerError("Cannot use the frame buffer target: frame buffer objects are not available");
            return;
        }
        if (g_canvas.frameBuffer || g_canvas.bitmapBuffer || detail::ScreenFrameBuffer())
            glBindFramebufferEXT(GL_FRAMEBUFFER_EXT,
                                 target == FRAMEBUFFER_TARGET ? g_canvas.frameBuffer : detail::ScreenFrameBuffer());
        g_canvas.target = target;
        g_canvas.bitmapTarget = nullptr;
        SetPixelProjection(g_canvas.width, g_canvas.height, false);
        ApplyClipping();
        return;
    case BITMAP_TARGET:
        LayerError("Can't select BITMAP_TARGET as the active rendering target without using the "
                   "overloaded version of Canvas::SetTo");
        return;
    default:
        LayerError("Unknown rendering target in Canvas::SetTo (private): " + std::to_string(target));
    }
}

void SetTo(int target, Bitmap& bitmap)
{
    if (target != BITMAP_TARGET) {
        SetTo(target);
        return;
    }
    if (!bitmap.IsValid() || !FrameBuffersSupported()) {
        LayerError("Cannot draw into a bitmap without a texture and frame buffer objects");
        return;
    }
    if (!g_canvas.bitmapBuffer)
        glGenFramebuffersEXT(1, &g_canvas.bitmapBuffer);
    glBindFramebufferEXT(GL_FRAMEBUFFER_EXT, g_canvas.bitmapBuffer);
    glFramebufferTexture2DEXT(GL_FRAMEBUFFER_EXT, GL_COLOR_ATTACHMENT0_EXT, GL_TEXTURE_2D,
                              bitmap.TextureId(), 0);
    if (glCheckFramebufferStatusEXT(GL_FRAMEBUFFER_EXT) != GL_FRAMEBUFFER_COMPLETE_EXT) {
        LayerError("Cannot draw into the bitmap: its frame buffer is incomplete");
        glBindFramebufferEXT(GL_FRAMEBUFFER_EXT, detail::ScreenFrameBuffer());
        return;
    }
    g_canvas.target = BITMAP_TARGET;
    g_canvas.bitmapTarget = &bitmap;
    SetPixelProjection(bitmap.TextureWidth(), bitmap.TextureHeight(), true);
    ApplyClipping();
}

int GetTarget() { return g_canvas.target; }

std::vector<uint32_t> ReadPixels(int x, int y, int width, int height)
{
    std::vector<uint32_t> pixels(static_cast<size_t>(std::max(0, width) * std::max(0, height)));
    if (pixels.empty())
        return pixels;
    const bool flipped = g_canvas.target != BITMAP_TARGET;
    const int glY = flipped ? TargetHeight() - (y + height) : y;
    std::vector<uint32_t> rows(pixels.size());
    glReadPixels(x, glY, width, height, GL_BGRA, GL_UNSIGNED_INT_8_8_8_8_REV, rows.data());
    for (int row = 0; row < height; ++row) {
        const int source = flipped ? height - 1 - row : row;
        std::copy_n(rows.begin() + source * width, width, pixels.begin() + row * width);
    }
    return pixels;
}

uint32_t ReadPixel(int x, int y) { return ReadPixels(x, y, 1, 1)[0]; }

} // namespace Canvas
} // namespace rl
