#include "EnemyFixture.h"

#include "combat/Missile.h"
#include "combat/Shots.h"
#include "combat/TankRocket.h"
#include "content/Sprite.h"
#include "enemies/EBridge.h"
#include "enemies/Enemies.h"
#include "enemies/Enemy.h"
#include "gameplay/CollitionCircles.h"
#include "score/Scores.h"

#include "support/HeadlessPlatform.h"

#include <functional>

namespace {

using NVolant::EBridge;
using NVolant::Enemy;

class EnemiesTest : public EnemyFixture {
protected:
    // A player missile just below a world point, flying straight up into it.
    void missileAt(const Vector4& target)
    {
        auto missile = std::make_unique<NVolant::Missile>(arena);
        missile->setPosition(target - Vector4(0.0f, 4.0f));
        missile->setAngle(0.0f);
        missile->launch();
        arena.shots().add(std::move(missile));
    }

    // Shoots the bridge until it breaks (its hull is 100, a missile does 100).
    void breakBridge(EBridge& bridge)
    {
        for (int i = 0; i < 10 && !bridge.destroyed(); ++i) {
            missileAt(bridge.position());
            run(1);
        }
        ASSERT_TRUE(bridge.destroyed());
    }

    // The type codes of a list of enemies, in its order.
    template <typename List> static std::vector<int> typesOf(const List& list)
    {
        std::vector<int> types;
        for (const auto& e : list)
            types.push_back(e->type());
        return types;
    }

