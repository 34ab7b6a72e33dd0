#include "rl/TextRenderer.h"

#include <algorithm>

#include "core/Alert.h"
#include "rl/Canvas.h"
#include "rl/Colour.h"
#include "rl/GarbageCollected.h"
#include "rl/Layer.h"
#include "rl/TextTags.h"
#include "tests/support/TestSupport.h"

using namespace testsupport;

namespace {

// The GUI's font: 11 x 13 pixels, opaque white on the tests' black canvas so that ink is easy to
// find, hinting on.
std::unique_ptr<rl::TextRenderer> GuiSizedFont(bool hinting = true, int italics = 0)
{
    return std::make_unique<rl::TextRenderer>(rl::DefaultFontFile(), 11, 13, rl::Colour(1, 1, 1, 1), italics, hinting);
}

// Where drawing left a mark in a region.
struct InkBox {
    int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1;   // inclusive pixel rows and columns
    int count = 0;
    bool Empty() const { return count == 0; }
};

InkBox FindInk(int x, int y, int w, int h, const std::function<bool(uint32_t)>& isInk)
{
    InkBox box;
    const std::vector<uint32_t> pixels = rl::Canvas::ReadPixels(x, y, w, h);
    for (int row = 0; row < h; ++row)
        for (int col = 0; col < w; ++col)
            if (isInk(pixels[static_cast<size_t>(row) * w + col])) {
                box.left = std::min(box.left, x + col);
                box.right = std::max(box.right, x + col);
                box.top = std::min(box.top, y + row);
                box.bottom = std::max(box.bottom, y + row);
                ++box.count;
            }
    return box;
}

bool AnyInk(uint32_t p) { return (p & 0xFFFFFF) != 0; }
// Strongly red: red well above green and blue.
bool Reddish(uint32_t p)
{
    const int r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
    return r > 100 && g < r / 3 && b < r / 3;
}
// Grey ink, as white text blended over black leaves it.
bool Greyish(uint32_t p)
{
    const int r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
    return r > 100 && std::abs(r - g) < 10 && std::abs(r - b) < 10;
}

int CountLogLines(const std::string& fragment)
{
    const std::string log = ReadFile("renderlayer.log");
    int count = 0;
    for (size_t at = log.find(fragment); at != std::string::npos; at = log.find(fragment, at + 1))
        ++count;
    return count;
}

class TextTest : public ScreenTest {};

} // namespace

TEST_F(TextTest, GuiFontHasTheMetricsTheWidgetsLayOutWith)
{
    auto font = GuiSizedFont();
    ASSERT_TRUE(font->IsValid());
    EXPECT_EQ(font->LineHeight(), 15);
    EXPECT_EQ(font->Ascender(), 12);
    EXPECT_EQ(font->Descender(), -3);
    EXPECT_EQ(font->Height("I"), 15);

    // The fallback face where Liberation is missing serves at the same size.
    rl::TextRenderer fallback("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf", 11, 13);
    EXPECT_TRUE(fallback.IsValid());
    EXPECT_GT(fallback.Width("Hello"), 0);
    EXPECT_NE(ReadFile("renderlayer.log").find("Loading a true type font: " + rl::DefaultFontFile()), std::string::npos);
}

TEST_F(TextTest, HeightCountsLinesAndAFinalNewlineAddsNone)
{
    auto font = GuiSizedFont();
    ASSERT_TRUE(font->IsValid());
    const struct {
        const char* text;
        int lines;
    } cases[] = {
        {"x", 1}, {"x\ny", 2}, {"x\n", 1}, {"x\n\n", 2}, {"\n", 1}, {"", 1}, {"a\nb\nc", 3},
        {"a[color FF0000]\n[/color]b", 2},
    };
    for (const auto& c : cases)
        EXPECT_EQ(font->Height(c.text), c.lines * 15) << '"' << c.text << '"';
}

