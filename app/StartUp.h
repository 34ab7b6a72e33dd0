#pragma once
// The start-up and shut-down every program of the engine shares, in their fixed order:
//
//   start-up:  the program's folder becomes the working folder; the log (write priority 2); the
//              rendering layer (keyboard, mouse, timer) and the windowed 32-bit screen; the window
//              title; the entity painter; the resource manager with its plug-ins ("BMP", "PNG",
//              "TXT", "WAV"); the entity registry; the 10 ms clock;
//   the program's own loop;
//   shut-down: the entity registry, the resource manager (it reports what is still loaded), the log.
//
// The rendering layer shuts itself down at process exit, after all of this.

#include <functional>

class RPlugin;

struct ProgramSettings {
    int screenWidth = 800;
    int screenHeight = 600;
    const char* title = "Marl Engine";
    // No display: Allegro without a graphics driver and an off-screen canvas of the screen's size
    // in place of the window; no title, no input, no clock (the program sets the clock itself).
    bool withoutDisplay = false;
    // The plug-in for "BMP" and "PNG" pictures, when not the rendering layer's own. Not owned.
    RPlugin* pictures = nullptr;
};

// Brings the engine up, runs loop until it returns, takes the engine down. Returns the process's
// exit status: 0, or 1 when the program's folder cannot be entered (nothing else is started then).
int RunProgram(const ProgramSettings& settings, const std::function<void()>& loop);
