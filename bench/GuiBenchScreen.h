#pragma once
// The screen and the GUI font for the benchmarks that draw widgets; false without a display.

#include <cstdlib>

#include "gui/GuiFont.h"
#include "rl/Layer.h"

inline bool GuiBenchScreen()
{
    static const bool ready = [] {
        if (!std::getenv("DISPLAY"))
            return false;
        if (!rl::InitProgram(false, false, false) || !rl::InitScreen(800, 600, false, 32, 8, 0))
            return false;
        return CreateGuiFont() && InitGuiFont() == 0;
    }();
    return ready;
}
