#pragma once

#include "app/GameApp.h"
#include "player/Plane.h"
#include "screens/EndLevelWnd.h"
#include "screens/Game.h"
#include "screens/MainMenu.h"
#include "screens/PlayGamePanel.h"
#include "score/Profiles.h"
#include "world/Level.h"
#include "world/ProfileLink.h"
#include "world/Terrain.h"

#include "support/HeadlessPlatform.h"
#include "support/TempDir.h"

#include "platform/KClock.h"
#include "platform/KInjection.h"
#include "platform/KInput.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>

// A point of the menus a player clicks, in window pixels.
struct Spot {
    int x = 0;
    int y = 0;
};

namespace spot {
// The menu's column, and the change-profile line at the top.
constexpr Spot kPlay{640, 143}, kOptions{640, 203}, kExit{640, 383}, kChangeProfile{400, 65};
// Panels centred on the menu: the left button of the message and name panels.
constexpr Spot kPanelLeft{144 + 68 + 60, 172 + 196 + 19};
// The play panel.
constexpr Spot kContinue{400, 100 + 60 + 23}, kNewGame{400, 100 + 140 + 23}, kPlayCancel{400, 100 + 330 + 19};
// The options panel.
constexpr Spot kFullScreenBox{240 + 53, 100 + 91}, kHintsBox{240 + 53, 100 + 169},
    kOptionsBack{240 + 160, 100 + 330 + 19};
// The profile list: its first row and OK.
constexpr Spot kProfileRow0{380, 150 + 9}, kProfileOk{270 + 60, 430 + 19};
constexpr Spot kTopTenClose{400, 60 + 410 + 19}, kHintClose{710, 569}, kEndContinue{600, 572},
    kEndMainMenu{200, 572};
} // namespace spot

