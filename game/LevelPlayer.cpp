#include "game/LevelPlayer.h"

#include <allegro.h>

#include <sstream>

#include "core/Clock.h"
#include "core/Log.h"
#include "entities/EntityList.h"
#include "game/PlayScreen.h"
#include "game/PlaySession.h"
#include "gui/GuiFont.h"
#include "gui/MessageBox.h"
#include "level/Level.h"
#include "level/LevelSave.h"
#include "rl/Canvas.h"
#include "rl/Layer.h"

namespace {

// The message box shows three lines of at most 49 characters.
std::string Fit(const std::string& text) { return text.size() < 50 ? text : "..." + text.substr(text.size() - 46); }

void Tell(const std::string& line1, const std::string& line2, const std::string& line3 = "")
{
    LogText(line1 + " " + line2 + " " + line3, 3);
    // Without the editor's GUI (the level player) a font is made for the one box.
    std::unique_ptr<TemporaryGuiFont> font;
    if (!GuiReady())
        font = std::make_unique<TemporaryGuiFont>(kGuiFontWidth, kGuiFontHeight);
    MessageBox(Fit(line1).c_str(), Fit(line2).c_str(), Fit(line3).c_str(), "Ok");
}

} // namespace

std::string LevelName(const std::string& levelFile)
{
    std::string name = levelFile.substr(levelFile.find_last_of('/') + 1);
    const size_t dot = name.find_last_of('.');
    if (dot != std::string::npos && dot > 0)
        name.erase(dot);
    return name;
}

bool CopyEntities(const EntityList& from, EntityList& to)
{
    std::stringstream file;
    return from.Save(file) && to.Load(file);
}

bool PlayLevel(Level& level, EntityList& entities)
{
    const PlayProblem problem = CheckPlayable(entities);
    if (problem.Any()) {
        Tell(problem.line1, problem.line2, problem.line3);
        return false;
    }
    PlaySession session(entities, &level, rl::ScreenWidth(), rl::ScreenHeight());
    session.Start(ElapsedMs);
    PlayOnScreen(session, level);
    return true;
}

bool PlayLevelFile(const std::string& levelFile)
{
    PACKFILE* file = file_exists(levelFile.c_str(), FA_ALL & ~FA_DIREC, nullptr)
                         ? pack_fopen(levelFile.c_str(), F_READ)
                         : nullptr;
    if (!file) {
        Tell("Level file not found:", levelFile);
        return false;
    }
    Level level(file);
    pack_fclose(file);
    if (!level.HasGrid()) {
        Tell("Not a level file:", levelFile);
        return false;
    }
    EntityList entities;
    const std::string entityFile = EntityFileName(levelFile);
    if (!entities.LoadFile(entityFile))
        LogText("Level player: the entity file " + entityFile + " could not be read whole", 3);
    rl::SetWindowTitle("MARL - " + LevelName(levelFile));
    return PlayLevel(level, entities);
}
