#include "graphics/Frame.h"

#include "core/Alert.h"
#include "core/Log.h"
#include "graphics/SpriteFiles.h"
#include "resources/ResourceRef.h"

Frame::~Frame()
{
    LogText("Deconstructing RL frame", 1);
    if (bitmap)
        LogText("Found RL graphics data, deleting!", 1);
    // The image stays with the resource manager, which may share it with other frames.
    bitmap = nullptr;
}

int Frame::LoadGraphics(const std::string& fileName, int32_t frameDuration, OnBadPicture onBad)
{
    LogString("Loading frame file: ", fileName.c_str(), 2);
    if (!spritefiles::FileExists(fileName)) {
        ShowAlert("ERROR loading graphics File! See Log...");
        LogText("FRAME::LOADGRAPHICS - !! Couldn't load graphics file, doesn't exist!!", 2);
        LogText(fileName, 2);
        return 1;
    }
    rl::Bitmap* loaded = KeepLoaded<rl::Bitmap>(fileName);
    if (!loaded && onBad == OnBadPicture::Report) {
        ShowAlert("Error loading RENDERLAYER frame");
        LogString("FRAME::LOADGRAPHICS - !! Couldn't load graphics file, not a picture we can read:", fileName.c_str(), 4);
        return 1;
    }
    duration = frameDuration;
    bitmap = loaded;
    if (!bitmap) {
        // A picture that is there but cannot be read means broken game data: nothing sensible
        // can be drawn in its place.
        ShowAlert("Error loading RENDERLAYER frame");
        FatalExit(-1);
    }
    return 0;
}
