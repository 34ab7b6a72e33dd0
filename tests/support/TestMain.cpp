#include <allegro.h>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    // Death tests start a fresh copy of the program: a forked child would share the parent's
    // X and OpenGL connection.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    return RUN_ALL_TESTS();
}
END_OF_MAIN()
