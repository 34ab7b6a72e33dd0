// The skeleton file: the writer line for line, the reader's markers and arithmetic, round trips,
// and damaged or hostile files.
#include <chrono>
#include <cmath>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <limits>
#include <gtest/gtest.h>
#include <regex>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include "core/Alert.h"
#include "core/Log.h"
#include "core/Paths.h"
#include "skeleton/LineReader.h"
#include "skeleton/Skeleton.h"
#include "skeleton/SkinPaths.h"
#include "tests/skeleton/SkeletonBuild.h"
#include "tests/skeleton/SkeletonInvariants.h"
#include "tests/skeleton/SkinTestSupport.h"
#include "tests/support/TestSupport.h"

using testsupport::ReadFile;
using testsupport::TempFolder;
using testsupport::WriteFile;

namespace {

using Names = std::vector<std::string>;
using Poses = std::vector<std::pair<float, float>>;

const std::string kRule(44, '#');

// The lines of a text split at CR LF (the writer's line end).
std::vector<std::string> CrLfLines(const std::string& text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = text.find("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(text.substr(start) + "<no line end>");
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

// The file without its "Last Modified" line, which changes with the clock.
std::string Undated(const std::string& text)
{
    return std::regex_replace(text, std::regex("## Last Modified:  [^\r]*\r\n"), "");
}

int ReadText(Skeleton& skeleton, const std::string& text, std::string* error = nullptr)
{
    LineReader lines(text);
    return skeleton.Read(lines, "test.txt", error);
}

std::string TreeText(const SkeleNode* node, int depth = 0)
{
    std::string out = std::string(static_cast<size_t>(depth), '.') + node->bone->name + "\n";
    for (const auto& child : node->children)
        out += TreeText(child.get(), depth + 1);
    return out;
}

// Trunk -> Body -> Head drawn Trunk, Head, Body, one set Walk of two frames.
void BuildExample(Skeleton& skeleton)
{
    SkeleNode* body = skeleton.AddBone(skeleton.Root(), "Body", 90, 40);
    SkeleNode* head = skeleton.AddBone(body, "Head", 270, 15);
    skeleton.SwapBones(body->bone, head->bone);
    head->bone->skinPath = ExecutablePath() + "../Game Data/GFX/Skins/Head.png";
    head->bone->skinOffsetX = 12;
    head->bone->skinOffsetY = -3;
    body->bone->skinPath = "NO SKIN";
    skeleton.RenameFrameSet("Walk", 0);
    skeleton.StorePoseInFrame(0, 0);
    skeleton.StorePoseAsNewFrame(0, 0);
}

TEST(SkeletonFile, WritesTheExampleLineForLine)
{
    Skeleton skeleton;
    BuildExample(skeleton);
    std::vector<std::string> expected = {
        kRule, "## Will put Skeleton Name here (TODO)", "(date)", "##", kRule, "## <Skeleton Tree Structure>", "",
        "+ Trunk", "  + Body", "    + Head", "", kRule, "## <Bone Draw Order>", "",
        "** Head", "../Game Data/GFX/Skins/Head.png", "12", "-3", "",
        "** Body", "NO SKIN", "0", "0", "",
        "<End>", kRule, "## <Frames>", "", "FrameSets: 1", "", "Walk", "Frames: 2", "",
        "## Frame: 1", "20", "0", "", "15", "270", "", "40", "90", "",
        "## Frame: 2", "20", "0", "", "15", "270", "", "40", "90", "", ""};
    ASSERT_EQ(expected.size(), 54u);

    std::tm when {};
    when.tm_year = 2009 - 1900;
    when.tm_mon = 2;
    when.tm_mday = 7;
    when.tm_hour = 14;
    when.tm_min = 5;
    when.tm_sec = 9;
    when.tm_isdst = -1;
    std::vector<std::string> lines = CrLfLines(skeleton.Write(std::mktime(&when)));
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[2], "## Last Modified:  03/07/09 at 14:05:09 ");
    lines[2] = "(date)";
    EXPECT_EQ(lines, expected);

    // Save writes the same, CR LF throughout, and leaves nothing else in the folder.
    TempFolder folder;
    ASSERT_EQ(skeleton.Save(folder.File("Example.txt")), 0);
    const std::string saved = ReadFile(folder.File("Example.txt"));
    EXPECT_EQ(Undated(saved), Undated(skeleton.Write(std::time(nullptr))));
    EXPECT_EQ(std::count(saved.begin(), saved.end(), '\n'), 54);
    EXPECT_EQ(std::count(saved.begin(), saved.end(), '\r'), 54);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1);
}

TEST(SkeletonFile, ReadsTheExampleBack)
{
    Skeleton written;
    BuildExample(written);
    Skeleton skeleton;
    ASSERT_EQ(ReadText(skeleton, written.Write(0)), 0);
    EXPECT_EQ(TreeText(skeleton.Root()), "Trunk\n.Body\n..Head\n");
    EXPECT_EQ(BoneNames(skeleton), (Names {"Trunk", "Head", "Body"}));
    ASSERT_EQ(skeleton.FrameSetCount(), 1);
    EXPECT_EQ(skeleton.GetFrameSet(0)->name, "Walk");
    EXPECT_EQ(skeleton.GetFrameSet(0)->FrameCount(), 2);
    EXPECT_EQ(Entries(skeleton, 0, 1), (Poses {{0, 20}, {270, 15}, {90, 40}}));
    const Bone* head = skeleton.GetBoneByIndex(1);
    EXPECT_EQ(head->skinOffsetX, 12);
    EXPECT_EQ(head->skinOffsetY, -3);
    EXPECT_EQ(head->skinPath, "NO SKIN");   // there is no such picture here
    // Posed as frame 0 and placed.
    const Bone* body = skeleton.GetBoneByIndex(2);
    EXPECT_EQ(body->relativeAngle, 90);
    EXPECT_EQ(body->length, 40);
    EXPECT_NEAR(head->endX, 35, 1e-4);   // Body ends at (20, 40); Head turns back to the right
    EXPECT_NEAR(head->endY, 40, 1e-4);
    EXPECT_EQ(InvariantViolation(skeleton), "");
}

TEST(SkeletonFile, SaveLoadSaveGivesTheSameFile)
{
    TempFolder folder;
    TestResources resources;
    WriteFile(folder.File("Arm.png"), "");
    WriteFile(folder.File("Leg-a-00.png"), "");
    // Skins resolve against the working folder, saved paths against the program's folder: the
    // program works from its own folder, so the test does too.
    ASSERT_EQ(chdir(ExecutablePath().c_str()), 0);

    Skeleton skeleton;
    SkeleNode* root = skeleton.Root();
    SkeleNode* body = skeleton.AddBone(root, "Body", 92.25f, 31.5f);
    SkeleNode* arm = skeleton.AddBone(body, "Arm", -45, 12);
    SkeleNode* leg = skeleton.AddBone(root, "Leg", 181, 1e-7f);
    skeleton.AddBone(arm, "Hand", 1e8f, 3);
    skeleton.SwapBones(body->bone, leg->bone);
    arm->bone->skinPath = folder.File("Arm.png");
    arm->bone->LoadSkin();
    leg->bone->skinPath = folder.File("Leg");
    leg->bone->LoadSkin();
    ASSERT_TRUE(arm->bone->skin.HasGraphics());
    ASSERT_TRUE(leg->bone->skin.HasGraphics());
    arm->bone->skinOffsetX = -7;
    leg->bone->skinOffsetY = 13;
    leg->bone->mirrorFlipMode = 2;
    skeleton.StorePoseAsNewFrame(0, 0);
    skeleton.StorePoseAsNewFrame(0, 1);
    skeleton.RenameFrameSet("Run Fast", 1);
    skeleton.GetFrame(0, 1)->entries[2].angle = 359.5f;

    ASSERT_EQ(skeleton.Save(folder.File("first.txt")), 0);
    Skeleton loaded;
    ASSERT_EQ(loaded.Load(folder.File("first.txt")), 0);
    ASSERT_EQ(loaded.Save(folder.File("second.txt")), 0);
    const std::string first = ReadFile(folder.File("first.txt"));
    EXPECT_EQ(Undated(first), Undated(ReadFile(folder.File("second.txt"))));
    EXPECT_NE(first.find("\r\n" + RelativePath(folder.File("Arm.png"), ExecutablePath()) + "\r\n"),
              std::string::npos);

    EXPECT_EQ(TreeText(loaded.Root()), TreeText(skeleton.Root()));
    EXPECT_EQ(BoneNames(loaded), BoneNames(skeleton));
    EXPECT_TRUE(loaded.FindBoneByName("Arm")->skin.HasGraphics());
    EXPECT_TRUE(loaded.FindBoneByName("Leg")->skin.HasGraphics());
    EXPECT_EQ(InvariantViolation(loaded), "");
}

TEST(SkeletonFile, DrawOrderAndTreeOrderAreKeptApart)
{
    // Trunk -> Body -> (Head, Arm), drawn Trunk, Arm, Body, Head.
    Skeleton skeleton;
    SkeleNode* body = skeleton.AddBone(skeleton.Root(), "Body", 10, 1);
    SkeleNode* head = skeleton.AddBone(body, "Head", 20, 2);
    SkeleNode* arm = skeleton.AddBone(body, "Arm", 30, 3);
    skeleton.SwapBones(body->bone, arm->bone);   // Trunk, Arm, Head, Body
    skeleton.SwapBones(head->bone, body->bone);  // Trunk, Arm, Body, Head
    skeleton.StorePoseInFrame(0, 0);
    ASSERT_EQ(BoneNames(skeleton), (Names {"Trunk", "Arm", "Body", "Head"}));

    const std::string text = skeleton.Write(0);
    std::vector<std::string> tree, blocks;
    std::vector<std::string> lines = CrLfLines(text);
    for (size_t k = 0; k < lines.size(); ++k) {
        if (lines[k].find("+ ") != std::string::npos)
            tree.push_back(lines[k]);
        if (lines[k].rfind("** ", 0) == 0)
            blocks.push_back(lines[k].substr(3));
    }
    EXPECT_EQ(tree, (Names {"+ Trunk", "  + Body", "    + Head", "    + Arm"}));
    EXPECT_EQ(blocks, (Names {"Arm", "Body", "Head"}));
    const size_t frame = text.find("## Frame: 1\r\n");
    EXPECT_EQ(text.substr(frame), "## Frame: 1\r\n20\r\n0\r\n\r\n3\r\n30\r\n\r\n1\r\n10\r\n\r\n2\r\n20\r\n\r\n\r\n");

    Skeleton loaded;
    ASSERT_EQ(ReadText(loaded, text), 0);
    EXPECT_EQ(TreeText(loaded.Root()), "Trunk\n.Body\n..Head\n..Arm\n");
    EXPECT_EQ(BoneNames(loaded), (Names {"Trunk", "Arm", "Body", "Head"}));
    EXPECT_EQ(Entries(loaded), Entries(skeleton));
    EXPECT_EQ(loaded.FindBoneByName("Arm")->relativeAngle, 30);
}

// A file of the format, written by hand.
std::string HandFile(const std::string& tree, const std::string& blocks, const std::string& frames)
{
    return kRule + "\n## <Skeleton Tree Structure>\n\n" + tree + "\n" + kRule + "\n## <Bone Draw Order>\n\n" + blocks +
           "<End>\n" + kRule + "\n## <Frames>\n\n" + frames;
}

TEST(SkeletonFile, ReaderMarkersAndArithmetic)
{
    struct Case {
        const char* what;
        std::string text;
        std::string tree;
        Names drawOrder;
    };
    const Case cases[] = {
        {"renamed root", HandFile("+ Hips\n  + Body\n", "** Body\nNO SKIN\n0\n0\n\n", ""), "Trunk\n.Body\n",
         {"Trunk", "Body"}},
        {"comments inside names", HandFile("+ Trunk\n  + Body// the body\n    + Head## top\n",
                                           "** Head//x\nNO SKIN\n0\n0\n\n** Body##\nNO SKIN\n0\n0\n\n", ""),
         "Trunk\n.Body\n..Head\n", {"Trunk", "Head", "Body"}},
        {"two levels deeper goes one down", HandFile("+ Trunk\n  + A\n  + B\n      + C\n        + D\n  + E\n", "", ""),
         "Trunk\n.A\n.B\n..C\n...D\n.E\n", {"Trunk", "A", "B", "C", "D", "E"}},
        {"deeper with nothing to step into", HandFile("+ Trunk\n      + A\n  + B\n    + C\n", "", ""),
         "Trunk\n.A\n.B\n..C\n", {"Trunk", "A", "B", "C"}},
        {"duplicate names made unique", HandFile("+ Trunk\n  + Arm\n  + Arm\n  + Trunk\n", "", ""),
         "Trunk\n.Arm\n.Arm (1)\n.Trunk (1)\n", {"Trunk", "Arm", "Arm (1)", "Trunk (1)"}},
        {"short marker lines", HandFile("+\n + x\n  +  y\n", "", ""), "Trunk\n.x\n. y\n", {"Trunk", "x", " y"}},
        {"block for the root and repeated blocks keep the root first",
         HandFile("+ Trunk\n  + A\n  + B\n", "** Trunk\nNO SKIN\n0\n0\n\n** B\nNO SKIN\n0\n0\n\n** B\nNO SKIN\n0\n0\n\n", ""),
         "Trunk\n.A\n.B\n", {"Trunk", "A", "B"}},
        {"a + in a block name is a tree line", HandFile("+ Trunk\n  + A\n", "** A+ B\n** A+ C\n", ""),
         "Trunk\n.A\n..B\n..C\n", {"Trunk", "A", "B", "C"}},
    };
    for (const Case& c : cases) {
        Skeleton skeleton;
        std::string error;
        ASSERT_EQ(ReadText(skeleton, c.text, &error), 0) << c.what << ": " << error;
        EXPECT_EQ(TreeText(skeleton.Root()), c.tree) << c.what;
        EXPECT_EQ(BoneNames(skeleton), c.drawOrder) << c.what;
        EXPECT_EQ(InvariantViolation(skeleton), "") << c.what;
    }
}

TEST(SkeletonFile, SkinOffsetsAreWholeNumbers)
{
    // The whole part toward zero, however the writer's float formatting spelled the number.
    struct Case {
        const char* x;
        const char* y;
        float expectedX, expectedY;
    } cases[] = {
        {"2.5", "-2.5 // down", 2, -2},
        {"-1.95943e-15", "7e-05", 0, 0},
        {"1e+06", "-1.5e+03", 1000000, -1500},
        {"1e+300", "nan", 2147483647.0f, 0},
        {"", "abc", 0, 0},
    };
    for (const Case& c : cases) {
        Skeleton skeleton;
        const std::string block = std::string("** A\nNO SKIN\n") + c.x + "\n" + c.y + "\n\n";
        ASSERT_EQ(ReadText(skeleton, HandFile("+ Trunk\n  + A\n", block, "")), 0) << c.x;
        EXPECT_EQ(skeleton.GetBoneByIndex(1)->skinOffsetX, c.expectedX) << c.x;
        EXPECT_EQ(skeleton.GetBoneByIndex(1)->skinOffsetY, c.expectedY) << c.y;
    }
}

TEST(SkeletonFile, SkinOffsetsAreWrittenAsTheyReadBack)
{
    // A scaled offset has a fraction and a dragged one may be far out: the file holds the whole
    // number the reader takes, so saving what was loaded gives the same file.
    const float inf = std::numeric_limits<float>::infinity(), nan = std::numeric_limits<float>::quiet_NaN();
    struct Case {
        float x, y;
        const char* writtenX;
        const char* writtenY;
    } cases[] = {
        {4.5f, -2.5f, "4", "-2"},
        {1234567.0f, -7654321.0f, "1234567", "-7654321"},
        {3e9f, -3e9f, "2147483647", "-2147483648"},
        {inf, nan, "2147483647", "0"},
        {-0.75f, 1e-20f, "0", "0"},
    };
    for (const Case& c : cases) {
        Skeleton skeleton;
        SkeleNode* arm = skeleton.AddBone(skeleton.Root(), "A", 0, 10);
        arm->bone->skinOffsetX = c.x;
        arm->bone->skinOffsetY = c.y;
        const std::string written = skeleton.Write(0);
        EXPECT_NE(written.find(std::string("** A\r\nNO SKIN\r\n") + c.writtenX + "\r\n" + c.writtenY + "\r\n"),
                  std::string::npos)
            << c.writtenX << " " << c.writtenY;
        Skeleton back;
        ASSERT_EQ(ReadText(back, written), 0);
        EXPECT_EQ(back.GetBoneByIndex(1)->skinOffsetX, std::strtof(c.writtenX, nullptr)) << c.writtenX;
        EXPECT_EQ(back.GetBoneByIndex(1)->skinOffsetY, std::strtof(c.writtenY, nullptr)) << c.writtenY;
        EXPECT_EQ(back.Write(0), written) << c.writtenX;
    }
}

TEST(SkeletonFile, SkinPathsLoseTheirComments)
{
    TempFolder folder;
    TestResources resources;
    WriteFile(folder.File("Head.png"), "");
    Skeleton skeleton;
    ASSERT_EQ(ReadText(skeleton, HandFile("+ Trunk\n  + Head\n", "** Head\nHead.png// the face\n0\n0\n\n", "")), 0);
    const Bone* head = skeleton.GetBoneByIndex(1);
    EXPECT_EQ(head->skinPath, "Head.png");
    EXPECT_TRUE(head->skin.HasGraphics());
    EXPECT_EQ(head->skin.animation.graphics, head->skin.Graphics());
}

TEST(SkeletonFile, EveryLineEndReadsTheSame)
{
    Skeleton example;
    BuildExample(example);
    const std::string crlf = example.Write(0);
    const std::string lf = std::regex_replace(crlf, std::regex("\r\n"), "\n");
    const std::string cr = std::regex_replace(crlf, std::regex("\r\n"), "\r");
    Skeleton fromCrLf;
    ASSERT_EQ(ReadText(fromCrLf, crlf), 0);
    for (const std::string& text : {lf, cr, lf.substr(0, lf.size() - 1), crlf.substr(0, crlf.size() - 2)}) {
        Skeleton skeleton;
        ASSERT_EQ(ReadText(skeleton, text), 0);
        EXPECT_EQ(skeleton.Write(0), fromCrLf.Write(0));
    }
    EXPECT_EQ(BoneNames(fromCrLf), (Names {"Trunk", "Head", "Body"}));
}

TEST(SkeletonFile, AFileWithoutFramesKeepsThePoseAsASet)
{
    Skeleton skeleton;
    ASSERT_EQ(ReadText(skeleton, HandFile("+ Trunk\n  + A\n    + B\n", "** B\nNO SKIN\n0\n0\n\n** A\nNO SKIN\n0\n0\n\n", "")), 0);
    ASSERT_EQ(skeleton.FrameSetCount(), 1);
    EXPECT_EQ(skeleton.GetFrameSet(0)->name, "Default 0");
    EXPECT_EQ(Entries(skeleton), (Poses {{0, 20}, {0, 0}, {0, 0}}));
    EXPECT_EQ(InvariantViolation(skeleton), "");
}

TEST(SkeletonFile, DamagedAndHostileFilesEndSound)
{
    const std::string tree = "+ Trunk\n  + A\n";
    const std::string block = "** A\nNO SKIN\n0\n0\n\n";
    const std::string longLine(LineReader::MaxLineLength + 1000, 'x');
    struct Case {
        const char* what;
        std::string text;
        int sets;
        std::vector<int> frames;   // per set
        Poses firstFrame;
    };
    const Case cases[] = {
        {"negative counts", HandFile(tree, block, "FrameSets: 1\n\nWalk\nFrames: -4\n\nFrameSets: -2\n"), 1, {1},
         {{0, 20}, {0, 0}}},
        {"zero frames", HandFile(tree, block, "FrameSets: 2\n\nA\nFrames: 0\n\n\nB\nFrames: 1\n\n## Frame: 1\n1\n2\n\n3\n4\n\n"),
         2, {1, 1}, {{0, 20}, {0, 0}}},
        {"short frames line", HandFile(tree, block, "FrameSets: 1\n\nWalk\nFr\n\n"), 1, {1}, {{0, 20}, {0, 0}}},
        {"short frame sets line", HandFile(tree, block, "FrameSets: \n"), 1, {1}, {{0, 20}, {0, 0}}},
        {"more blocks than bones",
         HandFile(tree, block + block + block, "FrameSets: 1\n\nW\nFrames: 1\n\n## Frame: 1\n1\n2\n\n3\n4\n\n5\n6\n\n7\n8\n\n"),
         1, {1}, {{2, 1}, {4, 3}}},
        {"fewer blocks than bones", HandFile(tree + "  + B\n", block, "FrameSets: 1\n\nW\nFrames: 1\n\n## Frame: 1\n1\n2\n\n3\n4\n\n"),
         1, {1}, {{2, 1}, {4, 3}, {0, 0}}},
        {"over-long lines are cut, not split", HandFile("+ Trunk\n  + " + longLine + "\n" + longLine + "+ B\n", "", ""), 1, {1},
         {{0, 20}, {0, 0}}},
        {"numbers that do not fit", HandFile(tree, block, "FrameSets: 1\n\nW\nFrames: 1\n\n## Frame: 1\n1e300\n-1e300\n\nnan\nzz\n\n"),
         1, {1}, {{-HUGE_VALF, HUGE_VALF}, {0, NAN}}},
        {"the last entry without its empty line", HandFile(tree, block, "FrameSets: 1\n\nW\nFrames: 1\n\n## Frame: 1\n1\n2\n\n3\n4"),
         1, {1}, {{2, 1}, {4, 3}}},
        {"tree lines after the frames are not bones",
         HandFile(tree, block, "FrameSets: 1\n\nW\nFrames: 1\n\n## Frame: 1\n1\n2\n\n3\n4\n\n  + Late\n** A\n"), 1, {1},
         {{2, 1}, {4, 3}}},
    };
    for (const Case& c : cases) {
        Skeleton skeleton;
        const auto start = std::chrono::steady_clock::now();
        ASSERT_EQ(ReadText(skeleton, c.text), 0) << c.what;
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2)) << c.what;
        EXPECT_EQ(InvariantViolation(skeleton), "") << c.what;
        ASSERT_EQ(skeleton.FrameSetCount(), c.sets) << c.what;
        for (int s = 0; s < c.sets; ++s)
            EXPECT_EQ(skeleton.GetFrameSet(s)->FrameCount(), c.frames[static_cast<size_t>(s)]) << c.what;
        const Poses got = Entries(skeleton);
        ASSERT_EQ(got.size(), c.firstFrame.size()) << c.what;
        for (size_t i = 0; i < got.size(); ++i) {
            for (auto [value, expected] : {std::pair {got[i].first, c.firstFrame[i].first},
                                           std::pair {got[i].second, c.firstFrame[i].second}}) {
                if (std::isnan(expected))
                    EXPECT_TRUE(std::isnan(value)) << c.what << " entry " << i;
                else
                    EXPECT_EQ(value, expected) << c.what << " entry " << i;
            }
        }
        // Posing any frame of any set stays inside the frames.
        for (int s = -1; s <= c.sets; ++s)
            for (int f = -1; f <= 2; ++f)
                skeleton.SetPose(s, f, s, f + 1, 0.5f);
    }
}

