#include "rl/FramePacing.h"

#include <chrono>
#include <string>
#include <thread>

#include "rl/GL.h"
#include <GL/glx.h>

namespace rl {

namespace {

using Clock = std::chrono::steady_clock;

struct Pacing {
    int framesPerSecond = 0;
    bool swapInterval = false;
    Clock::time_point nextFrame {};
};

Pacing g_pacing;

// Asks the driver for a swap interval through whichever extension it has; false when none took it.
bool RequestSwapInterval(int interval)
{
    using MesaSwap = int (*)(unsigned int);
    using SgiSwap = int (*)(int);
    using ExtSwap = void (*)(Display*, GLXDrawable, int);
    const auto lookUp = [](const char* name) {
        return glXGetProcAddressARB(reinterpret_cast<const GLubyte*>(name));
    };
    Display* display = glXGetCurrentDisplay();
    const GLXDrawable drawable = glXGetCurrentDrawable();
    if (!display || !drawable)
        return false;
    const char* extensions = glXQueryExtensionsString(display, DefaultScreen(display));
    const auto offered = [extensions](const char* name) {
        return extensions && std::string(extensions).find(name) != std::string::npos;
    };
    if (offered("GLX_EXT_swap_control")) {
        if (auto swap = reinterpret_cast<ExtSwap>(lookUp("glXSwapIntervalEXT"))) {
            swap(display, drawable, interval);
            return true;
        }
    }
    if (offered("GLX_MESA_swap_control")) {
        if (auto swap = reinterpret_cast<MesaSwap>(lookUp("glXSwapIntervalMESA")))
            return swap(static_cast<unsigned int>(interval)) == 0;
    }
    // The SGI extension cannot go back to 0.
    if (interval > 0 && offered("GLX_SGI_swap_control")) {
        if (auto swap = reinterpret_cast<SgiSwap>(lookUp("glXSwapIntervalSGI")))
            return swap(interval) == 0;
    }
    return false;
}

} // namespace

void SetFramePacing(int maxFramesPerSecond)
{
    const int fps = maxFramesPerSecond > 0 ? maxFramesPerSecond : 0;
    g_pacing.framesPerSecond = fps;
    g_pacing.nextFrame = Clock::now();
    g_pacing.swapInterval = RequestSwapInterval(fps > 0 ? 1 : 0) && fps > 0;
}

int FramePacing() { return g_pacing.framesPerSecond; }
bool SwapIntervalSet() { return g_pacing.swapInterval; }

namespace detail {

void PaceFrame()
{
    if (g_pacing.framesPerSecond <= 0)
        return;
    const auto period = std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(
        1.0 / g_pacing.framesPerSecond));
    const Clock::time_point now = Clock::now();
    if (now < g_pacing.nextFrame) {
        std::this_thread::sleep_until(g_pacing.nextFrame);
        g_pacing.nextFrame += period;
    } else {
        // Late (a slow frame, or the first after a pause): start counting afresh rather than
        // presenting a burst to catch up.
        g_pacing.nextFrame = now + period;
    }
}

} // namespace detail

} // namespace rl
