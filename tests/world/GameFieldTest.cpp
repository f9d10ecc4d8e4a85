// The game field: starting, pausing and leaving play, the rules it applies every frame (lives
// earned by score, the grace of a plane that has just taken over, the enemies' engine sounds, which
// its own tick ends once nobody keeps them alive), and the saved game it writes and resumes from.
#include "world/GameField.h"

#include "world/RealGameData.h"

#include "content/AudioSystem.h"
#include "content/BitmapText.h"
#include "content/CXmlNode.h"
#include "content/Random.h"
#include "content/Sounds.h"
#include "enemies/EBridge.h"
#include "enemies/Enemies.h"
#include "enemies/Enemy.h"
#include "content/LevelFiles.h"
#include "world/EndLabel.h"
#include "world/FieldHud.h"
#include "world/Level.h"
#include "world/SavedGameText.h"
#include "world/Terrain.h"
#include "world/World.h"

namespace {

using NVolant::decodeSavedGame;
using NVolant::FieldStatus;
using NVolant::GameField;

constexpr float kStep = 16.666666f;

class GameFieldTest : public RealGameData {
protected:
    // A level shown and waiting for the player.
    static void start(GameField& field, int level)
    {
        field.setLevel(level);
        field.startLevel();
    }
    static void run(GameField& field, int frames)
    {
        for (int i = 0; i < frames; ++i)
            field.update(kStep);
    }
    // Runs until the status changes from the one it has (at most a minute of play).
    static FieldStatus runUntilChange(GameField& field)
    {
        const FieldStatus from = field.status();
        for (int i = 0; i < 3600 && field.status() == from; ++i)
            field.update(kStep);
        return field.status();
    }
    // The plane loses its hull and its explosion plays out.
    static void losePlane(GameField& field)
    {
        ASSERT_NE(field.plane(), nullptr);
        field.plane()->applyDamage(100000);
        const int lives = field.lives();
        for (int i = 0; i < 600 && field.lives() == lives; ++i)
            field.update(kStep);
        ASSERT_EQ(field.lives(), lives - 1);
    }
    // Puts the plane near the end of the valley, as though it had flown there.
    static void flyToTheEnd(GameField& field)
    {
        const NVolant::Terrain& t = field.level()->terrain();
        const float end = static_cast<float>(t.rows() * t.cellSize()) - 750.0f;
        field.plane()->setStart(Vector4(400.0f, end + NVolant::Plane::kBottomMargin, 0.0f, 1.0f));
    }
    // The level's enemies replaced by one made-up enemy.
    static NVolant::Enemy& only(GameField& field, int type, const Vector4& at)
    {
        NVolant::EnemyRecord r;
        r.type = type;
        r.position = Vector4(at.x, at.y, 0.0f, 1.0f);
        NVolant::Enemies& enemies = field.level()->enemies();
        enemies.load(std::vector<NVolant::EnemyRecord>{r});
        return *enemies.all().front();
    }
};

// The sound registry on a running (silent) audio output, as the application has it in play.
class FieldRulesTest : public GameFieldTest {
protected:
    void SetUp() override
    {
        GameFieldTest::SetUp();
        NAudio::AudioSystem::create();
        sounds = NVolant::Sounds::create();
    }
    void TearDown() override
    {
        NVolant::Sounds::destroy();
        NAudio::AudioSystem::destroy();
        GameFieldTest::TearDown();
    }

    // Level 1 in play.
    static void play(GameField& field)
    {
        start(field, 1);
        field.onKey(' ');
        ASSERT_EQ(field.status(), FieldStatus::Playing);
    }

