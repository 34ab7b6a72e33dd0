#include "export/ExportOptions.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace {

// The whole text is a decimal whole number within [low, high].
bool WholeNumber(const char* text, int low, int high, int& value)
{
    if (!*text)
        return false;
    errno = 0;
    char* end = nullptr;
    const long parsed = std::strtol(text, &end, 10);
    if (*end != '\0' || errno != 0 || parsed < low || parsed > high)
        return false;
    value = static_cast<int>(parsed);
    return true;
}

bool Decimal(const char* text, float low, float high, float& value)
{
    if (!*text)
        return false;
    errno = 0;
    char* end = nullptr;
    const float parsed = std::strtof(text, &end);
    if (*end != '\0' || errno != 0 || !std::isfinite(parsed) || parsed < low || parsed > high)
        return false;
    value = parsed;
    return true;
}

} // namespace

bool ParseExportArguments(int argc, const char* const* argv, ExportOptions& options, std::string& error)
{
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            options.help = true;
            return true;
        }
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (optionsEnded || arg.size() < 2 || arg.compare(0, 2, "--") != 0) {
            if (!optionsEnded && arg.size() > 1 && arg[0] == '-') {
                error = "unknown option '" + arg + "'";
                return false;
            }
            options.skeletons.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        if (arg == "--sheet") {
            options.sheet = true;
            continue;
        }
        if (arg == "--sheet-only") {
            options.sheet = true;
            options.frames = false;
            continue;
        }
        const bool takesValue = arg == "--set" || arg == "--fps" || arg == "--frame-ms" || arg == "--scale" ||
                                arg == "--out";
        if (!takesValue) {
            error = "unknown option '" + arg + "'";
            return false;
        }
        if (i + 1 >= argc) {
            error = "option '" + arg + "' needs a value";
            return false;
        }
        const char* value = argv[++i];
        const auto bad = [&](const std::string& expected) {
            error = "option '" + arg + "' takes " + expected + ", not '" + value + "'";
            return false;
        };
        if (arg == "--set") {
            if (!*value)
                return bad("a frame set's name");
            options.sets.push_back(value);
        } else if (arg == "--fps") {
            if (!WholeNumber(value, 1, kMaxFps, options.fps))
                return bad("a whole number from 1 to " + std::to_string(kMaxFps));
        } else if (arg == "--frame-ms") {
            if (!WholeNumber(value, kMinFrameMs, kMaxFrameMs, options.frameMs))
                return bad("a whole number of milliseconds from " + std::to_string(kMinFrameMs) + " to " +
                           std::to_string(kMaxFrameMs));
        } else if (arg == "--scale") {
            if (!Decimal(value, kMinScale, kMaxScale, options.scale))
                return bad("a number from 0.01 to 64");
        } else {
            if (!*value)
                return bad("a folder");
            options.outDir = value;
        }
    }
    if (options.skeletons.empty()) {
        error = "no skeleton file given";
        return false;
    }
    return true;
}

const char* ExportUsage()
{
    return "Usage: marl-export SKELETON.txt... [options]\n"
           "Renders a skeleton's frame sets with their skins to PNG files, without a display.\n"
           "Each set is played as the skeleton editor plays it (blending from each frame to the\n"
           "next, wrapping at the end) and sampled for one loop; every frame of a skeleton has\n"
           "one canvas size and origin, so frames line up when played.\n"
           "\n"
           "Options:\n"
           "  --set NAME      export this frame set (repeatable; default: every set)\n"
           "  --fps N         samples a second, 1 to 1000 (default 30)\n"
           "  --frame-ms N    milliseconds of one blend between stored frames (default 250,\n"
           "                  the editor's)\n"
           "  --scale F       size factor, 0.01 to 64 (default 1)\n"
           "  --out DIR       folder for the files, made when missing (default: the current one)\n"
           "  --sheet         also write one sprite sheet per skeleton, one row per set, and a\n"
           "                  JSON atlas beside it\n"
           "  --sheet-only    write the sheets and atlases only\n"
           "  --help          show this text\n"
           "\n"
           "Files: \"<skeleton>-<set>-NNN.png\" per frame (from 000); \"<skeleton>.png\" and\n"
           "\"<skeleton>.json\" for a sheet. Nothing is written unless everything succeeds.\n"
           "Exit status: 0 done, 2 bad arguments, an unreadable skeleton or skin, or an output\n"
           "folder that cannot be written; 1 when no off-screen OpenGL canvas could be made.\n";
}
