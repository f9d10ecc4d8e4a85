#include "ArtTree.h"

#include "content/CXmlNode.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

using namespace arttest;

namespace {

struct Pt {
    double x, y, r;
};

struct Params {
    Xml::CXmlNode root;
    explicit Params(const std::string& path)
    {
        const std::vector<unsigned char> b = readBytes(path);
        root.load(reinterpret_cast<const char*>(b.data()), b.size());
    }
    std::vector<Pt> list(const std::string& name) const
    {
        std::vector<Pt> out;
        if (const Xml::CXmlNode* n = root.findChild(name))
            for (const Xml::CXmlNode* c : n->getChildren())
                out.push_back({c->getFloat("x", 0), c->getFloat("y", 0), c->getFloat("radius", 1)});
        return out;
    }
    int value(const std::string& name, int fallback) const
    {
        const Xml::CXmlNode* n = root.findChild(name);
        return n ? n->getInt("val", fallback) : fallback;
    }
};

// Heading angles the game turns shapes by, per direction group.
const double kUnitAngle[8] = {0, -45, -90, -135, 180, 135, 90, 45};
const double kPlaneAngle[8] = {0, -45, 0, -135, 0, 135, 0, 45};
// The player's plane never turns: its groups are bank positions.
const double kNoTurn[8] = {0, 0, 0, 0, 0, 0, 0, 0};

// A shape point in the unit's frame, placed for a group, in pixels of the sprite cell.
void toCell(const Pt& p, double angleDeg, const Picture& cell, double& x, double& y)
{
    const double a = angleDeg * 3.14159265358979 / 180.0;
    const double wx = std::cos(a) * p.x - std::sin(a) * p.y;
    const double wy = std::sin(a) * p.x + std::cos(a) * p.y;
    x = cell.width / 2.0 + wx;
    y = cell.height / 2.0 - wy;
}

struct Shape {
    std::string sprite, params;
    std::vector<int> groups;
    const double* angles;
};

std::vector<Shape> shapes()
{
    std::vector<Shape> out;
    const std::vector<int> all = {0, 1, 2, 3, 4, 5, 6, 7};
    for (int i = 1; i <= 4; ++i) {
        out.push_back({"dat/boat" + num2(i) + "/boat" + num2(i) + ".xml",
                       "dat/boat" + num2(i) + "/params.xml", all, kUnitAngle});
        out.push_back({"dat/helic" + num2(i) + "/helic" + num2(i) + ".xml",
                       "dat/helic" + num2(i) + "/params.xml", all, kUnitAngle});
        out.push_back({"dat/plane" + num2(i) + "/plane" + num2(i) + ".xml",
                       "dat/plane" + num2(i) + "/params.xml",
                       {1, 2, 3, 4, 5, 6, 7},
                       kPlaneAngle});
    }
    for (int i = 1; i <= 5; ++i)
        out.push_back(
            {"dat/tank" + num2(i) + "/sprite.xml", "dat/tank" + num2(i) + "/params.xml", all, kUnitAngle});
    for (int i = 1; i <= 12; ++i)
        out.push_back({"dat/building" + num2(i) + "/sprite.xml",
                       "dat/building" + num2(i) + "/params.xml",
                       {0},
                       kUnitAngle});
    out.push_back({"dat/bridge/bridge.xml", "dat/bridge/params.xml", {0}, kUnitAngle});
    out.push_back({"dat/player_plane/plane.xml", "dat/player_plane/params.xml", {0, 4, 7}, kNoTurn});
    return out;
}

} // namespace

TEST(ArtGeometry, CirclesSitInsideTheSilhouette)
{
    for (const Shape& s : shapes()) {
        const Params params(s.params);
        const std::vector<Pt> circles = params.list("collition_circles");
        ASSERT_FALSE(circles.empty()) << s.params;
        for (int g : s.groups) {
            const Picture cell = spriteCell(s.sprite, 0, g);
            ASSERT_GT(cell.width, 0) << s.sprite;
            for (const Pt& c : circles) {
                double x, y;
                toCell(c, s.angles[g], cell, x, y);
                EXPECT_GE(cell.alpha(static_cast<int>(x), static_cast<int>(y)), 128)
                    << s.sprite << " group " << g << " circle " << c.x << "," << c.y;
                // and the circle is mostly on the body, not hanging off it
                int inside = 0, total = 0;
                for (double dy = -c.r; dy <= c.r; dy += 1)
                    for (double dx = -c.r; dx <= c.r; dx += 1) {
                        if (dx * dx + dy * dy > c.r * c.r)
                            continue;
                        ++total;
                        if (cell.alpha(static_cast<int>(x + dx), static_cast<int>(y + dy)) >= 64)
                            ++inside;
                    }
                EXPECT_GE(inside * 2, total) << s.sprite << " group " << g << " circle " << c.x << "," << c.y;
            }
        }
    }
}