    NVolant::Sounds* sounds = nullptr;
};

TEST_F(GameFieldTest, LevelNumbersAreClampedAndAStartedLevelWaitsForTheThirdMouseMove)
{
    GameField field;
    for (const auto& [asked, set] :
         {std::pair{0, 1}, std::pair{45, 30}, std::pair{-7, 1}, std::pair{17, 17}}) {
        field.setLevel(asked);
        EXPECT_EQ(field.levelNumber(), set) << asked;
    }
    EXPECT_EQ(field.status(), FieldStatus::Idle);
    EXPECT_FALSE(field.hasLevel());
    start(field, 1);
    EXPECT_EQ(field.status(), FieldStatus::Waiting);
    ASSERT_TRUE(field.hasLevel());
    ASSERT_NE(field.plane(), nullptr);
    // A steering point put where the field keeps it moved nowhere; put elsewhere, it moved.
    NVolant::PlayerControls still;
    still.steer = field.steeringPoint();
    field.update(kStep, still);
    EXPECT_EQ(field.mouseMoves(), 0);
    NVolant::PlayerControls moved;
    moved.steer = NVolant::SteeringPoint{still.steer->x + 1, still.steer->y};
    field.update(kStep, moved);
    EXPECT_EQ(field.mouseMoves(), 1);
    run(field, 10);
    EXPECT_EQ(field.status(), FieldStatus::Waiting);
    EXPECT_EQ(field.plane()->speed(), 0.0f); // nothing moves while waiting
    // Each move of the mouse counts, however many arrive in one frame: the third starts play.
    NVolant::PlayerControls mouse;
    mouse.pointerMoves = 2;
    mouse.steer = NVolant::SteeringPoint{moved.steer->x + 2, moved.steer->y};
    field.update(kStep, mouse);
    EXPECT_EQ(field.status(), FieldStatus::Playing);
    run(field, 10);
    EXPECT_GT(field.plane()->speed(), 0.0f);
}

TEST_F(GameFieldTest, AnyKeyStartsPlayTheTitleFadesWithinHalfASecondAndPauseFreezesPlay)
{
    GameField field;
    start(field, 12);
    EXPECT_EQ(field.titleFade(), 1.0f);
    field.onKey('X');
    EXPECT_EQ(field.status(), FieldStatus::Playing);
    run(field, 29);
    EXPECT_GT(field.titleFade(), 0.0f);
    EXPECT_GT(field.titleY(), GameField::kTitleY); // it rides down with the ground
    run(field, 2);
    EXPECT_LE(field.titleFade(), 0.0f);

    field.pause();
    EXPECT_EQ(field.status(), FieldStatus::Waiting);
    EXPECT_EQ(field.titleFade(), 1.0f);
    EXPECT_EQ(field.titleY(), GameField::kTitleY);
    EXPECT_EQ(field.mouseMoves(), 0);
    const float y = field.plane()->cameraOffset().y;
    run(field, 30);
    EXPECT_EQ(field.plane()->cameraOffset().y, y);
    // Pausing does nothing unless play runs.
    field.pause();
    EXPECT_EQ(field.status(), FieldStatus::Waiting);
}

TEST_F(GameFieldTest, TheCheatAddsTwoLivesOnlyWhenTypedInOneGo)
{
    GameField field;
    start(field, 1);
    const auto type = [&](const std::string& keys) {
        for (const char key : keys)
            field.onKey(key);
    };
    type("QZJ");
    EXPECT_EQ(field.lives(), 5);
    EXPECT_EQ(field.world().arena().sounds().plays(NVolant::SoundCue::ExtraLife), 1);
    EXPECT_FALSE(field.cheatInProgress());
    type("QXZJ");
    EXPECT_EQ(field.lives(), 5);
    // Letters of the sequence in the wrong order never match; another key closes it.
    type("QJZJ");
    EXPECT_EQ(field.lives(), 5);
    type("A");
    EXPECT_FALSE(field.cheatInProgress());
}

TEST_F(GameFieldTest, TheLivesShownNeverCountThePlaneInPlayNorGoNegative)
{
    for (const auto& [lives, text] : {std::pair{3, "x  2"}, std::pair{1, "x  0"}, std::pair{0, "x  0"},
                                      std::pair{-4, "x  0"}, std::pair{12, "x 11"}})
        EXPECT_EQ(NVolant::FieldHud::livesText(lives), text);
    for (const auto& [hull, frame] :
         {std::pair{100, 20}, std::pair{50, 10}, std::pair{0, 0}, std::pair{-30, 0}})
        EXPECT_EQ(NVolant::FieldHud::gaugeFrame(21, hull, 100), frame) << hull;
}

TEST_F(GameFieldTest, TheLastLifeEndsInGameOverWhichEmptiesTheSavedGame)
{
    // The label ends at a click, or by itself after four seconds.
    for (const bool click : {true, false}) {
        SCOPED_TRACE(click ? "click" : "wait");
        const std::size_t before = profile->scores().size();
        {
            GameField field;
            start(field, 1);
            EXPECT_FALSE(profile->savedGame().empty());
            field.onKey(' ');
            losePlane(field);
            losePlane(field);
            field.plane()->applyDamage(100000);
            EXPECT_EQ(runUntilChange(field), FieldStatus::GameOverShowing);
            EXPECT_EQ(field.lives(), 0);
            EXPECT_EQ(field.plane(), nullptr);
            ASSERT_NE(field.gameOverLabel(), nullptr);
            platform->beginFrame();
            field.draw(); // no plane: the field still draws
            run(field, click ? 10 : 235);
            EXPECT_EQ(field.status(), FieldStatus::GameOverShowing);
            if (click)
                field.onClick(); // ends the label at the next update
            run(field, click ? 1 : 10);
            EXPECT_EQ(field.status(), FieldStatus::GameOver);
            EXPECT_EQ(field.gameOverLabel(), nullptr);
            EXPECT_TRUE(profile->savedGame().empty());
            EXPECT_EQ(profile->scores().size(), before); // settled when the game is left
            field.world().arena().scores().addScore(1234, Vector4());
        }
        ASSERT_EQ(profile->scores().size(), before + 1);
        EXPECT_EQ(profile->scores().front(), 1234);
    }
}

// Winning the game, from the last level's end on: PastTheLastBridgeOfTheLastLevelContinuingWinsTheGame.
TEST_F(GameFieldTest, FlyingOffTheEndOpensTheNextLevel)
{
    GameField field;
    start(field, 29);
    field.onKey(' ');
    run(field, 2);
    flyToTheEnd(field);
    EXPECT_EQ(runUntilChange(field), FieldStatus::LevelEnding);
    EXPECT_EQ(field.plane()->state(), NVolant::PlaneState::LeavingLevel);
    EXPECT_EQ(runUntilChange(field), FieldStatus::LevelComplete);
    EXPECT_EQ(profile->levelMax(), 30);
    field.nextLevel();
    EXPECT_EQ(field.levelNumber(), 30);
    EXPECT_EQ(field.status(), FieldStatus::Idle);
    EXPECT_FALSE(field.hasLevel());
    Xml::CXmlNode record;
    ASSERT_TRUE(decodeSavedGame(profile->savedGame(), record));
    EXPECT_EQ(record.getInt("m_levelNum", 0), 30);
}

TEST_F(GameFieldTest, PassingTheLastBridgeResumesAtTheNextLevelWithItsOwnFiguresAndNoBridgesAtItsStart)
{
    {
        GameField field;
        start(field, 5);
        field.onKey(' ');
        run(field, 5);
        const int bridges = static_cast<int>(field.level()->enemies().bridges().size());
        ASSERT_GT(bridges, 0);
        field.world().arena().scores().addScore(500, Vector4());
        field.world().arena().scores().countBoat();
        field.world().arena().scores().countShot();
        field.level()->setCheckpoint(bridges);
        field.saveProgress();
    }
    Xml::CXmlNode record;
    ASSERT_TRUE(decodeSavedGame(profile->savedGame(), record));
    EXPECT_EQ(record.getInt("m_levelNum", 0), 6);
    EXPECT_EQ(record.getInt("bridgeNum", -1), 0);

    GameField resumed;
    resumed.loadSaved();
    ASSERT_TRUE(resumed.hasLevel());
    EXPECT_EQ(resumed.levelNumber(), 6);
    EXPECT_EQ(resumed.level()->enemies().bridgesPassed(), 0);
    EXPECT_EQ(resumed.lives(), 3);
    // The score carries on; level 5's kills and shots are not level 6's.
    const NVolant::Scores& scores = resumed.world().arena().scores();
    EXPECT_EQ(scores.score(), 500);
    EXPECT_EQ(scores.boatsKilled(), 0);
    EXPECT_EQ(scores.shotsCount(), 0);

    // A level without bridges saves the same level at its start.
    resumed.level()->enemies().clear();
    resumed.saveProgress();
    ASSERT_TRUE(decodeSavedGame(profile->savedGame(), record));
    EXPECT_EQ(record.getInt("m_levelNum", 0), 6);
    EXPECT_EQ(record.getInt("bridgeNum", -1), 0);
}

// There is no level after the last: a game saved past its last bridge (or, by earlier versions,
// as level 31) continues to the victory, and its score reaches the best scores.
TEST_F(GameFieldTest, PastTheLastBridgeOfTheLastLevelContinuingWinsTheGame)
{
    const auto savedPastTheEnd = [this] {
        GameField field;
        start(field, 30);
        field.world().arena().scores().addScore(4321, Vector4());
        const int bridges = static_cast<int>(field.level()->enemies().bridges().size());
        field.level()->setCheckpoint(bridges);
        field.saveProgress();
        return profile->savedGame();
    };
    const std::string current = savedPastTheEnd();
    Xml::CXmlNode record;
    ASSERT_TRUE(decodeSavedGame(current, record));
    EXPECT_EQ(record.getInt("m_levelNum", 0), 30);
    Xml::CXmlNode earlier;
    ASSERT_TRUE(decodeSavedGame(current, earlier));
    earlier.setInt("m_levelNum", 31);
    earlier.setInt("bridgeNum", 0);

    for (const std::string& text : {current, NVolant::encodeSavedGame(earlier)}) {
        profile->setSavedGame(text);
        const std::size_t before = profile->scores().size();
        {
            GameField resumed;
            resumed.loadSaved();
            ASSERT_TRUE(resumed.hasLevel());
            EXPECT_EQ(resumed.levelNumber(), 30);
            EXPECT_EQ(resumed.status(), FieldStatus::LevelEnding);
            EXPECT_EQ(runUntilChange(resumed), FieldStatus::VictoryShowing);
            ASSERT_NE(resumed.victoryLabel(), nullptr);
            EXPECT_FALSE(profile->savedGame().empty());
            EXPECT_EQ(runUntilChange(resumed), FieldStatus::Victory);
            EXPECT_TRUE(profile->savedGame().empty());
            // Nothing starts after the last level.
            resumed.startLevel();
            EXPECT_EQ(resumed.status(), FieldStatus::Victory);
        }
        ASSERT_EQ(profile->scores().size(), before + 1);
        EXPECT_EQ(profile->scores().back(), 4321);
    }
}

TEST_F(GameFieldTest, EveryLevelStartWritesTheSavedGameAndAContinuedGameStandsAtItsCheckpointWithItsScore)
{
    {
        GameField field;
        start(field, 4);
        Xml::CXmlNode record;
        ASSERT_TRUE(decodeSavedGame(profile->savedGame(), record));
        EXPECT_EQ(record.getName(), "save");
        EXPECT_EQ(record.getInt("m_status", -1), 1);
        EXPECT_EQ(record.getInt("m_levelNum", 0), 4);
        EXPECT_EQ(record.getInt("m_livesCount", 0), 3);
        EXPECT_EQ(record.getInt("bridgeNum", -1), 0);
        EXPECT_NE(record.findChild("scores"), nullptr);
        EXPECT_EQ(profile->levelMax(), 4);

        for (const char key : {'Q', 'Z', 'J'})
            field.onKey(key);
        field.world().arena().scores().addScore(777, Vector4());
        field.level()->setCheckpoint(2);
        field.saveProgress();
    }
    GameField resumed;
    resumed.loadSaved();
    ASSERT_TRUE(resumed.hasLevel());
    EXPECT_EQ(resumed.levelNumber(), 4);
    EXPECT_EQ(resumed.lives(), 5);
    EXPECT_EQ(resumed.status(), FieldStatus::Playing);
    EXPECT_EQ(resumed.world().arena().scores().score(), 777);
    const NVolant::Enemies& enemies = resumed.level()->enemies();
    EXPECT_EQ(enemies.bridgesPassed(), 2);
    // The plane stands at the second bridge, the view with it.
    const float bridgeY = enemies.bridges()[1]->position().y;
    EXPECT_FLOAT_EQ(resumed.plane()->worldPosition().y, bridgeY >= 1.0f ? bridgeY : 100.0f);
    EXPECT_FLOAT_EQ(resumed.level()->cameraPosition().y, resumed.plane()->cameraOffset().y);
}

// (That nothing out of range is ever accepted: the saved-game fuzz target.)
TEST_F(GameFieldTest, ASavedGameThatCannotBeTrustedCountsAsNone)
{
    const auto record = [](int level, int lives, int status = 1, int bridges = 0) {
        Xml::CXmlNode save;
        save.setName("save");
        save.setInt("m_status", status);
        save.setInt("m_levelNum", level);
        save.setInt("m_livesCount", lives);
        save.setInt("bridgeNum", bridges);
        return NVolant::encodeSavedGame(save);
    };
    const std::string good = record(2, 3);
    std::string lowerCase = good;
    for (char& c : lowerCase)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"odd length", good.substr(0, good.size() - 1)},
        {"not hexadecimal, so not XML", std::string(good.size(), 'Z')},
        {"lower-case digits", lowerCase},
        {"level 0", record(0, 3)},
        {"level 32", record(32, 3)},
        {"no lives", record(2, 0)},
        {"no level at all", NVolant::encodeSavedGame(Xml::CXmlNode())},
    };
    for (const auto& [what, text] : cases) {
        profile->setSavedGame(text);
        GameField field;
        field.loadSaved();
        EXPECT_FALSE(field.hasLevel()) << what;
        EXPECT_EQ(field.status(), FieldStatus::Idle) << what;
        EXPECT_EQ(field.lives(), GameField::kStartLives) << what;
    }
    // Numbers out of range where the game can make sense of them: an unknown status resumes
    // behind the title, a bridge count past the end goes back to the last checkpoint but one.
    profile->setSavedGame(record(3, 2, 77, 1000000));
    GameField field;
    field.loadSaved();
    ASSERT_TRUE(field.hasLevel());
    EXPECT_EQ(field.status(), FieldStatus::Waiting);
    EXPECT_EQ(field.titleFade(), 1.0f);
    const int bridges = static_cast<int>(field.level()->enemies().bridges().size());
    EXPECT_EQ(field.level()->enemies().bridgesPassed(), bridges - 1);
}

