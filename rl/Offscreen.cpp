// The canvas without a display: an OpenGL context made through EGL on Mesa's surfaceless platform
// (software rendering, no X server, no window) drawing into a frame buffer object of its own.
// Everything else of the layer draws into it as it would into the window's back buffer.
#include "rl/GL.h"
#include "rl/Layer.h"
#include "rl/LayerInternal.h"

// Plain EGL: no window-system types are wanted here.
#define EGL_NO_X11
#include <EGL/egl.h>
#include <EGL/eglext.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace rl::detail {

namespace {

struct OffscreenState {
    EGLDisplay display = EGL_NO_DISPLAY;
    EGLContext context = EGL_NO_CONTEXT;
    GLuint frameBuffer = 0;
    GLuint colour = 0;
    int width = 0, height = 0;
};

OffscreenState g_offscreen;

template <typename Pointer>
bool Resolve(Pointer& pointer, const char* name)
{
    pointer = reinterpret_cast<Pointer>(eglGetProcAddress(name));
    return pointer != nullptr;
}

// AllegroGL fills its entry points for the extensions when it opens its window. There is none
// here, so the ones the layer calls are filled from EGL.
bool ResolveEntryPoints()
{
    return Resolve(__aglGenFramebuffersEXT, "glGenFramebuffersEXT") &&
           Resolve(__aglBindFramebufferEXT, "glBindFramebufferEXT") &&
           Resolve(__aglDeleteFramebuffersEXT, "glDeleteFramebuffersEXT") &&
           Resolve(__aglFramebufferTexture2DEXT, "glFramebufferTexture2DEXT") &&
           Resolve(__aglCheckFramebufferStatusEXT, "glCheckFramebufferStatusEXT") &&
           Resolve(__aglGenRenderbuffersEXT, "glGenRenderbuffersEXT") &&
           Resolve(__aglBindRenderbufferEXT, "glBindRenderbufferEXT") &&
           Resolve(__aglDeleteRenderbuffersEXT, "glDeleteRenderbuffersEXT") &&
           Resolve(__aglRenderbufferStorageEXT, "glRenderbufferStorageEXT") &&
           Resolve(__aglFramebufferRenderbufferEXT, "glFramebufferRenderbufferEXT") &&
           Resolve(__aglBlendFuncSeparate, "glBlendFuncSeparate");
}

bool Failed(const std::string& what)
{
    char code[16];
    std::snprintf(code, sizeof code, "0x%04X", static_cast<unsigned>(eglGetError()));
    LayerError("Couldn't set up the off-screen canvas: " + what + " (EGL error " + code + ")");
    return false;
}

void ReleaseBuffer()
{
    if (g_offscreen.frameBuffer) {
        glBindFramebufferEXT(GL_FRAMEBUFFER_EXT, 0);
        glDeleteFramebuffersEXT(1, &g_offscreen.frameBuffer);
    }
    if (g_offscreen.colour)
        glDeleteRenderbuffersEXT(1, &g_offscreen.colour);
    g_offscreen.frameBuffer = g_offscreen.colour = 0;
    g_offscreen.width = g_offscreen.height = 0;
}

} // namespace

