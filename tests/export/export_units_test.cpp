// The exporter's arithmetic and texts: sampling a set's playback, the command line, the atlas and
// its JSON strings, and turning a transparent canvas's pixels into a PNG's.
#include <gtest/gtest.h>

#include "export/Atlas.h"
#include "export/ExportOptions.h"
#include "export/PngWriter.h"
#include "export/Timeline.h"

TEST(ExportTimeline, SamplesALoopOfTheSetAsTheEditorPlaysIt)
{
    struct Row {
        int frames, frameMs, fps;
        int count;
        int index;
        PoseSample expected;
    };
    const Row rows[] = {
        // one sample per stored frame: every sample shows a stored frame exactly
        {4, 250, 4, 4, 0, {0, 1, 0, 0}},
        {4, 250, 4, 4, 3, {3, 0, 0, 750}},
        // 30 a second over 8 frames of 250 ms: 60 samples, every 7.5th on a stored frame
        {8, 250, 30, 60, 15, {2, 3, 0, 500}},
        {8, 250, 30, 60, 59, {7, 0, 6500.0f / 7500, 1966}},
        {8, 250, 30, 60, 4, {0, 1, 4000.0f / 7500, 133}},
        // a lone frame blends into itself; the loop still lasts one frame time
        {1, 250, 30, 8, 7, {0, 0, 7000.0f / 7500, 233}},
        // a loop that is not a whole number of samples is covered by one more
        {3, 100, 7, 3, 1, {1, 2, 300.0f / 700, 142}},
        {2, 1, 1, 1, 0, {0, 1, 0, 0}},
        {5, 60000, 1000, 300000, 299999, {4, 0, 59999.0f / 60000, 299999}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.frames << " frames, " << row.frameMs << " ms, " << row.fps << " fps, sample "
                                        << row.index);
        const Timeline timeline(row.frames, row.frameMs, row.fps);
        EXPECT_EQ(timeline.SampleCount(), row.count);
        const PoseSample got = timeline.Sample(row.index);
        EXPECT_EQ(got.frameA, row.expected.frameA);
        EXPECT_EQ(got.frameB, row.expected.frameB);
        EXPECT_NEAR(got.t, row.expected.t, 1e-6);
        EXPECT_EQ(got.timeMs, row.expected.timeMs);
        // The samples' durations fill the loop at the sample rate, none off by more than 1 ms.
        int64_t sum = 0;
        for (int i = 0; i < timeline.SampleCount(); ++i) {
            const int d = timeline.DurationMs(i);
            EXPECT_TRUE(d == 1000 / row.fps || d == 1000 / row.fps + 1) << "sample " << i << ": " << d;
            sum += d;
        }
        EXPECT_EQ(sum, static_cast<int64_t>(timeline.SampleCount()) * 1000 / row.fps);
    }
}

TEST(ExportOptions, CommandLinesAndTheirRefusals)
{
    const auto parse = [](std::vector<const char*> args, ExportOptions& options, std::string& error) {
        args.insert(args.begin(), "marl-export");
        return ParseExportArguments(static_cast<int>(args.size()), args.data(), options, error);
    };
    struct Accepted {
        std::vector<const char*> args;
        std::vector<std::string> skeletons, sets;
        int fps, frameMs;
        float scale;
        const char* out;
        bool frames, sheet;
    };
    const Accepted accepted[] = {
        {{"A.txt"}, {"A.txt"}, {}, 30, 250, 1, ".", true, false},
        {{"A.txt", "B.txt", "--set", "Walk", "--set", "Idle", "--fps", "12", "--frame-ms", "100", "--scale", "0.5",
          "--out", "o", "--sheet"},
         {"A.txt", "B.txt"}, {"Walk", "Idle"}, 12, 100, 0.5f, "o", true, true},
        {{"--sheet-only", "A.txt", "--", "--odd.txt"}, {"A.txt", "--odd.txt"}, {}, 30, 250, 1, ".", false, true},
        {{"--fps", "1000", "--frame-ms", "60000", "--scale", "64", "A.txt"}, {"A.txt"}, {}, 1000, 60000, 64, ".", true, false},
        {{"--fps", "1", "--frame-ms", "1", "--scale", "0.01", "A.txt"}, {"A.txt"}, {}, 1, 1, 0.01f, ".", true, false},
    };
    for (const Accepted& row : accepted) {
        ExportOptions options;
        std::string error;
        ASSERT_TRUE(parse(row.args, options, error)) << error;
        EXPECT_EQ(options.skeletons, row.skeletons);
        EXPECT_EQ(options.sets, row.sets);
        EXPECT_EQ(options.fps, row.fps);
        EXPECT_EQ(options.frameMs, row.frameMs);
        EXPECT_FLOAT_EQ(options.scale, row.scale);
        EXPECT_EQ(options.outDir, row.out);
        EXPECT_EQ(options.frames, row.frames);
        EXPECT_EQ(options.sheet, row.sheet);
        EXPECT_FALSE(options.help);
    }
    const std::pair<std::vector<const char*>, const char*> refused[] = {
        {{}, "no skeleton file given"},
        {{"--sheet"}, "no skeleton file given"},
        {{"A.txt", "--fps", "0"}, "option '--fps' takes a whole number from 1 to 1000, not '0'"},
        {{"A.txt", "--fps", "1001"}, "option '--fps' takes"},
        {{"A.txt", "--fps", "12x"}, "option '--fps' takes"},
        {{"A.txt", "--fps", "99999999999999999999"}, "option '--fps' takes"},
        {{"A.txt", "--frame-ms", "0"}, "option '--frame-ms' takes"},
        {{"A.txt", "--frame-ms", "60001"}, "option '--frame-ms' takes"},
        {{"A.txt", "--scale", "0"}, "option '--scale' takes a number from 0.01 to 64, not '0'"},
        {{"A.txt", "--scale", "nan"}, "option '--scale' takes"},
        {{"A.txt", "--scale", "1e40"}, "option '--scale' takes"},
        {{"A.txt", "--scale", ""}, "option '--scale' takes"},
        {{"A.txt", "--set", ""}, "option '--set' takes a frame set's name"},
        {{"A.txt", "--out"}, "option '--out' needs a value"},
        {{"A.txt", "--colour"}, "unknown option '--colour'"},
        {{"A.txt", "-x"}, "unknown option '-x'"},
    };
    for (const auto& [args, message] : refused) {
        ExportOptions options;
        std::string error;
        EXPECT_FALSE(parse(args, options, error)) << message;
        EXPECT_NE(error.find(message), std::string::npos) << error;
    }
    // --help wins over anything wrong around it.
    ExportOptions options;
    std::string error;
    EXPECT_TRUE(parse({"--fps", "0", "--help"}, options, error));
    EXPECT_TRUE(options.help);
}

