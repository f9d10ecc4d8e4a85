#include "score/Scores.h"

#include "content/CXmlNode.h"
#include "content/CXmlException.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace {

using NVolant::Scores;

class ScoresTest : public ::testing::Test {
protected:
    Scores scores;
};

// A record as the saved game carries it: written to text and parsed back.
Xml::CXmlNode roundTrip(const Xml::CXmlNode& save)
{
    const std::string text = save.toText();
    Xml::CXmlNode parsed;
    parsed.load(text.c_str(), text.size());
    return parsed;
}

Xml::CXmlNode saveWith(const std::string& scoresElement)
{
    const std::string text = "<save m_status=\"2\">" + scoresElement + "</save>";
    Xml::CXmlNode node;
    node.load(text.c_str(), text.size());
    return node;
}

TEST_F(ScoresTest, AKillAddsItsValueWithATextWhereTheEnemyDied)
{
    scores.addScore(150, Vector4(320, 1200));
    scores.countHelic();
    scores.addScore(40, Vector4(100, 900)); // two kills in one frame: two texts, both sums
    scores.countBoat();

    EXPECT_EQ(scores.score(), 190);
    EXPECT_EQ(scores.levelScores(), 190);
    EXPECT_EQ(scores.helicsKilled(), 1);
    EXPECT_EQ(scores.boatsKilled(), 1);
    EXPECT_EQ(scores.planesKilled(), 0);
    ASSERT_EQ(scores.floatingTexts().size(), 2u);
    const Scores::FloatingText& first = scores.floatingTexts()[0];
    EXPECT_EQ(first.text, "+150");
    EXPECT_EQ(first.position, Vector4(320, 1200));
    EXPECT_EQ(scores.floatingTexts()[1].text, "+40"); // colours: ScoresDrawTest
}

TEST_F(ScoresTest, EveryFullTenThousandPointsGivesOneLifeOnceAndTwoThresholdsShareOneText)
{
    scores.addScore(9999, Vector4(0, 0));
    EXPECT_EQ(scores.checkExtraLife(3, Vector4(0, 0)), 3);
    EXPECT_EQ(scores.floatingTexts().size(), 1u); // no "UP" text without a life

    scores.addScore(1, Vector4(0, 0));
    EXPECT_EQ(scores.checkExtraLife(3, Vector4(400, 700)), 4);
    ASSERT_EQ(scores.floatingTexts().size(), 3u);
    const Scores::FloatingText& up = scores.floatingTexts()[2];
    EXPECT_EQ(up.text, "+1 UP");
    EXPECT_EQ(up.position, Vector4(400, 700));
    EXPECT_EQ(scores.checkExtraLife(4, Vector4(0, 0)), 4);

    // A new level keeps only the totals (which kinds count as what: EnemiesTest); earned lives
    // survive it and are still handed over once.
    scores.countShot();
    scores.countHit();
    scores.countBoat();
    scores.addScore(20000, Vector4(0, 0));
    scores.resetLevelStats();
    EXPECT_EQ(scores.levelScores(), 0);
    EXPECT_EQ(scores.shotsCount(), 0);
    EXPECT_EQ(scores.shotsHittedCount(), 0);
    EXPECT_EQ(scores.boatsKilled(), 0);
    EXPECT_EQ(scores.score(), 30000);
    EXPECT_EQ(scores.lives(), 3);
    EXPECT_EQ(scores.checkExtraLife(4, Vector4(0, 0)), 6);
    EXPECT_EQ(scores.floatingTexts().back().text, "+2 UP");
    EXPECT_EQ(scores.floatingTexts().size(), 5u);
}

TEST_F(ScoresTest, AccuracyNeedsAShotAndCanPassAHundredWithDoubleFire)
{
    EXPECT_EQ(scores.accuracyPercent(), -1);
    EXPECT_EQ(scores.missedShots(), 0);

    for (int i = 0; i < 3; ++i)
        scores.countShot();
    scores.countHit();
    EXPECT_EQ(scores.accuracyPercent(), 33);
    EXPECT_EQ(scores.missedShots(), 2);

    // One trigger of double fire counts one shot, but both bullets can hit.
    for (int i = 0; i < 4; ++i)
        scores.countHit();
    EXPECT_EQ(scores.accuracyPercent(), 166);
    EXPECT_EQ(scores.missedShots(), -2);
}

