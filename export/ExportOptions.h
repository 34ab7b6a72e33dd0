#pragma once
// The command line of marl-export: what to export, how, and where to.

#include <string>
#include <vector>

struct ExportOptions {
    std::vector<std::string> skeletons;   // skeleton files, as given
    std::vector<std::string> sets;        // frame sets by name; empty: every set
    int fps = 30;                         // samples a second
    int frameMs = 250;                    // the time of one blend between stored frames
    float scale = 1;
    std::string outDir = ".";
    bool frames = true;                   // one PNG per frame
    bool sheet = false;                   // one sprite sheet and its atlas per skeleton
    bool help = false;
};

// The limits the options are checked against.
constexpr int kMaxFps = 1000;
constexpr int kMinFrameMs = 1;
constexpr int kMaxFrameMs = 60000;
constexpr float kMinScale = 0.01f;
constexpr float kMaxScale = 64.0f;

// Reads argv[1..argc-1]. False with the reason in error when an option is unknown, lacks its
// value, or its value is not a number in range; nothing else is checked here (files are not
// touched). "--help" anywhere wins over everything else.
bool ParseExportArguments(int argc, const char* const* argv, ExportOptions& options, std::string& error);

// The --help text.
const char* ExportUsage();
