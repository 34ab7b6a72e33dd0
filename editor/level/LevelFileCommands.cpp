#include "editor/level/LevelFileCommands.h"

#include <allegro.h>
#include <cstring>
#include <fstream>

#include "core/Alert.h"
#include "core/Log.h"
#include "editor/level/EntityPlacement.h"
#include "editor/level/LevelEditorDialog.h"
#include "editor/level/LevelEditorState.h"
#include "editor/level/MapMath.h"
#include "entities/EntityList.h"
#include "gui/BasicWidgets.h"
#include "gui/EditBoxProc.h"
#include "gui/FileSelect.h"
#include "gui/GuiDraw.h"
#include "gui/MessageBox.h"
#include "level/Level.h"
#include "level/LevelSave.h"
#include "rl/Layer.h"

namespace {

constexpr int kPathSize = 512;
constexpr const char* kLevelFolder = "../Game Data/Levels/";
// The map shows 11 columns by 8 rows at zoom 1.
constexpr int kShownColumns = 11;
constexpr int kShownRows = 8;

// -- The New Level dialog ---------------------------------------------------------------------

constexpr int kSizeText = 6;   // at most 5 characters
char g_width[kSizeText] = "100";
char g_height[kSizeText] = "100";
char g_widthLabel[] = "Width:";
char g_heightLabel[] = "Height:";
char g_title[] = "New Level";
char g_ok[] = "Ok";
char g_cancel[] = "Cancel";
constexpr int kOkEntry = 7;

DIALOG g_newLevelDialog[] = {
    // proc, x, y, w, h, fg, bg, key, flags, d1, d2, dp, dp2, dp3
    {BoxProc, 0, 0, 160, 127, kWhite, kBlack, 0, 0, 0, 0, nullptr, nullptr, nullptr},
    {EditBoxProc, 72, 36, 64, 20, kBlack, kTitleGreen, 0, 0, kSizeText, 0, g_width, nullptr, nullptr},
    {EditBoxProc, 72, 62, 64, 20, kBlack, kTitleGreen, 0, 0, kSizeText, 0, g_height, nullptr, nullptr},
    {LabelProc, 8, 36, 40, 16, kBlack, kNoColour, 0, 0, 0, 0, g_widthLabel, nullptr, nullptr},
    {LabelProc, 8, 62, 56, 16, kBlack, kNoColour, 0, 0, 0, 0, g_heightLabel, nullptr, nullptr},
    {BoxProc, 0, 0, 160, 24, kTitleGreen, kBlack, 0, 0, 0, 0, nullptr, nullptr, nullptr},
    {CentredLabelProc, 80, 4, 76, 16, kBlack, kNoColour, 0, 0, 0, 0, g_title, nullptr, nullptr},
    {ButtonProc, 8, 96, 64, 20, kWhite, kBlack, 13, D_EXIT, 0, 0, g_ok, nullptr, nullptr},
    {ButtonProc, 84, 96, 68, 20, kWhite, kBlack, 0, D_EXIT, 0, 0, g_cancel, nullptr, nullptr},
    {RefreshProc, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr, nullptr, nullptr},
    {d_yield_proc, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr, nullptr, nullptr},
    {nullptr, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr, nullptr, nullptr},
};

template <int Size>
void StartIn(char (&buffer)[Size], const char* folder)
{
    std::memset(buffer, 0, Size);
    std::strncpy(buffer, folder, Size - 1);
}

void Retitle(const std::string& fileName)
{
    g_LevelEditor.fileName = fileName;
    rl::SetWindowTitle(LevelEditorTitle(fileName));
}


} // namespace

std::string LevelEditorTitle(const std::string& fileName)
{
    if (fileName.empty())
        return "MARL Level Editor - untitled";
    const size_t slash = fileName.find_last_of('/');
    return "MARL Level Editor - " + (slash == std::string::npos ? fileName : fileName.substr(slash + 1));
}

void ResetMapView()
{
    g_LevelEditor.scrollX = g_LevelEditor.scrollY = 0;
    g_LevelEditor.hoveredX = g_LevelEditor.hoveredY = 0;
    const Level* level = g_LevelEditor.level.get();
    DIALOG& vertical = g_LevelEditorDialog[kMapScrollYEntry];
    DIALOG& horizontal = g_LevelEditorDialog[kMapScrollXEntry];
    vertical.d1 = ScrollMaximum(level ? level->Height() : 0, kShownRows);
    horizontal.d1 = ScrollMaximum(level ? level->Width() : 0, kShownColumns);
    vertical.d2 = horizontal.d2 = 0;
}

