#include <allegro.h>
#include <cstdlib>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    // Alerts are recorded, never shown; sound plays on the silent driver. A test (or whoever runs
    // the tests) may choose otherwise through the environment.
    setenv("MARL_ALERTS", "record", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    ::testing::InitGoogleTest(&argc, argv);
    // Death tests start a fresh copy of the program: a forked child would share the parent's
    // X and OpenGL connection.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    return RUN_ALL_TESTS();
}
END_OF_MAIN()
