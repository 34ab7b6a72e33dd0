#include "editor/skeleton/SkinChooser.h"

#include <cstring>

#include "editor/skeleton/EditorState.h"
#include "graphics/SpriteFiles.h"
#include "gui/FileSelect.h"
#include "skeleton/Bone.h"

namespace {

constexpr const char* kNoSkin = "NO SKIN";
constexpr const char* kFirstLetteredPicture = "-a-00.png";
// Where the chooser starts until a skin has been chosen.
constexpr const char* kSkinsFolder = "../Game Data/GFX/Skins/";

} // namespace

std::string SkinFileName(const std::string& path)
{
    const std::string::size_type slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string SkinFolder(const std::string& path)
{
    const std::string::size_type slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string ApplyChosenSkin(Bone* bone, const std::string& chosen)
{
    if (!bone)
        return kNoSkin;
    std::string label;
    if (spritefiles::FileExists(chosen)) {
        label = SkinFileName(chosen);
    } else {
        // The first picture of a lettered skin; a name that would not fit the path buffer with
        // the suffix is no skin rather than a cut name that might find another file.
        const std::string first = chosen + kFirstLetteredPicture;
        if (first.size() >= static_cast<size_t>(kSkinPathSize) || !spritefiles::FileExists(first)) {
            bone->skinPath = kNoSkin;
            // Reloading from "NO SKIN" fails and takes the old pictures away.
            if (bone->skin.HasGraphics())
                bone->LoadSkin();
            return kNoSkin;
        }
        label = SkinFileName(first);
    }
    bone->skinPath = chosen;
    g_Editor.LastSkinFolder = SkinFolder(chosen);
    // Loading starts the skin's animation on the new pictures.
    bone->LoadSkin();
    return label;
}

void ChooseSkin(Bone* bone, std::string* label)
{
    if (!bone)
        return;
    char path[kSkinPathSize] = {};
    const std::string start = g_Editor.LastSkinFolder.empty() ? std::string(kSkinsFolder) : g_Editor.LastSkinFolder;
    std::strncpy(path, start.c_str(), kSkinPathSize - 1);
    if (!FileSelect("PNG", "Choose a Skin", path, kSkinPathSize))
        return;
    const std::string shown = ApplyChosenSkin(bone, path);
    if (label)
        *label = shown;
}
