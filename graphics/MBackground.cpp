#include "graphics/MBackground.h"

#include <cmath>

#include "core/Alert.h"
#include "core/Log.h"
#include "resources/ResourceManager.h"
#include "rl/Bitmap.h"
#include "rl/RenderMode.h"

namespace {

const char* const kBackgroundFile = "../Game Data/GFX/Misc/Background3.png";

// At most the screen's worth of the picture is used per copy.
const rl::ClippedMode kScreenPart(0, 0, 800, 600);

} // namespace

MBackground::MBackground() : fileName(kBackgroundFile)
{
    bitmap = g_ResourceManager ? static_cast<rl::Bitmap*>(g_ResourceManager->Load(fileName)) : nullptr;
    if (bitmap) {
        LogText("MBACKGROUND - Background object created no probs", 1);
        return;
    }
    LogText("MBACKGROUND - Could not find RL Background GFX file!!!", 2);
    LogText(fileName, 2);
    ShowAlert("MBACKGROUND - Could not find RL Background GFX file - " + fileName);
    FatalExit(-1);
}

MBackground::~MBackground()
{
    if (g_ResourceManager)
        g_ResourceManager->Unload(fileName);
    bitmap = nullptr;
    LogText("MBACKGROUND - Background object destroyed", 1);
}

int MBackground::Draw(float scroll)
{
    // A picture without width has no copies to place (and would make the remainder undefined).
    if (!bitmap || bitmap->Width() <= 0)
        return 0;
    const float width = static_cast<float>(bitmap->Width());
    const float offset = std::fmod(scroll * 0.5f, width);
    bitmap->Draw(-offset, 0, kScreenPart, 1.0f);
    bitmap->Draw(width - offset, 0, kScreenPart, 1.0f);
    return 0;
}

int MBackground::DrawClipped(float x, float y, int width, int height)
{
    if (!bitmap)
        return 0;
    bitmap->Draw(x, y, rl::ClippedMode(0, 0, static_cast<float>(width), static_cast<float>(height)), 1.0f);
    return 0;
}
