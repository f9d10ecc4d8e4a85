#pragma once

#include "content/BitmapText.h"
#include "content/ResourceArchive.h"
#include "platform/KGraphic.h"
#include "platform/KInjection.h"
#include "ui/Control.h"

#include "support/GeneratedData.h"
#include "support/HeadlessPlatform.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

// A container that remembers which of its widgets reported, in order.
class Recorder final : public NControls::Control {
public:
    Recorder()
    {
        setSize(800, 600);
        setPosition(0, 0);
    }
    void onCommand(NControls::Control* sender) override { senders.push_back(sender); }
    std::vector<NControls::Control*> senders;
};

// The headless window with the generated data pack; the window's input events reach the root
// control exactly as the application passes them to its current screen.
class WidgetFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform = std::make_unique<HeadlessPlatform>();
        ASSERT_TRUE(platform->ok());
        ASSERT_TRUE(openGeneratedData()) << "no generated data pack";
        platform->window().setEventCallback([this](const KEvent& e) {
            const float x = static_cast<float>(e.mouseX);
            const float y = static_cast<float>(e.mouseY);
            if (e.type == K_EVENT_MOUSE_MOVE)
                root.onMouseMove(x, y);
            else if (e.type == K_EVENT_MOUSE_DOWN && e.button == K_BUTTON_LEFT)
                root.onLeftDown(x, y);
            else if (e.type == K_EVENT_MOUSE_UP && e.button == K_BUTTON_LEFT)
                root.onLeftUp(x, y);
            return true;
        });
    }
    void TearDown() override
    {
        root.releaseChildren();
        font.reset();
        closeGeneratedData();
        platform.reset();
    }

    const NLib::BitmapText* loadFont()
    {
        font = std::make_unique<NLib::BitmapText>(*NLib::ResourceArchive::instance(), "menu/font.png");
        return font.get();
    }

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
    void move(int x, int y) { platform->moveMouse(x, y); }
    void click(int x, int y) { platform->click(1, x, y); }

    // The root drawn on a grey picture.
    Frame render(const std::string& name = "")
    {
        platform->beginFrame(0.25f, 0.25f, 0.25f);
        root.draw();
        platform->endFrame();
        Frame frame = platform->readFrame();
        if (!name.empty())
            frame.save("widgets", name);
        return frame;
    }

    std::unique_ptr<HeadlessPlatform> platform;
    Recorder root;
    std::unique_ptr<NLib::BitmapText> font;
};