TEST_F(ScoresTest, TheRecordSurvivesASaveAndLoadUnchanged)
{
    scores.addScore(23456, Vector4(0, 0));
    scores.checkExtraLife(3, Vector4(0, 0));
    scores.addScore(100, Vector4(0, 0));
    scores.countBoat();
    scores.countHelic();
    scores.countHelic();
    scores.countPlane();
    for (int i = 0; i < 7; ++i)
        scores.countShot();
    for (int i = 0; i < 5; ++i)
        scores.countHit();

    Xml::CXmlNode save;
    save.setName("save");
    save.setInt("m_levelNum", 4);
    scores.write(save);
    const Xml::CXmlNode loaded = roundTrip(save);
    const Xml::CXmlNode* element = loaded.findChild("scores");
    ASSERT_NE(element, nullptr);
    EXPECT_EQ(element->attributes().size(), 10u);

    Scores again; // a continued game reads into a fresh object
    again.read(loaded);
    EXPECT_EQ(again.score(), 23556);
    EXPECT_EQ(again.levelScores(), 23556);
    EXPECT_TRUE(again.floatingTexts().empty());
    // The lives already handed out are not handed out again.
    EXPECT_EQ(again.checkExtraLife(3, Vector4(0, 0)), 3);

    // Written again, the record is the same text: every number was read back.
    Xml::CXmlNode first, second;
    first.setName("save");
    second.setName("save");
    first.addChildCopy(*element);
    again.write(second);
    EXPECT_EQ(first.toText(), second.toText());
}

TEST_F(ScoresTest, MissingNumbersReadAsZeroAndAbsurdOnesNeverGiveNegativeCountsOrTakeLivesAway)
{
    scores.read(saveWith(""));
    EXPECT_EQ(scores.score(), 0);
    scores.read(saveWith("<scores m_score=\"15000\" _shotsCount=\"9\"/>"));
    EXPECT_EQ(scores.score(), 15000);
    EXPECT_EQ(scores.lives(), 1);
    EXPECT_EQ(scores.checkExtraLife(3, Vector4(0, 0)), 4) << "the life of the score is still to hand out";
    EXPECT_EQ(scores.shotsCount(), 9);
    EXPECT_EQ(scores.boatsKilled(), 0);
    EXPECT_EQ(scores.levelScores(), 0);

    scores.read(saveWith("<scores m_score=\"-500\" m_lives=\"7\" m_livesUsed=\"9\" _boatsKilled=\"-3\""
                         " _helicsKilled=\"lots\" _planesKilled=\"99999999999999\" _shotsCount=\"-1\""
                         " _shotsHittedCount=\"4x\" _levelScores=\"\"/>"));
    EXPECT_EQ(scores.score(), 0);
    EXPECT_EQ(scores.lives(), 0);
    EXPECT_EQ(scores.boatsKilled(), 0);
    EXPECT_EQ(scores.helicsKilled(), 0);
    EXPECT_EQ(scores.planesKilled(), INT_MAX);
    EXPECT_EQ(scores.shotsCount(), 0);
    EXPECT_EQ(scores.shotsHittedCount(), 4);
    EXPECT_EQ(scores.levelScores(), 0);
    EXPECT_EQ(scores.accuracyPercent(), -1);
    EXPECT_EQ(scores.checkExtraLife(2, Vector4(0, 0)), 2);

    // Lives claimed beyond what the score earns are not handed out.
    scores.read(saveWith("<scores m_score=\"25000\" m_lives=\"40\" m_livesUsed=\"30\"/>"));
    EXPECT_EQ(scores.lives(), 2);
    EXPECT_EQ(scores.checkExtraLife(2, Vector4(0, 0)), 2);

    // A total at the limit stays there instead of wrapping round.
    scores.read(saveWith("<scores m_score=\"2147483647\" _levelScores=\"2147483600\"/>"));
    scores.addScore(500, Vector4(0, 0));
    EXPECT_EQ(scores.score(), INT_MAX);
    EXPECT_EQ(scores.levelScores(), INT_MAX);
    EXPECT_GT(scores.checkExtraLife(3, Vector4(0, 0)), 3);
}

} // namespace
