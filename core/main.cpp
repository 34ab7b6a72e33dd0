// The program's entry: brings the engine up in a fixed order, runs the skeleton editor until the
// user quits, and takes everything down again in reverse.

#include <allegro.h>
#include <unistd.h>

#include "core/Clock.h"
#include "core/Log.h"
#include "editor/skeleton/SkeletonEditor.h"
#include "resources/MARLPlugin.h"
#include "resources/RLBMPPlugin.h"
#include "resources/ResourceManager.h"
#include "resources/SoundPlugin.h"
#include "rl/Layer.h"

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
    RunSkeletonEditor();                                       // 10

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
