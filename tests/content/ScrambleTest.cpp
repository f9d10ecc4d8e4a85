#include "content/ResourceArchive.h"
#include "content/Scramble.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::uint8_t> scrambled(std::vector<std::uint8_t> data, const std::string& key)
{
    NLib::scrambleBuffer(data.data(), data.size(), key);
    return data;
}

TEST(Scramble, RoundTripsAndChangesTheDataUnlessTheKeyCancelsOut)
{
    const std::string text = "<profiles><profile name=\"Ann\"/></profiles>";
    const std::vector<std::uint8_t> plain(text.begin(), text.end());
    for (const std::string key : {NLib::ResourceArchive::kGamePassword, "abc", "\xff\x80zqr", "long key"}) {
        EXPECT_NE(scrambled(plain, key), plain) << key;
        EXPECT_EQ(scrambled(scrambled(plain, key), key), plain) << key;
    }
    // With one key byte, or with "ab", both passes pick the same key stream and cancel out.
    for (const std::string key : {"", "k", "ab"})
        EXPECT_EQ(scrambled(plain, key), plain) << key;
    NLib::scrambleBuffer(nullptr, 10, "key"); // nothing to do, nothing touched
}

TEST(Scramble, KeyStreamFollowsTheKeyedIndexRule)
{
    // Worked by hand for "abc": S = 97 + 98 + 99 = 294. Pass one (offset 0) picks
    // K[(K[j] + 294) mod 3] = K[(391, 392, 393) mod 3] = "bca"; pass two (offset K[1] = 98) picks
    // K[(489, 490, 491) mod 3] = "abc".
    EXPECT_EQ(scrambled(std::vector<std::uint8_t>(6, 0), "abc"),
              (std::vector<std::uint8_t>{'b' ^ 'a', 'c' ^ 'b', 'a' ^ 'c', 'b' ^ 'a', 'c' ^ 'b', 'a' ^ 'c'}));
    // Key bytes are signed: 0xFF counts as -1, S = 96. Pass one: (-1 + 96, 97 + 96) mod 2 = 1, 1
    // -> "aa"; pass two adds K[1] = 97: (192, 290) mod 2 = 0, 0 -> "\xff\xff".
    EXPECT_EQ(scrambled(std::vector<std::uint8_t>(2, 0), "\xff"
                                                         "a"),
              (std::vector<std::uint8_t>{'a' ^ 0xff, 'a' ^ 0xff}));
}

} // namespace
