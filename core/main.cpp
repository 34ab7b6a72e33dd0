// The program's entry: brings the engine up in a fixed order, runs the interactive mode until the
// user quits, and takes everything down again in reverse.

#include <allegro.h>
#include <atomic>
#include <unistd.h>

#include "core/Clock.h"
#include "core/Log.h"
#include "resources/MARLPlugin.h"
#include "resources/RLBMPPlugin.h"
#include "resources/ResourceManager.h"
#include "resources/SoundPlugin.h"
#include "rl/Canvas.h"
#include "rl/Layer.h"

namespace {

std::atomic<bool> g_closeRequested {false};

void OnCloseButton() { g_closeRequested = true; }

// The interactive mode: shows the screen until Escape or the window's close button.
void RunInteractiveMode()
{
    set_close_button_callback(OnCloseButton);
    while (!key[KEY_ESC] && !g_closeRequested) {
        rl::Canvas::Fill(0, 60.0f / 255.0f, 0, 1);
        rl::Canvas::Refresh();
        rest(16);
    }
    set_close_button_callback(nullptr);
}

} // namespace

int main(int, char**)
{
    // Every "../Game Data/..." path is relative to the executable's own folder.
    if (chdir(rl::ExecutablePath().c_str()) != 0)
        return 1;

    g_Log = new Log();                                         // 1
    g_Log->priority = 2;                                       // 2
    rl::InitProgram(true, true, true);                         // 3
    rl::InitScreen(800, 600, false, 32, 8, 0);                 // 4
    rl::SetWindowTitle("Marl Engine");                         // 5
    g_ResourceManager = new ResourceManager();                 // 6
    // 7: the plug-ins live to the end of main, past the manager that borrows them; they go
    // after the log has closed, so their destructors write nothing.
    RLBMPPlugin bmpPlugin;
    g_ResourceManager->AddPlugin("BMP", &bmpPlugin);
    RLBMPPlugin pngPlugin;
    g_ResourceManager->AddPlugin("PNG", &pngPlugin);
    MARLPlugin skeletonPlugin;
    g_ResourceManager->AddPlugin("TXT", &skeletonPlugin);
    SoundPlugin soundPlugin;
    g_ResourceManager->AddPlugin("WAV", &soundPlugin);
    // 8: the entity registry joins here.
    InstallClockTimer();                                       // 9
    RunInteractiveMode();                                      // 10

    // 11: the entity registry is destroyed here.
    if (g_ResourceManager) {                                   // 12
        delete g_ResourceManager;
        g_ResourceManager = nullptr;
    }
    g_Log->Close();                                            // 13
    delete g_Log;
    g_Log = nullptr;
    return 0;                                                  // 14
}
END_OF_MAIN()
