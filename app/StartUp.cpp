#include "app/StartUp.h"

#include <unistd.h>

#include "core/Clock.h"
#include "core/Log.h"
#include "core/Paths.h"
#include "entities/BuiltInEntities.h"
#include "entities/ScreenPainter.h"
#include "resources/MARLPlugin.h"
#include "resources/RLBMPPlugin.h"
#include "resources/ResourceManager.h"
#include "resources/SoundPlugin.h"
#include "rl/Layer.h"

namespace {

// The plug-ins outlive the manager that borrows them: they go when RunProgram returns, after the
// log has closed, so their destructors write nothing.
struct Plugins {
    RLBMPPlugin bmp;
    RLBMPPlugin png;
    MARLPlugin skeletons;
    SoundPlugin sounds;
};

// Every "../Game Data/..." path is relative to the executable's own folder.
bool EnterProgramFolder() { return chdir(ExecutablePath().c_str()) == 0; }

void OpenLog()
{
    g_Log = new Log();
    g_Log->priority = 2;   // the application writes priority 2 and above
}

void StartRenderingLayer(const ProgramSettings& settings)
{
    if (settings.withoutDisplay) {
        if (rl::InitProgramWithoutDisplay())
            rl::InitOffscreenScreen(settings.screenWidth, settings.screenHeight);
        UseScreenPainter();
        return;
    }
    rl::InitProgram(true, true, true);   // keyboard, mouse, timer
    rl::InitScreen(settings.screenWidth, settings.screenHeight, false, 32, 8, 0);
    rl::SetWindowTitle(settings.title);
    UseScreenPainter();
}

void CreateResourceManager(Plugins& plugins, RPlugin* pictures)
{
    g_ResourceManager = new ResourceManager();
    g_ResourceManager->AddPlugin("BMP", pictures ? pictures : &plugins.bmp);
    g_ResourceManager->AddPlugin("PNG", pictures ? pictures : &plugins.png);
    g_ResourceManager->AddPlugin("TXT", &plugins.skeletons);
    g_ResourceManager->AddPlugin("WAV", &plugins.sounds);
}

void DestroyResourceManager()
{
    delete g_ResourceManager;
    g_ResourceManager = nullptr;
}

void CloseLog()
{
    g_Log->Close();
    delete g_Log;
    g_Log = nullptr;
}

} // namespace

int RunProgram(const ProgramSettings& settings, const std::function<void()>& loop)
{
    if (!EnterProgramFolder())
        return 1;
    Plugins plugins;

    OpenLog();
    StartRenderingLayer(settings);
    CreateResourceManager(plugins, settings.pictures);
    CreateEntityRegistry();
    if (!settings.withoutDisplay)
        InstallClockTimer();

    loop();

    DestroyEntityRegistry();
    DestroyResourceManager();
    CloseLog();
    return 0;
}
