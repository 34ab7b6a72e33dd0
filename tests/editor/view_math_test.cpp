// The skeleton view's arithmetic and the editor's small rules, without a screen: grid lines,
// reference picture placement, zoom snapping and its floor, dragging, the toolbar's and tabs'
// hit areas, and the file names Save writes.

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "editor/skeleton/FileCommands.h"
#include "editor/skeleton/PanelTabsProc.h"
#include "editor/skeleton/ToolbarProc.h"
#include "editor/skeleton/ViewMath.h"

namespace {

std::vector<float> Positions(const std::vector<GridLine>& lines)
{
    std::vector<float> out;
    for (const GridLine& line : lines)
        out.push_back(line.position);
    return out;
}

std::vector<bool> Majors(const std::vector<GridLine>& lines)
{
    std::vector<bool> out;
    for (const GridLine& line : lines)
        out.push_back(line.major);
    return out;
}

TEST(GridLines, FallEvery16PixelsThroughTheOriginWithEveryFourthBright)
{
    // A 100 x 40 canvas, origin (40.7, 20.2) taken as (40, 20).
    const GridLines grid = ComputeGridLines(40.7f, 20.2f, 1.0f, 100, 40);
    EXPECT_EQ(Positions(grid.vertical), (std::vector<float> {8, 24, 40, 56, 72, 88}));
    EXPECT_EQ(Majors(grid.vertical), (std::vector<bool> {false, false, true, false, false, false}));
    EXPECT_EQ(Positions(grid.horizontal), (std::vector<float> {4, 20, 36}));
    EXPECT_EQ(Majors(grid.horizontal), (std::vector<bool> {false, true, false}));
}

TEST(GridLines, SpacingFollowsTheZoomAndBrightLinesCountFromTheOrigin)
{
    struct Case {
        float originX, zoom;
        int width;
        std::vector<float> positions;
        std::vector<bool> majors;
    };
    const std::vector<Case> cases = {
        {0, 2.0f, 100, {0, 32, 64, 96}, {true, false, false, false}},
        {0, 0.25f, 17, {0, 4, 8, 12, 16}, {true, false, false, false, true}},
        // Lines left of the origin count negatively: -4 lines away is bright too.
        {100, 1.0f, 101, {4, 20, 36, 52, 68, 84, 100}, {false, false, true, false, false, false, true}},
        // The origin off the canvas on the left: lines start at the first visible one.
        {-50, 1.0f, 40, {14, 30}, {true, false}},
        // A line on the far edge (position == width) is off the canvas.
        {0, 1.0f, 32, {0, 16}, {true, false}},
    };
    for (const Case& c : cases) {
        const GridLines grid = ComputeGridLines(c.originX, 0, c.zoom, c.width, 1);
        EXPECT_EQ(Positions(grid.vertical), c.positions) << "origin " << c.originX << " zoom " << c.zoom;
        EXPECT_EQ(Majors(grid.vertical), c.majors) << "origin " << c.originX << " zoom " << c.zoom;
    }
}

TEST(GridLines, FractionalSpacingKeepsItsPositions)
{
    // Zoom 0.99 (the slider's snap): 15.84 pixels apart.
    const GridLines grid = ComputeGridLines(300, 300, 0.99f, 400, 1);
    ASSERT_GE(grid.vertical.size(), 20u);
    for (const GridLine& line : grid.vertical) {
        const double k = (line.position - 300) / (16 * 0.99f);
        EXPECT_NEAR(k, std::round(k), 1e-4) << line.position;
        EXPECT_EQ(line.major, static_cast<long>(std::round(k)) % 4 == 0) << line.position;
    }
}

TEST(GridLines, AViewPannedFarAwayStillCoversTheCanvasCheaply)
{
    // Each direction is covered on its own, whatever the other's origin.
    for (float far : {-1.0e6f, 1.0e6f, 3.0e9f, -3.0e9f}) {
        const auto start = std::chrono::steady_clock::now();
        const GridLines grid = ComputeGridLines(far, 300, 0.2f, 800, 600);
        const auto took = std::chrono::steady_clock::now() - start;
        EXPECT_LT(took, std::chrono::milliseconds(50)) << far;
        // 800 / 3.2 = 250 lines across, one apart from the next by the spacing.
        EXPECT_NEAR(static_cast<double>(grid.vertical.size()), 250, 1) << far;
        EXPECT_NEAR(static_cast<double>(grid.horizontal.size()), 187.5, 1) << far;
        for (size_t i = 1; i < grid.vertical.size(); ++i)
            EXPECT_NEAR(grid.vertical[i].position - grid.vertical[i - 1].position, 3.2, 0.01);
        for (const GridLine& line : grid.vertical) {
            EXPECT_GE(line.position, 0);
            EXPECT_LT(line.position, 800);
        }
    }
}

TEST(GridLines, NoLinesForNoCanvasOrABrokenZoom)
{
    EXPECT_TRUE(ComputeGridLines(0, 0, 1, 0, 0).vertical.empty());
    EXPECT_TRUE(ComputeGridLines(0, 0, 0, 100, 100).vertical.empty());
    EXPECT_TRUE(ComputeGridLines(0, 0, std::nanf(""), 100, 100).horizontal.empty());
    EXPECT_FALSE(ComputeGridLines(std::nanf(""), 0, 1, 100, 100).vertical.empty());
}

TEST(ReferencePicture, IsCentredOnTheOriginAtTheZoom)
{
    struct Case {
        float x, y, zoom;
        int w, h;
        PicturePlacement want;
    };
    const std::vector<Case> cases = {
        {300, 300, 1, 800, 600, {-100, 0, 800, 600}},
        {300, 300, 0.5f, 800, 600, {100, 150, 400, 300}},
        {10.5f, 20.25f, 2, 11, 7, {-0.5f, 13.25f, 22, 14}},
        {0, 0, 3, 100, 50, {-150, -75, 300, 150}},
    };
    for (const Case& c : cases) {
        const PicturePlacement at = PlaceReferencePicture(c.x, c.y, c.zoom, c.w, c.h);
        EXPECT_FLOAT_EQ(at.left, c.want.left);
        EXPECT_FLOAT_EQ(at.top, c.want.top);
        EXPECT_FLOAT_EQ(at.width, c.want.width);
        EXPECT_FLOAT_EQ(at.height, c.want.height);
    }
}

TEST(ZoomSlider, SnapsWithinFourStepsOf33AndNeverZoomsBelowOneFifth)
{
    struct Case {
        int value, snapped;
        float zoom;
    };
    const std::vector<Case> cases = {
        {0, 0, 0.2f},    {5, 5, 0.2f},   {6, 6, 0.2f},   {7, 7, 0.21f},  {28, 28, 0.84f},
        {29, 33, 0.99f}, {33, 33, 0.99f}, {37, 33, 0.99f}, {38, 38, 1.14f}, {100, 100, 3.0f},
    };
    for (const Case& c : cases) {
        const int snapped = SnapZoomSliderValue(c.value);
        EXPECT_EQ(snapped, c.snapped) << c.value;
        EXPECT_NEAR(ZoomForSliderValue(snapped), c.zoom, 1e-5) << c.value;
    }
    // The dialog's starting value is where zoom 1 would be.
    EXPECT_EQ(kZoomSnapValue, static_cast<int>(1.0 * 100 / 3));
}

TEST(ZoomWheel, StepsTheSliderWithinItsRangeAndKeepsThePointUnderTheMouse)
{
    struct Case {
        int value, notches, stepped;
    };
    const std::vector<Case> cases = {
        {33, 1, 38},  {33, -1, 28}, {28, 1, 33},  {30, 1, 33},   {38, -1, 33}, {95, 3, 100},
        {100, 1, 100}, {10, -1, 7}, {7, -5, 7},   {0, 0, 7},     {50, -2, 40}, {33, 1000000000, 100},
    };
    for (const Case& c : cases)
        EXPECT_EQ(WheelZoomSliderValue(c.value, c.notches), c.stepped) << c.value << " " << c.notches;

    struct Zoomed {
        float originX, originY, zoom, newZoom, mouseX, mouseY, x, y;
    };
    const std::vector<Zoomed> zooms = {
        {300, 300, 1, 2, 300, 300, 300, 300},      // on the origin: it stays
        {300, 300, 1, 2, 320, 300, 280, 300},      // 20 right of it: the origin moves 20 left
        {300, 300, 2, 1, 400, 200, 350, 250},      // zooming out pulls it halfway in
        {0, 0, 0.99f, 1.29f, 320, 300, -96.97f, -90.91f},
        {10, 20, 0, 1, 5, 5, 10, 20},              // no zoom to start from: the origin stays
    };
    for (const Zoomed& z : zooms) {
        const ViewOffset at = ZoomedOrigin(z.originX, z.originY, z.zoom, z.newZoom, z.mouseX, z.mouseY);
        EXPECT_NEAR(at.x, z.x, 0.01) << z.mouseX;
        EXPECT_NEAR(at.y, z.y, 0.01) << z.mouseY;
        // The skeleton point under the mouse is the same before and after.
        if (z.zoom > 0) {
            EXPECT_NEAR((z.mouseX - z.originX) / z.zoom, (z.mouseX - at.x) / z.newZoom, 0.01);
            EXPECT_NEAR((z.mouseY - z.originY) / z.zoom, (z.mouseY - at.y) / z.newZoom, 0.01);
        }
    }
}

TEST(ViewDrag, MovesTheTruncatedOriginByTheMouseWay)
{
    const ViewOffset moved = DraggedOrigin(300.75f, 299.5f, 100, 100, 130, 90);
    EXPECT_FLOAT_EQ(moved.x, 330);
    EXPECT_FLOAT_EQ(moved.y, 289);
    const ViewOffset still = DraggedOrigin(-20.5f, 40, 5, 5, 5, 5);
    EXPECT_FLOAT_EQ(still.x, -20);
    EXPECT_FLOAT_EQ(still.y, 40);
}

TEST(Toolbar, ButtonsAreTheStripsColumnsButTheLast)
{
    EXPECT_EQ(ToolbarButtonCount(546), 12);
    EXPECT_EQ(ToolbarButtonCount(84), 1);
    EXPECT_EQ(ToolbarButtonCount(42), 0);
    EXPECT_EQ(ToolbarButtonCount(0), 0);
    struct Case {
        int x, button;
    };
    for (const Case c : {Case {0, 0}, Case {41, 0}, Case {42, 1}, Case {461, 10}, Case {503, 11},
                         Case {504, -1}, Case {700, -1}, Case {-1, -1}})
        EXPECT_EQ(ToolbarButtonAt(c.x, 546), c.button) << c.x;
    EXPECT_EQ(ToolbarStateRow(1), 0);
    EXPECT_EQ(ToolbarStateRow(2), 42);
    EXPECT_EQ(ToolbarStateRow(4), 84);
}

TEST(PanelTabs, TwoTabsOf60PixelsAndNothingBeyond)
{
    struct Case {
        int x, tab;
    };
    for (const Case c : {Case {0, 0}, Case {59, 0}, Case {60, 1}, Case {119, 1}, Case {120, -1}, Case {189, -1},
                         Case {-5, -1}})
        EXPECT_EQ(TabAt(c.x), c.tab) << c.x;
}

TEST(SaveName, TxtIsAppendedOnlyWhenItOccursNowhereInTheName)
{
    struct Case {
        const char* name;
        const char* saved;
    };
    const std::vector<Case> cases = {
        {"../Game Data/Skeletons/walk", "../Game Data/Skeletons/walk.txt"},
        {"../Game Data/Skeletons/walk.txt", "../Game Data/Skeletons/walk.txt"},
        {"../Game Data/Skeletons/walk.txt.bak", "../Game Data/Skeletons/walk.txt.bak"},
        {"../x.txtfiles/walk", "../x.txtfiles/walk"},
        // Case matters: ".TXT" is not ".txt".
        {"../Game Data/Skeletons/Soldier.TXT", "../Game Data/Skeletons/Soldier.TXT.txt"},
    };
    for (const Case& c : cases) {
        char path[500] = {};
        std::strcpy(path, c.name);
        AppendTxtExtension(path, sizeof path);
        EXPECT_STREQ(path, c.saved);
    }
}

TEST(SaveName, AnAppendNeverPassesTheBuffer)
{
    // Room for the name and three more characters: the suffix is cut, the buffer stays ended.
    char path[12] = {'a', 'b', 'c', 'd', 'e', 'f', 'g', 'h', 0, 'X', 'X', 'X'};
    AppendTxtExtension(path, sizeof path);
    EXPECT_STREQ(path, "abcdefgh.tx");
    char full[8] = {'a', 'b', 'c', 'd', 'e', 'f', 'g', 0};
    AppendTxtExtension(full, sizeof full);
    EXPECT_STREQ(full, "abcdefg");
}

TEST(Title, NamesTheFileAfterItsLastFolder)
{
    EXPECT_STREQ(FileNamePart("../Game Data/Skeletons/walk.txt"), "walk.txt");
    EXPECT_STREQ(FileNamePart("walk.txt"), "walk.txt");
    EXPECT_STREQ(FileNamePart("../Game Data/"), "");
    EXPECT_EQ(std::string(EditorTitlePrefix()) + FileNamePart("/a/b c.txt"), "MARL Skeleton Editor - b c.txt");
}

} // namespace
