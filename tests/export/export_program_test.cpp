// marl-export run as a user runs it, with no display: the files a table of options writes (names,
// frames per set, canvas size, the atlas's rectangles, transparency around the skins), and the
// refusals (bad arguments, a missing or broken skeleton, a broken skin, an output folder that
// cannot be written), each with its message, exit status 2 and nothing left behind.
#include <cstdlib>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "tests/export/ExportRun.h"
#include "tests/support/TestSupport.h"

using namespace testsupport;

namespace {

constexpr uint32_t kRed = 0xFFFF0000, kBlue = 0xFF0000FF, kClear = 0;

// "Arm": under a Trunk of length 0, an Arm of 20 pointing right with a 10 x 4 red skin, and a Hand
// hanging straight down from its end with a 6 x 6 blue skin. The skins cover x 10..20 and y 0..4
// (the Arm) and x 14..20 and y L-6..L (the Hand of length L). "Wave" stretches the Hand from 10 to
// 30 and back; "Rest" holds it at 10.
std::string ArmSkeleton(const std::string& armSkin, const std::string& handSkin, const std::string& handBlockName = "Hand")
{
    const auto entry = [](int length, int angle) { return std::to_string(length) + "\n" + std::to_string(angle) + "\n\n"; };
    const auto frame = [&](int k, int hand) { return "## Frame: " + std::to_string(k) + "\n" + entry(0, 0) + entry(20, 0) + entry(hand, 90); };
    return "## <Skeleton Tree Structure>\n\n+ Trunk\n  + Arm\n    + Hand\n\n## <Bone Draw Order>\n\n** Arm\n" + armSkin +
           "\n0\n0\n\n** " + handBlockName + "\n" + handSkin + "\n0\n0\n\n<End>\n## <Frames>\n\nFrameSets: 2\n\nWave\nFrames: 2\n\n" +
           frame(1, 10) + frame(2, 30) + "\nRest\nFrames: 1\n\n" + frame(1, 10) + "\n";
}

struct ExportProgram : ::testing::Test {
    TempFolder folder;
    std::string armSkin, handSkin;

    void SetUp() override
    {
        // The exporter needs no display, and neither does this test.
        unsetenv("DISPLAY");
        InstallExporter(folder.Path());
        armSkin = folder.File("arm.png");
        handSkin = folder.File("hand.png");
        ASSERT_TRUE(WriteFilledPng(armSkin, 10, 4, kRed));
        ASSERT_TRUE(WriteFilledPng(handSkin, 6, 6, kBlue));
        WriteFile(folder.File("Arm.txt"), ArmSkeleton(armSkin, handSkin));
    }

