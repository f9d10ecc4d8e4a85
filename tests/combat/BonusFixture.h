#pragma once

#include "combat/Arena.h"
#include "combat/BonusReceiver.h"
#include "content/ResourceArchive.h"
#include "gameplay/Images.h"
#include "platform/KGraphic.h"
#include "gameplay/CollitionCircles.h"

#include "support/GeneratedData.h"
#include "support/HeadlessPlatform.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

// The registries loaded from the generated data pack on a headless window, as at start-up: once
// per suite, since loading every picture takes a while.
class BonusFixture : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_platform = std::make_unique<HeadlessPlatform>();
        openGeneratedData();
        if (NLib::ResourceArchive::instance()->entryCount() > 0)
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
        ASSERT_GT(NLib::ResourceArchive::instance()->entryCount(), 0u) << "no generated data pack";
    }

    static HeadlessPlatform& platform() { return *s_platform; }

    // How often the pick-up chime sounded in this test's game.
    int chimes() const { return arena.sounds().plays(NVolant::SoundCue::Bonus); }

    NVolant::Arena arena;

private:
    static inline std::unique_ptr<HeadlessPlatform> s_platform;
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