    // A picture drawn over one grey.
    static Frame picture(const std::function<void()>& draw, int grey = 0)
    {
        const float g = static_cast<float>(grey) / 255.0f;
        platform().beginFrame(g, g, g);
        draw();
        platform().endFrame();
        return platform().readFrame();
    }
    static bool same(const Frame::Pixel& a, const Frame::Pixel& b)
    {
        return a.r == b.r && a.g == b.g && a.b == b.b;
    }
    // One enemy's body alone (no shadow): where it covers the ground fully, and where it touches it.
    struct Body {
        Frame onBlack;
        Frame onWhite;
        bool opaque(int x, int y) const { return same(onBlack.at(x, y), onWhite.at(x, y)); }
        bool touches(int x, int y) const
        {
            const Frame::Pixel b = onBlack.at(x, y);
            const Frame::Pixel w = onWhite.at(x, y);
            return b.r + b.g + b.b > 0 || w.r + w.g + w.b < 3 * 255;
        }
    };
    Body body(Enemy& e) const
    {
        const Vector4 camera = enemies->camera();
        return {picture([&] { e.draw(camera); }, 0), picture([&] { e.draw(camera); }, 255)};
    }
};

TEST_F(EnemiesTest, TheListIsSortedByHeightKeepingFileOrderAndUnknownCodesCreateNothing)
{
    loadList({record(500, 100, 500), record(7, 100, 100), record(400, 200, 300), record(501, 300, 500),
              record(250, 400, 50), record(300, 400, 900), record(-1, 0, 0), record(512, 0, 0)});
    EXPECT_EQ(typesOf(enemies->all()), (std::vector<int>{400, 500, 501, 300}));
    ASSERT_EQ(enemies->bridges().size(), 1u);
    EXPECT_EQ(enemies->bridges()[0]->entryIndex(), 5); // skipped records still count
}

TEST_F(EnemiesTest, TheActivationWindowRunsFrom200BelowTo700AboveTheCameraInclusive)
{
    // Planes move when updated, so the ones outside the window stay where they were born.
    loadList({record(200, 100, 799.5f, 2), record(200, 100, 800, 2), record(200, 100, 1700, 2),
              record(200, 100, 1700.5f, 2), record(200, 100, 1500, 2)});
    setCamera(1000);
    run(1);
    std::vector<float> xs;
    for (const auto& e : enemies->all())
        xs.push_back(e->position().x);
    EXPECT_EQ(xs[0], 100.0f); // 799.5: below the window
    EXPECT_GT(xs[1], 100.0f); // 800: exactly 200 below
    EXPECT_GT(xs[2], 100.0f); // 1500
    EXPECT_GT(xs[3], 100.0f); // 1700: exactly 700 above
    EXPECT_EQ(xs[4], 100.0f); // 1700.5 stops the walk
    EXPECT_EQ(enemies->active().size(), 3u);

    // A plane that flies out of the window keeps the activation of its spawn point.
    setCamera(1500);
    run(1);
    EXPECT_EQ(enemies->active().size(), 3u);
}

TEST_F(EnemiesTest, LoadingAtACheckpointSkipsEntriesBeforeItExceptTheBridges)
{
    const std::vector<NVolant::EnemyRecord> list = {
        record(0, 400, 100), record(300, 400, 200), record(400, 100, 250), record(500, 700, 260),
        record(1, 400, 300), record(300, 400, 400), record(300, 400, 600), record(401, 100, 650)};
    loadList(list);
    ASSERT_EQ(enemies->bridges().size(), 3u);
    enemies->setCheckpoint(2);
    EXPECT_EQ(enemies->checkpointEntry(), 5);
    EXPECT_EQ(enemies->bridgesPassed(), 2);
    loadList(list);
    EXPECT_EQ(typesOf(enemies->all()), (std::vector<int>{300, 300, 300, 401}));
    EXPECT_TRUE(enemies->bridges()[0]->destroyed());
    EXPECT_TRUE(enemies->bridges()[1]->destroyed()); // the checkpoint's own entry
    EXPECT_FALSE(enemies->bridges()[2]->destroyed());
    EXPECT_EQ(enemies->bridges()[1]->sprite().currentGroup, 1);
}

TEST_F(EnemiesTest, ALevelWhoseLowestEnemyIsABridgeStartsBehindIt)
{
    loadList({record(400, 100, 300), record(300, 400, 120), record(300, 400, 900)});
    EXPECT_TRUE(enemies->bridges()[0]->destroyed());
    EXPECT_FALSE(enemies->bridges()[1]->destroyed());
    loadList({record(400, 100, 100), record(300, 400, 120)});
    EXPECT_FALSE(enemies->bridges()[0]->destroyed());
}

TEST_F(EnemiesTest, ANewGameNumbersItsEnemiesFromOneAndOnlyActiveEnemiesAreFound)
{
    loadList({record(500, 100, 100), record(500, 200, 200), record(500, 300, 5000)});
    const auto& all = enemies->all();
    EXPECT_EQ(all[0]->id(), 1);
    EXPECT_EQ(all[1]->id(), 2);
    EXPECT_EQ(all[2]->id(), 3);
    EXPECT_EQ(enemies->findById(2), all[1].get());
    EXPECT_EQ(enemies->findById(3), nullptr); // far above the window
    EXPECT_EQ(enemies->findById(0), nullptr);
    EXPECT_EQ(enemies->findById(-5), nullptr);
}

TEST_F(EnemiesTest, ABrokenBridgeBecomesTheCheckpointOnceAndScoresWithoutAKillTheLastEndsTheLevel)
{
    loadList({record(500, 100, 100), record(300, 400, 400), record(300, 400, 1000)});
    EBridge& bridge = *enemies->bridges()[0];
    breakBridge(bridge);
    EXPECT_EQ(enemies->all().size(), 3u); // a wreck stays
    EXPECT_EQ(enemies->bridgesPassed(), 1);
    EXPECT_TRUE(enemies->takeCheckpointChanged());
    EXPECT_FALSE(enemies->takeCheckpointChanged());
    EXPECT_EQ(enemies->checkpointPosition(), bridge.position());
    EXPECT_EQ(enemies->checkpointEntry(), 1);
    EXPECT_FALSE(enemies->levelEndReached());
    EXPECT_EQ(arena.scores().levelScores(), bridge.value());
    EXPECT_EQ(arena.scores().planesKilled(), 0);

    // It keeps being drawn, shows the broken picture once its blast is over, and hurts no more.
    run(200);
    EXPECT_EQ(bridge.sprite().currentGroup, 1);
    EXPECT_FALSE(bridge.exploding());
    EXPECT_EQ(enemies->collideWithPlayer(playerAt(bridge.position())), 0);
    EXPECT_FALSE(enemies->takeCheckpointChanged());

    // The last bridge ends the level only when it breaks close above the camera.
    setCamera(700);
    breakBridge(*enemies->bridges()[1]);
    EXPECT_EQ(enemies->bridgesPassed(), 2);
    EXPECT_FALSE(enemies->levelEndReached()); // 300 above the camera
    setCamera(751);
    run(1);
    EXPECT_TRUE(enemies->levelEndReached()); // 249 above
}

TEST_F(EnemiesTest, ARestartAfterTheFinalBridgeGoesBackToTheOneBeforeIt)
{
    const std::vector<NVolant::EnemyRecord> list = {record(500, 100, 100), record(300, 400, 200),
                                                    record(501, 100, 250), record(300, 400, 500)};
    loadList(list);
    enemies->setCheckpoint(2);
    enemies->restartFromCheckpoint();
    EXPECT_EQ(enemies->bridgesPassed(), 1);
    EXPECT_EQ(enemies->camera().y, 200.0f);
    loadList(list);
    EXPECT_TRUE(enemies->bridges()[0]->destroyed());
    EXPECT_FALSE(enemies->bridges()[1]->destroyed());
    EXPECT_EQ(enemies->all().size(), 3u);

    // A saved count larger than the level's bridges stops at its last one.
    enemies->setCheckpoint(40);
    EXPECT_EQ(enemies->bridgesPassed(), 2);
}

TEST_F(EnemiesTest, StillUnitsNeverMoveAndFireFromTheirSecondUpdateOnlyWithAWeaponRange)
{
    const struct {
        int type, group;
        bool rocket; // boats fire rockets, helicopters missiles
        float angle; // boats straight down the screen, helicopters along their heading
    } kinds[] = {{0, 2, true, 180.0f}, {100, 1, false, -45.0f}};
    for (const auto& kind : kinds) {
        SCOPED_TRACE(kind.type);
        arena.shots().clear();
        loadList(
            {record(kind.type, 300, 400, kind.group, 0, 5), record(kind.type, 500, 400, kind.group, 0, 0)});
        Enemy& unit = *enemies->all()[0];
        Enemy& quiet = *enemies->all()[1];
        unit.update(kStep);
        EXPECT_TRUE(arena.shots().enemyShots().empty());
        unit.update(kStep);
        ASSERT_EQ(arena.shots().enemyShots().size(), 1u);
        for (int i = 0; i < 300; ++i) {
            unit.update(kStep);
            quiet.update(kStep);
        }
        EXPECT_EQ(unit.position(), Vector4(300, 400));
        EXPECT_EQ(unit.group(), kind.group);
        EXPECT_GT(arena.shots().enemyShots().size(), 2u);
        // Every shot left from the armed unit: one from the unit without a range would lie 200 px off.
        for (const auto& shot : arena.shots().enemyShots()) {
            EXPECT_EQ(dynamic_cast<const NVolant::TankRocket*>(shot.get()) != nullptr, kind.rocket);
            EXPECT_EQ(dynamic_cast<const NVolant::Missile*>(shot.get()) != nullptr, !kind.rocket);
            EXPECT_FLOAT_EQ(shot->angle(), kind.angle);
            EXPECT_LT((shot->position() - unit.position()).length(), unit.sprite().frameWidth / 2.0f);
            EXPECT_EQ(shot->flightSound(), NVolant::SoundCue::EnemyMissile);
        }
    }
}

TEST_F(EnemiesTest, TheSightPicksTheFirstSuitableEnemyInItsConeAndLooksNoFurtherThan350)
{
    loadList({record(500, 400, 100), record(300, 400, 200), record(501, 470, 300), record(502, 400, 360),
              record(503, 400, 401)});
    const Vector4 plane(400, 50);
    enemies->bridges()[0]->setDestroyed(true);
    // Straight ahead; a broken bridge is never picked.
    EXPECT_EQ(enemies->findTarget(plane, 15.0f)->startPosition().y, 100.0f);
    const Vector4 higher(400, 150);
    // The building at x 470 lies outside sin(15) x 150; the next one is 210 ahead.
    EXPECT_EQ(enemies->findTarget(higher, 15.0f)->startPosition().y, 360.0f);
    // 351 ahead is too far, and the search stops there.
    EXPECT_EQ(enemies->findTarget(Vector4(400, -251), 15.0f), nullptr);
    EXPECT_EQ(enemies->findTarget(Vector4(400, -250), 15.0f)->startPosition().y, 100.0f);
    EXPECT_EQ(enemies->findTarget(Vector4(400, 500), 15.0f), nullptr);
}

TEST_F(EnemiesTest, TheSalvoTakesEveryTargetAtLeast100AheadLeavingOutBrokenBridges)
{
    loadList({record(500, 100, 120), record(500, 700, 150), record(300, 400, 400), record(100, 300, 600, 2)});
    enemies->bridges()[0]->setDestroyed(true);
    EXPECT_EQ(typesOf(enemies->targetsAhead(Vector4(400, 40))), (std::vector<int>{500, 100}));
}

TEST_F(EnemiesTest, KindsAreLayeredFromBoatsUpToPlanesWhateverTheListOrder)
{
    struct Pair {
        int under;
        int over;
    };
    for (const Pair pair : {Pair{0, 500}, Pair{500, 400}, Pair{400, 100}, Pair{100, 300}, Pair{300, 200}}) {
        SCOPED_TRACE(std::to_string(pair.over) + " over " + std::to_string(pair.under));
        // The upper kind starts lower, so it comes first in the list and list order would bury it.
        loadList({record(pair.over, 400, 300), record(pair.under, 400, 301)});
        ASSERT_EQ(enemies->active().size(), 2u);
        ASSERT_EQ(enemies->active()[0]->type(), pair.over);
        const Body over = body(*enemies->active()[0]);
        const Body under = body(*enemies->active()[1]);
        const Frame both = picture([&] { enemies->draw(); });
        int overlap = 0, buried = 0;
        for (int y = 0; y < both.height; ++y)
            for (int x = 0; x < both.width; ++x) {
                if (!over.opaque(x, y) || !under.touches(x, y))
                    continue;
                ++overlap;
                buried += same(both.at(x, y), over.onBlack.at(x, y)) ? 0 : 1;
            }
        ASSERT_GT(overlap, 100);
        EXPECT_EQ(buried, 0);
    }
}

TEST_F(EnemiesTest, EveryShadowLiesUnderEveryBody)
{
    // A plane flies exactly in a helicopter's shadow (8 right, 8 down on screen) and comes first in
    // the list: drawing each enemy with its shadow in turn would darken it.
    loadList({record(100, 400, 300), record(200, 408, 292)});
    ASSERT_EQ(enemies->active()[0]->type(), 200);
    const Body shaded = body(*enemies->active()[0]);
    const Body caster = body(*enemies->active()[1]);
    constexpr int kGround = 128;
    const Frame both = picture([&] { enemies->draw(); }, kGround);
    int inShadow = 0, darkened = 0, shadow = 0;
    for (int y = 0; y < both.height; ++y)
        for (int x = 0; x < both.width; ++x) {
            if (shaded.opaque(x, y)) {
                inShadow += caster.touches(x - 8, y - 8) ? 1 : 0;
                darkened += same(both.at(x, y), shaded.onBlack.at(x, y)) ? 0 : 1;
            } else if (!shaded.touches(x, y) && !caster.touches(x, y)) {
                shadow += both.at(x, y).r < kGround - 10 ? 1 : 0;
            }
        }
    ASSERT_GT(inShadow, 100);
    EXPECT_EQ(darkened, 0);
    EXPECT_GT(shadow, 50) << "the shadows are drawn at all";
}

TEST_F(EnemiesTest, AnIntactBridgeHurtsByItsHullEveryFrame)
{
    loadList({record(500, 100, 100), record(300, 400, 300)});
    const auto& bridge = *enemies->bridges()[0];
    const auto player = playerAt(bridge.position());
    EXPECT_EQ(enemies->collideWithPlayer(player), bridge.hull());
    EXPECT_EQ(enemies->collideWithPlayer(player), bridge.hull());
    EXPECT_FALSE(bridge.destroyed());
}

TEST_F(EnemiesTest, EveryKindShotDownScoresItsValueAndCountsItsKillRammedItGivesNeither)
{
    const struct {
        int type;
        bool rammable; // ground units cannot be flown into
        int (NVolant::Scores::*kills)() const;
    } kinds[] = {
        {0, true, &NVolant::Scores::boatsKilled},     {100, true, &NVolant::Scores::helicsKilled},
        {201, true, &NVolant::Scores::planesKilled},  {400, false, &NVolant::Scores::planesKilled},
        {500, false, &NVolant::Scores::planesKilled},
    };
    for (const auto& kind : kinds) {
        SCOPED_TRACE(kind.type);
        arena.scores().resetLevelStats();
        loadList({record(kind.type, 400, 300, 2)});
        Enemy* rammed = firstOfType(kind.type);
        const int hull = rammed->hull();
        EXPECT_EQ(enemies->collideWithPlayer(playerAt(rammed->position() + Vector4(0, 100))), 0);
        EXPECT_EQ(enemies->collideWithPlayer(playerAt(rammed->position())), kind.rammable ? hull : 0);
        run(1);
        EXPECT_EQ(firstOfType(kind.type) == nullptr, kind.rammable);
        EXPECT_EQ(arena.scores().levelScores(), 0);
        EXPECT_EQ((arena.scores().*kind.kills)(), 0);

        loadList({record(kind.type, 400, 300, 2)});
        const int value = firstOfType(kind.type)->value();
        for (int frame = 0; frame < 300 && firstOfType(kind.type); ++frame) {
            if (!firstOfType(kind.type)->finished())
                missileAt(firstOfType(kind.type)->position());
            run(1);
        }
        EXPECT_EQ(firstOfType(kind.type), nullptr);
        EXPECT_EQ(arena.scores().levelScores(), value);
        EXPECT_EQ((arena.scores().*kind.kills)(), 1);
    }
}

} // namespace