TEST(ArtGeometry, CirclesCoverTheSolidBody)
{
    for (const Shape& s : shapes()) {
        if (s.sprite.find("helic") != std::string::npos)
            continue; // rotor blades are deliberately not part of the hit shape
        const Params params(s.params);
        const std::vector<Pt> circles = params.list("collition_circles");
        const Picture cell = spriteCell(s.sprite, 0, s.groups[0]);
        int solid = 0, covered = 0;
        for (int y = 0; y < cell.height; ++y)
            for (int x = 0; x < cell.width; ++x) {
                if (cell.alpha(x, y) < 250)
                    continue;
                ++solid;
                for (const Pt& c : circles) {
                    double cx, cy;
                    toCell(c, s.angles[s.groups[0]], cell, cx, cy);
                    if (std::hypot(x + 0.5 - cx, y + 0.5 - cy) <= c.r + 4) {
                        ++covered;
                        break;
                    }
                }
            }
        ASSERT_GT(solid, 0) << s.sprite;
        EXPECT_GE(static_cast<double>(covered) / solid, 0.6) << s.sprite;
    }
}

TEST(ArtGeometry, OutlinePointsLieOnTheHullEdge)
{
    for (const Shape& s : shapes()) {
        if (s.params.find("boat") == std::string::npos && s.params.find("helic") == std::string::npos &&
            s.params.find("player") == std::string::npos)
            continue;
        const std::string &sprite = s.sprite, &path = s.params;
        const Params params(path);
        const std::vector<Pt> points = params.list("collition_points");
        ASSERT_GE(points.size(), 4u) << path;
        const int group = sprite.find("player") != std::string::npos ? 4 : 0;
        const Picture cell = spriteCell(sprite, 0, group);
        for (const Pt& p : points) {
            double x, y;
            toCell(p, 0, cell, x, y);
            int nearestSolid = 99;
            for (int dy = -6; dy <= 6; ++dy)
                for (int dx = -6; dx <= 6; ++dx)
                    if (cell.alpha(static_cast<int>(x) + dx, static_cast<int>(y) + dy) >= 160)
                        nearestSolid = std::min(nearestSolid, std::max(std::abs(dx), std::abs(dy)));
            EXPECT_LE(nearestSolid, 4) << path << " point " << p.x << "," << p.y;
        }
    }
}

TEST(ArtGeometry, BoatWakesAndGunsFitTheHull)
{
    for (int i = 1; i <= 4; ++i) {
        const Params params("dat/boat" + num2(i) + "/params.xml");
        const std::vector<Pt> tail = params.list("tailPos");
        ASSERT_EQ(tail.size(), 8u);
        const SpriteInfo sprite = loadSprite("dat/boat" + num2(i) + "/boat" + num2(i) + ".xml");
        for (int g = 0; g < 8; ++g) {
            // tailPos is a screen offset: it must point away from the heading (screen y down)
            const double a = kUnitAngle[g] * 3.14159265358979 / 180.0;
            const double hx = -std::sin(a), hy = -std::cos(a);
            EXPECT_LT(tail[g].x * hx + tail[g].y * hy, 0) << "boat " << i << " group " << g;
            EXPECT_LT(std::hypot(tail[g].x, tail[g].y), sprite.frameWidth / 2.0);
        }
        const std::vector<Pt> guns = params.list("guns");
        EXPECT_FALSE(guns.empty());
        for (const Pt& gun : guns)
            EXPECT_LT(std::hypot(gun.x, gun.y), sprite.frameWidth / 2.0);
    }
}

TEST(ArtGeometry, TankShotsLeaveFromTheMuzzles)
{
    for (int i = 1; i <= 5; ++i) {
        SCOPED_TRACE(i);
        const Params params("dat/tank" + num2(i) + "/params.xml");
        const std::vector<Pt> shoot = params.list("shootPos");
        ASSERT_GE(shoot.size(), 8u);
        ASSERT_EQ(shoot.size() % 8, 0u);
        const std::size_t n = shoot.size() / 8;
        for (int g = 0; g < 8; ++g) {
            const Picture cell = spriteCell("dat/tank" + num2(i) + "/sprite.xml", 0, g);
            const double a = kUnitAngle[g] * 3.14159265358979 / 180.0;
            const double hx = -std::sin(a), hy = std::cos(a); // world heading
            for (std::size_t k = 0; k < n; ++k) {
                const Pt& p = shoot[g * n + k];
                EXPECT_GT(p.x * hx + p.y * hy, 5) << "group " << g; // ahead of the centre
                // the muzzle is drawn: solid pixels within a few pixels (world y up, cell y down)
                const int x = static_cast<int>(cell.width / 2.0 + p.x),
                          y = static_cast<int>(cell.height / 2.0 - p.y);
                int best = 0;
                for (int dy = -3; dy <= 3; ++dy)
                    for (int dx = -3; dx <= 3; ++dx)
                        best = std::max(best, cell.alpha(x + dx, y + dy));
                EXPECT_GE(best, 160) << "group " << g;
            }
        }
        const int flak = params.value("flak", -1);
        EXPECT_TRUE(flak >= 0 && flak <= 2);
    }
}

TEST(ArtGeometry, RammingNeverKillsOutrightAndTheBridgeSpansTheRiver)
{
    const int player = Params("dat/player_plane/params.xml").value("hull", 0);
    for (const char* kind : {"boat", "helic", "plane"})
        for (int i = 1; i <= 4; ++i)
            EXPECT_LT(Params(std::string("dat/") + kind + num2(i) + "/params.xml").value("hull", 0), player)
                << kind << i;
    const std::vector<Pt> c = Params("dat/bridge/params.xml").list("collition_circles");
    ASSERT_FALSE(c.empty());
    EXPECT_GE(c.back().x + c.back().r - (c.front().x - c.front().r),
              loadSprite("dat/bridge/bridge.xml").frameWidth * 0.8);
}
