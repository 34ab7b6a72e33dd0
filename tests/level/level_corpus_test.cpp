// Replays the level reader's fuzz corpus in the ordinary build, and reads the shipped level.
#include <algorithm>
#include <allegro.h>
#include <filesystem>

#include "core/Packfiles.h"
#include "level/Level.h"
#include "tests/level/LevelFuzzTarget.h"
#include "tests/support/TestSupport.h"

namespace {

TEST(LevelCorpus, EveryInputReadsIntoASoundLevel)
{
    testsupport::TempFolder folder;   // no tileset here: every tile number is outside it
    const std::filesystem::path corpus = MARL_LEVEL_CORPUS;
    std::vector<std::filesystem::path> inputs;
    for (const auto& entry : std::filesystem::directory_iterator(corpus))
        if (entry.is_regular_file())
            inputs.push_back(entry.path());
    std::sort(inputs.begin(), inputs.end());
    ASSERT_GE(inputs.size(), 10u) << "the corpus is missing from " << corpus;
    for (const auto& input : inputs) {
        const std::string bytes = testsupport::ReadFile(input.string());
        EXPECT_EQ(FuzzLevelFile(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()), "") << input.filename();
    }

    // The shipped level reads whole and writes back the same bytes.
    const std::string shipped = testsupport::ReadFile(testsupport::SourceDir() + "/Game Data/Levels/Jungle.LEV");
    PACKFILE* in = packfiles::OpenMemoryReader(shipped);
    Level jungle(in);
    pack_fclose(in);
    EXPECT_EQ(jungle.Width(), 110);
    EXPECT_EQ(jungle.Height(), 21);
    std::string written;
    PACKFILE* out = packfiles::OpenMemoryWriter(&written);
    EXPECT_EQ(jungle.Save(out), 0);
    pack_fclose(out);
    EXPECT_TRUE(written == shipped);
}

} // namespace
