#pragma once
// The rendering layer's program and screen set-up, its paths and its own log "renderlayer.log".
// Everything drawn by the engine goes through namespace rl; OpenGL is called only inside rl/.

#include <string>

#include "core/Paths.h"

namespace rl {

// Installs Allegro, AllegroGL and the asked-for services; registers the layer's shut-down routine
// to run at process exit and PNG loading for Allegro's image loader.
bool InitProgram(bool keyboard, bool mouse, bool timer);

// Opens the OpenGL screen (windowed unless fullScreen) with a pixel projection, then loads whatever
// bitmaps and fonts were queued before it existed.
bool InitScreen(int width, int height, bool fullScreen, int colourDepth, int zDepth, int refreshRate);

// The same without a display (no X server needed): Allegro with no system or graphics driver, which
// still loads pictures; no keyboard, mouse or timer.
bool InitProgramWithoutDisplay();

// An off-screen canvas of width x height instead of a screen: OpenGL through EGL without a window,
// the same pixel projection, starting fully transparent; then loads whatever was queued. Called
// again it resizes the canvas (bitmaps and fonts stay). Refresh only finishes the drawing.
bool InitOffscreenScreen(int width, int height);
bool OffscreenScreen();

// Titles the program's window (the OpenGL window the user sees, and Allegro's own).
void SetWindowTitle(const std::string& title);

bool ProgramReady();
bool ScreenReady();
int ScreenWidth();
int ScreenHeight();
int ScreenColourDepth();

// The program's folder and paths against it live with the core (they need no screen); the layer
// offers them under its own names too.
using ::ExecutablePath;
using ::ToAbsolutePath;

void LayerLog(const std::string& text);
void LayerError(const std::string& text);

// 0 alpha blending, 1 additive by alpha, 2 (zero, one minus source colour), 3 copy, 4 additive;
// any other value reapplies the current mode.
void SetBlending(int mode);
int Blending();

// For a canvas that is to stay transparent where nothing is drawn: blending mode 0 then also
// keeps the canvas's alpha as the share covered (one minus source alpha, plus source alpha), so
// the colour channels hold colour times alpha and a picture drawn on a clear canvas keeps its own
// alpha rather than its square. Off by default; the screen's alpha is never seen.
void SetCoverageAlpha(bool on);
bool CoverageAlpha();

void SetAntiAliasing(bool on);
bool AntiAliasing();

// Linear texture filtering for textures made from now on (nearest when off).
void SetLinearFiltering(bool on);
bool LinearFiltering();

// Whether textures keep their memory image after upload (off: the image is freed after upload).
void SetKeepMemoryImages(bool keep);
bool KeepMemoryImages();

// The pivot the screen rotates about (the screen centre after InitScreen).
void ScreenPivot(int& x, int& y);

} // namespace rl
