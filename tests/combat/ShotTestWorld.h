#pragma once

#include "combat/Arena.h"
#include "combat/Bonus.h"
#include "combat/BonusReceiver.h"
#include "combat/TargetLookup.h"
#include "content/ParticleSystem.h" // the managers' lists need the whole types where they are made
#include "content/Sprite.h"
#include "content/ResourceArchive.h"
#include "gameplay/CollitionCircles.h"
#include "gameplay/Images.h"
#include "platform/KGraphic.h"
#include "score/Scores.h"

#include "support/GeneratedData.h"
#include "support/HeadlessPlatform.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

// A headless window, the generated data pack and the image registry, as the game has them when a
// level runs (made once per suite: loading every picture takes a while), and a fresh game's arena
// for each test.
class ShotTestWorld : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_platform = std::make_unique<HeadlessPlatform>();
        if (s_platform->ok() && openGeneratedData())
            NVolant::Images::instance();
    }

    static void TearDownTestSuite()
    {
        NVolant::Images::destroy();
        closeGeneratedData();
        s_platform.reset();
    }

    void SetUp() override
    {
        ASSERT_TRUE(s_platform->ok());
        ASSERT_NE(NVolant::Images::existing(), nullptr) << "no generated data pack";
    }

    // One circle placed in the world.
    static NVolant::CollitionCircles circleAt(float x, float y, float radius)
    {
        NVolant::CollitionCircles c;
        c.append(Vector4(0.0f, 0.0f), radius);
        c.place(Vector4(x, y), 0.0f);
        return c;
    }

    // How often the pick-up chime sounded in this test's game.
    int chimes() const { return arena.sounds().plays(NVolant::SoundCue::Bonus); }

    // A picture drawn alone over one grey.
    template <typename Draw> Frame picture(Draw draw, int grey = 0)
    {
        const float g = static_cast<float>(grey) / 255.0f;
        platform->beginFrame(g, g, g);
        draw();
        platform->endFrame();
        return platform->readFrame();
    }

    // Pixels inside a box whose colours differ between two pictures by more than a tolerance (the
    // differences of red, green and blue summed).
    static int differing(const Frame& a, const Frame& b, int x0, int y0, int x1, int y1, int tolerance = 0)
    {
        int n = 0;
        for (int y = std::max(y0, 0); y < std::min(y1, a.height); ++y)
            for (int x = std::max(x0, 0); x < std::min(x1, a.width); ++x) {
                const Frame::Pixel p = a.at(x, y), q = b.at(x, y);
                n += std::abs(p.r - q.r) + std::abs(p.g - q.g) + std::abs(p.b - q.b) > tolerance ? 1 : 0;
            }
        return n;
    }

    HeadlessPlatform* const platform = s_platform.get();
    NVolant::Arena arena;

private:
    static inline std::unique_ptr<HeadlessPlatform> s_platform;
};

// A single enemy the test moves by hand, found by the weapons like any enemy of a running level.
class ScriptedTarget final : public NVolant::TargetLookup {
public:
    std::optional<NVolant::TargetInfo> targetById(int id) const override
    {
        if (present && id == info.id && id >= 1)
            return info;
        return std::nullopt;
    }
    std::optional<NVolant::TargetInfo> targetInCone(const Vector4&, float) const override
    {
        if (present)
            return info;
        return std::nullopt;
    }
    std::vector<int> targetsAheadOf(const Vector4&) const override
    {
        return present ? std::vector<int>{info.id} : std::vector<int>{};
    }

    NVolant::TargetInfo info;
    bool present = true;
};

// Something that picks up bonuses and writes down what they did to it: one circle of radius 20
// at a world point.
class RecordingReceiver final : public NVolant::BonusReceiver {
public:
    explicit RecordingReceiver(const Vector4& at = Vector4(0, 0)) : where(at) {}

    NVolant::CollitionCircles collisionCircles() const override
    {
        NVolant::CollitionCircles circles;
        circles.append(Vector4(0, 0, 0), 20.0f);
        circles.place(where, 0.0f);
        return circles;
    }
    void launchAtAllTargets() override { effects.push_back("launchAtAllTargets"); }
    void addDamage() override { effects.push_back("addDamage"); }
    void enableDoubleFire() override { effects.push_back("enableDoubleFire"); }
    void enableDoubleMissile() override { effects.push_back("enableDoubleMissile"); }
    void addStealth() override { effects.push_back("addStealth"); }
    void enableFourMissiles() override { effects.push_back("enableFourMissiles"); }
    void enableAutoAim() override { effects.push_back("enableAutoAim"); }
    void repair() override { effects.push_back("repair"); }
    void repairAll() override { effects.push_back("repairAll"); }
    void addHull() override { effects.push_back("addHull"); }

    Vector4 where;
    std::vector<std::string> effects;
};
