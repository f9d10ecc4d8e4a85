// The main of every test binary: headless SDL drivers and the build folder's location, unless the
// caller already chose others, so a test binary behaves the same under ctest and run by hand.
#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv)
{
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    setenv("SKYVANE_BUILD_DIR", SKYVANE_TEST_BUILD_DIR, 0);
    setenv("SKYVANE_SOURCE_DIR", SKYVANE_TEST_SOURCE_DIR, 0);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
