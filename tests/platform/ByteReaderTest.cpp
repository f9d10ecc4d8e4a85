#include "platform/ByteReader.h"

#include <gtest/gtest.h>

namespace {

TEST(ByteReader, ReadsLittleEndianValues)
{
    const std::uint8_t data[] = {0x01, 0x34, 0x12, 0x78, 0x56, 0x34, 0x12, 0x00, 0x00, 0x80, 0x3f};
    ByteReader r(data, sizeof data);
    EXPECT_EQ(r.u8(), 0x01);
    EXPECT_EQ(r.u16(), 0x1234);
    EXPECT_EQ(r.u32(), 0x12345678u);
    EXPECT_FLOAT_EQ(r.f32(), 1.0f);
    EXPECT_TRUE(r.atEnd());
    EXPECT_TRUE(r.ok());
}

TEST(ByteReader, OverrunsYieldZeroAndStickToTheEnd)
{
    const std::uint8_t data[] = {0xff, 0xff, 0xff};
    ByteReader r(data, sizeof data);
    EXPECT_EQ(r.u32(), 0u);
    EXPECT_FALSE(r.ok());
    EXPECT_TRUE(r.atEnd());
    EXPECT_EQ(r.u8(), 0u);

    ByteReader s(data, sizeof data);
    EXPECT_EQ(s.bytes(2).size(), 2u);
    EXPECT_TRUE(s.bytes(2).empty());
    EXPECT_FALSE(s.ok());

    ByteReader t(data, sizeof data);
    EXPECT_FALSE(t.skip(static_cast<std::size_t>(-1))); // no wrap-around on huge counts
    EXPECT_FALSE(t.ok());
    ByteReader u(data, sizeof data);
    EXPECT_TRUE(u.seek(3));
    EXPECT_FALSE(u.seek(4));
    EXPECT_FALSE(u.ok());

    ByteReader none(nullptr, 100); // a null buffer is empty whatever size it claims
    EXPECT_EQ(none.size(), 0u);
    EXPECT_EQ(none.text(1), "");
}

} // namespace
