#include "content/BrokenInstallation.h"
#include "content/CXmlNode.h"
#include "content/ResourceArchive.h"
#include "gameplay/EBoatParams.h"
#include "gameplay/EnemyParams.h"
#include "gameplay/ETankParams.h"
#include "gameplay/PlaneParams.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <string>

namespace {

Xml::CXmlNode parse(const std::string& text)
{
    Xml::CXmlNode node;
    node.load(text.data(), text.size());
    return node;
}

// A child present without "val" reads as 1, an unreadable one as 0; absent ones keep the defaults.
TEST(Params, AChildWithoutValIsOne)
{
    const Xml::CXmlNode noVal =
        parse("<params><hull/><flak/><flakCount v=\"3\"/><shadowX val=\"abc\"/></params>");
    EXPECT_EQ(NVolant::EBoatParams(noVal).hull, 1);
    EXPECT_EQ(NVolant::PlaneParams(noVal).hull, 1);
    const NVolant::ETankParams tank(noVal);
    EXPECT_EQ(tank.hull, 1);
    EXPECT_EQ(tank.flak, 0);
    EXPECT_EQ(tank.flakCount, 10);
    EXPECT_FALSE(tank.hasShootPos());
    EXPECT_FLOAT_EQ(NVolant::EnemyParams(noVal).shadowX, 0.0f);

    const Xml::CXmlNode maxSpeed = parse("<p><maxSpeed val=\"5\"/><speedVal val=\"0.5\"/></p>");
    EXPECT_FLOAT_EQ(NVolant::PlaneParams(maxSpeed).maxSpeed, 0.1f);
    EXPECT_FLOAT_EQ(NVolant::PlaneParams(maxSpeed).speedVal, 0.5f);
}

TEST(Params, BoatGunsTurnRoundAndDefaultToTheOrigin)
{
    NVolant::EBoatParams single(parse("<p/>"));
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(single.nextGun(), Vector4(0, 0, 0, 1));

    NVolant::EBoatParams boat(parse("<p><guns><g x=\"-4\" y=\"10\"/><g x=\"4\" y=\"10\"/></guns>"
                                    "<tailPos><t y=\"-20\"/></tailPos><hull val=\"60\"/></p>"));
    EXPECT_EQ(boat.hull, 60);
    EXPECT_FLOAT_EQ(boat.nextGun().x, -4.0f);
    NVolant::EBoatParams copy = boat; // each boat turns its own counter
    EXPECT_FLOAT_EQ(boat.nextGun().x, 4.0f);
    EXPECT_FLOAT_EQ(boat.nextGun().x, -4.0f);
    EXPECT_FLOAT_EQ(copy.nextGun().x, 4.0f);
    EXPECT_FLOAT_EQ(boat.tailPos.points()[0].y, -20.0f);
}

TEST(Params, TankShotOriginsComeInEightBlocksWithOneSharedCounter)
{
    std::string xml = "<p><flak val=\"2\"/><flakCount val=\"6\"/><shootPos>";
    for (int i = 0; i < 16; ++i)
        xml += "<s x=\"" + std::to_string(i) + "\"/>";
    xml += "</shootPos></p>";
    NVolant::ETankParams tank(parse(xml));
    EXPECT_EQ(tank.flak, 2);
    EXPECT_EQ(tank.flakCount, 6);
    // Group g uses entries 2g and 2g + 1; the counter advances before each pick and is shared by
    // every group.
    EXPECT_FLOAT_EQ(tank.shootPosFor(3).x, 7.0f);
    EXPECT_FLOAT_EQ(tank.shootPosFor(3).x, 6.0f);
    EXPECT_FLOAT_EQ(tank.shootPosFor(0).x, 1.0f);
    EXPECT_FLOAT_EQ(tank.shootPosFor(0).x, 0.0f);
    EXPECT_EQ(tank.shootPosFor(8), Vector4(0, 0, 0, 0));
    EXPECT_EQ(tank.shootPosFor(-1), Vector4(0, 0, 0, 0));

    NVolant::ETankParams few(parse("<p><shootPos><s x=\"3\"/></shootPos></p>"));
    EXPECT_TRUE(few.hasShootPos());
    EXPECT_EQ(few.shootPosFor(2), Vector4(0, 0, 0, 0));
}

TEST(Params, FilesComeThroughTheArchiveAndBrokenOnesNameThemselves)
{
    TempDir dir;
    dir.write("dat/building03/params.xml",
              "<params><hull val=\"120\"/><shadowX val=\"12.5\"/><shadowY val=\"9\"/>"
              "<collition_circles><c x=\"1\" radius=\"30\"/></collition_circles></params>");
    dir.write("dat/broken/params.xml", "<params><hull val=\"1\"></params>");
    NLib::ResourceArchive archive;
    archive.setLooseFolder(dir.path());

    const NVolant::EnemyParams building(archive, "dat/building03/params.xml");
    EXPECT_EQ(building.hull, 120);
    EXPECT_FLOAT_EQ(building.shadowX, 12.5f);
    EXPECT_FLOAT_EQ(building.shadowY, 9.0f);
    EXPECT_FLOAT_EQ(building.collisionCircles.boundingRadius(), 31.0f);

    for (const char* path : {"dat/broken/params.xml", "dat/missing/params.xml"}) {
        try {
            NVolant::EnemyParams helic(archive, path);
            FAIL() << path;
        } catch (const NLib::BrokenInstallation& e) {
            EXPECT_EQ(e.file(), path);
        }
    }
}

} // namespace
