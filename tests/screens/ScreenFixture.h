#pragma once

#include "gameplay/Images.h"
#include "score/Profiles.h"
#include "platform/KInjection.h"
#include "screens/ScreenHost.h"
#include "ui/Control.h"

#include "support/GeneratedData.h"
#include "support/HeadlessPlatform.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

// The application's side of the menus, as far as they ask it things: a record of the calls and
// a window mode that can refuse to change.
class RecordingHost final : public NVolant::ScreenHost {
public:
    void discardGame() override { calls.push_back("discard game"); }
    void prepareContinue() override { calls.push_back("prepare continue"); }
    void restartMenuMusic() override { calls.push_back("menu music"); }
    bool isFullScreen() const override { return fullScreen; }
    void setFullScreen() override
    {
        calls.push_back("full screen");
        fullScreen = switchWorks;
    }
    void setWindowed() override
    {
        calls.push_back("windowed");
        fullScreen = false;
    }
    void openWebPage(const std::string& address) override { calls.push_back("open " + address); }

    std::vector<std::string> calls;
    bool fullScreen = false;
    bool switchWorks = true;
};

// The headless window and the generated data pack; the window's mouse events reach the screen
// under test as the application passes them on, and frames can be written for looking at.
class ScreenFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform = std::make_unique<HeadlessPlatform>();
        ASSERT_TRUE(platform->ok());
        ASSERT_TRUE(openGeneratedData()) << "no generated data pack";
        platform->window().setEventCallback([this](const KEvent& e) {
            if (!screen)
                return true;
            const float x = static_cast<float>(e.mouseX);
            const float y = static_cast<float>(e.mouseY);
            if (e.type == K_EVENT_MOUSE_MOVE)
                screen->onMouseMove(x, y);
            else if (e.type == K_EVENT_MOUSE_DOWN && e.button == K_BUTTON_LEFT)
                screen->onLeftDown(x, y);
            else if (e.type == K_EVENT_MOUSE_UP && e.button == K_BUTTON_LEFT)
                screen->onLeftUp(x, y);
            return true;
        });
    }
    void TearDown() override
    {
        screen = nullptr;
        NVolant::Profiles::destroy();
        NVolant::Images::destroy();
        closeGeneratedData();
        platform.reset();
    }

    void click(int x, int y) { platform->click(1, x, y); }
    void move(int x, int y) { platform->moveMouse(x, y); }
    void press(int x, int y)
    {
        KInjection::mouseButton(1, true, x, y);
        platform->pump();
    }
    void release(int x, int y)
    {
        KInjection::mouseButton(1, false, x, y);
        platform->pump();
    }
    // Frames of the fixed step, updating the screen and drawing it.
    void frames(int count, float dt = 16.666666f)
    {
        for (int i = 0; i < count; ++i) {
            screen->update(dt);
            render();
        }
    }
    Frame render(const std::string& name = "")
    {
        platform->beginFrame();
        screen->draw();
        platform->endFrame();
        Frame frame = platform->readFrame();
        if (!name.empty())
            frame.save("screens", name);
        return frame;
    }

    // A name typed on the name keyboard of a create panel whose corner is at (x, y).
    void typeName(const std::string& name, int x, int y)
    {
        const std::string rows[] = {"1234567890", "QWERTYUIOP", "ASDFGHJKL", "ZXCVBNM"};
        for (const char key : name)
            for (int r = 0; r < 4; ++r)
                if (const auto c = rows[r].find(key); c != std::string::npos)
                    click(x + 70 + 28 * static_cast<int>(c) + 6, y + 80 + 24 * r + 12);
    }
    NVolant::Profiles& profiles() { return *NVolant::Profiles::instance(); }
    // Pixels of a rectangle whose red differs between two frames by more than a rounding.
    static int differences(const Frame& a, const Frame& b, int x1, int y1, int x2, int y2)
    {
        int count = 0;
        for (int y = y1; y < y2; ++y)
            for (int x = x1; x < x2; ++x)
                count += std::abs(a.at(x, y).r - b.at(x, y).r) > 8;
        return count;
    }

    std::unique_ptr<HeadlessPlatform> platform;
    RecordingHost host;
    NControls::Control* screen = nullptr;
};
