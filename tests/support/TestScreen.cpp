// The screen for the tests that draw; kept apart so the tests of the models link no rendering layer.
#include "tests/support/TestSupport.h"

#include <cstdio>
#include <cstdlib>

#include "rl/Canvas.h"
#include "rl/Layer.h"

namespace testsupport {

void OpenScreen()
{
    if (rl::ScreenReady())
        return;
    // Nothing after this can run without a screen (every case is a process of its own), so the
    // case ends here with the layer's log rather than crashing further on.
    if (!rl::InitProgram(true, true, true) || !rl::InitScreen(800, 600, false, 32, 8, 0)) {
        ADD_FAILURE() << "no screen (is DISPLAY set?): " << ReadFile("renderlayer.log");
        std::fflush(stdout);
        std::_Exit(1);
    }
}

void ScreenTest::SetUp()
{
    OpenScreen();
    rl::Canvas::DisableClipping();
    rl::Canvas::Fill(0, 0, 0, 1);
}

} // namespace testsupport
