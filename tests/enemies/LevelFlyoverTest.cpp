#include "EnemyFixture.h"

#include "combat/Effects.h"
#include "combat/Missile.h"
#include "combat/Shot.h"
#include "combat/Shots.h"
#include "content/ParticleSystem.h"
#include "content/ResourceArchive.h"
#include "content/Sprite.h"
#include "enemies/EBridge.h"
#include "enemies/Enemies.h"
#include "enemies/Enemy.h"
#include "score/Scores.h"
#include "world/Terrain.h"

#include "support/HeadlessPlatform.h"

#include <map>
#include <set>

namespace {

using NVolant::Enemy;

// The busiest stretch of the last level flown over with the real terrain, shots and effects: every
// kind on it comes alive where the level puts it, moves or fires as it should, and explodes when
// the player's missiles reach it. Frames go to build/test-output/enemies/ for a look.
class LevelFlyoverTest : public EnemyFixture {
protected:
    static int kindOf(int type) { return type / 100; }

    // The camera height whose activation window holds the most enemies.
    float busiestCamera() const
    {
        float best = 0.0f;
        std::size_t most = 0;
        const float top = enemies->all().empty() ? 0.0f : enemies->all().back()->startPosition().y;
        for (float y = 0.0f; y < top; y += 50.0f) {
            std::size_t n = 0;
            for (const auto& e : enemies->all())
                n += e->startPosition().y >= y - 200.0f && e->startPosition().y <= y + 700.0f;
            if (n > most) {
                most = n;
                best = y;
            }
        }
        return best;
    }

    void draw(NVolant::Terrain& terrain)
    {
        platform().beginFrame();
        terrain.draw();
        arena.effects().drawBurners();
        enemies->draw();
        arena.effects().drawTrailsAndAnimations();
        arena.shots().draw();
        arena.effects().drawAnimations();
    }
};

TEST_F(LevelFlyoverTest, EveryKindOnLevel30sBusiestStretchMovesFiresAndExplodes)
{
    NVolant::Terrain terrain;
    terrain.load(*NLib::ResourceArchive::instance(), "levels/30/level.xml", arena.random());
    const TerrainGround ground(terrain);
    enemies->setGround(&ground);
    enemies->load("levels/30/enemies.dat");
    ASSERT_GT(enemies->all().size(), 50u);

    const float busiest = busiestCamera();
    const float start = std::max(0.0f, busiest - 600.0f);
    setCamera(start);

    std::set<int> present, moved, fired, killed;
    std::map<int, int> firstSeen; // frame at which a kind first came alive
    std::map<int, const Enemy*> alive;
    std::map<int, int> kindOfId;
    std::set<int> enemyShots;
    int savedFrames = 0;
    float cameraY = start;
    constexpr int kFrames = 60 * 25;
    for (int frame = 0; frame < kFrames; ++frame) {
        run(1);
        // Whoever left the active list while its spawn point is still in the window was destroyed.
        std::map<int, const Enemy*> now;
        for (const Enemy* e : enemies->active())
            now[e->id()] = e;
        for (const auto& [id, e] : alive)
            if (!now.count(id))
                killed.insert(kindOfId[id]);
        for (const auto& [id, e] : now) {
            const int kind = kindOf(e->type());
            present.insert(kind);
            firstSeen.emplace(kind, frame);
            kindOfId[id] = kind;
            if (e->position() != e->startPosition())
                moved.insert(kind);
        }
        // A new enemy projectile has not moved yet: it belongs to the enemy nearest to it.
        for (const auto& s : arena.shots().enemyShots()) {
            if (!enemyShots.insert(s->identifier()).second)
                continue;
            const Enemy* nearest = nullptr;
            for (const auto& [id, e] : now)
                if (!nearest ||
                    (e->position() - s->position()).length() < (nearest->position() - s->position()).length())
                    nearest = e;
            if (nearest && (nearest->position() - s->position()).length() < 80.0f)
                fired.insert(kindOf(nearest->type()));
        }

        cameraY += 0.1f * kStep;
        setCamera(cameraY);
        terrain.setPosition(0.0f, cameraY, 0.0f, 1.0f);
        // Leaving the window below is not dying.
        alive.clear();
        for (const auto& [id, e] : now)
            if (e->startPosition().y >= cameraY - 200.0f)
                alive[id] = e;

        // Once the stretch is on screen, a salvo every second at everything ahead, as the kill-all
        // bonus launches it.
        if (cameraY > busiest - 300.0f && frame % 60 == 0) {
            const Vector4 plane(400.0f, cameraY + 100.0f);
            for (int id : enemies->targetsAheadOf(plane)) {
                auto missile = std::make_unique<NVolant::Missile>(arena);
                missile->setPosition(plane);
                missile->setAngle(0.0f);
                missile->launch();
                missile->setTarget(id);
                arena.shots().add(std::move(missile));
            }
        }
        if (frame % 150 == 75) {
            draw(terrain);
            platform().readFrame().save("enemies", "level30-" + std::to_string(savedFrames++));
            platform().endFrame();
        }
    }

    EXPECT_GT(arena.scores().levelScores(), 0);
    for (int kind : present) {
        SCOPED_TRACE("kind " + std::to_string(kind * 100));
        if (kind == 1 || kind == 2) {
            EXPECT_TRUE(moved.count(kind));
        }
        if (kind == 0 || kind == 1 || kind == 4) {
            EXPECT_TRUE(fired.count(kind));
        }
        // Anything that was in reach of the salvo for some seconds went down, except the wrecks.
        if (kind != 3 && firstSeen[kind] < kFrames - 60 * 6) {
            EXPECT_TRUE(killed.count(kind));
        }
    }
    EXPECT_GT(savedFrames, 5);
    enemies->setGround(nullptr);
}

} // namespace
