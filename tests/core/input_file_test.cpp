#include "core/InputFile.h"

#include <sys/stat.h>
#include <unistd.h>

#include "tests/support/TestSupport.h"

namespace {

using inputfile::Refusal;

TEST(InputFile, ReadsOnlyRegularFilesWithinTheLimit)
{
    testsupport::TempFolder folder;
    testsupport::WriteFile("small.txt", "0123456789");
    testsupport::WriteFile("empty.txt", "");
    ASSERT_EQ(mkfifo("pipe", 0600), 0);
    ASSERT_EQ(mkdir("folder", 0700), 0);
    ASSERT_EQ(symlink("small.txt", "link.txt"), 0);
    ASSERT_EQ(symlink("pipe", "link-to-pipe"), 0);

    const struct {
        const char* name;
        uint64_t limit;
        Refusal refusal;
        const char* contents;
        const char* message;
    } cases[] = {
        {"small.txt", 10, Refusal::None, "0123456789", ""},
        {"small.txt", 9, Refusal::TooLarge, "", "File too large (over 1 MB): small.txt"},
        {"small.txt", 64 * inputfile::kMegabyte, Refusal::None, "0123456789", ""},
        {"empty.txt", 0, Refusal::None, "", ""},
        {"link.txt", 10, Refusal::None, "0123456789", ""},
        {"pipe", 10, Refusal::NotRegular, "", "Not a regular file: pipe"},
        {"link-to-pipe", 10, Refusal::NotRegular, "", "Not a regular file: link-to-pipe"},
        {"/dev/zero", inputfile::kMaxSkeletonFileBytes, Refusal::NotRegular, "", "Not a regular file: /dev/zero"},
        {"/dev/null", 10, Refusal::NotRegular, "", "Not a regular file: /dev/null"},
        {"folder", 10, Refusal::NotRegular, "", "Not a regular file: folder"},
        {"missing.txt", 10, Refusal::Missing, "", "File not found: missing.txt"},
        {"", 10, Refusal::Missing, "", "File not found: "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::string contents = "left over", message = "left over";
        EXPECT_EQ(inputfile::Read(c.name, c.limit, contents, &message), c.refusal);
        EXPECT_EQ(contents, c.contents);
        if (c.refusal != Refusal::None) {
            EXPECT_EQ(message, c.message);
        }
        std::string checked;
        EXPECT_EQ(inputfile::Check(c.name, c.limit, &checked), c.refusal);
        if (c.refusal != Refusal::None) {
            EXPECT_EQ(checked, c.message);
        }
    }
    EXPECT_EQ(inputfile::Check(std::string("small.txt\0.png", 14), 100), Refusal::Missing);
    EXPECT_EQ(inputfile::RefusalMessage(Refusal::TooLarge, "big.txt", inputfile::kMaxSkeletonFileBytes),
              "File too large (over 64 MB): big.txt");
}

TEST(InputFile, AFileOverTheLimitIsNotReadIntoMemory)
{
    testsupport::TempFolder folder;
    // A sparse file of 65 MB: refused on its size alone.
    {
        std::FILE* file = std::fopen("huge.txt", "wb");
        ASSERT_NE(file, nullptr);
        ASSERT_EQ(ftruncate(fileno(file), static_cast<off_t>(65 * inputfile::kMegabyte)), 0);
        std::fclose(file);
    }
    std::string contents, message;
    EXPECT_EQ(inputfile::Read("huge.txt", inputfile::kMaxSkeletonFileBytes, contents, &message), Refusal::TooLarge);
    EXPECT_EQ(message, "File too large (over 64 MB): huge.txt");
    EXPECT_EQ(contents.capacity() < inputfile::kMegabyte, true);
}

} // namespace
