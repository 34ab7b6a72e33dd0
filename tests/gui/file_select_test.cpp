// The file selector, run for real on real folders and operated with the scripted mouse and keys.

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>
#include <gtest/gtest.h>

#include "gui/FileSelect.h"
#include "gui/FolderListing.h"
#include "gui/GuiFont.h"
#include "rl/Canvas.h"
#include "rl/Layer.h"
#include "tests/gui/GuiTestSupport.h"
#include "tests/support/TestSupport.h"

using namespace guitest;
using testsupport::ColourName;
using testsupport::Rgb;
using testsupport::TempFolder;
using testsupport::WriteFile;

namespace {

// The 500 x 400 dialog is centred at (150, 100).
constexpr int kListX = 155, kListY = 180;
constexpr int kOkX = 315, kCancelX = 485, kButtonsY = 475;
constexpr int kTypeY = 420;
constexpr int kNameX = 360, kNameY = 395;

int RowY(int row) { return kListY + row * 15 + 7; }

// "../", "sub/", then the files a.txt, b.png, c.PNG.
void MakeFolder(const TempFolder& folder)
{
    for (const char* name : {"a.txt", "b.png", "c.PNG"})
        WriteFile(folder.File(name), "x");
    std::filesystem::create_directory(folder.File("sub"));
}

struct Result {
    int answer;
    std::string path;
};

Result Select(InputScript& script, const char* filter, const std::string& start, int size = 512)
{
    std::vector<char> path(size + 1, '#');
    std::strncpy(path.data(), start.c_str(), size - 1);
    path[size - 1] = '\0';
    script.Start();
    const int answer = FileSelect(filter, "Load Skeleton", path.data(), size);
    EXPECT_FALSE(script.TimedOut());
    EXPECT_EQ(gui_mouse_b(), 0) << "returned with a button down: the dialog beneath would take it";
    EXPECT_EQ(path[size], '#') << "written past the buffer";
    return {answer, path.data()};
}

bool RowHasText(int row) { return HasInk(kListX + 2, kListY + row * 15 + 2, 200, 12, Rgb(255, 255, 255)); }

} // namespace

TEST(FileSelect, FilterListsOnlyItsTypeUntilAllFilesIsChosen)
{
    OpenGui();
    TempFolder folder;
    MakeFolder(folder);
    bool filteredRows[5] = {}, allRows[5] = {};
    InputScript script;
    script.Wait(300).Do([&] {
        SaveScreenshot("file_select_png");
        for (int row = 0; row < 5; ++row)
            filteredRows[row] = RowHasText(row);
    });
    // Files of type: open it and choose "*.*", its second entry.
    script.Click(kNameX, kTypeY + 5).Do([] { SaveScreenshot("file_select_types_open"); });
    script.Click(kNameX, kTypeY + 17 + 15 + 7).Wait(100).Do([&] {
        for (int row = 0; row < 5; ++row)
            allRows[row] = RowHasText(row);
    });
    // Row 2 is now a.txt: a double click confirms it.
    script.DoubleClick(kListX + 50, RowY(2));
    const Result result = Select(script, "PNG", folder.Path() + "/");
    EXPECT_EQ(result.answer, 1);
    EXPECT_EQ(result.path, folder.Path() + "/a.txt");
    // "../", "sub/", b.png and c.PNG: four rows; all five with "*.*".
    EXPECT_TRUE(filteredRows[3]);
    EXPECT_FALSE(filteredRows[4]);
    EXPECT_TRUE(allRows[4]);
}

TEST(FileSelect, TheTypeChoiceIsKeptForTheNextCall)
{
    OpenGui();
    TempFolder folder;
    MakeFolder(folder);
    {
        InputScript script;
        script.Wait(300).Click(kNameX, kTypeY + 5).Click(kNameX, kTypeY + 17 + 15 + 7).Wait(100);
        script.Click(kCancelX, kButtonsY + 8);
        EXPECT_EQ(Select(script, "PNG", folder.Path() + "/").answer, 0);
    }
    InputScript script;
    script.Wait(300).DoubleClick(kListX + 50, RowY(2));
    const Result result = Select(script, "PNG", folder.Path() + "/");
    EXPECT_EQ(result.answer, 1);
    EXPECT_EQ(result.path, folder.Path() + "/a.txt");
}

