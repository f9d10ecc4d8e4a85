#include "levels/UnitCatalog.h"

#include "content/LevelFiles.h"

#include "content/CXmlNode.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>

namespace datagen::levels {

using NVolant::EnemyKind;
using NVolant::enemyKindOf;
using NVolant::enemyModelOf;

namespace {

// The one place that knows the footprints before the art exists: generous frames and outlines,
// so that levels made from them stay legal when the real, smaller shapes arrive.
struct DefaultSize {
    float w, h, hull;
};
constexpr DefaultSize kBoatSize{48, 96, 100};
constexpr DefaultSize kHelicSize{96, 96, 80};
constexpr DefaultSize kPlaneSize{72, 72, 80};
constexpr DefaultSize kTankSize{56, 56, 80};
constexpr DefaultSize kBuildingSize{96, 96, 80};
constexpr DefaultSize kBridgeSize{288, 96, 100};
constexpr DefaultSize kRoadSize{64, 48, 0};
constexpr DefaultSize kBonusSize{40, 40, 0};
constexpr DefaultSize kPlayerSize{64, 64, 100};

UnitShape boxShape(DefaultSize s, bool outline)
{
    UnitShape u;
    u.frameWidth = s.w;
    u.frameHeight = s.h;
    u.hull = static_cast<int>(s.hull);
    const float hw = s.w / 2, hh = s.h / 2;
    if (outline)
        u.points = {{0, hh}, {hw, hh / 3}, {hw, -hh}, {-hw, -hh}, {-hw, hh / 3}};
    u.circles = {{0, 0, std::min(hw, hh)}};
    return u;
}

bool readFile(const std::string& path, std::string& out)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    out.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return true;
}

// Width and height from a PNG header, without decoding.
bool pngSize(const std::string& path, float& w, float& h)
{
    std::string bytes;
    if (!readFile(path, bytes) || bytes.size() < 24 || bytes.compare(1, 3, "PNG") != 0)
        return false;
    auto be32 = [&](std::size_t at) {
        return (static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at])) << 24) |
               (static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + 1])) << 16) |
               (static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + 2])) << 8) |
               static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + 3]));
    };
    w = static_cast<float>(be32(16));
    h = static_cast<float>(be32(20));
    return w > 0 && h > 0;
}

// Frame size of a sprite description, as the game's sprite loader computes it.
bool spriteFrame(const std::string& root, const std::string& rel, float& w, float& h)
{
    const std::string path = (std::filesystem::path(root) / rel).string();
    if (!std::filesystem::exists(path))
        return false;
    try {
        Xml::CXmlNode doc;
        doc.loadFile(path);
        if (doc.name() == "spriteSolid") {
            const int frames = doc.getInt("frames", 0), groups = doc.getInt("groups", 0);
            const Xml::CXmlNode* tex = doc.findChild("texture");
            float iw, ih;
            if (frames <= 0 || groups <= 0 || !tex ||
                !pngSize((std::filesystem::path(root) / tex->text()).string(), iw, ih))
                return false;
            w = iw / static_cast<float>(frames);
            h = ih / static_cast<float>(groups);
            return true;
        }
        if (doc.name() == "spriteFramed") {
            const auto groups = doc.getChildren();
            if (groups.empty() || groups[0]->childCount() == 0)
                return false;
            return pngSize((std::filesystem::path(root) / groups[0]->getChildren()[0]->text()).string(), w,
                           h);
        }
    } catch (...) {
    }
    return false;
}

void readParams(const std::string& root, const std::string& rel, UnitShape& u, bool wantPoints)
{
    const std::string path = (std::filesystem::path(root) / rel).string();
    if (!std::filesystem::exists(path))
        return;
    try {
        Xml::CXmlNode doc;
        doc.loadFile(path);
        if (const Xml::CXmlNode* c = doc.findChild("collition_circles")) {
            u.circles.clear();
            for (const Xml::CXmlNode* e : c->getChildren())
                u.circles.push_back({e->getFloat("x", 0), e->getFloat("y", 0), e->getFloat("radius", 1)});
        }
        if (const Xml::CXmlNode* p = doc.findChild("collition_points"); p && wantPoints) {
            u.points.clear();
            for (const Xml::CXmlNode* e : p->getChildren())
                u.points.push_back({e->getFloat("x", 0), e->getFloat("y", 0)});
        }
        if (const Xml::CXmlNode* hull = doc.findChild("hull"))
            u.hull = hull->getInt("val", 1);
        if (const Xml::CXmlNode* flak = doc.findChild("flak"))
            u.flak = flak->getInt("val", 0);
    } catch (...) {
    }
}