// (A seeded game draws the same choices every time: ReplayTest.)
TEST_F(GameFieldTest, GamesThePlayerStartsDrawTheirIntegerChoicesFromTheClock)
{
    const auto draws = [](GameField& field) {
        NLib::Random& random = field.world().arena().random();
        return std::vector<int>{random.integer(), random.integer(), random.integer()};
    };
    GameField first, second;
    first.newGame();
    second.newGame();
    EXPECT_NE(draws(first), draws(second));
    // The game's own sequence starts at 0 either way.
    EXPECT_EQ(first.world().arena().random().state(), 0u);
}

TEST_F(FieldRulesTest, EveryTenThousandPointsGiveOneLifeOnceWithItsJingle)
{
    GameField field;
    play(field);
    field.level()->enemies().clear();
    NVolant::Scores* scores = &field.world().arena().scores();
    const NAudio::Sound* jingle = sounds->addLife();
    ASSERT_NE(jingle, nullptr);

    // Two thresholds in one frame: both lives, one jingle, and never again (the sums: ScoresTest).
    scores->addScore(20000, Vector4());
    run(field, 3);
    EXPECT_EQ(field.lives(), 5);
    EXPECT_EQ(field.world().arena().sounds().plays(NVolant::SoundCue::ExtraLife), 1);
    EXPECT_TRUE(jingle->isPlaying());
}

