// What the file selector lists, and its path arithmetic, on real folders.

#include <filesystem>
#include <gtest/gtest.h>

#include "gui/FolderListing.h"
#include "rl/Layer.h"
#include "tests/support/TestSupport.h"

using testsupport::TempFolder;
using testsupport::WriteFile;

namespace {

using Names = std::vector<std::string>;

void MakeFolder(const TempFolder& folder)
{
    for (const char* name : {"a.png", "B.PNG", "c.txt", "d.Png", "e.bmp", "notpng", "x.png.txt", ".hidden.png"})
        WriteFile(folder.File(name), "x");
    for (const char* name : {"sub", "Other", ".git"})
        std::filesystem::create_directory(folder.File(name));
}

} // namespace

TEST(FolderListing, ListsFoldersAndTheFilesOfTheType)
{
    testsupport::OpenScreen();
    TempFolder folder;
    MakeFolder(folder);
    const std::string path = folder.Path() + "/";
    struct Case {
        const char* type;
        Names files;
    } cases[] = {
        {"*.*", {"a.png", "B.PNG", "c.txt", "d.Png", "e.bmp", "notpng", "x.png.txt"}},
        // Extensions match in any case.
        {"PNG", {"a.png", "B.PNG", "d.Png"}},
        {"png", {"a.png", "B.PNG", "d.Png"}},
        {"TXT", {"c.txt", "x.png.txt"}},
        // Several parts are listed one after another, in the order given.
        {"TXT;PNG", {"c.txt", "x.png.txt", "a.png", "B.PNG", "d.Png"}},
        {"BMP;PNG;", {"e.bmp", "a.png", "B.PNG", "d.Png"}},
        {"P?G", {"a.png", "B.PNG", "d.Png"}},
        {"LEV", {}},
    };
    for (const Case& c : cases) {
        const FolderListing listing = ReadFolder(path, c.type);
        EXPECT_EQ(listing.files, c.files) << c.type;
        // The folder itself (".") is never listed, hidden folders neither; ".." comes first.
        EXPECT_EQ(listing.folders, Names({"../", "Other/", "sub/"})) << c.type;
    }
    // A path naming a file lists its folder.
    EXPECT_EQ(ReadFolder(path + "a.png", "PNG").files, Names({"a.png", "B.PNG", "d.Png"}));
}

TEST(FolderListing, UnreadableOrEmptyFoldersListNothingToGoInto)
{
    testsupport::OpenScreen();
    TempFolder folder;
    std::filesystem::create_directory(folder.File("empty"));
    const FolderListing empty = ReadFolder(folder.File("empty") + "/", "*.*");
    EXPECT_EQ(empty.folders, Names({"../"}));
    EXPECT_TRUE(empty.files.empty());
    const FolderListing missing = ReadFolder(folder.File("missing") + "/", "*.*");
    EXPECT_TRUE(missing.folders.empty());
    EXPECT_TRUE(missing.files.empty());
    EXPECT_TRUE(ReadFolder("no separator", "*.*").folders.empty());
}

TEST(FolderListing, MatchesExtensionsIgnoringCase)
{
    struct Case {
        const char* name;
        const char* extension;
        bool matches;
    } cases[] = {
        {"a.png", "PNG", true},   {"A.PNG", "png", true},  {"a.png.bak", "PNG", false},
        {"png", "PNG", false},    {".png", "PNG", true},   {"a.p", "P*", true},
        {"skin-a-00.png", "PNG", true}, {"level.LEV", "LEV", true}, {"a.pngx", "PNG", false},
        {"a.b.c", "C", true},     {"a.txt", "", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MatchesExtension(c.name, c.extension), c.matches) << c.name << " " << c.extension;
}

TEST(FolderListing, PathArithmetic)
{
    struct Case {
        const char* path;
        const char* folder;
        const char* parent;
    } cases[] = {
        {"/a/b/c/", "/a/b/c/", "/a/b/"},
        {"/a/b/file.txt", "/a/b/", "/a/"},
        {"/a/", "/a/", "/"},
        {"/", "/", "/"},
        {"name", "", "/"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FolderPart(c.path), c.folder) << c.path;
        EXPECT_EQ(ParentFolder(c.path), c.parent) << c.path;
    }
    struct Normal {
        const char* path;
        const char* normal;
    } normals[] = {
        {"/work/bin/../Game Data/Skeletons/", "/work/Game Data/Skeletons/"},
        {"/work/bin/../", "/work/"},
        {"/work/bin/..", "/work/"},
        {"/work/./bin//x.txt", "/work/bin/x.txt"},
        {"/work/bin/.", "/work/bin/"},
        {"/../..", "/"},
        {"/", "/"},
    };
    for (const Normal& n : normals)
        EXPECT_EQ(NormalisePath(n.path), n.normal) << n.path;
}

TEST(FolderListing, RootsAndTypes)
{
    testsupport::OpenScreen();
    const Names roots = FileSystemRoots();
    ASSERT_FALSE(roots.empty());
    EXPECT_EQ(roots[0], "/");
    for (const std::string& root : roots) {
        EXPECT_EQ(root.back(), '/');
        EXPECT_TRUE(IsFolder(root)) << root;
    }
    const Names some {"/", "/home/user/", "/home/user/Game Data/"};
    EXPECT_EQ(RootOf("/etc/", some), 0);
    EXPECT_EQ(RootOf("/home/user/x/", some), 1);
    EXPECT_EQ(RootOf("/home/user/Game Data/Skeletons/", some), 2);
    EXPECT_EQ(RootOf("relative/", some), -1);

    EXPECT_EQ(TypeList("PNG"), Names({"PNG", "*.*"}));
    EXPECT_EQ(TypeList("TXT;PNG"), Names({"TXT;PNG", "*.*"}));
    EXPECT_EQ(TypeList(""), Names({"*.*"}));
    EXPECT_EQ(TypeList("*"), Names({"*.*"}));
}