TEST(SkeletonFile, AFrameOfTheWrongSizeIsWrittenAtTheBoneCount)
{
    Skeleton skeleton;
    skeleton.AddBone(skeleton.Root(), "A", 30, 3);
    skeleton.StorePoseAsNewFrame(0, 0);
    skeleton.StorePoseAsNewFrame(0, 1);
    skeleton.RenameFrameSet("After", 1);
    skeleton.GetFrame(0, 0)->entries.resize(1);                 // short
    skeleton.GetFrame(0, 1)->entries.push_back(BonePose {9, 9});  // long
    Skeleton loaded;
    ASSERT_EQ(ReadText(loaded, skeleton.Write(0)), 0);
    EXPECT_EQ(Entries(loaded, 0, 0), (Poses {{0, 20}, {30, 3}}));
    EXPECT_EQ(Entries(loaded, 0, 1), (Poses {{0, 20}, {30, 3}}));
    ASSERT_EQ(loaded.FrameSetCount(), 2);
    EXPECT_EQ(loaded.GetFrameSet(1)->name, "After");
}

TEST(SkeletonFile, OverLongLinesKeepTheirFirstCharactersUpToTheBound)
{
    const size_t bound = LineReader::MaxLineLength;
    Skeleton skeleton;
    ASSERT_EQ(ReadText(skeleton, "+ Trunk\n  + " + std::string(bound + 50, 'n') + "\n  + " + std::string(300, 'm') + "\n"), 0);
    EXPECT_EQ(BoneNames(skeleton), (Names {"Trunk", std::string(bound - 4, 'n'), std::string(300, 'm')}));
}

