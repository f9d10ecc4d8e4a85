#include "combat/Effects.h"
#include "content/Random.h"
#include "content/ParticleSystem.h"
#include "content/Sprite.h"

#include "support/ParticleFiles.h"
#include "support/WorldFixture.h"

namespace {

class EffectsTest : public WorldFixture {
protected:
    void SetUp() override
    {
        WorldFixture::SetUp();
        for (int i = 0; i < 4; ++i)
            writePng("dat/anim/" + std::to_string(i) + ".png", 8, 8, solid(8, 8, 255, 255, 0));
        data.write("dat/anim/anim.xml",
                   "<spriteFramed fps=\"10\"><g><f>dat/anim/0.png</f><f>dat/anim/1.png</f>"
                   "<f>dat/anim/2.png</f><f>dat/anim/3.png</f></g></spriteFramed>");
        animation = std::make_unique<NLib::Sprite>(*archive, "dat/anim/anim.xml");

        NVolant::ParticleInfo info;
        info.emission = 100;
        info.lifetime = 0.1f;
        info.lifeMin = info.lifeMax = 0.3f;
        data.write("dat/particles/trail.psi", psiBytes(info));
        trail = std::make_unique<NVolant::ParticleSystem>(*archive, "dat/particles/trail.psi", nullptr, 0.0f);
    }

    void TearDown() override
    {
        effects.reset();
        trail.reset();
        animation.reset();
        WorldFixture::TearDown();
    }

    NLib::Random random;
    std::unique_ptr<NVolant::Effects> effects = std::make_unique<NVolant::Effects>(random);
    std::unique_ptr<NLib::Sprite> animation;
    std::unique_ptr<NVolant::ParticleSystem> trail;
};

TEST_F(EffectsTest, AnimationsPlayOnceAndGoAtTheirLastFrame)
{
    effects->addAnimation(std::make_unique<NLib::Sprite>(*animation), Vector4(50, 60));
    EXPECT_EQ(effects->animations()[0]->position, Vector4(50, 60));
    effects->update(150.0f); // frame 1
    effects->update(100.0f); // frame 2
    EXPECT_EQ(effects->animationCount(), 1u);
    effects->update(100.0f); // frame 3, the last: never drawn
    EXPECT_EQ(effects->animationCount(), 0u);
}

TEST_F(EffectsTest, TheCameraMovingUpMovesEffectsDownTheScreen)
{
    effects->addAnimation(std::make_unique<NLib::Sprite>(*animation), Vector4(50, 60));
    auto fire = std::make_unique<NVolant::ParticleSystem>(*trail, random);
    fire->fireAt(200, 300);
    fire->update(0.05f, 0.0f);
    const float particleY = fire->particle(0).y;
    NVolant::ParticleSystem* burner = effects->addBurner(std::move(fire));

    effects->setCamera(Vector4(0, 5, 0, 1));
    EXPECT_FLOAT_EQ(effects->animations()[0]->position.y, 65.0f);
    EXPECT_FLOAT_EQ(burner->locationY(), 305.0f);
    EXPECT_FLOAT_EQ(burner->particle(0).y, particleY + 5.0f);

    // Burners off screen are frozen.
    effects->setCamera(Vector4(0, 500, 0, 1));
    const int alive = burner->aliveCount();
    effects->update(1000.0f);
    EXPECT_EQ(burner->aliveCount(), alive);

    effects->removeBurner(burner);
    EXPECT_EQ(effects->burnerCount(), 0u);
}

} // namespace