// The application in a home folder of its own (its save folder below it) on the manual clock,
// driven through the window's own input events; nothing of it (a profile link, a gamepad, the
// environment) is left over for the next test.
class AppFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (const char* old = std::getenv("XDG_DATA_HOME"))
            m_oldDataHome = old;
        setenv("XDG_DATA_HOME", home.path().c_str(), 1);
        setManualClock(true);
        NVolant::PlayGamePanel::forgetMadeBefore();
    }
    void TearDown() override
    {
        if (pad >= 0)
            KInjection::detachGamepad(pad);
        app.reset();
        NVolant::ProfileLink::install(nullptr);
        setManualClock(false);
        if (m_oldDataHome.empty())
            unsetenv("XDG_DATA_HOME");
        else
            setenv("XDG_DATA_HOME", m_oldDataHome.c_str(), 1);
    }

    NVolant::GameApp& start(std::unique_ptr<NVolant::ScreenKit> kit = NVolant::makeDefaultScreenKit(),
                            NVolant::AppOptions options = {})
    {
        app.reset();
        app = std::make_unique<NVolant::GameApp>(std::move(kit), options);
        return *app;
    }
    // A run the computer drives: windowed, uncapped, the save file left alone.
    static NVolant::AppOptions computerRun()
    {
        NVolant::AppOptions options;
        options.windowed = 1;
        options.writeSaveFile = false;
        options.frameCap = false;
        return options;
    }

    NVolant::MainMenu& menu() const { return *dynamic_cast<NVolant::MainMenu*>(app->mainMenu()); }
    NVolant::Game* game() const { return dynamic_cast<NVolant::Game*>(app->game()); }
    std::string saveFile() const { return home.file("Corvidane/Skyvane/save.dat"); }
    std::unique_ptr<NVolant::Profiles> savedProfiles() const
    {
        auto saved = std::make_unique<NVolant::Profiles>();
        EXPECT_TRUE(saved->load(saveFile()));
        return saved;
    }

    void frames(int count)
    {
        for (int i = 0; i < count; ++i)
            app->frame();
    }
    // Frames until done (or a limit); updates only when drawing would only cost.
    void runUntil(const std::function<bool()>& done, int limit, bool draw = true)
    {
        for (int i = 0; i < limit && !done(); ++i) {
            if (draw)
                app->frame();
            else
                app->update(NLib::Window::kFrameStep);
        }
    }
    // Flying the whole valley would take minutes headless: the plane is put near its end, and
    // the world updated (undrawn) until the level's figures show.
    NVolant::EndLevelWnd* flyToTheEnd(NVolant::Game& playing)
    {
        const NVolant::Terrain& valley = playing.field().level()->terrain();
        playing.field().plane()->setStart(
            Vector4(400.0f, static_cast<float>(valley.rows() * valley.cellSize()) - 600.0f, 0.0f, 1.0f));
        runUntil([&] { return app->endLevel() && app->current() == app->endLevel(); }, 3000, false);
        return dynamic_cast<NVolant::EndLevelWnd*>(app->current());
    }
    // Frames until the menu's play panel stops sliding (a closed panel goes at the next update).
    void settleSlide()
    {
        app->frame();
        for (int i = 0; i < 60 && menu().slideState() != NVolant::MainMenuAnims::SlideIdle; ++i)
            app->frame();
    }
    // Writes what the window shows as build/test-output/screens/<name>.png, for looking at.
    static void shot(const std::string& name)
    {
        Frame frame;
        KInjection::readPicture(frame.rgba, frame.width, frame.height);
        frame.save("screens", name);
    }

    // The mouse and keyboard.
    void click(Spot at)
    {
        KInjection::mouseMove(at.x, at.y);
        KInjection::mouseButton(1, true, at.x, at.y);
        KInjection::mouseButton(1, false, at.x, at.y);
        app->frame();
    }
    void key(int virtualKey)
    {
        KInjection::key(virtualKey, true);
        KInjection::key(virtualKey, false);
        app->frame();
    }

    // The gamepad: the pointer steered onto a spot with the left stick as a thumb does (full
    // deflection far off, easing off near it), then the south button pressed and let go there.
    void attachPad()
    {
        pad = KInjection::attachGamepad();
        ASSERT_GE(pad, 0);
    }
    void stick(float x, float y)
    {
        KInjection::gamepadAxis(pad, KInjection::KPadAxis::LeftX, x);
        KInjection::gamepadAxis(pad, KInjection::KPadAxis::LeftY, y);
    }
    void steerTo(Spot at)
    {
        for (int i = 0; i < 600 && (std::abs(getMouseX() - at.x) > 2 || std::abs(getMouseY() - at.y) > 2); ++i) {
            const float dx = static_cast<float>(at.x - getMouseX()), dy = static_cast<float>(at.y - getMouseY());
            const float length = std::hypot(dx, dy);
            const float push = length > 40 ? 1.0f : 0.45f;
            stick(push * dx / length, push * dy / length);
            app->frame();
        }
        stick(0, 0);
        app->frame();
    }
    void tap(KInjection::KPadButton button)
    {
        KInjection::gamepadButton(pad, button, true);
        app->frame();
        KInjection::gamepadButton(pad, button, false);
        app->frame();
    }
    void padPress(Spot at)
    {
        steerTo(at);
        tap(KInjection::KPadButton::South);
    }

    // A name typed on the name panel's keyboard with the given press.
    static void typeName(const std::string& name, const std::function<void(Spot)>& press)
    {
        const std::string rows[] = {"1234567890", "QWERTYUIOP", "ASDFGHJKL", "ZXCVBNM"};
        for (const char letter : name)
            for (int r = 0; r < 4; ++r)
                if (const auto c = rows[r].find(letter); c != std::string::npos)
                    press({144 + 70 + 28 * static_cast<int>(c) + 6, 172 + 80 + 24 * r + 12});
    }

    TempDir home;
    std::unique_ptr<NVolant::GameApp> app;
    int pad = -1;

private:
    std::string m_oldDataHome;
};
