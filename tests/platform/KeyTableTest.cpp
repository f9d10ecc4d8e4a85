#include "platform/KeyTable.h"

#include <gtest/gtest.h>

TEST(KeyTable, GameCodesMapToTheirKeysAndRoundTripThroughSdl)
{
    // The arrows, Space, Left Control, Escape, A, W and Z are held by their codes in the window and
    // gamepad tests.
    const std::pair<int, int> keys[] = {{5, VKey::LShift},
                                        {8, VKey::RControl},
                                        {10, VKey::F1},
                                        {21, VKey::F1 + 11},
                                        {28, 'D'},
                                        {43, 'S'},
                                        {51, '0'},
                                        {61, VKey::Numpad0},
                                        {77, VKey::Menu},
                                        {82, VKey::Semicolon},
                                        {88, VKey::Grave},
                                        {92, VKey::Quote},
                                        {97, VKey::Snapshot},
                                        {99, VKey::Next},
                                        {100, 0},
                                        {-1, 0}};
    for (const auto& [code, key] : keys)
        EXPECT_EQ(virtualKeyOfGameKey(code), key) << code;

    for (int code = 0; code < 100; ++code) {
        const int vk = virtualKeyOfGameKey(code);
        EXPECT_EQ(gameKeyOfVirtualKey(vk), code) << code;
        EXPECT_EQ(virtualKeyOfSdlKey(sdlKeyOfVirtualKey(vk)), vk) << code;
    }
    EXPECT_EQ(gameKeyOfVirtualKey(0), 100);
    EXPECT_EQ(gameKeyOfVirtualKey(0xFF), 100);
}
