#include "graphics/MBackground.h"

#include "core/Alert.h"
#include "core/Log.h"

namespace {

const char* const kBackgroundFile = "../Game Data/GFX/Misc/Background3.png";

} // namespace

MBackground::MBackground() : fileName(kBackgroundFile)
{
    if (bitmap.Load(fileName)) {
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
    bitmap.Reset();
    LogText("MBACKGROUND - Background object destroyed", 1);
}