bool OpenOffscreenContext()
{
    if (g_offscreen.context != EGL_NO_CONTEXT)
        return true;
    const auto platformDisplay =
        reinterpret_cast<PFNEGLGETPLATFORMDISPLAYEXTPROC>(eglGetProcAddress("eglGetPlatformDisplayEXT"));
    if (!platformDisplay)
        return Failed("EGL has no platform displays");
    EGLDisplay display = platformDisplay(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, nullptr);
    if (display == EGL_NO_DISPLAY || !eglInitialize(display, nullptr, nullptr))
        return Failed("no surfaceless EGL display");
    // The layer draws with the fixed-function pipeline: a desktop OpenGL (compatibility) context.
    if (!eglBindAPI(EGL_OPENGL_API)) {
        eglTerminate(display);
        return Failed("EGL offers no desktop OpenGL");
    }
    EGLContext context = eglCreateContext(display, EGL_NO_CONFIG_KHR, EGL_NO_CONTEXT, nullptr);
    if (context == EGL_NO_CONTEXT) {
        eglTerminate(display);
        return Failed("no OpenGL context");
    }
    if (!eglMakeCurrent(display, EGL_NO_SURFACE, EGL_NO_SURFACE, context)) {
        eglDestroyContext(display, context);
        eglTerminate(display);
        return Failed("the context cannot be made current without a surface");
    }
    g_offscreen.display = display;
    g_offscreen.context = context;
    if (!ResolveEntryPoints() || !ExtensionSupported("GL_EXT_framebuffer_object")) {
        CloseOffscreenContext();
        return Failed("frame buffer objects are not available");
    }
    const char* renderer = reinterpret_cast<const char*>(glGetString(GL_RENDERER));
    LayerLog(std::string("Off-screen OpenGL: ") + (renderer ? renderer : "unknown renderer"));
    return true;
}

bool SizeOffscreenBuffer(int width, int height)
{
    if (g_offscreen.frameBuffer && g_offscreen.width == width && g_offscreen.height == height)
        return true;
    ReleaseBuffer();
    GLint largest = 0;
    glGetIntegerv(GL_MAX_RENDERBUFFER_SIZE_EXT, &largest);
    if (width < 1 || height < 1 || width > largest || height > largest) {
        LayerError("An off-screen canvas of " + std::to_string(width) + " x " + std::to_string(height) +
                   " pixels is not possible (at most " + std::to_string(largest) + " a side)");
        return false;
    }
    glGenRenderbuffersEXT(1, &g_offscreen.colour);
    glBindRenderbufferEXT(GL_RENDERBUFFER_EXT, g_offscreen.colour);
    glRenderbufferStorageEXT(GL_RENDERBUFFER_EXT, GL_RGBA8, width, height);
    glBindRenderbufferEXT(GL_RENDERBUFFER_EXT, 0);
    glGenFramebuffersEXT(1, &g_offscreen.frameBuffer);
    glBindFramebufferEXT(GL_FRAMEBUFFER_EXT, g_offscreen.frameBuffer);
    glFramebufferRenderbufferEXT(GL_FRAMEBUFFER_EXT, GL_COLOR_ATTACHMENT0_EXT, GL_RENDERBUFFER_EXT,
                                 g_offscreen.colour);
    if (glCheckFramebufferStatusEXT(GL_FRAMEBUFFER_EXT) != GL_FRAMEBUFFER_COMPLETE_EXT) {
        ReleaseBuffer();
        LayerError("The off-screen canvas's frame buffer is incomplete");
        return false;
    }
    glReadBuffer(GL_COLOR_ATTACHMENT0_EXT);
    glDrawBuffer(GL_COLOR_ATTACHMENT0_EXT);
    g_offscreen.width = width;
    g_offscreen.height = height;
    return true;
}

void CloseOffscreenContext()
{
    if (g_offscreen.context == EGL_NO_CONTEXT)
        return;
    ReleaseBuffer();
    eglMakeCurrent(g_offscreen.display, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
    eglDestroyContext(g_offscreen.display, g_offscreen.context);
    eglTerminate(g_offscreen.display);
    g_offscreen = OffscreenState {};
}

bool OffscreenActive() { return g_offscreen.context != EGL_NO_CONTEXT; }

unsigned int ScreenFrameBuffer() { return g_offscreen.frameBuffer; }

bool ExtensionSupported(const char* name)
{
    if (!OffscreenActive())
        return allegro_gl_is_extension_supported(name) != 0;
    const char* all = reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS));
    if (!all)
        return false;
    // Whole names only: one extension's name may begin another's.
    const size_t length = std::strlen(name);
    for (const char* at = std::strstr(all, name); at; at = std::strstr(at + 1, name))
        if ((at == all || at[-1] == ' ') && (at[length] == ' ' || at[length] == '\0'))
            return true;
    return false;
}

} // namespace rl::detail