TEST_F(FieldRulesTest, APlaneThatHasJustTakenOverCannotCollideUntilFullyVisible)
{
    GameField field;
    play(field);
    run(field, 120);
    const float cameraY = field.plane()->cameraOffset().y;
    losePlane(field);
    // The new plane takes over where the last one was, whole and not yet seen in full.
    EXPECT_EQ(field.status(), FieldStatus::Playing);
    const NVolant::Plane* plane = field.plane();
    EXPECT_EQ(plane->state(), NVolant::PlaneState::Flying);
    EXPECT_GE(plane->cameraOffset().y, cameraY);
    EXPECT_EQ(field.mouseMoves(), 0);
    ASSERT_LT(plane->alpha(), 1.0f);
    field.world().arena().shots().clear();

    // An intact bridge hurts every frame it touches; it is kept right on the plane.
    auto& bridge = static_cast<NVolant::EBridge&>(only(field, 300, plane->worldPosition()));
    bridge.setDestroyed(false);
    int frames = 0;
    for (; frames < 600; ++frames) {
        bridge.setStartPosition(plane->worldPosition());
        bridge.setPosition(plane->worldPosition());
        field.update(kStep);
        if (plane->alpha() < 1.0f) {
            ASSERT_EQ(plane->hull(), plane->maxHull()) << "hit while fading in, frame " << frames;
            continue;
        }
        // The frame it is whole again the bridge reaches it.
        EXPECT_LT(plane->hull(), plane->maxHull());
        break;
    }
    EXPECT_GT(frames * kStep, 2000.0f);
    EXPECT_LT(frames, 600);
}