TEST(FileSelect, SeveralTypesAreListedInTurn)
{
    OpenGui();
    TempFolder folder;
    MakeFolder(folder);
    // "PNG;TXT": b.png, c.PNG, then a.txt. A single click puts the name in the field; Ok confirms.
    InputScript script;
    script.Wait(300).Click(kListX + 50, RowY(4)).Do([] { SaveScreenshot("file_select_name"); });
    script.Click(kOkX, kButtonsY + 8);
    const Result result = Select(script, "PNG;TXT", folder.Path() + "/");
    EXPECT_EQ(result.answer, 1);
    EXPECT_EQ(result.path, folder.Path() + "/a.txt");
}

TEST(FileSelect, GoingUpAndChoosingAFileThere)
{
    OpenGui();
    TempFolder folder;
    std::filesystem::create_directories(folder.File("one/two"));
    WriteFile(folder.File("one/f.png"), "x");
    WriteFile(folder.File("one/two/deep.png"), "x");
    // In one/two/: "../" first. Up in one/: "../", "two/", f.png.
    InputScript script;
    script.Wait(300).DoubleClick(kListX + 50, RowY(0)).Wait(200);
    script.DoubleClick(kListX + 50, RowY(2));
    const Result result = Select(script, "PNG", folder.File("one/two/"));
    EXPECT_EQ(result.answer, 1);
    EXPECT_EQ(result.path, folder.File("one/f.png"));
}

TEST(FileSelect, GoingIntoAFolderTakesADoubleClick)
{
    OpenGui();
    TempFolder folder;
    MakeFolder(folder);
    WriteFile(folder.File("sub/inner.png"), "x");
    InputScript script;
    // A single click on "sub/" only selects it; the name field stays empty.
    script.Wait(300).Click(kListX + 50, RowY(1)).DoubleClick(kListX + 50, RowY(1)).Wait(200);
    script.DoubleClick(kListX + 50, RowY(1));
    const Result result = Select(script, "PNG", folder.Path() + "/");
    EXPECT_EQ(result.answer, 1);
    EXPECT_EQ(result.path, folder.File("sub/inner.png"));
}

TEST(FileSelect, CancelAndEscapeAnswerZero)
{
    OpenGui();
    TempFolder folder;
    MakeFolder(folder);
    struct Case {
        const char* what;
        std::function<void(InputScript&)> end;
    } cases[] = {
        {"Cancel", [](InputScript& s) { s.Click(kCancelX, kButtonsY + 8); }},
        {"Escape", [](InputScript& s) { s.Key(KEY_ESC, 27).Wait(100); }},
        {"Escape in the name field", [](InputScript& s) { s.Click(kNameX, kNameY).Type("x").Key(KEY_ESC, 27).Wait(100); }},
    };
    for (const Case& c : cases) {
        InputScript script;
        script.Wait(300).Click(kListX + 50, RowY(3));
        c.end(script);
        EXPECT_EQ(Select(script, "PNG", folder.Path() + "/").answer, 0) << c.what;
    }
}

TEST(FileSelect, TypedNameIsReturnedAfterTheFolder)
{
    OpenGui();
    TempFolder folder;
    MakeFolder(folder);
    InputScript script;
    script.Wait(300).Click(kNameX, kNameY).Type("new skeleton").Click(kOkX, kButtonsY + 8);
    Result result = Select(script, "TXT", folder.Path() + "/");
    EXPECT_EQ(result.answer, 1);
    EXPECT_EQ(result.path, folder.Path() + "/new skeleton");
    // An empty name gives the folder itself.
    InputScript again;
    again.Wait(300).Click(kOkX, kButtonsY + 8);
    result = Select(again, "TXT", folder.Path() + "/");
    EXPECT_EQ(result.answer, 1);
    EXPECT_EQ(result.path, folder.Path() + "/");
}

TEST(FileSelect, APathTooLongForTheBufferIsRefusedWithAMessage)
{
    OpenGui();
    TempFolder folder;
    MakeFolder(folder);
    bool told = false;
    InputScript script;
    script.Wait(300).Click(kNameX, kNameY).Type("a-rather-long-name").Key(KEY_ENTER, 13).Wait(300);
    // The message box's red title bar over the selector.
    script.Do([&] { told = ColourName(Pixel(400, 237)) == "#B30E16"; }).Key(KEY_ENTER, 13).Wait(200);
    const Result result = Select(script, "TXT", folder.Path() + "/", 20);
    EXPECT_EQ(result.answer, 0);
    EXPECT_TRUE(told);
    EXPECT_EQ(result.path.size(), 19u) << "still never past the buffer";
}

