#include "content/ParticleSystem.h"
#include "content/Random.h"
#include "platform/KGraphic.h"

#include "support/ParticleFiles.h"
#include "support/WorldFixture.h"

namespace {

using NVolant::ParticleSystem;

class ParticleSystemTest : public WorldFixture {
protected:
    void SetUp() override
    {
        WorldFixture::SetUp();
        writePng("dat/particles/dot.png", 4, 4, solid(4, 4, 255, 255, 255));
        texture = createGraphic();
        texture->loadFromFile("dat/particles/dot.png");
        info.emission = 30;
        info.lifetime = -1.0f;
        info.lifeMin = info.lifeMax = 1.0f;
        info.sizeStart = info.sizeEnd = 1.0f;
        info.colorStart[0] = info.colorStart[3] = 1.0f;
        info.colorEnd[0] = info.colorEnd[3] = 1.0f;
    }

    ParticleSystem load(float fps = 0.0f)
    {
        data.write("dat/particles/test.psi", psiBytes(info));
        return ParticleSystem(*archive, "dat/particles/test.psi", texture.get(), fps, &random);
    }

    NLib::Random random;
    NVolant::ParticleInfo info;
    std::unique_ptr<KGraphic> texture;
};

TEST_F(ParticleSystemTest, EmissionCarriesTheFractionRunsFixedStepsOnceAndStopsAtFiveHundred)
{
    ParticleSystem emitter = load();
    EXPECT_TRUE(emitter.isStopped());
    emitter.fireAt(100, 100);
    // 30 per second at 16 ms steps is 0.48 per step.
    std::vector<int> alive;
    for (int i = 0; i < 7; ++i) {
        emitter.update(0.016f, 0.0f);
        alive.push_back(emitter.aliveCount());
    }
    EXPECT_EQ(alive, (std::vector<int>{0, 0, 1, 1, 2, 2, 3}));

    ParticleSystem fixed = load(10.0f); // 0.1 s steps
    fixed.fireAt(0, 0);
    fixed.update(0.05f, 0.0f);
    EXPECT_EQ(fixed.aliveCount(), 0);
    fixed.update(0.5f, 0.0f); // one step of 0.1 s: 3 particles, the rest of the time dropped
    EXPECT_EQ(fixed.aliveCount(), 3);

    info.emission = 100000;
    info.lifeMin = info.lifeMax = 100.0f;
    ParticleSystem flood = load();
    flood.fireAt(0, 0);
    for (int i = 0; i < 2; ++i) {
        flood.update(0.1f, 0.0f);
        EXPECT_EQ(flood.aliveCount(), ParticleSystem::kMaxParticles) << "and the residue is consumed";
    }
}

TEST_F(ParticleSystemTest, LifetimesOfEmitterAndParticles)
{
    info.lifetime = 0.5f;
    info.emission = 100;
    info.lifeMin = info.lifeMax = 0.3f;
    ParticleSystem emitter = load();
    emitter.fireAt(0, 0);
    for (int i = 0; i < 11; ++i)
        emitter.update(0.05f, 0.0f);
    // Emission stopped at 0.5 s; the particles live on.
    EXPECT_TRUE(emitter.isStopped());
    const int alive = emitter.aliveCount();
    EXPECT_GT(alive, 0);
    emitter.update(0.05f, 0.0f);
    EXPECT_LE(emitter.aliveCount(), alive);
    for (int i = 0; i < 10; ++i)
        emitter.update(0.05f, 0.0f);
    EXPECT_EQ(emitter.aliveCount(), 0);
}

TEST_F(ParticleSystemTest, FiringAtANewPointDoesNotStreakAndParticlesSpreadAlongThePath)
{
    info.emission = 300;
    ParticleSystem emitter = load();
    emitter.moveTo(500, 500, false);
    emitter.fireAt(100, 100);
    emitter.update(0.01f, 0.0f); // three particles, all at the new point
    ASSERT_EQ(emitter.aliveCount(), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_FLOAT_EQ(emitter.particle(i).x, 100.0f);
        EXPECT_FLOAT_EQ(emitter.particle(i).y, 100.0f);
    }
    emitter.moveTo(140, 100, false);
    emitter.update(0.01f, 0.0f); // three more, at 0, 1/4 and 2/4 of the way
    ASSERT_EQ(emitter.aliveCount(), 6);
    EXPECT_FLOAT_EQ(emitter.particle(3).x, 100.0f);
    EXPECT_FLOAT_EQ(emitter.particle(4).x, 110.0f);
    EXPECT_FLOAT_EQ(emitter.particle(5).x, 120.0f);

    // Carrying moves the particles with the emitter.
    emitter.moveTo(140, 110, true);
    EXPECT_FLOAT_EQ(emitter.particle(0).y, 110.0f);
}

TEST_F(ParticleSystemTest, VelocityIsAddedOncePerStepAndShiftMovesParticles)
{
    info.emission = 100;
    info.speedMin = info.speedMax = 2.0f;
    info.direction = 1.5707964f; // straight along +x after the quarter turn
    ParticleSystem emitter = load();
    emitter.fireAt(0, 0);
    emitter.update(0.01f, 0.0f);
    ASSERT_EQ(emitter.aliveCount(), 1);
    EXPECT_NEAR(emitter.particle(0).vx, 2.0f, 1e-5f);
    emitter.stop(false);
    emitter.update(0.5f, 3.0f);
    EXPECT_NEAR(emitter.particle(0).x, 2.0f, 1e-5f);
    EXPECT_NEAR(emitter.particle(0).y, 3.0f, 1e-5f);
    emitter.stop(true);
    EXPECT_EQ(emitter.aliveCount(), 0);
}

TEST_F(ParticleSystemTest, BadFilesGiveASilentEmitterAndSmallPullsSnapToZero)
{
    data.write("dat/particles/short.psi", std::string(127, '\1'));
    ParticleSystem bad(*archive, "dat/particles/short.psi", texture.get(), 0.0f);
    bad.fireAt(0, 0);
    bad.update(1.0f, 0.0f);
    EXPECT_EQ(bad.aliveCount(), 0);
    ParticleSystem missing(*archive, "dat/particles/none.psi", texture.get(), 0.0f);
    EXPECT_EQ(missing.info().emission, 0);

    info.gravityMin = 0.4f;
    info.gravityMax = -0.49f;
    info.tangentialMin = 0.6f;
    const ParticleSystem snapped = load();
    EXPECT_EQ(snapped.info().gravityMin, 0.0f);
    EXPECT_EQ(snapped.info().gravityMax, 0.0f);
    EXPECT_FLOAT_EQ(snapped.info().tangentialMin, 0.6f);
}

TEST_F(ParticleSystemTest, CopiesDrawTheirOwnParticlesWithOneTexture)
{
    info.emission = 100;
    data.write("dat/particles/test.psi", psiBytes(info));
    // A template draws no random numbers: only the copy emits.
    const ParticleSystem templ(*archive, "dat/particles/test.psi", texture.get(), 0.0f);
    ParticleSystem copy(templ, random);
    copy.setScale(4.0f);
    copy.fireAt(400, 300);
    copy.update(0.05f, 0.0f);
    EXPECT_EQ(templ.aliveCount(), 0);
    ASSERT_EQ(copy.aliveCount(), 5);
    platform->beginFrame();
    copy.draw();
    const Frame frame = platform->readFrame();
    // Red particles, scaled to 16 pixels, centred on the emitter.
    EXPECT_GT(frame.at(400, 300).r, 200);
    EXPECT_EQ(frame.at(400, 300).g, 0);
    EXPECT_EQ(frame.at(420, 300).r, 0);
}

} // namespace