TEST_F(FieldRulesTest, AnEngineSoundsWhileItsEnemyFliesAndFallsSilentWhenItStopsOrGoes)
{
    GameField field;
    play(field);
    run(field, 2);
    // A hovering helicopter of the third model off to the side, out of the plane's way.
    const Vector4 p = field.plane()->worldPosition();
    const int id = only(field, 102, p + Vector4(250.0f, 300.0f)).id();
    const auto key = static_cast<std::uint32_t>(id);
    const NAudio::Sound* rotor = sounds->helicEngine(2);
    ASSERT_NE(rotor, nullptr);
    for (int i = 0; i < 60; ++i) {
        field.update(kStep);
        ASSERT_TRUE(rotor->isInstancePlaying(key)) << "frame " << i;
    }

    // Paused, nothing updates the helicopter any more: its rotor lapses within three frames.
    field.pause();
    run(field, 3);
    EXPECT_FALSE(rotor->hasInstance(key));
    EXPECT_FALSE(rotor->isInstancePlaying(key));
    field.onKey(' ');
    field.update(kStep);
    EXPECT_TRUE(rotor->isInstancePlaying(key)) << "back in play, back in the air";

    // An enemy that is gone stops its engine at once.
    field.level()->enemies().clear();
    EXPECT_FALSE(rotor->hasInstance(key));
    EXPECT_FALSE(rotor->isInstancePlaying(key));
}

} // namespace
