// marl-play [level file]: plays a level (by default the sample level) in an 800 x 600 window
// titled "MARL - " and the level's name, until Escape.

#include <allegro.h>

#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <string>

#include "app/StartUp.h"
#include "game/LevelPlayer.h"

namespace {

const char* const kSampleLevel = "../Game Data/Levels/Jungle.LEV";

// A path typed on the command line means the folder the user stands in; the program itself runs
// from its own folder.
std::string FromWorkingFolder(const char* path)
{
    if (path[0] == '/')
        return path;
    char folder[PATH_MAX];
    if (!getcwd(folder, sizeof folder))
        return path;
    return std::string(folder) + "/" + path;
}

} // namespace

int main(int argc, char** argv)
{
    const std::string level = argc > 1 ? FromWorkingFolder(argv[1]) : kSampleLevel;
    ProgramSettings settings;
    settings.title = "MARL";
    int status = 0;
    const int startStatus = RunProgram(settings, [&] { status = PlayLevelFile(level) ? 0 : 1; });
    return startStatus != 0 ? startStatus : status;
}
END_OF_MAIN()
