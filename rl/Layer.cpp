#include "rl/Layer.h"

#include <cerrno>
#include <fstream>
#if defined(__SANITIZE_ADDRESS__)
#include <dlfcn.h>
#include <link.h>
#endif

#include "rl/Canvas.h"
#include "rl/Colour.h"
#include "rl/GL.h"
#include <loadpng.h>
#include <xalleg.h>
#include "rl/GarbageCollected.h"
#include "rl/LayerInternal.h"

namespace rl {

namespace {

struct LayerState {
    bool programReady = false;
    bool screenReady = false;
    int width = 0, height = 0, colourDepth = 0;
    int blending = 0;
    bool antiAliasing = false;
    bool linearFiltering = true;
    bool keepMemoryImages = false;
    bool coverageAlpha = false;
    bool logFirstWrite = true;
    int pivotX = 0, pivotY = 0;
    std::string driverName;
};

LayerState g_layer;

#if defined(__SANITIZE_ADDRESS__)
// Leak reports can name the library a leak belongs to only while it is still mapped; the GL
// driver unloads itself before the report. Keep it (and the libraries it pulled in) mapped.
void KeepGLDriverMapped()
{
    dl_iterate_phdr(
        [](dl_phdr_info* info, size_t, void*) {
            if (info->dlpi_name && std::string(info->dlpi_name).find("_dri.so") != std::string::npos)
                dlopen(info->dlpi_name, RTLD_NOW | RTLD_NOLOAD | RTLD_NODELETE);
            return 0;
        },
        nullptr);
}
#else
void KeepGLDriverMapped() {}
#endif

void ShutDown()
{
    // Drawing still queued when the program ends would be finished by the driver during its own
    // exit, after the context is gone; finish it while the context lives.
    if (g_layer.screenReady)
        glFinish();
    LayerLog("Collecting garbage");
    CollectGarbage();
    LayerLog("Destroying the framebuffer");
    if (g_layer.screenReady)
        detail::DestroyFrameBuffer();
    detail::CloseOffscreenContext();
    g_layer.screenReady = false;
    LayerLog("Render layer shutdown finished");
}

// Screen set-up shared by the window and the off-screen canvas: pixel coordinates from the top-left
// corner, no depth test, alpha blending, smooth lines, the clip stack reset.
void SetUpPixelCanvas(int width, int height, int colourDepth)
{
    g_layer.width = width;
    g_layer.height = height;
    g_layer.colourDepth = colourDepth;

    glViewport(0, 0, width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, width, height, 0, -1, 1000);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_CULL_FACE);
    glDisable(GL_LIGHTING);
    glDisable(GL_TEXTURE_2D);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);

    g_layer.blending = 0;
    SetBlending(0);
    g_layer.pivotX = width / 2;
    g_layer.pivotY = height / 2;
    ResetChannelMultipliers();
    SetAntiAliasing(true);

    detail::ResetCanvas(width, height);
}

} // namespace

void SetWindowTitle(const std::string& title)
{
    set_window_title(title.c_str());
    // AllegroGL draws into a window of its own beside Allegro's; that is the one on screen.
    if (_xwin.display && _xwin.window) {
        XLOCK();
        XStoreName(_xwin.display, _xwin.window, title.c_str());
        XFlush(_xwin.display);
        XUNLOCK();
    }
}

bool ProgramReady() { return g_layer.programReady; }
bool ScreenReady() { return g_layer.screenReady; }
int ScreenWidth() { return g_layer.width; }
int ScreenHeight() { return g_layer.height; }
int ScreenColourDepth() { return g_layer.colourDepth; }

bool InitProgram(bool keyboard, bool mouse, bool timer)
{
    // Each failure names the service, with Allegro's own reason.
    auto failed = [](const char* what) {
        LayerError(std::string("Couldn't install ") + what + ": " + allegro_error);
        return false;
    };
    if (allegro_init() != 0)
        return failed("Allegro");
    if (install_allegro_gl() != 0)
        return failed("AllegroGL");
    if (keyboard && install_keyboard() != 0)
        return failed("the keyboard");
    if (mouse || timer) {
        if (install_timer() != 0)
            return failed("the timer");
        if (mouse && install_mouse() == -1)
            return failed("the mouse");
    }
    // Runs before Allegro's own exit routine (registered earlier), while the GL context lives.
    std::atexit(ShutDown);
    g_layer.driverName = system_driver ? system_driver->name : "";
    g_layer.programReady = true;
    register_png_file_type();
    LayerLog("Render layer started up succesfully");
    return true;
}

