#include "graphics/FrameData.h"
#include "graphics/SpriteFiles.h"

#include <sstream>

#include <gtest/gtest.h>

TEST(FrameDataTest, TextToIntegerReadsLikeTheStandardConversion)
{
    const struct {
        const char* text;
        int32_t value;
    } cases[] = {
        {"100", 100}, {"  250", 250}, {"\t75ms", 75}, {"+40", 40}, {"-20", -20}, {"12 34", 12},
        {"", 0},      {"abc", 0},     {"ms100", 0},   {"- 5", 0}, {"0x10", 0},  {"007", 7},
        {"99999999999", 2147483647},  {"-99999999999", -2147483647 - 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(framedata::TextToInteger(c.text), c.value) << '"' << c.text << '"';
}

TEST(FrameDataTest, DurationsComeFromLinesThenThousand)
{
    const struct {
        std::string file;
        int count;
        std::vector<int32_t> durations;
    } cases[] = {
        {"100\n200\n", 3, {100, 200, 1000}},       // shorter than the set
        {"100\n200\n300\n400\n", 2, {100, 200}},   // lines after the last frame are not used
        {"100\r\n200\r\n", 3, {100, 200, 1000}},   // CR LF
        {"100\r200\r", 2, {100, 200}},             // lone CR
        {"50", 2, {50, 1000}},                     // last line without its end
        {"fast\n\n300\n", 3, {0, 0, 300}},         // no digits, empty line
        {"", 2, {1000, 1000}},
        {"100\n", 0, {}},
    };
    for (const auto& c : cases) {
        std::istringstream in(c.file);
        EXPECT_EQ(framedata::ReadDurations(in, c.count), c.durations) << '"' << c.file << '"';
    }
}

TEST(FrameDataTest, OverLongLineStaysOneLine)
{
    // A line of 300 digits and text: kept to 255 characters, the rest never becomes a line of its own.
    const std::string longLine = "120" + std::string(297, 'x');
    std::istringstream in(longLine + "\n" + std::string(260, ' ') + "400\n" + "80\n");
    std::string line;
    ASSERT_TRUE(framedata::ReadLine(in, line));
    EXPECT_EQ(line.size(), 255u);
    EXPECT_EQ(framedata::TextToInteger(line), 120);
    ASSERT_TRUE(framedata::ReadLine(in, line));
    EXPECT_EQ(framedata::TextToInteger(line), 0);   // "400" lies past the 255th character
    ASSERT_TRUE(framedata::ReadLine(in, line));
    EXPECT_EQ(line, "80");
    EXPECT_FALSE(framedata::ReadLine(in, line));
}

TEST(SpriteFilesTest, NamesFollowTheBaseLetterAndNumberPattern)
{
    using namespace spritefiles;
    EXPECT_EQ(FirstPictureName("gfx/Hero", 3), "gfx/Hero-d-00.png");
    EXPECT_EQ(FrameFileName("gfx/Hero-a", 7), "gfx/Hero-a-07.png");
    EXPECT_EQ(FrameFileName("gfx/Hero-a", 100), "gfx/Hero-a-100.png");
    EXPECT_EQ(SetLetter(26), '{');   // character-code order goes on past z
    EXPECT_FALSE(SetLetter(256 - 'a'));
}

TEST(SpriteFilesTest, NameThatDoesNotFitIsNotBuilt)
{
    using namespace spritefiles;
    // 511 characters fit a 512-character buffer, 512 do not.
    EXPECT_EQ(FrameFileName(std::string(504, 'n'), 0)->size(), 511u);
    EXPECT_FALSE(FrameFileName(std::string(505, 'n'), 0));
    EXPECT_FALSE(FirstPictureName(std::string(600, 'n'), 0));
    EXPECT_FALSE(FileExists(FirstPictureName(std::string(600, 'n'), 0)));
}

TEST(SpriteFilesTest, SinglePictureNamesContainPngInOneCase)
{
    using namespace spritefiles;
    for (const char* single : {"a.png", "A.PNG", "x.png.bak", "dir.PNG/base"})
        EXPECT_TRUE(IsSinglePictureName(single)) << single;
    for (const char* base : {"a.Png", "a.pNG", "apng", "a-png"})
        EXPECT_FALSE(IsSinglePictureName(base)) << base;
}