TEST(ExportAtlas, SheetRowsRectanglesTagsAndJsonText)
{
    const std::vector<SheetRow> rows = {{"Walk", {"H-Walk-000", "H-Walk-001", "H-Walk-002"}, {33, 33, 34}},
                                        {"Say \"hi\"", {"H-Say \"hi\"-000"}, {250}}};
    const Atlas atlas = LayOutSheet("H.png", 10, 30, -4, 7, 2, rows);
    struct Rect {
        int x, y;
        const char* set;
        int index, duration;
    };
    const Rect expected[] = {{0, 0, "Walk", 0, 33}, {10, 0, "Walk", 1, 33}, {20, 0, "Walk", 2, 34}, {0, 30, "Say \"hi\"", 0, 250}};
    ASSERT_EQ(atlas.frames.size(), 4u);
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(atlas.frames[i].x, expected[i].x) << i;
        EXPECT_EQ(atlas.frames[i].y, expected[i].y) << i;
        EXPECT_EQ(atlas.frames[i].set, expected[i].set) << i;
        EXPECT_EQ(atlas.frames[i].index, expected[i].index) << i;
        EXPECT_EQ(atlas.frames[i].durationMs, expected[i].duration) << i;
    }
    EXPECT_EQ(atlas.SheetWidth(), 30);
    EXPECT_EQ(atlas.SheetHeight(), 60);

    const std::string json = AtlasJson(atlas);
    for (const char* part : {
             "{\"filename\": \"H-Walk-002\", \"frame\": {\"x\": 20, \"y\": 0, \"w\": 10, \"h\": 30}",
             "\"spriteSourceSize\": {\"x\": 0, \"y\": 0, \"w\": 10, \"h\": 30}, \"sourceSize\": {\"w\": 10, \"h\": 30}",
             "\"pivot\": {\"x\": -0.4, \"y\": 0.233333}, \"duration\": 34, \"set\": \"Walk\", \"index\": 2}",
             "{\"filename\": \"H-Say \\\"hi\\\"-000\", \"frame\": {\"x\": 0, \"y\": 30,",
             "\"image\": \"H.png\"", "\"size\": {\"w\": 30, \"h\": 60}", "\"scale\": \"2\"",
             "\"origin\": {\"x\": -4, \"y\": 7}",
             "{\"name\": \"Walk\", \"from\": 0, \"to\": 2, \"direction\": \"forward\"},\n",
             "{\"name\": \"Say \\\"hi\\\"\", \"from\": 3, \"to\": 3, \"direction\": \"forward\"}\n    ]",
         })
        EXPECT_NE(json.find(part), std::string::npos) << part << "\n" << json;

    const std::pair<std::string, std::string> strings[] = {
        {"Walk", "\"Walk\""},
        {"a\\b\"c", "\"a\\\\b\\\"c\""},
        {"tab\there\n", "\"tab\\u0009here\\u000a\""},
        {"caf\xC3\xA9", "\"caf\xC3\xA9\""},            // UTF-8 kept
        {"caf\xE9!", "\"caf\\u00e9!\""},                // a lone Latin-1 byte
        {"\xE2\x82", "\"\\u00e2\\u0082\""},             // a cut-off sequence
        {"", "\"\""},
    };
    for (const auto& [text, quoted] : strings)
        EXPECT_EQ(JsonString(text), quoted);
}

TEST(ExportPixels, CoverageAlphaBecomesStraightAlpha)
{
    const std::pair<uint32_t, uint32_t> rows[] = {
        {0xFF123456, 0xFF123456},   // opaque: as drawn
        {0x00FFFFFF, 0x00000000},   // nothing there
        {0x80402010, 0x80804020},   // half covered: colour divided by the cover, rounded
        {0x01010101, 0x01FFFFFF},
        {0x40FF0000, 0x40FF0000},   // colour above the cover (additive drawing) is held at 255
        {0x7F000000, 0x7F000000},
    };
    std::vector<uint32_t> pixels;
    for (const auto& row : rows)
        pixels.push_back(row.first);
    ToStraightAlpha(pixels);
    for (size_t i = 0; i < pixels.size(); ++i)
        EXPECT_EQ(pixels[i], rows[i].second) << std::hex << rows[i].first;
}