    std::vector<std::string> Names(const std::string& prefix, int count)
    {
        std::vector<std::string> names;
        for (int i = 0; i < count; ++i) {
            char number[16];
            std::snprintf(number, sizeof number, "%03d", i);
            names.push_back(prefix + number + ".png");
        }
        return names;
    }
};

std::vector<std::string> Joined(std::vector<std::vector<std::string>> parts)
{
    std::vector<std::string> all;
    for (auto& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    std::sort(all.begin(), all.end());
    return all;
}

} // namespace

TEST_F(ExportProgram, OptionsAgainstTheFilesWritten)
{
    struct Row {
        std::vector<std::string> args;
        std::string out;                 // the output folder, under the test's folder
        std::vector<std::string> files;  // everything it holds afterwards
        int width, height;               // every frame's canvas
        // A skin pixel and a clear one of the first frame by name: proof of where the origin lies.
        int skinX, skinY;
        uint32_t skin;
        int clearX, clearY;
    };
    const Row rows[] = {
        // Every set at 30 a second: Wave loops in 500 ms (15 frames), Rest in 250 ms (8). No sample
        // falls on Wave's second frame: the Hand reaches 28.67, pinned at whole pixel 28.
        {{"Arm.txt"}, ".",
         Joined({{"Arm.txt", "arm.png", "bin", "Game Data", "hand.png", "stderr.txt", "stdout.txt"},
                 Names("Arm-Wave-", 15), Names("Arm-Rest-", 8)}),
         10, 28, 5, 2, kRed, 0, 27},
        // One set, slower, at twice the size: only Rest's pose, so the canvas is 20 x 20.
        {{"Arm.txt", "--set", "Rest", "--fps", "10", "--frame-ms", "400", "--scale", "2", "--out", "big"}, "big",
         Names("Arm-Rest-", 4), 20, 20, 19, 19, kBlue, 0, 19},
        // Frames and a sheet into folders that do not exist yet.
        {{"Arm.txt", "--sheet", "--fps", "4", "--out", "made/for/it"}, "made/for/it",
         Joined({{"Arm.json", "Arm.png"}, Names("Arm-Wave-", 2), Names("Arm-Rest-", 1)}), 10, 30, 9, 9, kBlue, 0, 29},
        // The sheet only, sets in the order asked for.
        {{"--sheet-only", "--set", "Rest", "--set", "Wave", "--set", "Rest", "Arm.txt", "--fps", "4", "--out", "sheet"},
         "sheet", {"Arm.json", "Arm.png"}, 10, 30, 0, 0, 0, 0, 0},
    };
    for (const Row& row : rows) {
        std::string trace;
        for (const std::string& a : row.args)
            trace += a + " ";
        SCOPED_TRACE(trace);
        const ExportRun run = RunExporter(folder.Path(), row.args);
        ASSERT_EQ(run.status, 0) << run.errors;
        const std::string out = folder.File(row.out);
        EXPECT_EQ(FolderNames(out), row.files);
        // Progress ends on every frame done.
        EXPECT_NE(run.errors.find("frames\n"), std::string::npos) << run.errors;
        for (const std::string& name : row.files) {
            if (name.rfind("Arm-", 0) != 0)
                continue;
            const PngPixels png = ReadPngPixels(out + "/" + name);
            EXPECT_EQ(png.width, row.width) << name;
            EXPECT_EQ(png.height, row.height) << name;
        }
        if (row.skin) {
            const std::string first = out + "/" + row.files[std::find_if(row.files.begin(), row.files.end(), [](const std::string& n) {
                                                                 return n.find("-000.png") != std::string::npos;
                                                             }) - row.files.begin()];
            const PngPixels png = ReadPngPixels(first);
            ASSERT_GT(png.width, 0) << first;
            EXPECT_EQ(png.At(row.skinX, row.skinY), row.skin) << first;
            EXPECT_EQ(png.At(row.clearX, row.clearY), kClear) << first;
        }
    }

    // The sheet of the last row: Rest (one frame) above Wave (two), each frame where the atlas says.
    const PngPixels sheet = ReadPngPixels(folder.File("sheet/Arm.png"));
    ASSERT_EQ(sheet.width, 20);
    ASSERT_EQ(sheet.height, 60);
    const std::string atlas = ReadFile(folder.File("sheet/Arm.json"));
    struct Placed {
        const char* text;
        int x, y;
        int handBottom;   // the Hand's tip within the frame
    };
    const Placed placed[] = {
        {"{\"filename\": \"Arm-Rest-000\", \"frame\": {\"x\": 0, \"y\": 0, \"w\": 10, \"h\": 30}", 0, 0, 10},
        {"{\"filename\": \"Arm-Wave-000\", \"frame\": {\"x\": 0, \"y\": 30, \"w\": 10, \"h\": 30}", 0, 30, 10},
        {"{\"filename\": \"Arm-Wave-001\", \"frame\": {\"x\": 10, \"y\": 30, \"w\": 10, \"h\": 30}", 10, 30, 30},
    };
    for (const Placed& p : placed) {
        EXPECT_NE(atlas.find(p.text), std::string::npos) << p.text << "\n" << atlas;
        EXPECT_EQ(sheet.At(p.x + 5, p.y + 2), kRed) << p.text;
        EXPECT_EQ(sheet.At(p.x + 7, p.y + p.handBottom - 1), kBlue) << p.text;
        EXPECT_EQ(sheet.At(p.x + 1, p.y + p.handBottom - 1), kClear) << p.text;
        EXPECT_EQ(sheet.At(p.x + 1, p.y + 20), kClear) << p.text;
    }
    // The unused cell beside Rest stays clear.
    EXPECT_EQ(sheet.At(15, 2), kClear);
    for (const char* part : {"\"duration\": 250, \"set\": \"Wave\", \"index\": 1}", "\"size\": {\"w\": 20, \"h\": 60}",
                             "\"origin\": {\"x\": -10, \"y\": 0}", "{\"name\": \"Rest\", \"from\": 0, \"to\": 0,",
                             "{\"name\": \"Wave\", \"from\": 1, \"to\": 2,"})
        EXPECT_NE(atlas.find(part), std::string::npos) << part;

    const ExportRun help = RunExporter(folder.Path(), {"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("Usage: marl-export SKELETON.txt"), std::string::npos);
}

TEST_F(ExportProgram, RefusalsSayWhyAndLeaveNothingBehind)
{
    WriteFile(folder.File("broken.png"), "this is no picture");
    WriteFile(folder.File("BadBone.txt"), ArmSkeleton(armSkin, handSkin, "Elbow"));
    WriteFile(folder.File("GoneSkin.txt"), ArmSkeleton(armSkin, folder.File("gone.png")));
    WriteFile(folder.File("BrokenSkin.txt"), ArmSkeleton(armSkin, folder.File("broken.png")));
    WriteFile(folder.File("blocker"), "a file where a folder should be");
    ASSERT_EQ(mkdir(folder.File("locked").c_str(), 0555), 0);
    const bool root = geteuid() == 0;

    struct Row {
        std::vector<std::string> args;
        std::string message;
        std::string out;   // the folder that must not hold anything afterwards ("" none)
    };
    const std::vector<Row> rows = {
        {{}, "marl-export: no skeleton file given\nTry 'marl-export --help'", ""},
        {{"Arm.txt", "--fps", "0", "--out", "o"}, "option '--fps' takes a whole number from 1 to 1000, not '0'", "o"},
        {{"Arm.txt", "--wat"}, "unknown option '--wat'", ""},
        {{"Missing.txt", "--out", "o"}, "ERROR: MARL file not found: " + folder.File("Missing.txt"), "o"},
        {{"bin", "--out", "o"}, "Not a regular file: " + folder.File("bin"), "o"},
        {{"BadBone.txt", "--out", "o"}, "INCORRECT BONENAME - 'Elbow'", "o"},
        {{"GoneSkin.txt", "--out", "o"}, "skin '" + folder.File("gone.png") + "' of bone 'Hand' in " + folder.File("GoneSkin.txt") + " cannot be loaded", "o"},
        {{"BrokenSkin.txt", "--out", "o"}, "skin picture '" + folder.File("broken.png") + "' of " + folder.File("BrokenSkin.txt") + " cannot be read", "o"},
        {{"Arm.txt", "--set", "Jump", "--out", "o"}, "no frame set named 'Jump' (" + folder.File("Arm.txt") + " has 'Wave', 'Rest')", "o"},
        {{"Arm.txt", folder.File("Arm.txt")}, "two skeletons would write files named 'Arm'", ""},
        {{"Arm.txt", "--scale", "64", "--fps", "1000", "--sheet", "--out", "o"}, "would be", "o"},
        {{"Arm.txt", "--out", "blocker/frames"}, "cannot write to the output folder '" + folder.File("blocker/frames") + "'", ""},
        {{"Arm.txt", "--out", "/proc/marl-export-frames"}, "cannot write to the output folder '/proc/marl-export-frames'", ""},
        // Permissions bind everybody but the superuser.
        {{"Arm.txt", "--out", root ? "/proc/self/frames" : "locked"}, "cannot write to the output folder", "locked"},
        {{"Arm.txt", "--out", root ? "/proc/self/frames/deeper" : "locked/deeper"}, "cannot write to the output folder", "locked"},
    };
    WriteFile(folder.File("stdout.txt"), "");
    WriteFile(folder.File("stderr.txt"), "");
    const std::vector<std::string> before = FolderNames(folder.Path());
    for (const Row& row : rows) {
        std::string trace;
        for (const std::string& a : row.args)
            trace += a + " ";
        SCOPED_TRACE(trace);
        const ExportRun run = RunExporter(folder.Path(), row.args);
        EXPECT_EQ(run.status, 2) << run.errors;
        EXPECT_NE(run.errors.find(row.message), std::string::npos) << run.errors;
        EXPECT_EQ(run.out, "");
        // Nothing new beside the program's own output files: no folder made, no frame written.
        std::vector<std::string> after = FolderNames(folder.Path());
        EXPECT_EQ(after, before);
        if (!row.out.empty()) {
            EXPECT_EQ(FolderNames(folder.File(row.out)), std::vector<std::string> {});
        }
    }
}
