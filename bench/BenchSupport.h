#pragma once
// What several benchmarks share: the program's log, at the program's write priority, in a fresh
// folder that becomes the working folder and is removed afterwards.

#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

#include "core/Log.h"

struct LogInTempFolder {
    LogInTempFolder()
    {
        char pattern[] = "/tmp/marl-bench-XXXXXX";
        if (!mkdtemp(pattern) || chdir(pattern) != 0)
            std::abort();
        folder = pattern;
        g_Log = new Log();
        g_Log->priority = 2;   // as the program runs: trace lines are filtered
    }
    ~LogInTempFolder()
    {
        delete g_Log;
        g_Log = nullptr;
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }
    LogInTempFolder(const LogInTempFolder&) = delete;
    LogInTempFolder& operator=(const LogInTempFolder&) = delete;

    std::string folder;
};

// Inside the temporary folder, stands where the programs run: in "bin/", beside a "Game Data" that
// links to the repository's, so "../Game Data/..." paths reach the shipped data.
inline void StandBesideGameData(const std::string& sourceFolder)
{
    std::filesystem::create_directory("bin");
    std::filesystem::create_directory_symlink(sourceFolder + "/Game Data", "Game Data");
    if (chdir("bin") != 0)
        std::abort();
}