TEST(SkeletonFile, TextThatIsNoSkeletonIsRefusedAndChangesNothing)
{
    const std::string tree = "+ Trunk\n  + A\n";
    const std::string block = "** A\nNO SKIN\n0\n0\n\n";
    const std::string notSkeleton = "Not a skeleton file: test.txt";
    const struct {
        const char* what;
        std::string text;
        std::string error;
    } cases[] = {
        {"nothing at all", "", notSkeleton},
        {"text without a tree", "hello\nFrameSets: 0\n", notSkeleton},
        {"enormous set count", HandFile(tree, block, "FrameSets: 2000000000\n\nWalk\nFrames: 1\n\n## Frame: 1\n20\n5\n\n1\n6\n\n"),
         notSkeleton},
        {"enormous frame count", HandFile(tree, block, "FrameSets: 1\n\nWalk\nFrames: 999999999\n\n## Frame: 1\n20\n5\n\n1\n6\n\n"),
         notSkeleton},
        {"set count past the end", HandFile(tree, block, "FrameSets: 99999999999999\n\nW\nFrames: 1\n\n## Frame: 1\n1\n2\n\n3\n4\n\n"),
         notSkeleton},
        {"cut in the middle of a frame",
         HandFile(tree, block, "FrameSets: 1\n\nWalk\nFrames: 2\n\n## Frame: 1\n20\n5\n\n1\n6\n\n## Frame: 2\n7\n"), notSkeleton},
        {"cut in a bone block", tree + "\n** A\nNO SKIN\n", notSkeleton},
        {"bone block naming no bone", tree + "\n** Nobody\nNO SKIN\n",
         "ERROR LOADING MARL - 'test.txt'\nINCORRECT BONENAME - 'Nobody'  on line: 4"},
        {"a NUL where the name begins", std::string("+ Trunk\n  + \0Arm\n", 16),
         "ERROR LOADING MARL - 'test.txt'\nINCORRECT BONENAME - ''  on line: 2"},
        {"a marker without a name", "+ Trunk\n +\n", "ERROR LOADING MARL - 'test.txt'\nINCORRECT BONENAME - ''  on line: 2"},
        {"a + ending a block name", HandFile(tree, "** A+B\n", ""),
         "ERROR LOADING MARL - 'test.txt'\nINCORRECT BONENAME - ''  on line: 10"},
        {"binary noise", std::string("\0\xff\r\r\n\x01+\0**\n", 11),
         "ERROR LOADING MARL - 'test.txt'\nINCORRECT BONENAME - ''  on line: 3"},
    };
    for (const auto& c : cases) {
        Skeleton skeleton;
        skeleton.AddBone(skeleton.Root(), "Keep", 1, 2);
        std::string error;
        const auto start = std::chrono::steady_clock::now();
        EXPECT_EQ(ReadText(skeleton, c.text, &error), -1) << c.what;
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2)) << c.what;
        EXPECT_EQ(error, c.error) << c.what;
        EXPECT_EQ(BoneNames(skeleton), (Names {"Trunk", "Keep"})) << c.what;
        EXPECT_EQ(InvariantViolation(skeleton), "") << c.what;
    }
}