TEST_F(TextTest, WidthIsTheWidestLineWithTagsLeftOut)
{
    auto font = GuiSizedFont();
    ASSERT_TRUE(font->IsValid());
    const int x = font->Width("x"), xyz = font->Width("xyz");
    EXPECT_GT(x, 0);
    EXPECT_EQ(xyz, font->Width("x") + font->Width("y") + font->Width("z"));

    const struct {
        std::string text;
        int width;
    } cases[] = {
        {"x[color FF0000]y[/color]z", xyz},
        {"[color 00FF0080]xyz", xyz},
        {"xyz\nx", xyz},
        {"x\nxyz\n", xyz},
        {"", 0},
        {"\n\n", 0},
        // Not tags: counted as text.
        {"[b]", font->Width("[") + font->Width("b") + font->Width("]")},
        {"x[color FF0000", x + font->Width("[color FF0000")},
    };
    for (const auto& c : cases)
        EXPECT_EQ(font->Width(c.text), c.width) << '"' << c.text << '"';

    // With tags off, tags are text like any other.
    font->SetTagsEnabled(false);
    EXPECT_GT(font->Width("x[color FF0000]y[/color]z"), xyz);
}

TEST_F(TextTest, HintingFlagChangesTheWidths)
{
    auto hinted = GuiSizedFont(true), unhinted = GuiSizedFont(false);
    ASSERT_TRUE(hinted->IsValid());
    ASSERT_TRUE(unhinted->IsValid());
    const std::string sample = "The quick brown fox jumps over the lazy dog";
    EXPECT_NE(hinted->Width(sample), unhinted->Width(sample));
}

TEST_F(TextTest, PrintPutsTheBaselineAtYAndFurtherLinesOneLineHeightLower)
{
    auto font = GuiSizedFont();
    ASSERT_TRUE(font->IsValid());
    font->Print("H", 100, 200);
    const InkBox h = FindInk(80, 170, 60, 60, AnyInk);
    ASSERT_FALSE(h.Empty());
    // A capital stands on the baseline: its last row of pixels is the one just above y.
    EXPECT_EQ(h.bottom, 199);
    EXPECT_GE(h.top, 200 - 12);
    EXPECT_LE(h.top, 200 - 8);
    EXPECT_GE(h.left, 100);
    EXPECT_LE(h.right, 100 + font->Width("H"));

    rl::Canvas::Fill(0, 0, 0, 1);
    font->Print("g", 300, 200);
    const InkBox g = FindInk(280, 170, 60, 60, AnyInk);
    ASSERT_FALSE(g.Empty());
    EXPECT_GT(g.bottom, 199) << "descenders hang below the baseline";
    EXPECT_LE(g.bottom, 200 + 3);

    rl::Canvas::Fill(0, 0, 0, 1);
    font->Print("H\nH\n\nH", 100, 100);
    for (int line : {0, 1, 3}) {
        const int baseline = 100 + line * 15;
        const InkBox row = FindInk(90, baseline - 14, 40, 15, AnyInk);
        EXPECT_EQ(row.bottom, baseline - 1) << "line " << line;
        EXPECT_GE(row.left, 100) << "every line starts at x";
        EXPECT_LE(row.left, 101) << "every line starts at x";
    }
    EXPECT_TRUE(FindInk(90, 100 + 2 * 15 - 14, 40, 15, AnyInk).Empty()) << "the empty line";
}

TEST_F(TextTest, GlyphsArePixelAlignedAndCrisp)
{
    // An upright "l" hinted at the GUI's size is a solid vertical bar: fully covered pixels, the
    // same on every row, rather than a smear over two half-lit columns.
    auto font = GuiSizedFont();
    ASSERT_TRUE(font->IsValid());
    font->Print("l", 50, 50);
    const InkBox ink = FindInk(40, 30, 30, 30, AnyInk);
    ASSERT_FALSE(ink.Empty());
    const InkBox full = FindInk(40, 30, 30, 30, [](uint32_t p) { return (p & 0xFF) > 230; });
    ASSERT_FALSE(full.Empty());
    EXPECT_EQ(full.bottom, 49);
    EXPECT_GE(full.bottom - full.top + 1, 9) << "a whole stem of full coverage";
    for (int y = full.top; y <= full.bottom; ++y)
        for (int x = full.left; x <= full.right; ++x)
            EXPECT_GT(rl::Canvas::ReadPixel(x, y) & 0xFF, 230u) << x << ", " << y;

    // The same text drawn twice at whole-pixel offsets is pixel for pixel the same picture.
    rl::Canvas::Fill(0, 0, 0, 1);
    font->Print("Marl Engine", 100, 100);
    font->Print("Marl Engine", 237, 181);
    const auto a = rl::Canvas::ReadPixels(100, 85, 80, 20), b = rl::Canvas::ReadPixels(237, 166, 80, 20);
    EXPECT_EQ(a, b);
}

