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
    // Key bytes are signed: with "\xff" "ab", 0xFF counts as -1 and S = -1 + 97 + 98 = 194. Pass
    // one picks K[(193, 291, 292) mod 3] = "a\xffa"; pass two (offset K[1] = 97) picks
    // K[(290, 388, 389) mod 3] = "bab".
    EXPECT_EQ(scrambled(std::vector<std::uint8_t>(3, 0), "\xff"
                                                         "ab"),
              (std::vector<std::uint8_t>{'a' ^ 'b', 0xff ^ 'a', 'a' ^ 'b'}));
}

} // namespace