bool InitScreen(int width, int height, bool fullScreen, int colourDepth, int zDepth, int refreshRate)
{
    // Only windowed/full screen is required: software GL grants its own depths and buffering.
    allegro_gl_clear_settings();
    allegro_gl_set(AGL_COLOR_DEPTH, colourDepth);
    allegro_gl_set(AGL_DOUBLEBUFFER, 1);
    allegro_gl_set(AGL_Z_DEPTH, zDepth);
    allegro_gl_set(AGL_RENDERMETHOD, 1);
    allegro_gl_set(fullScreen ? AGL_FULLSCREEN : AGL_WINDOWED, TRUE);
    allegro_gl_set(AGL_SUGGEST, AGL_COLOR_DEPTH | AGL_DOUBLEBUFFER | AGL_Z_DEPTH | AGL_RENDERMETHOD);
    if (refreshRate > 0)
        request_refresh_rate(refreshRate);
    allegro_gl_set(AGL_REQUIRE, fullScreen ? AGL_FULLSCREEN : AGL_WINDOWED);

    set_color_depth(colourDepth);
    if (set_gfx_mode(fullScreen ? GFX_OPENGL_FULLSCREEN : GFX_OPENGL_WINDOWED, width, height, 0, 0) != 0) {
        LayerError("Couldn't up the screen! (Width: " + std::to_string(width) + ", Height: " +
                   std::to_string(height) + ", " + (fullScreen ? "Fullscreen" : "Windowed") +
                   ", Color depth: " + std::to_string(colourDepth) + ", Z Depth: " +
                   std::to_string(zDepth) + ")");
        return false;
    }
    KeepGLDriverMapped();
    LayerLog("Screen granted: colour depth " + std::to_string(allegro_gl_get(AGL_COLOR_DEPTH)) +
             ", z depth " + std::to_string(allegro_gl_get(AGL_Z_DEPTH)) + ", " +
             (allegro_gl_get(AGL_DOUBLEBUFFER) ? "double buffered" : "single buffered"));

    SetUpPixelCanvas(width, height, colourDepth);
    glReadBuffer(GL_BACK);
    g_layer.screenReady = true;

    Canvas::Fill(0, 0, 0, 1, ALPHA_CHANNEL);
    Canvas::Refresh();
    Canvas::Fill(0, 0, 0, 1, ALPHA_CHANNEL);

    RunAutoLoader();
    LayerLog("Screen set up succesfully\n");
    return true;
}

bool InitProgramWithoutDisplay()
{
    if (install_allegro(SYSTEM_NONE, &errno, atexit) != 0) {
        LayerError(std::string("Couldn't install Allegro: ") + allegro_error);
        return false;
    }
    std::atexit(ShutDown);
    g_layer.driverName = system_driver ? system_driver->name : "";
    g_layer.programReady = true;
    register_png_file_type();
    LayerLog("Render layer started up succesfully (no display)");
    return true;
}

bool InitOffscreenScreen(int width, int height)
{
    if (!g_layer.programReady || (g_layer.screenReady && !detail::OffscreenActive())) {
        LayerError("An off-screen canvas needs InitProgramWithoutDisplay and no screen");
        return false;
    }
    if (!detail::OpenOffscreenContext())
        return false;
    if (!detail::SizeOffscreenBuffer(width, height))
        return false;
    KeepGLDriverMapped();
    const bool first = !g_layer.screenReady;
    SetUpPixelCanvas(width, height, 32);
    g_layer.screenReady = true;
    Canvas::Fill(0, 0, 0, 0);
    if (first) {
        RunAutoLoader();
        LayerLog("Off-screen canvas set up succesfully\n");
    }
    return true;
}

bool OffscreenScreen() { return detail::OffscreenActive(); }

void LayerLog(const std::string& text)
{
    std::ofstream file("renderlayer.log",
                       g_layer.logFirstWrite ? std::ios::out | std::ios::trunc : std::ios::out | std::ios::app);
    g_layer.logFirstWrite = false;
    if (file)
        file << text << "\n";
}

void LayerError(const std::string& text) { LayerLog("ERROR: " + text); }

void SetBlending(int mode)
{
    if (mode < 0 || mode > 4)
        mode = g_layer.blending;
    g_layer.blending = mode;
    if (mode == 3) {
        glDisable(GL_BLEND);
        return;
    }
    glEnable(GL_BLEND);
    switch (mode) {
    case 0:
        if (g_layer.coverageAlpha)
            glBlendFuncSeparate(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA, GL_ONE, GL_ONE_MINUS_SRC_ALPHA);
        else
            glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        break;
    case 1: glBlendFunc(GL_SRC_ALPHA, GL_ONE); break;
    case 2: glBlendFunc(GL_ZERO, GL_ONE_MINUS_SRC_COLOR); break;
    case 4: glBlendFunc(GL_ONE, GL_ONE); break;
    }
}

int Blending() { return g_layer.blending; }

void SetCoverageAlpha(bool on)
{
    g_layer.coverageAlpha = on;
    if (g_layer.screenReady)
        SetBlending(g_layer.blending);
}

bool CoverageAlpha() { return g_layer.coverageAlpha; }

void SetAntiAliasing(bool on)
{
    g_layer.antiAliasing = on;
    if (on) {
        glEnable(GL_LINE_SMOOTH);
        glHint(GL_LINE_SMOOTH_HINT, GL_NICEST);
    } else {
        glDisable(GL_LINE_SMOOTH);
    }
}

bool AntiAliasing() { return g_layer.antiAliasing; }

void SetLinearFiltering(bool on) { g_layer.linearFiltering = on; }
bool LinearFiltering() { return g_layer.linearFiltering; }
void SetKeepMemoryImages(bool keep) { g_layer.keepMemoryImages = keep; }
bool KeepMemoryImages() { return g_layer.keepMemoryImages; }

void ScreenPivot(int& x, int& y)
{
    x = g_layer.pivotX;
    y = g_layer.pivotY;
}

} // namespace rl