TEST(SkeletonFile, LoadRefusesWhatItCannotReadAndKeepsTheSkeleton)
{
    TempFolder folder;
    WriteFile("bad.txt", HandFile("+ Trunk\n  + A\n", "** Nobody\nNO SKIN\n0\n0\n\n", ""));
    WriteFile("empty.txt", "");
    // A PNG's first bytes, and text after them that would read as a tree.
    WriteFile("picture.txt", std::string("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR\0\0\0\x04\0\0\0\x04\n+ Trunk\n  + A\n", 38));
    ASSERT_EQ(mkfifo("pipe.txt", 0600), 0);
    {
        std::FILE* file = std::fopen("huge.txt", "wb");
        ASSERT_NE(file, nullptr);
        ASSERT_EQ(ftruncate(fileno(file), static_cast<off_t>(65 * 1024 * 1024)), 0);
        std::fclose(file);
    }
    const struct {
        const char* path;
        std::string message;
    } cases[] = {
        {"bad.txt", "ERROR LOADING MARL - 'bad.txt'\nINCORRECT BONENAME - 'Nobody'  on line: 10"},
        {"empty.txt", "Not a skeleton file: empty.txt"},
        {"picture.txt", "Not a skeleton file: picture.txt"},
        {"pipe.txt", "Not a regular file: pipe.txt"},
        {"/dev/zero", "Not a regular file: /dev/zero"},
        {".", "Not a regular file: ."},
        {"huge.txt", "File too large (over 64 MB): huge.txt"},
        {"missing.txt", "ERROR: MARL file not found: missing.txt"},
    };
    for (const auto& c : cases) {
        Skeleton skeleton;
        skeleton.AddBone(skeleton.Root(), "Keep", 1, 2);
        ClearRecordedAlerts();
        const auto start = std::chrono::steady_clock::now();
        EXPECT_EQ(skeleton.Load(c.path), 1) << c.path;
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2)) << c.path;
        ASSERT_EQ(RecordedAlerts().size(), 1u) << c.path;
        std::string shown;
        for (const std::string& line : RecordedAlerts()[0].lines)
            shown += (shown.empty() ? "" : "\n") + line;
        EXPECT_EQ(shown, c.message) << c.path;
        EXPECT_EQ(BoneNames(skeleton), (Names {"Trunk", "Keep"})) << c.path;
    }
}

