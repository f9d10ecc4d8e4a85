#include "content/CXmlNode.h"
#include "gameplay/CollitionCircles.h"

#include <gtest/gtest.h>

#include <string>

using NVolant::CollitionCircles;
using NVolant::CollitionPoints;

namespace {

Xml::CXmlNode parse(const std::string& text)
{
    Xml::CXmlNode node;
    node.load(text.data(), text.size());
    return node;
}

CollitionCircles circles(const std::string& text)
{
    CollitionCircles c;
    const Xml::CXmlNode node = parse(text);
    c.load(&node);
    return c;
}

TEST(CollitionPoints, LoadsEveryChildAndCentresOnTheirMean)
{
    CollitionPoints p;
    const Xml::CXmlNode node = parse("<collition_points><p x=\"2\" y=\"4\"/><anything x=\"-2\" z=\"3\"/>"
                                     "<q/></collition_points>");
    p.load(&node);
    ASSERT_EQ(p.size(), 3u);
    EXPECT_EQ(p.points()[1], Vector4(-2, 0, 3, 1));
    EXPECT_FLOAT_EQ(p.centre().x, 0.0f);
    EXPECT_FLOAT_EQ(p.centre().y, 4.0f / 3.0f);
    EXPECT_FLOAT_EQ(p.centre().z, 1.0f);

    p.load(nullptr);
    EXPECT_EQ(p.size(), 0u);
    EXPECT_EQ(p.centre(), Vector4(0, 0, 0, 1));
}

TEST(CollitionPoints, PlacingTurnsCounterClockwiseInWorldAxesThenMoves)
{
    CollitionPoints p;
    p.append({1, 0, 0, 1});
    CollitionPoints turned = p;
    turned.place({0, 0, 0, 1}, 90);
    EXPECT_NEAR(turned.points()[0].x, 0.0f, 1e-6f);
    EXPECT_NEAR(turned.points()[0].y, 1.0f, 1e-6f);

    CollitionPoints moved = p;
    moved.place({10, 20, 5, 1}, 0);
    EXPECT_EQ(moved.points()[0], Vector4(11, 20, 5, 1));
    EXPECT_EQ(moved.centre(), Vector4(11, 20, 5, 1));
    // The master copy is untouched.
    EXPECT_EQ(p.points()[0], Vector4(1, 0, 0, 1));
}

TEST(CollitionCircles, BoundingRadiusFollowsTheFarthestCentreOnly)
{
    // The farthest centre (distance 10, radius 1) sets the reach, although the nearer circle
    // (distance 5, radius 20) reaches farther.
    const CollitionCircles c =
        circles("<collition_circles><c x=\"5\" radius=\"20\"/><c y=\"10\"/></collition_circles>");
    EXPECT_FLOAT_EQ(c.boundingRadius(), 11.0f);   // no radius given: 1
    EXPECT_TRUE(c.touches({5, -19.9f, 0, 1}, 1)); // 396 < 400 + 1
    EXPECT_FALSE(c.touches({5, -20.1f, 0, 1}, 1));

    CollitionCircles kept = c;
    kept.load(nullptr); // a missing element leaves the shape alone
    EXPECT_FLOAT_EQ(kept.boundingRadius(), 11.0f);
    EXPECT_TRUE(kept.touches({5, -19.9f, 0, 1}, 1));
}

TEST(CollitionCircles, OverlapComparesTheSumOfSquaredRadii)
{
    CollitionCircles a, b;
    a.append({0, 0, 0, 1}, 3);
    b.append({5, 0, 0, 1}, 4);
    // 9 + 16 == 25: touching exactly is not an overlap.
    EXPECT_FALSE(a.overlaps(b));
    // A shot's single circle is asked the same way.
    EXPECT_FALSE(a.touches({5, 0, 0, 1}, 4));
    EXPECT_TRUE(a.touches({4.99f, 0, 0, 1}, 4));
    b.place({-0.01f, 0, 0, 1}, 0);
    EXPECT_TRUE(a.overlaps(b));
    // z counts in the distance.
    b.place({-5, 0, 5, 1}, 0);
    EXPECT_FALSE(a.overlaps(b));

    const CollitionCircles empty;
    EXPECT_FALSE(empty.overlaps(a));
    EXPECT_FALSE(a.overlaps(empty));
    EXPECT_FLOAT_EQ(empty.boundingRadius(), 0.0f);
}

} // namespace
