#include "content/DecorFile.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

namespace {

using namespace NVolant;

Decor sample()
{
    Decor d;
    d.pieces = {{0, 0, 64, 32}, {64, 0, 16, 16}};
    DecorProp road;
    road.piece = 0;
    road.layer = kWayDecor;
    road.x = 120.5f;
    road.y = 3000.0f;
    road.angle = -35.0f;
    road.scale = 1.5f;
    road.colour = 0x80FF8040u;
    DecorProp tree;
    tree.piece = 1;
    tree.layer = kTallDecor;
    tree.x = 700.0f;
    tree.y = 12.0f;
    d.props = {road, tree};
    return d;
}

// Where prop i's field at offset starts in the encoded bytes.
std::size_t propField(const Decor& d, std::size_t i, std::size_t offset)
{
    return 12 + d.pieces.size() * DecorFile::kPieceRecordSize + i * DecorFile::kPropRecordSize + offset;
}

TEST(DecorFile, RoundTripsExactlyThroughBothReaders)
{
    const Decor d = sample();
    const auto bytes = DecorFile::encode(d);
    ASSERT_EQ(bytes.size(), 12 + 2 * 16 + 2 * 28);
    EXPECT_EQ(bytes[0], 1); // the version comes first
    Decor strict;
    ASSERT_TRUE(DecorFile::decode(bytes, strict));
    EXPECT_EQ(strict, d);
    DecorFile::Report report;
    EXPECT_EQ(DecorFile::read(bytes, &report), d);
    EXPECT_EQ(report.dropped, 0u);
    EXPECT_FALSE(report.refused);
}

TEST(DecorFile, TheToolsRefuseAnyFileWhoseSizeDisagreesWithItsCounts)
{
    const auto bytes = DecorFile::encode(sample());
    Decor out;
    auto longer = bytes;
    longer.push_back(0);
    EXPECT_FALSE(DecorFile::decode(longer, out));
    EXPECT_FALSE(DecorFile::decode(std::span(bytes).first(bytes.size() - 1), out));
    auto otherVersion = bytes;
    otherVersion[0] = 2;
    EXPECT_FALSE(DecorFile::decode(otherVersion, out));
    auto hugeCount = bytes;
    hugeCount[7] = 0x7F; // four billion pieces claimed
    EXPECT_FALSE(DecorFile::decode(hugeCount, out));
}

TEST(DecorFile, TheGameKeepsWhatADamagedFileStillHolds)
{
    const Decor d = sample();
    const auto bytes = DecorFile::encode(d);

    // Cut inside the second prop: the first survives.
    DecorFile::Report report;
    Decor cut = DecorFile::read(std::span(bytes).first(bytes.size() - 5), &report);
    ASSERT_EQ(cut.props.size(), 1u);
    EXPECT_EQ(cut.props[0], d.props[0]);

    // Cut inside the piece table: the pieces read so far, and no props read from the wrong place.
    cut = DecorFile::read(std::span(bytes).first(12 + 16 + 3), &report);
    EXPECT_EQ(cut.pieces.size(), 1u);
    EXPECT_TRUE(cut.props.empty());

    // Unknown versions and files too short for a header give nothing at all.
    auto otherVersion = bytes;
    otherVersion[0] = 7;
    EXPECT_TRUE(DecorFile::read(otherVersion, &report).props.empty());
    EXPECT_TRUE(report.refused);
    EXPECT_TRUE(DecorFile::read(std::span(bytes).first(6), &report).pieces.empty());
    EXPECT_TRUE(report.refused);
}

TEST(DecorFile, PropsThatCannotBeDrawnAreLeftOutOneByOne)
{
    struct Case {
        const char* what;
        std::size_t offset; // within the first prop's record
        std::int32_t integer;
        float number;
        bool isFloat;
    };
    const Case cases[] = {
        {"a piece beyond the table", 0, 2, 0, false},
        {"a negative piece", 0, -1, 0, false},
        {"a layer beyond the last", 4, DecorFile::kLayers, 0, false},
        {"a negative layer", 4, -1, 0, false},
        {"x not a number", 8, 0, NAN, true},
        {"y infinite", 12, 0, INFINITY, true},
        {"y absurdly far", 12, 0, 3.0e7f, true},
        {"an absurd angle", 16, 0, 1.0e9f, true},
        {"a zero scale", 20, 0, 0.0f, true},
        {"a negative scale", 20, 0, -1.0f, true},
        {"an absurd scale", 20, 0, 100.0f, true},
    };
    const Decor d = sample();
    for (const Case& c : cases) {
        auto bytes = DecorFile::encode(d);
        std::uint8_t* at = bytes.data() + propField(d, 0, c.offset);
        if (c.isFloat)
            std::memcpy(at, &c.number, 4);
        else
            std::memcpy(at, &c.integer, 4);
        DecorFile::Report report;
        const Decor read = DecorFile::read(bytes, &report);
        ASSERT_EQ(read.props.size(), 1u) << c.what;
        EXPECT_EQ(read.props[0], d.props[1]) << c.what;
        EXPECT_EQ(report.dropped, 1u) << c.what;
    }

    // A piece that cannot be a rectangle of a picture takes its props with it.
    for (const DecorPiece bad : {DecorPiece{0, 0, 0, 16}, DecorPiece{-4, 0, 8, 8}, DecorPiece{0, 0, 8, 99999}}) {
        Decor broken = d;
        broken.pieces[0] = bad;
        const Decor read = DecorFile::read(DecorFile::encode(broken));
        EXPECT_EQ(read.pieces[0], DecorPiece{});
        ASSERT_EQ(read.props.size(), 1u);
        EXPECT_EQ(read.props[0].piece, 1);
    }
}

} // namespace