TEST(SkeletonFile, LoadOfAMissingFileChangesNothing)
{
    TempFolder folder;
    Skeleton skeleton;
    skeleton.AddBone(skeleton.Root(), "Keep", 1, 2);
    for (const std::string& path : {folder.File("missing.txt"), folder.File("no folder/missing.txt")}) {
        ClearRecordedAlerts();
        EXPECT_EQ(skeleton.Load(path), 1);
        ASSERT_EQ(RecordedAlerts().size(), 1u);
        EXPECT_EQ(RecordedAlerts()[0].lines[0], "ERROR: MARL file not found: " + path);
        EXPECT_EQ(BoneNames(skeleton), (Names {"Trunk", "Keep"}));
    }
}

TEST(SkeletonFile, LoadWritesItsProgressToTheLog)
{
    TempFolder folder;
    g_Log = new Log();
    g_Log->priority = 2;
    Skeleton example;
    BuildExample(example);
    WriteFile(folder.File("walk.txt"), example.Write(0));
    Skeleton skeleton;
    EXPECT_EQ(skeleton.Load(folder.File("walk.txt")), 0);
    delete g_Log;
    g_Log = nullptr;
    const std::string log = ReadFile(Log::FileName);
    size_t at = 0;
    for (std::string line : {std::string("- OPENING SKELETON FILE\n"), "- " + folder.File("walk.txt") + "\n", std::string("- FOUND BONE DATA\n"),
                             std::string("- Head\n"), std::string("- Found frameSet data... 1\n"),
                             std::string("- Number of frames =  2\n")}) {
        at = log.find(line, at);
        ASSERT_NE(at, std::string::npos) << "missing, in order: " << line << "\n" << log;
    }
}

