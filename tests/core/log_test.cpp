#include "core/Log.h"

#include <regex>
#include <sstream>
#include <vector>

#include "tests/support/TestSupport.h"

using testsupport::ReadFile;
using testsupport::TempFolder;

namespace {

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// A log in a fresh folder, reachable through g_Log as in the program.
struct LogTest : ::testing::Test {
    TempFolder folder;
    Log* log = nullptr;
    void SetUp() override { g_Log = log = new Log(); }
    void TearDown() override
    {
        delete log;
        g_Log = nullptr;
    }
    std::vector<std::string> Body() const
    {
        std::vector<std::string> lines = Lines(ReadFile(Log::FileName));
        return std::vector<std::string>(lines.begin() + 3, lines.end());
    }
};

} // namespace

TEST_F(LogTest, HeaderHasTheStarRuleDateAndPriorityZero)
{
    log->priority = 2;   // as main does right after creating it: the header still says 0
    const std::vector<std::string> lines = Lines(ReadFile(Log::FileName));
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], std::string(62, '*'));
    EXPECT_TRUE(std::regex_match(lines[1], std::regex(R"(New log created on \d\d/\d\d/\d\d at \d\d:\d\d:\d\d)")))
        << lines[1];
    EXPECT_EQ(lines[2], "Write Priority set at 0");
    EXPECT_EQ(log->messageCount, 0);
}

TEST_F(LogTest, MessageLineCarriesPriorityDateTimeAndText)
{
    LogString("Loading frame file: ", "a/b.png", 2);
    const std::vector<std::string> body = Body();
    ASSERT_EQ(body.size(), 1u);
    EXPECT_TRUE(std::regex_match(body[0], std::regex(R"(2- \d\d/\d\d/\d\d  \d\d:\d\d:\d\d - Loading frame file:  a/b\.png)")))
        << body[0];
}

TEST_F(LogTest, FormatsOfTheHelpers)
{
    LogText("plain", 3);
    LogValue("value", -7, 3);
    LogString("label", "text", 3);
    LogValues("pair", 4, 5, 3);
    const std::vector<std::string> body = Body();
    ASSERT_EQ(body.size(), 4u);
    const char* expected[] = {" - plain", " - value -7", " - label text", " - pair 4, 5"};
    for (size_t i = 0; i < 4; ++i)
        EXPECT_EQ(body[i].substr(body[i].size() - std::string(expected[i]).size()), expected[i]);
}

TEST_F(LogTest, PriorityFilter)
{
    struct Case {
        int logPriority;
        int messagePriority;
        bool written;
    } cases[] = {
        {2, 1, false}, {2, 2, true}, {2, 4, true},
        {0, -1, false}, {0, -5, false}, {0, 0, true},
        {-1, 4, false}, {-1, 100, false}, {-1, -1, false},
        {-2, -2, true}, {-2, -3, false},
    };
    for (const Case& c : cases) {
        log->priority = c.logPriority;
        const int before = log->messageCount;
        const size_t linesBefore = Body().size();
        LogText("message", c.messagePriority);
        EXPECT_EQ(Body().size() - linesBefore, c.written ? 1u : 0u)
            << "log priority " << c.logPriority << ", message priority " << c.messagePriority;
        EXPECT_EQ(log->messageCount - before, c.written ? 1 : 0) << "filtered messages are not counted";
    }
}

TEST_F(LogTest, TwentyThousandMessagesAreWrittenAndLaterOnesDroppedButCounted)
{
    log->priority = 2;
    for (int i = 1; i <= Log::MaxLogMessages + 1; ++i)
        LogValue("message", i, 2);
    LogText("filtered", 1);
    const std::vector<std::string> body = Body();
    ASSERT_EQ(body.size(), static_cast<size_t>(Log::MaxLogMessages));
    EXPECT_NE(body.back().find(" - message 20000"), std::string::npos) << body.back();
    EXPECT_EQ(log->messageCount, Log::MaxLogMessages + 1);
}

TEST_F(LogTest, LongMessageIsCutInsideTheBufferAndKeepsItsNewline)
{
    const std::string longText(1000, 'x');
    LogString("label", longText.c_str(), 2);
    LogText("next", 2);
    const std::vector<std::string> body = Body();
    ASSERT_EQ(body.size(), 2u);
    EXPECT_EQ(std::string(log->messageBuffer), "next\n");
    const std::string::size_type start = body[0].find(" - label ") + 3;
    EXPECT_EQ(body[0].size() - start, static_cast<size_t>(Log::MessageBufferSize - 2));
    EXPECT_NE(body[1].find(" - next"), std::string::npos);
}

TEST_F(LogTest, CloseAppendsTheClosingLine)
{
    LogText("message", 4);
    log->Close();
    const std::vector<std::string> lines = Lines(ReadFile(Log::FileName));
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_TRUE(std::regex_match(lines[4], std::regex(R"(Log file closed \d\d/\d\d/\d\d  \d\d:\d\d:\d\d)")))
        << lines[4];
}

TEST(LogRestart, ASecondLogStartsAFreshFile)
{
    TempFolder folder;
    {
        Log first;
        g_Log = &first;
        for (int i = 0; i < 5; ++i)
            LogText("first run", 3);
        g_Log = nullptr;
    }
    testsupport::WriteFile("unrelated.txt", "kept");
    Log second;
    const std::string text = ReadFile(Log::FileName);
    EXPECT_EQ(text.find("first run"), std::string::npos);
    EXPECT_EQ(text.rfind(std::string(62, '*') + "\n", 0), 0u);
    EXPECT_EQ(Lines(text).size(), 3u);
}

TEST(LogWithoutLog, HelpersDoNothingBeforeStartUp)
{
    TempFolder folder;
    g_Log = nullptr;
    LogText("nothing", 4);
    LogValue("nothing", 1, 4);
    EXPECT_FALSE(testsupport::FileExists(Log::FileName));
}