TEST_F(TextTest, ColourTagPrintsItsTextInTheTagColour)
{
    auto font = GuiSizedFont();
    ASSERT_TRUE(font->IsValid());
    const int wx = font->Width("x"), wy = font->Width("y");
    font->Print("x[color FF0000]y[/color]z", 100, 100);

    const InkBox red = FindInk(90, 80, 100, 30, Reddish);
    ASSERT_FALSE(red.Empty());
    EXPECT_GE(red.left, 100 + wx - 1);
    EXPECT_LE(red.right, 100 + wx + wy);
    // x and z in the renderer's own colour (white here), and nothing else red.
    const InkBox before = FindInk(100, 80, wx, 30, Greyish);
    const InkBox after = FindInk(100 + wx + wy, 80, 20, 30, Greyish);
    EXPECT_FALSE(before.Empty());
    EXPECT_FALSE(after.Empty());
    EXPECT_TRUE(FindInk(100, 80, wx - 1, 30, Reddish).Empty());
    EXPECT_TRUE(FindInk(100 + wx + wy + 1, 80, 20, 30, Reddish).Empty());

    // The colour of the tagged text is the tag's alone; the renderer's own colour is unchanged.
    EXPECT_FLOAT_EQ(font->GetColour().r, 1);
    EXPECT_FLOAT_EQ(font->GetColour().g, 1);
}