TEST(SkeletonFile, SavingAnEmptySkeletonIsRefused)
{
    TempFolder folder;
    Skeleton skeleton;
    skeleton.DeleteLimb(skeleton.Root());
    ClearRecordedAlerts();
    EXPECT_EQ(skeleton.Save(folder.File("empty.txt")), 1);
    EXPECT_FALSE(testsupport::FileExists(folder.File("empty.txt")));
    ASSERT_EQ(RecordedAlerts().size(), 1u);
    EXPECT_EQ(RecordedAlerts()[0].lines[0], "Could not save MARL because it's empty");
}

TEST(SkeletonFile, AFailedSaveLeavesTheOldFileAsItWas)
{
    TempFolder folder;
    Skeleton skeleton;
    for (int k = 0; k < 40; ++k)
        skeleton.AddBone(skeleton.Root(), "Bone", static_cast<float>(k), 1);
    const std::string text = skeleton.Write(0);
    const size_t drawOrder = text.find("** ");
    const size_t frames = text.find("FrameSets: ");
    struct Case {
        size_t limit;
        const char* message;
    };
    const Case cases[] = {{drawOrder - 10, "ERROR SAVING SKELENODES"},
                          {frames - 10, "ERROR SAVING BoneList"},
                          {text.size() - 10, "ERROR SAVING Frames"}};
    std::signal(SIGXFSZ, SIG_IGN);
    for (const Case& c : cases) {
        WriteFile(folder.File("old.txt"), "the old file");
        rlimit limit {c.limit, RLIM_INFINITY};
        rlimit unlimited {RLIM_INFINITY, RLIM_INFINITY};
        ClearRecordedAlerts();
        ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limit), 0);
        const int result = skeleton.Save(folder.File("old.txt"));
        ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &unlimited), 0);
        EXPECT_EQ(result, 1) << c.message;
        EXPECT_EQ(ReadFile(folder.File("old.txt")), "the old file");
        ASSERT_EQ(RecordedAlerts().size(), 1u);
        EXPECT_EQ(RecordedAlerts()[0].lines[0], c.message);
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1);
    }
    EXPECT_EQ(skeleton.Save(folder.File("old.txt")), 0);
    EXPECT_EQ(Undated(ReadFile(folder.File("old.txt"))), Undated(text));
}

