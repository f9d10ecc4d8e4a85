#include "app/Window.h"

#include "platform/KClock.h"
#include "platform/KInjection.h"
#include "platform/KeyTable.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class RecordingWindow final : public NLib::Window {
public:
    void update(float dt) override { steps.push_back(dt); }
    void draw() override { ++draws; }
    void onMouseMove(float x, float y) override { log.push_back("move " + at(x, y)); }
    void onLeftButtonDown(float x, float y) override { log.push_back("left down " + at(x, y)); }
    void onLeftButtonUp(float x, float y) override { log.push_back("left up " + at(x, y)); }
    void onRightButtonDown(float x, float y) override { log.push_back("right down " + at(x, y)); }
    void onRightButtonUp(float x, float y) override { log.push_back("right up " + at(x, y)); }
    void onKeyDown(int key) override { log.push_back("key " + std::to_string(key)); }
    void onActivate() override { log.push_back("activate"); }
    void onDeactivate() override
    {
        log.push_back("deactivate");
        KInjection::focus(true);
    }

    std::vector<float> steps;
    int draws = 0;
    std::vector<std::string> log;

private:
    static std::string at(float x, float y)
    {
        return std::to_string(static_cast<int>(x)) + "," + std::to_string(static_cast<int>(y));
    }
};

struct ManualClock {
    ManualClock() { setManualClock(true); }
    ~ManualClock() { setManualClock(false); }
};

} // namespace

TEST(AppWindow, EveryFrameStepsTheWorldByTheFixedStepAndPassesTheInputOn)
{
    ManualClock clock;
    RecordingWindow window;
    EXPECT_EQ(NLib::Window::instance(), &window);
    ASSERT_TRUE(window.create(800, 600, 32, true, "Skyvane"));
    EXPECT_FALSE(window.isFullScreen());
    for (int i = 0; i < 3; ++i) {
        // However long the machine takes, the world moves 16.666666 ms a frame.
        advanceManualClock(i * 100.0);
        window.frame();
    }
    EXPECT_EQ(window.steps, (std::vector<float>{16.666666f, 16.666666f, 16.666666f}));
    EXPECT_EQ(window.draws, 3);

    window.setFullScreen();
    EXPECT_TRUE(window.isFullScreen());
    EXPECT_TRUE(window.platformWindow()->isFullScreen());
    window.setWindowed();
    EXPECT_FALSE(window.isFullScreen());

    // The frame passes the window's input to its handlers.
    KInjection::mouseMove(10, 20);
    KInjection::mouseButton(1, true, 11, 21);
    KInjection::mouseButton(1, false, 12, 22);
    KInjection::mouseButton(2, true, 13, 23);
    KInjection::mouseButton(2, false, 14, 24);
    KInjection::mouseButton(3, true, 15, 25);
    KInjection::key(VKey::Escape, true);
    KInjection::key(VKey::Escape, false);
    KInjection::key('Q', true);
    KInjection::focus(false);
    window.frame();
    EXPECT_EQ(window.log,
              (std::vector<std::string>{"move 10,20", "left down 11,21", "left up 12,22", "right down 13,23",
                                        "right up 14,24", "key 27", "key 81", "deactivate", "activate"}));
}