TEST_F(TextTest, TagColoursWithAndWithoutAlpha)
{
    // A tagged text looks exactly like the same text printed in that colour as the renderer's own.
    auto font = GuiSizedFont();
    ASSERT_TRUE(font->IsValid());
    const struct {
        const char* tag;
        rl::Colour colour;
    } cases[] = {
        {"[color 00FF00]", {0, 1, 0, 1}},
        {"[color 0000ff]", {0, 0, 1, 1}},
        {"[color FF800080]", {1, 128 / 255.0f, 0, 128 / 255.0f}},
        {"[color FF000000]", {1, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        rl::Canvas::Fill(0, 0, 0, 1);
        font->SetColour(rl::Colour(1, 1, 1, 1));
        font->Print(std::string(c.tag) + "Hello", 50, 50);
        font->SetColour(c.colour);
        font->Print("Hello", 250, 50);
        const auto tagged = rl::Canvas::ReadPixels(50, 30, 60, 30), plain = rl::Canvas::ReadPixels(250, 30, 60, 30);
        EXPECT_EQ(tagged, plain) << c.tag;
        const bool invisible = c.colour.a == 0;
        EXPECT_EQ(FindInk(50, 30, 60, 30, AnyInk).Empty(), invisible) << c.tag;
    }
}

TEST_F(TextTest, BadColourTagIsLoggedAndKeepsTheColour)
{
    auto font = GuiSizedFont();
    ASSERT_TRUE(font->IsValid());
    font->Print("[color FF0000]a[color 12AB]b", 100, 100);
    EXPECT_NE(ReadFile("renderlayer.log").find("ERROR: Cannot parse the color 12AB\n"), std::string::npos);
    // "b" stays red, and the tag itself takes no room.
    const int wa = font->Width("a");
    EXPECT_FALSE(FindInk(100 + wa, 80, font->Width("b"), 30, Reddish).Empty());
    EXPECT_EQ(font->Width("[color FF0000]a[color 12AB]b"), font->Width("ab"));
    EXPECT_TRUE(FindInk(100 + wa + font->Width("b") + 1, 80, 100, 30, AnyInk).Empty());

    // Other digit counts and non-hexadecimal digits are refused alike.
    for (const char* digits : {"", "12345", "1234567", "123456789", "GG0000", "FF 000"}) {
        rl::Colour colour(0.25f, 0.25f, 0.25f, 0.25f);
        EXPECT_FALSE(rl::ParseTagColour(digits, colour)) << '"' << digits << '"';
        EXPECT_FLOAT_EQ(colour.r, 0.25f);
    }
}

TEST_F(TextTest, ColourTagWithoutClosingBracketIsPlainTextLoggedOnce)
{
    // A frame set named "[color 12" used to loop forever; now the "[" is text.
    auto font = GuiSizedFont();
    ASSERT_TRUE(font->IsValid());
    const std::string name = "[color 12";
    for (int frame = 0; frame < 50; ++frame) {
        font->Print(name, 100, 100);
        EXPECT_EQ(font->Width(name), font->Width("[") + font->Width("color 12"));
    }
    EXPECT_FALSE(FindInk(95, 80, 60, 30, AnyInk).Empty());
    EXPECT_EQ(CountLogLines("Cannot parse the color"), 1);
    font->Print("a [color 00FF00 b\nnext line", 100, 100);
    EXPECT_NE(ReadFile("renderlayer.log").find("printed as text: [color 00FF00 b\n"), std::string::npos);

    // A bad digit tag printed every frame is also logged once.
    for (int frame = 0; frame < 50; ++frame)
        font->Print("[color 1234]x", 100, 140);
    EXPECT_EQ(CountLogLines("Cannot parse the color 1234"), 1);
}

TEST_F(TextTest, ItalicsSlantTheGlyphsAndAreLimitedTo45Degrees)
{
    const struct {
        int asked, kept;
    } cases[] = {{0, 0}, {20, 20}, {-30, -30}, {45, 45}, {46, 45}, {90, 45}, {-1000, -45}};
    for (const auto& c : cases)
        EXPECT_EQ(GuiSizedFont(true, c.asked)->Italics(), c.kept) << c.asked;

    // A slanted "l" leans right: its top row of ink lies right of its bottom row.
    auto slanted = GuiSizedFont(true, 30);
    ASSERT_TRUE(slanted->IsValid());
    slanted->Print("l", 50, 50);
    const InkBox ink = FindInk(40, 30, 40, 30, AnyInk);
    ASSERT_FALSE(ink.Empty());
    const InkBox topRow = FindInk(40, ink.top, 40, 1, AnyInk), bottomRow = FindInk(40, ink.bottom, 40, 1, AnyInk);
    EXPECT_GE(topRow.left - bottomRow.left, 3);
}

TEST_F(TextTest, FailedFontDrawsNothingAndMeasuresZero)
{
    const std::string missing = folder.File("no such font.ttf");
    WriteFile(folder.File("not a font.ttf"), "this is not a TrueType font");
    for (const std::string& file : {missing, folder.File("not a font.ttf")}) {
        rl::TextRenderer font(file, 11, 13, rl::Colour(1, 1, 1, 1), 0, true);
        EXPECT_FALSE(font.IsValid());
        EXPECT_EQ(font.Width("Hello"), 0);
        EXPECT_EQ(font.Height("Hello\nWorld"), 0);
        EXPECT_EQ(font.LineHeight(), 0);
        font.Print("Hello", 100, 100);
        EXPECT_TRUE(FindInk(0, 0, 800, 600, AnyInk).Empty());
        const std::string log = ReadFile("renderlayer.log");
        EXPECT_NE(log.find("ERROR: Font loading failed!\n"), std::string::npos);
        EXPECT_NE(log.find("ERROR: Cannot construct a TextRenderer - Loading font '" + file + "' failed!\n"),
                  std::string::npos);
    }

    rl::TextRenderer unnamed(nullptr, 11, 13);
    EXPECT_FALSE(unnamed.IsValid());
    EXPECT_NE(ReadFile("renderlayer.log").find("ERROR: Attempted to load a true type font with a null filename!\n"),
              std::string::npos);

    // Sizes no font can have fail the same way.
    for (int height : {0, -5, 100000}) {
        rl::TextRenderer font(rl::DefaultFontFile(), 11, height);
        EXPECT_FALSE(font.IsValid()) << height;
        EXPECT_EQ(font.Width("x"), 0);
    }
}

TEST_F(TextTest, GlyphCacheCanBeFreedAndRebuilt)
{
    auto font = GuiSizedFont();
    ASSERT_TRUE(font->IsValid());
    const int width = font->Width("Rebuilt");
    font->UnloadToMemory();
    EXPECT_FALSE(font->IsValid());
    EXPECT_EQ(font->Width("Rebuilt"), 0);
    font->SendToGPU();
    ASSERT_TRUE(font->IsValid());
    EXPECT_EQ(font->Width("Rebuilt"), width);
    font->Print("Rebuilt", 100, 100);
    EXPECT_FALSE(FindInk(95, 80, 80, 30, AnyInk).Empty());

    font->Destroy(false);
    EXPECT_FALSE(font->IsValid());
    font->SendToGPU();   // nothing left to rebuild from
    EXPECT_FALSE(font->IsValid());
}

TEST(TextBeforeScreen, FontMadeBeforeTheScreenIsQueuedWithAnAlertAndLoadsWithIt)
{
    TempFolder folder;
    ClearRecordedAlerts();
    ASSERT_TRUE(rl::InitProgram(true, true, true));
    rl::TextRenderer font(rl::DefaultFontFile(), 11, 13);
    rl::TextRenderer broken(folder.File("missing.ttf"), 11, 13);
    EXPECT_TRUE(font.HasPendingLoad());
    EXPECT_FALSE(font.IsValid());
    EXPECT_EQ(font.Width("x"), 0);
    ASSERT_EQ(RecordedAlerts().size(), 2u);
    EXPECT_EQ(RecordedAlerts()[0].lines.at(0), "Loading queued for font: " + rl::DefaultFontFile());
    // Asked again before the screen, the load stays queued without a second alert.
    EXPECT_EQ(font.ExecutePendingLoad(), rl::RL_NOT_YET);
    EXPECT_TRUE(font.HasPendingLoad());
    EXPECT_EQ(RecordedAlerts().size(), 2u);

    ASSERT_TRUE(rl::InitScreen(800, 600, false, 32, 8, 0));
    EXPECT_FALSE(font.HasPendingLoad());
    EXPECT_TRUE(font.IsValid());
    EXPECT_EQ(font.Height("I"), 15);
    EXPECT_FALSE(broken.IsValid());
    const std::string log = ReadFile("renderlayer.log");
    EXPECT_NE(log.find("Auto Loader: Executing 2 pending loading commands"), std::string::npos);
    EXPECT_NE(log.find("ERROR: Auto Loader: Couldn't load a resource!"), std::string::npos);
}

TEST(TextTags, SplitsRunsNewlinesAndTags)
{
    using K = rl::TextRun::Kind;
    const struct {
        std::string text;
        bool tags;
        std::vector<K> kinds;
        size_t unclosed;
    } cases[] = {
        {"abc", true, {K::Characters}, std::string::npos},
        {"a\nb", true, {K::Characters, K::NewLine, K::Characters}, std::string::npos},
        {"x[color FF0000]y[/color]z", true, {K::Characters, K::TagColour, K::Characters, K::OwnColour, K::Characters},
         std::string::npos},
        {"x[color FF0000]y[/color]z", false, {K::Characters}, std::string::npos},
        {"[color 12", true, {K::Characters}, 0},
        {"ab[color 1[/color]", true, {K::Characters, K::TagColour}, std::string::npos},
        {"[colour 00FF00]", true, {K::Characters}, std::string::npos},
        {"[/color][/color]", true, {K::OwnColour, K::OwnColour}, std::string::npos},
        {"", true, {}, std::string::npos},
    };
    for (const auto& c : cases) {
        const rl::SplitText split = rl::SplitTaggedText(c.text, c.tags);
        std::vector<K> kinds;
        for (const rl::TextRun& run : split.runs)
            kinds.push_back(run.kind);
        EXPECT_EQ(kinds, c.kinds) << '"' << c.text << '"';
        EXPECT_EQ(split.unclosedTag, c.unclosed) << '"' << c.text << '"';
    }

    // A tag that finds a later "]" takes everything up to it as its digits.
    const rl::SplitText odd = rl::SplitTaggedText("ab[color 1[/color]", true);
    ASSERT_EQ(odd.runs.size(), 2u);
    EXPECT_EQ(odd.runs[1].length, std::string("1[/color").size());
    EXPECT_FALSE(odd.runs[1].parsed);

    rl::Colour colour;
    ASSERT_TRUE(rl::ParseTagColour("FF8000", colour));
    EXPECT_FLOAT_EQ(colour.r, 1);
    EXPECT_FLOAT_EQ(colour.g, 128 / 255.0f);
    EXPECT_FLOAT_EQ(colour.b, 0);
    EXPECT_FLOAT_EQ(colour.a, 1);
    ASSERT_TRUE(rl::ParseTagColour("00000040", colour));
    EXPECT_FLOAT_EQ(colour.a, 64 / 255.0f);
}