// Runs a command of the system, for the cases that need root (mounts, the immutable attribute).
bool RunCommand(const std::string& command) { return std::system((command + " 2>/dev/null").c_str()) == 0; }

TEST(SkeletonFile, SavesThatCannotBeDoneLeaveEverythingAsItWas)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "needs root: an immutable folder and a small tmpfs";
    TempFolder folder;
    Skeleton skeleton;
    for (int k = 0; k < 200; ++k)
        skeleton.AddBone(skeleton.Root(), "Bone", static_cast<float>(k), 1);
    const std::string text = Undated(skeleton.Write(0));
    ASSERT_GT(text.size(), 8192u);
    Skeleton tooLong;
    tooLong.AddBone(tooLong.Root(), std::string(LineReader::MaxLineLength, 'n'), 0, 1);

    ASSERT_EQ(mkdir("locked", 0755), 0);
    WriteFile("locked/old.txt", "the old file");
    ASSERT_EQ(mkdir("full", 0755), 0);
    ASSERT_TRUE(RunCommand("mount -t tmpfs -o size=8k tmpfs full"));
    WriteFile("full/old.txt", "the old file");
    ASSERT_EQ(mkdir("real", 0755), 0);
    WriteFile("real/target.txt", "the old file");
    ASSERT_EQ(symlink("real/target.txt", "link.txt"), 0);
    ASSERT_EQ(symlink("real/new.txt", "dangling.txt"), 0);
    ASSERT_TRUE(RunCommand("chattr +i locked"));
    std::signal(SIGXFSZ, SIG_IGN);

    const struct {
        const char* what;
        const Skeleton* skeleton;
        const char* path;
        rlim_t fileSizeLimit;
        int result;
        const char* message;
        const char* check;      // the file that holds the result afterwards
        char holds;             // 'n' the new text, 'o' "the old file", '-' it does not exist
    } cases[] = {
        {"no such folder", &skeleton, "no folder/x.txt", RLIM_INFINITY, 1, "ERROR Opening MARL file to save: no folder/x.txt",
         "no folder/x.txt", '-'},
        {"new file in a folder that takes no files", &skeleton, "locked/new.txt", RLIM_INFINITY, 1,
         "ERROR Opening MARL file to save: locked/new.txt", "locked/new.txt", '-'},
        {"in place fails: the old content goes back", &skeleton, "locked/old.txt", 100, 1, "ERROR SAVING SKELENODES",
         "locked/old.txt", 'o'},
        {"in place in a folder that takes no files", &skeleton, "locked/old.txt", RLIM_INFINITY, 0, "", "locked/old.txt", 'n'},
        {"a full disk", &skeleton, "full/old.txt", RLIM_INFINITY, 1, "ERROR SAVING BoneList", "full/old.txt", 'o'},
        {"a line the reader would cut", &tooLong, "real/target.txt", RLIM_INFINITY, 1, nullptr, "real/target.txt", 'o'},
        {"over a link", &skeleton, "link.txt", RLIM_INFINITY, 0, "", "real/target.txt", 'n'},
        {"over a link to nothing yet", &skeleton, "dangling.txt", RLIM_INFINITY, 0, "", "real/new.txt", 'n'},
    };
    for (const auto& c : cases) {
        ClearRecordedAlerts();
        rlimit limit {c.fileSizeLimit, RLIM_INFINITY};
        rlimit unlimited {RLIM_INFINITY, RLIM_INFINITY};
        ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limit), 0);
        const int result = c.skeleton->Save(c.path);
        ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &unlimited), 0);
        EXPECT_EQ(result, c.result) << c.what;
        if (c.result != 0) {
            ASSERT_EQ(RecordedAlerts().size(), 1u) << c.what;
            if (c.message)
                EXPECT_EQ(RecordedAlerts()[0].lines[0], c.message) << c.what;
            else
                EXPECT_EQ(RecordedAlerts()[0].lines[0].rfind("Could not save MARL - a line is longer than 65536", 0), 0u);
        }
        if (c.holds == '-')
            EXPECT_FALSE(testsupport::FileExists(c.check)) << c.what;
        else
            EXPECT_EQ(c.holds == 'n' ? Undated(ReadFile(c.check)) : ReadFile(c.check), c.holds == 'n' ? text : "the old file")
                << c.what;
        // Nothing is left beside the files.
        for (const char* dir : {"locked", "full", "real"})
            for (const auto& entry : std::filesystem::directory_iterator(dir))
                EXPECT_EQ(entry.path().filename().string().find(".txt."), std::string::npos) << c.what;
    }
    struct stat link {};
    ASSERT_EQ(lstat("link.txt", &link), 0);
    EXPECT_TRUE(S_ISLNK(link.st_mode));
    ASSERT_EQ(lstat("dangling.txt", &link), 0);
    EXPECT_TRUE(S_ISLNK(link.st_mode));
    RunCommand("chattr -i locked");
    RunCommand("umount full");
}

