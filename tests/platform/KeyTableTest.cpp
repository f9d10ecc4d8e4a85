#include "platform/KeyTable.h"

#include <gtest/gtest.h>

TEST(KeyTable, GameCodesMapToTheirKeys)
{
    EXPECT_EQ(virtualKeyOfGameKey(0), VKey::Left);
    EXPECT_EQ(virtualKeyOfGameKey(3), VKey::Right);
    EXPECT_EQ(virtualKeyOfGameKey(4), VKey::Space);
    EXPECT_EQ(virtualKeyOfGameKey(5), VKey::LShift);
    EXPECT_EQ(virtualKeyOfGameKey(8), VKey::RControl);
    EXPECT_EQ(virtualKeyOfGameKey(9), VKey::LControl);
    EXPECT_EQ(virtualKeyOfGameKey(10), VKey::F1);
    EXPECT_EQ(virtualKeyOfGameKey(21), VKey::F1 + 11);
    EXPECT_EQ(virtualKeyOfGameKey(24), VKey::Escape);
    EXPECT_EQ(virtualKeyOfGameKey(25), 'A');
    EXPECT_EQ(virtualKeyOfGameKey(28), 'D');
    EXPECT_EQ(virtualKeyOfGameKey(43), 'S');
    EXPECT_EQ(virtualKeyOfGameKey(47), 'W');
    EXPECT_EQ(virtualKeyOfGameKey(51), '0');
    EXPECT_EQ(virtualKeyOfGameKey(61), VKey::Numpad0);
    EXPECT_EQ(virtualKeyOfGameKey(77), VKey::Menu);
    EXPECT_EQ(virtualKeyOfGameKey(82), VKey::Semicolon);
    EXPECT_EQ(virtualKeyOfGameKey(88), VKey::Grave);
    EXPECT_EQ(virtualKeyOfGameKey(92), VKey::Quote);
    EXPECT_EQ(virtualKeyOfGameKey(97), VKey::Snapshot);
    EXPECT_EQ(virtualKeyOfGameKey(99), VKey::Next);
    EXPECT_EQ(virtualKeyOfGameKey(100), 0);
    EXPECT_EQ(virtualKeyOfGameKey(-1), 0);
}

TEST(KeyTable, EveryTableKeyRoundTripsThroughSdl)
{
    for (int code = 0; code < 100; ++code) {
        const int vk = virtualKeyOfGameKey(code);
        EXPECT_EQ(gameKeyOfVirtualKey(vk), code) << code;
        EXPECT_EQ(virtualKeyOfSdlKey(sdlKeyOfVirtualKey(vk)), vk) << code;
    }
    EXPECT_EQ(gameKeyOfVirtualKey(0), 100);
    EXPECT_EQ(gameKeyOfVirtualKey(0xFF), 100);
}