TEST(FileSelect, EnterInTheNameFieldChoosesAndTypedPathsAreResolved)
{
    OpenGui();
    TempFolder folder;
    MakeFolder(folder);
    InputScript script;
    script.Wait(300).Click(kNameX, kNameY).Type("sub/../b.png").Key(KEY_ENTER, 13);
    const Result result = Select(script, "TXT", folder.Path() + "/");
    EXPECT_EQ(result.answer, 1);
    EXPECT_EQ(result.path, folder.Path() + "/b.png");

    struct Case {
        std::string folder, name, chosen;
    };
    const std::vector<Case> cases = {
        {"/a/b/", "arm.txt", "/a/b/arm.txt"},
        {"/a/b/", "/home/me/arm.txt", "/home/me/arm.txt"},
        {"/a/b/", "/home/me/../you/./arm.txt", "/home/you/arm.txt"},
        {"/a/b/", "c/arm.txt", "/a/b/c/arm.txt"},
        {"/a/b/", "../arm.txt", "/a/arm.txt"},
        {"/a/b/", "", "/a/b/"},
        {"/a/b/", "/", "/"},
        {"/a/b/", "x..y.txt", "/a/b/x..y.txt"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ChosenPath(c.folder, c.name), c.chosen) << c.name;
}

TEST(FileSelect, RelativeStartFoldersAreTakenFromTheProgramsFolder)
{
    OpenGui();
    InputScript script;
    script.Wait(300).Click(kOkX, kButtonsY + 8);
    const Result result = Select(script, "PNG", "../");
    EXPECT_EQ(result.path, NormalisePath(rl::ExecutablePath() + "../"));
    EXPECT_EQ(result.path.find(".."), std::string::npos);
}

TEST(FileSelect, LookInJumpsToARoot)
{
    OpenGui();
    TempFolder folder;
    MakeFolder(folder);
    // Roots: "/", then the home folder, here the test's folder.
    setenv("HOME", folder.Path().c_str(), 1);
    struct Case {
        int row;
        std::string path;
    } cases[] = {{0, "/"}, {1, folder.Path() + "/"}};
    for (const Case& c : cases) {
        InputScript script;
        script.Wait(300).Click(300, 160).Do([] { SaveScreenshot("file_select_roots"); });
        script.Click(300, 155 + 17 + c.row * 15 + 7).Click(kOkX, kButtonsY + 8);
        // Started deep inside the home folder, which "Look in:" shows.
        const Result result = Select(script, "PNG", folder.File("sub/"));
        EXPECT_EQ(result.answer, 1);
        EXPECT_EQ(result.path, c.path) << "row " << c.row;
    }
}

TEST(FileSelect, BringsItsOwnFontWhenTheGuiIsNotUp)
{
    testsupport::OpenScreen();
    TempFolder folder;
    MakeFolder(folder);
    ASSERT_FALSE(GuiReady());
    bool ready = false, text = false;
    InputScript script;
    script.Wait(300).Do([&] {
        ready = GuiReady() && GuiFont != nullptr;
        text = RowHasText(0);
    });
    script.Click(kCancelX, kButtonsY + 8);
    EXPECT_EQ(Select(script, "PNG", folder.Path() + "/").answer, 0);
    EXPECT_TRUE(ready);
    EXPECT_TRUE(text);
    EXPECT_FALSE(GuiReady());
    EXPECT_EQ(GuiFont, nullptr);
}

TEST(FileSelect, ShowsItsFrameTitleAndLabels)
{
    OpenGui();
    rl::Canvas::Fill(0, 0.25f, 0, 1);
    rl::Canvas::Refresh();
    TempFolder folder;
    MakeFolder(folder);
    uint32_t outside = 0, frame = 0, list = 0, title = 0;
    bool titleText = false, labels = false;
    InputScript script;
    script.Wait(300).Do([&] {
        outside = Pixel(145, 300);
        frame = Pixel(160, 340);
        list = Pixel(600, 250);
        title = Pixel(600, 110);
        titleText = HasInk(350, 102, 100, 20, Rgb(255, 255, 255));
        labels = HasInk(155, 390, 90, 20, Rgb(255, 255, 255)) && HasInk(155, 155, 90, 20, Rgb(255, 255, 255));
    });
    script.Key(KEY_ESC, 27).Wait(100);
    Select(script, "PNG", folder.Path() + "/");
    EXPECT_EQ(ColourName(outside), "#004000");
    EXPECT_EQ(ColourName(frame), "#FFFFFF");
    EXPECT_EQ(ColourName(list), "#FFFFFF");
    EXPECT_EQ(ColourName(title), "#FFFFFF");
    EXPECT_TRUE(titleText);
    EXPECT_TRUE(labels);
}
