#include "ArtTree.h"

#include "content/CXmlNode.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <utility>
#include <vector>

using namespace arttest;

namespace {

struct Pt {
    double x, y, r;
};

// A unit's params.xml read with the game's XML reader.
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

double radians(double degrees)
{
    return degrees * std::numbers::pi / 180.0;
}

// A shape point in the unit's frame (y up), turned for a group, in pixels of the sprite cell.
std::pair<double, double> toCell(const Pt& p, double angleDeg, const Picture& cell)
{
    const double a = radians(angleDeg);
    return {cell.width / 2.0 + std::cos(a) * p.x - std::sin(a) * p.y,
            cell.height / 2.0 - (std::sin(a) * p.x + std::cos(a) * p.y)};
}

// The most opaque pixel within reach of a point: is something drawn there?
int alphaNear(const Picture& cell, double x, double y, int reach)
{
    int best = 0;
    for (int dy = -reach; dy <= reach; ++dy)
        for (int dx = -reach; dx <= reach; ++dx)
            best = std::max(best, cell.alpha(static_cast<int>(x) + dx, static_cast<int>(y) + dy));
    return best;
}

struct Shape {
    std::string sprite, params;
    std::vector<int> groups;
    const double* angles;
};

// Every unit with a hit shape, with the direction groups the game draws it in.
std::vector<Shape> shapes()
{
    std::vector<Shape> out;
    const std::vector<int> all = {0, 1, 2, 3, 4, 5, 6, 7};
    for (int i = 1; i <= 4; ++i)
        for (const std::string kind : {"boat", "helic", "plane"}) {
            const std::string dir = "dat/" + kind + num2(i);
            const bool plane = kind == "plane";
            out.push_back({dir + "/" + kind + num2(i) + ".xml", dir + "/params.xml",
                           plane ? std::vector<int>{1, 2, 3, 4, 5, 6, 7} : all,
                           plane ? kPlaneAngle : kUnitAngle});
        }
    for (int i = 1; i <= 5; ++i)
        out.push_back(
            {"dat/tank" + num2(i) + "/sprite.xml", "dat/tank" + num2(i) + "/params.xml", all, kUnitAngle});
    for (int i = 1; i <= 12; ++i) {
        const std::string building = "dat/building" + num2(i);
        out.push_back({building + "/sprite.xml", building + "/params.xml", {0}, kUnitAngle});
    }
    out.push_back({"dat/bridge/bridge.xml", "dat/bridge/params.xml", {0}, kUnitAngle});
    out.push_back({"dat/player_plane/plane.xml", "dat/player_plane/params.xml", {0, 4, 7}, kNoTurn});
    return out;
}

bool has(const std::string& text, const char* part)
{
    return text.find(part) != std::string::npos;
}

} // namespace

// Every hit circle sits on the drawn body in every direction, mostly inside it, and together
// the circles cover most of the solid body (rotor blades are deliberately left out). The outline
// points of boats, helicopters and the player's plane lie on the hull's edge.
TEST(ArtGeometry, HitShapesMatchTheSilhouette)
{
    for (const Shape& s : shapes()) {
        SCOPED_TRACE(s.sprite);
        const std::vector<Pt> circles = Params(s.params).list("collition_circles");
        ASSERT_FALSE(circles.empty());
        for (int g : s.groups) {
            const Picture cell = spriteCell(s.sprite, 0, g);
            ASSERT_GT(cell.width, 0);
            if (g == s.groups[0] && !has(s.sprite, "helic")) {
                int solid = 0, covered = 0;
                for (int y = 0; y < cell.height; ++y)
                    for (int x = 0; x < cell.width; ++x) {
                        if (cell.alpha(x, y) < 250)
                            continue;
                        ++solid;
                        covered += std::any_of(circles.begin(), circles.end(), [&](const Pt& c) {
                            const auto [cx, cy] = toCell(c, s.angles[g], cell);
                            return std::hypot(x + 0.5 - cx, y + 0.5 - cy) <= c.r + 4;
                        });
                    }
                EXPECT_GT(solid, 0);
                EXPECT_GE(covered, 0.6 * solid);
            }
            for (const Pt& c : circles) {
                const auto [x, y] = toCell(c, s.angles[g], cell);
                EXPECT_GE(cell.alpha(static_cast<int>(x), static_cast<int>(y)), 128)
                    << "group " << g << " circle " << c.x << "," << c.y;
                int inside = 0, total = 0;
                for (double dy = -c.r; dy <= c.r; dy += 1)
                    for (double dx = -c.r; dx <= c.r; dx += 1)
                        if (dx * dx + dy * dy <= c.r * c.r) {
                            ++total;
                            inside += cell.alpha(static_cast<int>(x + dx), static_cast<int>(y + dy)) >= 64;
                        }
                EXPECT_GE(inside * 2, total) << "group " << g << " circle " << c.x << "," << c.y;
            }
        }
        if (!has(s.params, "boat") && !has(s.params, "helic") && !has(s.params, "player"))
            continue;
        const std::vector<Pt> points = Params(s.params).list("collition_points");
        ASSERT_GE(points.size(), 4u);
        const Picture cell = spriteCell(s.sprite, 0, has(s.sprite, "player") ? 4 : 0);
        for (const Pt& p : points) {
            const auto [x, y] = toCell(p, 0, cell);
            EXPECT_GE(alphaNear(cell, x, y, 4), 160) << "point " << p.x << "," << p.y;
        }
    }
}

TEST(ArtGeometry, BoatWakesTrailBehindTheHull)
{
    for (int i = 1; i <= 4; ++i) {
        SCOPED_TRACE(i);
        const Params params("dat/boat" + num2(i) + "/params.xml");
        const std::vector<Pt> tail = params.list("tailPos");
        ASSERT_EQ(tail.size(), 8u);
        const double halfWidth =
            loadSprite("dat/boat" + num2(i) + "/boat" + num2(i) + ".xml").frameWidth / 2.0;
        for (int g = 0; g < 8; ++g) {
            // tailPos is a screen offset (y down): it points away from the heading
            const double a = radians(kUnitAngle[g]);
            EXPECT_LT(tail[g].x * -std::sin(a) + tail[g].y * -std::cos(a), 0) << "group " << g;
            EXPECT_LT(std::hypot(tail[g].x, tail[g].y), halfWidth);
        }
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
            const double a = radians(kUnitAngle[g]);
            for (std::size_t k = 0; k < n; ++k) {
                const Pt& p = shoot[g * n + k];
                // ahead of the centre along the world heading, where the muzzle is drawn
                EXPECT_GT(p.x * -std::sin(a) + p.y * std::cos(a), 5) << "group " << g;
                EXPECT_GE(alphaNear(cell, cell.width / 2.0 + p.x, cell.height / 2.0 - p.y, 3), 160)
                    << "group " << g;
            }
        }
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