int NewLevelCommand()
{
    std::strcpy(g_width, "100");
    std::strcpy(g_height, "100");
    g_newLevelDialog[1].d2 = g_newLevelDialog[2].d2 = 3;
    centre_dialog(g_newLevelDialog);
    const int result = do_dialog(g_newLevelDialog, -1);
    gui::WaitForMouseRelease();
    if (result != kOkEntry)
        return D_REDRAW;
    const int width = NewLevelSize(g_width), height = NewLevelSize(g_height);
    // A size the level cannot hold would leave no level at all: the one being edited stays.
    if (width > Level::kMaxSize || height > Level::kMaxSize) {
        LogValues("LEVEL EDITOR - New level refused, too large:", width, height, 2);
        MessageBox("Levels are at most 300 x 300 cells.", "", "The level is unchanged.", "Ok");
        return D_REDRAW;
    }
    g_LevelEditor.level.reset();
    g_LevelEditor.level = std::make_unique<Level>(width, height);
    g_LevelEditor.NewEntityList();
    ResetMapView();
    Retitle("");
    return D_REDRAW;
}

bool LoadLevelFiles(const std::string& path)
{
    PACKFILE* file = pack_fopen(path.c_str(), "r");
    if (!file) {
        LogString("Error opening Level File:", path.c_str(), 4);
        return false;
    }
    g_LevelEditor.level.reset();
    g_LevelEditor.entities.reset();
    SetCurrentGameList(nullptr);
    g_LevelEditor.level = std::make_unique<Level>(file);
    if (pack_fclose(file) != 0)
        LogText("Error closing 'LEVEL::LOAD' File!", 4);
    const bool whole = g_LevelEditor.level->HasGrid();

    g_LevelEditor.NewEntityList();
    const std::string entityFile = EntityFileName(path);
    std::ifstream ents;
    if (!entityFile.empty())
        ents.open(entityFile, std::ios::binary);
    if (ents.is_open()) {
        if (!ReadEntityFile(ents))
            LogText("Error loading ents from File!", 4);
    } else {
        ShowAlert("No entity list file found so you get no entities! :P ");
    }
    ResetMapView();
    // What was done to the level before has nothing to act on any more.
    g_LevelEditor.history.Clear();
    UpdateLevelUndoMenu();
    return whole;
}

int LoadLevelCommand()
{
    LogText("", 2);
    LogText("* FILE LOAD LEVEL", 2);
    char path[kPathSize];
    StartIn(path, kLevelFolder);
    if (!FileSelect("LEV", "Load Level", path, kPathSize) || !exists(path))
        return D_REDRAW;
    broadcast_dialog_message(MSG_DRAW, 0);
    if (LoadLevelFiles(path))
        Retitle(path);
    return D_REDRAW;
}

bool SaveLevelFilesOf(const std::string& path)
{
    if (!g_LevelEditor.level || !g_LevelEditor.level->HasGrid()) {
        MessageBox("There is no level to save.", "", "Make one with File, New.", "Ok");
        return false;
    }
    std::string error;
    if (!SaveLevelFiles(*g_LevelEditor.level, path, EntityFileWriterOf(), &error)) {
        LogText(error, 4);
        ShowAlert(error);
        return false;
    }
    return true;
}

int SaveLevelCommand()
{
    LogText("", 2);
    LogText("* FILE SAVE LEVEL", 2);
    char path[kPathSize];
    StartIn(path, kLevelFolder);
    if (!FileSelect("LEV", "Save Level", path, kPathSize))
        return D_REDRAW;
    const char* slash = std::strrchr(path, '/');
    if (*(slash ? slash + 1 : path) == '\0')
        return D_REDRAW;   // confirmed without a name
    broadcast_dialog_message(MSG_DRAW, 0);
    if (exists(path) && MessageBox("File already exists!", "", "Overwite?", "Yes", "No") != 0)
        return D_REDRAW;
    if (SaveLevelFilesOf(path))
        Retitle(path);
    return D_REDRAW;
}

int ExitCommand()
{
    if (MessageBox("", "Do you really want to Exit?", "", "Ok", "Cancel") == 0)
        return D_CLOSE;
    return D_REDRAW;
}

int AboutLevelEditorCommand()
{
    MessageBox("MARL Level Editor", "Paint tiles, mark solid cells", "and place the level's entities.", "Ok");
    return D_REDRAW;
}