void loadModel(const std::string& root, const std::string& sprite, const std::string& params, UnitShape& u,
               bool wantPoints)
{
    float w, h;
    if (!spriteFrame(root, sprite, w, h))
        return;
    u.frameWidth = w;
    u.frameHeight = h;
    u.fromArt = true;
    if (!params.empty())
        readParams(root, params, u, wantPoints);
}

std::string num2(int i)
{
    char buf[8];
    std::snprintf(buf, sizeof buf, "%02d", i);
    return buf;
}

} // namespace

float UnitShape::reach() const
{
    float r = std::hypot(frameWidth, frameHeight) / 2;
    for (const Circle& c : circles)
        r = std::max(r, std::hypot(c.x, c.y) + c.r);
    return r;
}

UnitCatalog UnitCatalog::defaults()
{
    UnitCatalog c;
    for (UnitShape& u : c.boats)
        u = boxShape(kBoatSize, true);
    for (UnitShape& u : c.helics)
        u = boxShape(kHelicSize, true);
    for (UnitShape& u : c.planes)
        u = boxShape(kPlaneSize, false);
    for (std::size_t i = 0; i < c.tanks.size(); ++i) {
        c.tanks[i] = boxShape(kTankSize, false);
        c.tanks[i].flak = i >= 3 ? 1 : 0; // until the art says otherwise: the last two models are flak
    }
    for (UnitShape& u : c.buildings)
        u = boxShape(kBuildingSize, false);
    for (UnitShape& u : c.bonuses)
        u = boxShape(kBonusSize, false);
    c.bridge = boxShape(kBridgeSize, false);
    c.bridge.circles = {{-96, 0, 40}, {-32, 0, 40}, {32, 0, 40}, {96, 0, 40}};
    c.road = boxShape(kRoadSize, false);
    c.player = boxShape(kPlayerSize, false);
    return c;
}

UnitCatalog UnitCatalog::load(const std::string& root)
{
    UnitCatalog c = defaults();
    for (int i = 0; i < 4; ++i) {
        const std::string n = num2(i + 1);
        loadModel(root, "dat/boat" + n + "/boat" + n + ".xml", "dat/boat" + n + "/params.xml", c.boats[i],
                  true);
        loadModel(root, "dat/helic" + n + "/helic" + n + ".xml", "dat/helic" + n + "/params.xml", c.helics[i],
                  true);
        loadModel(root, "dat/plane" + n + "/plane" + n + ".xml", "dat/plane" + n + "/params.xml", c.planes[i],
                  false);
    }
    for (int i = 0; i < 5; ++i) {
        const std::string n = num2(i + 1);
        loadModel(root, "dat/tank" + n + "/sprite.xml", "dat/tank" + n + "/params.xml", c.tanks[i], false);
    }
    for (int i = 0; i < 12; ++i) {
        const std::string n = num2(i + 1);
        loadModel(root, "dat/building" + n + "/sprite.xml", "dat/building" + n + "/params.xml",
                  c.buildings[i], false);
    }
    for (int i = 0; i < 10; ++i)
        loadModel(root, "dat/bonus" + num2(i + 1) + "/sprite.xml", "", c.bonuses[i], false);
    loadModel(root, "dat/bridge/bridge.xml", "dat/bridge/params.xml", c.bridge, false);
    loadModel(root, "dat/bridge/road.xml", "", c.road, false);
    loadModel(root, "dat/player_plane/plane.xml", "dat/player_plane/params.xml", c.player, false);
    return c;
}

const UnitShape& UnitCatalog::shapeOf(int type) const
{
    const int m = enemyModelOf(type);
    switch (enemyKindOf(type)) {
    case EnemyKind::Boat:
        return boats[m];
    case EnemyKind::Helic:
        return helics[m];
    case EnemyKind::Plane:
        return planes[m];
    case EnemyKind::Tank:
        return tanks[m];
    case EnemyKind::Building:
        return buildings[m];
    default:
        return bridge;
    }
}

bool UnitCatalog::complete() const
{
    auto all = [](const auto& arr) {
        return std::all_of(arr.begin(), arr.end(), [](const UnitShape& u) { return u.fromArt; });
    };
    return all(boats) && all(helics) && all(planes) && all(tanks) && all(buildings) && all(bonuses) &&
           bridge.fromArt && road.fromArt && player.fromArt;
}

} // namespace datagen::levels
