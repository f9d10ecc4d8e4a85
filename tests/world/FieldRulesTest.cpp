// Rules the game field applies every frame of play: lives earned by score, the grace of a plane
// that has just taken over, and the enemies' engine sounds, which the field's own tick ends once
// nobody keeps them alive.
#include "world/GameField.h"

#include "world/RealGameData.h"

#include "content/AudioSystem.h"
#include "content/Sounds.h"
#include "enemies/EBridge.h"
#include "enemies/Enemies.h"
#include "enemies/Enemy.h"
#include "content/LevelFiles.h"
#include "world/Level.h"

namespace {

using NVolant::FieldStatus;
using NVolant::GameField;

constexpr float kStep = 16.666666f;

// The sound registry on a running (silent) audio output, as the application has it in play.
class FieldRulesTest : public RealGameData {
protected:
    void SetUp() override
    {
        RealGameData::SetUp();
        NAudio::AudioSystem::create();
        sounds = NVolant::Sounds::create();
    }
    void TearDown() override
    {
        NVolant::Sounds::destroy();
        NAudio::AudioSystem::destroy();
        RealGameData::TearDown();
    }

    // Level 1 in play.
    static void play(GameField& field)
    {
        field.setLevel(1);
        field.startLevel();
        field.onKey(' ');
        ASSERT_EQ(field.status(), FieldStatus::Playing);
    }
    static void run(GameField& field, int frames)
    {
        for (int i = 0; i < frames; ++i)
            field.update(kStep);
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

    NVolant::Sounds* sounds = nullptr;
};

TEST_F(FieldRulesTest, EveryTenThousandPointsGiveOneLifeOnceWithItsJingle)
{
    GameField field;
    play(field);
    field.level()->enemies().clear();
    NVolant::Scores* scores = &field.world().arena().scores();
    const NAudio::Sound* jingle = sounds->addLife();
    ASSERT_NE(jingle, nullptr);

    scores->addScore(9999, Vector4());
    run(field, 2);
    EXPECT_EQ(field.lives(), 3);
    EXPECT_EQ(field.world().arena().sounds().plays(NVolant::SoundCue::ExtraLife), 0);
    EXPECT_FALSE(jingle->isPlaying());

    scores->addScore(1, Vector4());
    field.update(kStep);
    EXPECT_EQ(field.lives(), 4);
    EXPECT_EQ(field.world().arena().sounds().plays(NVolant::SoundCue::ExtraLife), 1);
    EXPECT_TRUE(jingle->isPlaying());
    run(field, 60);
    EXPECT_EQ(field.lives(), 4) << "a threshold gives its life once";
    EXPECT_EQ(field.world().arena().sounds().plays(NVolant::SoundCue::ExtraLife), 1);

    // Two thresholds in one frame: both lives, one jingle.
    scores->addScore(20000, Vector4());
    field.update(kStep);
    EXPECT_EQ(field.lives(), 6);
    EXPECT_EQ(field.world().arena().sounds().plays(NVolant::SoundCue::ExtraLife), 2);
}

TEST_F(FieldRulesTest, APlaneThatHasJustTakenOverCannotCollideUntilFullyVisible)
{
    GameField field;
    play(field);
    run(field, 30);
    field.plane()->applyDamage(100000);
    for (int i = 0; i < 600 && field.lives() == 3; ++i)
        field.update(kStep);
    ASSERT_EQ(field.lives(), 2);
    const NVolant::Plane* plane = field.plane();
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
