#include "editor/level/EntityPlacement.h"

#include <cstring>
#include <memory>

#include "editor/level/LevelEditorState.h"
#include "entities/Entity.h"
#include "entities/EntityList.h"
#include "entities/EntityRegistry.h"
#include "gui/BasicWidgets.h"
#include "gui/Dialog.h"
#include "gui/EditBoxProc.h"
#include "gui/GuiDraw.h"

namespace {

constexpr int kNameSize = 256;   // 255 characters and the terminator

char g_name[kNameSize] = "";
char g_typeText[300] = "";
char g_title[] = "Entity Name";
char g_nameLabel[] = "Name:";
char g_ok[] = "Ok";
char g_cancel[] = "Cancel";

constexpr int kNameEntry = 4;
constexpr int kOkEntry = 6;

DIALOG g_nameDialog[] = {
    // proc, x, y, w, h, fg, bg, key, flags, d1, d2, dp, dp2, dp3
    {BoxProc, 0, 0, 300, 120, kWhite, kBlack, 0, 0, 0, 0, nullptr, nullptr, nullptr},
    {BoxProc, 0, 0, 300, 24, kTitleGreen, kBlack, 0, 0, 0, 0, nullptr, nullptr, nullptr},
    {CentredLabelProc, 150, 4, 200, 16, kBlack, kNoColour, 0, 0, 0, 0, g_title, nullptr, nullptr},
    {LabelProc, 8, 36, 50, 16, kBlack, kNoColour, 0, 0, 0, 0, g_nameLabel, nullptr, nullptr},
    {EditBoxProc, 60, 36, 232, 20, kBlack, kTitleGreen, 0, D_EXIT, kNameSize, 0, g_name, nullptr, nullptr},
    {LabelProc, 8, 64, 284, 16, kBlack, kNoColour, 0, 0, 0, 0, g_typeText, nullptr, nullptr},
    {ButtonProc, 80, 92, 64, 20, kWhite, kBlack, 13, D_EXIT, 0, 0, g_ok, nullptr, nullptr},
    {ButtonProc, 156, 92, 64, 20, kWhite, kBlack, 0, D_EXIT, 0, 0, g_cancel, nullptr, nullptr},
    {RefreshProc, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr, nullptr, nullptr},
    {d_yield_proc, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr, nullptr, nullptr},
    {nullptr, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr, nullptr, nullptr},
};

} // namespace

std::string NameFieldText(const std::string& name) { return name.substr(0, kNameSize - 1); }

void CreatePrototypes()
{
    g_LevelEditor.prototypes = std::make_unique<EntityList>();
    if (!g_EntityRegistry)
        return;
    // The registry does not list its IDs: the editor offers the built-in ones it has, in the
    // order they are registered.
    static const char* const kTypes[] = {"CUPCAKE", "CACTUS MAN", "BULLET", "CAMERA", "PLAYER",
                                         "SMALL ROBOT", "SOLDIER", "SNOWMAN TANK", "SNOWMAN"};
    for (const char* type : kTypes)
        if (g_EntityRegistry->Has(type))
            g_LevelEditor.prototypes->Add(g_EntityRegistry->Create(type, type));
}

void PlaceEntity(float x, float y)
{
    if (!g_LevelEditor.prototypes || !g_LevelEditor.entities || !g_EntityRegistry)
        return;
    const Entity* prototype = g_LevelEditor.prototypes->GetEntity(g_LevelEditor.selectedType);
    if (!prototype)
        return;
    std::unique_ptr<Entity> entity = g_EntityRegistry->Create(prototype->type, prototype->type);
    if (!entity)
        return;
    entity->x = x;
    entity->y = y;
    g_LevelEditor.entities->Add(std::move(entity));
}

void NameEntity(Entity& entity)
{
    std::strncpy(g_name, NameFieldText(entity.name).c_str(), kNameSize - 1);
    g_name[kNameSize - 1] = '\0';
    std::snprintf(g_typeText, sizeof g_typeText, "Type: %s", entity.type.c_str());
    g_nameDialog[kNameEntry].d2 = static_cast<int>(std::strlen(g_name));
    centre_dialog(g_nameDialog);
    const int result = do_dialog(g_nameDialog, kNameEntry);
    gui::WaitForMouseRelease();
    // Ok, or Enter in the name field.
    if (result == kOkEntry || result == kNameEntry)
        entity.name = g_name;
}

EntityFileWriter EntityFileWriterOf()
{
    return [](PACKFILE* file) { return !g_LevelEditor.entities || g_LevelEditor.entities->Save(file); };
}

bool ReadEntityFile(std::istream& file) { return !g_LevelEditor.entities || g_LevelEditor.entities->Load(file); }
