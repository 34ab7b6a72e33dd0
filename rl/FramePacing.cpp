#include "rl/FramePacing.h"

#include <algorithm>
#include <chrono>
#include <string>
#include <thread>

#include "rl/GL.h"
#include <GL/glx.h>

namespace rl {

namespace {

using Clock = std::chrono::steady_clock;

// What the user's input looked like at the last presented frame.
struct InputSnapshot {
    int x = 0, y = 0, z = 0, buttons = 0;
    bool anyKey = false;

    bool operator==(const InputSnapshot& o) const
    {
        return x == o.x && y == o.y && z == o.z && buttons == o.buttons && anyKey == o.anyKey;
    }
};

struct Pacing {
    int activeFps = 0;
    int idleFps = 0;
    Clock::duration idleAfter {};
    bool swapInterval = false;
    Clock::time_point nextFrame {};
    Clock::time_point lastInput {};
    InputSnapshot input;
};

Pacing g_pacing;

InputSnapshot ReadInput()
{
    InputSnapshot now;
    now.x = mouse_x;
    now.y = mouse_y;
    now.z = mouse_z;
    now.buttons = mouse_b;
    for (int k = 1; k < KEY_MAX && !now.anyKey; ++k)
        now.anyKey = key[k] != 0;
    return now;
}

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

bool Idle(Clock::time_point now) { return now - g_pacing.lastInput >= g_pacing.idleAfter; }

} // namespace

void SetFramePacing(int activeFps, int idleFps, int idleAfterMs)
{
    g_pacing.activeFps = activeFps > 0 ? activeFps : 0;
    g_pacing.idleFps = idleFps > 0 && idleFps < g_pacing.activeFps ? idleFps : g_pacing.activeFps;
    g_pacing.idleAfter = std::chrono::milliseconds(idleAfterMs > 0 ? idleAfterMs : 0);
    const Clock::time_point now = Clock::now();
    g_pacing.nextFrame = now;
    g_pacing.lastInput = now;
    g_pacing.input = ReadInput();
    g_pacing.swapInterval = RequestSwapInterval(g_pacing.activeFps > 0 ? 1 : 0) && g_pacing.activeFps > 0;
}

int FramePacing() { return g_pacing.activeFps; }

int CurrentFrameRate() { return Idle(Clock::now()) ? g_pacing.idleFps : g_pacing.activeFps; }

bool SwapIntervalSet() { return g_pacing.swapInterval; }

namespace detail {

void PaceFrame()
{
    if (g_pacing.activeFps <= 0)
        return;
    Clock::time_point now = Clock::now();
    const InputSnapshot input = ReadInput();
    if (!(input == g_pacing.input) || input.anyKey || input.buttons) {
        g_pacing.input = input;
        g_pacing.lastInput = now;
    }
    const int fps = Idle(now) ? g_pacing.idleFps : g_pacing.activeFps;
    const auto period = std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(1.0 / fps));
    // A frame that waits for the idle rate ends early when input comes in meanwhile, and the
    // frames after it follow at the active rate.
    while (now < g_pacing.nextFrame) {
        const Clock::time_point wake = std::min(g_pacing.nextFrame, now + std::chrono::milliseconds(4));
        std::this_thread::sleep_until(wake);
        now = Clock::now();
        if (!(ReadInput() == g_pacing.input)) {
            g_pacing.lastInput = now;
            g_pacing.nextFrame = now + std::chrono::duration_cast<Clock::duration>(
                                           std::chrono::duration<double>(1.0 / g_pacing.activeFps));
            return;
        }
    }
    // Late (a slow frame, or the first after a pause): count afresh rather than presenting a
    // burst to catch up.
    if (now >= g_pacing.nextFrame + period)
        g_pacing.nextFrame = now + period;
    else
        g_pacing.nextFrame += period;
}

} // namespace detail

} // namespace rl
