#include "content/ResourceArchive.h"
#include "content/Scramble.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::uint8_t> bytesOf(const std::string& s)
{
    return {s.begin(), s.end()};
}

TEST(Scramble, RoundTripsAndChangesTheData)
{
    const std::vector<std::uint8_t> plain = bytesOf("<profiles><profile name=\"Ann\"/></profiles>");
    for (const std::string& key : {std::string(NLib::ResourceArchive::kGamePassword), std::string("abc"),
                                   std::string("\xff\x80zqr"), std::string("long key with spaces")}) {
        std::vector<std::uint8_t> data = plain;
        NLib::scrambleBuffer(data.data(), data.size(), key);
        EXPECT_NE(data, plain) << key;
        NLib::scrambleBuffer(data.data(), data.size(), key);
        EXPECT_EQ(data, plain) << key;
    }
}

TEST(Scramble, KeyStreamFollowsTheKeyedIndexRule)
{
    // Worked by hand for the key "abc": S = 97 + 98 + 99 = 294. Pass one (offset 0) picks
    // K[(K[j] + 294) mod 3] = K[(391, 392, 393) mod 3] = K[1], K[2], K[0] = "bca"; pass two
    // (offset K[1] = 98) picks K[(489, 490, 491) mod 3] = K[0], K[1], K[2] = "abc".
    std::vector<std::uint8_t> data(6, 0);
    NLib::scrambleBuffer(data.data(), data.size(), "abc");
    const std::uint8_t expected[3] = {'b' ^ 'a', 'c' ^ 'b', 'a' ^ 'c'};
    for (std::size_t i = 0; i < data.size(); ++i)
        EXPECT_EQ(data[i], expected[i % 3]) << i;
}

TEST(Scramble, SignedKeyBytesWrapInUnsignedArithmetic)
{
    // A key byte of 0xFF counts as -1: S = -1 + 'a' = 96. Pass one: indices (-1 + 96) mod 2 = 1
    // and (97 + 96) mod 2 = 1 -> "aa"; pass two adds K[1] = 97: (192, 290) mod 2 = 0, 0 ->
    // "\xff\xff".
    std::vector<std::uint8_t> data(2, 0);
    NLib::scrambleBuffer(data.data(), data.size(),
                         "\xff"
                         "a");
    EXPECT_EQ(data[0], 'a' ^ 0xff);
    EXPECT_EQ(data[1], 'a' ^ 0xff);
}

TEST(Scramble, SomeKeysCancelOutAndLeaveDataAlone)
{
    const std::vector<std::uint8_t> plain = bytesOf("unchanged");
    std::vector<std::uint8_t> data = plain;
    NLib::scrambleBuffer(data.data(), data.size(), "");
    EXPECT_EQ(data, plain);
    NLib::scrambleBuffer(data.data(), data.size(), "k");
    EXPECT_EQ(data, plain);
    // With "ab" both passes pick the same key stream, so they cancel out.
    NLib::scrambleBuffer(data.data(), data.size(), "ab");
    EXPECT_EQ(data, plain);
    NLib::scrambleBuffer(nullptr, 10, "key"); // nothing to do, nothing touched
}

} // namespace
