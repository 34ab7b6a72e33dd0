// marl-export: renders skeleton animations to PNG frames and sprite sheets, without a display.

#include <cstdio>
#include <string>
#include <unistd.h>

#include "app/StartUp.h"
#include "export/ExportOptions.h"
#include "export/Exporter.h"
#include "export/PictureGuard.h"

namespace {

// The engine works from its own folder; paths the user gives are taken from where they stand.
std::string FromWorkingFolder(const std::string& path)
{
    if (!path.empty() && path[0] == '/')
        return path;
    char folder[4096];
    if (!getcwd(folder, sizeof folder))
        return path;
    return std::string(folder) + "/" + path;
}

} // namespace

int main(int argc, char** argv)
{
    ExportOptions options;
    std::string error;
    if (!ParseExportArguments(argc, argv, options, error)) {
        std::fprintf(stderr, "marl-export: %s\nTry 'marl-export --help' for the options.\n", error.c_str());
        return 2;
    }
    if (options.help) {
        std::fputs(ExportUsage(), stdout);
        return 0;
    }
    for (std::string& skeleton : options.skeletons)
        skeleton = FromWorkingFolder(skeleton);
    options.outDir = FromWorkingFolder(options.outDir);

    PictureGuard pictures;
    ProgramSettings settings;
    settings.withoutDisplay = true;
    settings.screenWidth = settings.screenHeight = 1;   // resized to each skeleton's canvas
    settings.pictures = &pictures;
    int status = 1;
    if (RunProgram(settings, [&] { status = RunExport(options, pictures, stdout, stderr); }) != 0) {
        std::fprintf(stderr, "marl-export: cannot enter the program's own folder\n");
        return 1;
    }
    return status;
}