TEST(SkinPaths, RelativeToTheProgramsFolder)
{
    struct Case {
        std::string path, folder, expected;
    };
    const Case cases[] = {
        {"/a/b/d/e.txt", "/a/b/c/", "../d/e.txt"},
        {"/game/Game Data/GFX/Head.png", "/game/Bin/", "../Game Data/GFX/Head.png"},
        {"/game/Bin/Head.png", "/game/Bin/", "Head.png"},
        {"/game/Bin/Skins/Head.png", "/game/Bin", "Skins/Head.png"},
        {"/x/y.png", "/a/b/", "../../x/y.png"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RelativePath(c.path, c.folder), c.expected) << c.path << " from " << c.folder;

    TempFolder folder;
    const std::string cwd = std::filesystem::current_path().string();
    EXPECT_EQ(CanonicalPath("a/./b/../c.png"), cwd + "/a/c.png");
    EXPECT_EQ(CanonicalPath("/p/q/../../r.png"), "/r.png");
}

} // namespace

namespace {

TEST(SkeletonFile, EveryShippedSkeletonReadsAndWritesBackTheSame)
{
    TempFolder folder;
    TestResources resources;
    // The program's folder is its working folder; the shipped files' skin paths start there.
    ASSERT_EQ(chdir(ExecutablePath().c_str()), 0);
    const std::string shipped = "../Game Data/Skeletons/";
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(shipped))
        files.push_back(entry.path().filename().string());
    std::sort(files.begin(), files.end());
    ASSERT_FALSE(files.empty());
    for (const std::string& file : files) {
        SCOPED_TRACE(file);
        Skeleton skeleton;
        ASSERT_EQ(skeleton.Load(shipped + file), 0);
        EXPECT_EQ(InvariantViolation(skeleton), "");
        EXPECT_GT(skeleton.BoneCount(), 1);
        // A skin that failed to load would be written back as "NO SKIN": equal files mean every
        // skin path held and loaded.
        ASSERT_EQ(skeleton.Save(folder.File("again.txt")), 0);
        EXPECT_EQ(Undated(ReadFile(folder.File("again.txt"))), Undated(ReadFile(shipped + file)));
    }
}

} // namespace
