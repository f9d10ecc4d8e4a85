#include "ImageFiles.h"
#include "support/HeadlessPlatform.h"
#include "support/TempDir.h"

#include "platform/FileBytes.h"
#include "platform/ImageDecoder.h"
#include "platform/KClock.h"
#include "platform/KGraphic.h"
#include "platform/KInjection.h"
#include "platform/KInput.h"
#include "platform/KPointer.h"
#include "platform/KeyTable.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <fstream>

TEST(Window, OpensTheLogicalPictureCapsTheFrameRateAndTakesAQuit)
{
    HeadlessPlatform platform;
    ASSERT_TRUE(platform.ok());
    KWindow& window = platform.window();
    EXPECT_FALSE(window.isFullScreen());
    EXPECT_TRUE(window.isForeground());
    EXPECT_EQ(KWindow::current(), &window);
    platform.beginFrame(0.2f, 0.4f, 1.0f);
    platform.endFrame();
    const Frame frame = platform.readFrame();
    ASSERT_EQ(frame.width, 800);
    ASSERT_EQ(frame.height, 600);
    EXPECT_EQ(frame.countNot(51, 102, 255), 0);

    for (const auto& [cap, limit] : {std::pair{0, 0}, {-3, -1}, {60, 16}}) {
        window.setFrameRateCap(cap);
        EXPECT_EQ(window.getFrameTimeLimit(), limit) << cap;
    }
    // Frames follow each other no faster than the limit (the manual clock only moves by waiting).
    platform.endFrame();
    const double start = getMilliseconds();
    for (int i = 0; i < 5; ++i)
        platform.endFrame();
    EXPECT_NEAR(getMilliseconds() - start, 5 * 16.0 + 0.5, 0.5);

    EXPECT_FALSE(window.isQuitRequested());
    KInjection::closeWindow();
    platform.pump();
    EXPECT_TRUE(window.isQuitRequested());
}

TEST(Window, HeldKeysAndButtonsComeFromPumpedEvents)
{
    HeadlessPlatform platform;
    std::vector<KEvent> events;
    platform.window().setEventCallback([&](const KEvent& e) {
        events.push_back(e);
        return true;
    });

    platform.moveMouse(123, 456);
    EXPECT_EQ(getMouseX(), 123);
    EXPECT_EQ(getMouseY(), 456);
    platform.pressKey('A');
    KInjection::key(VKey::LControl, true);
    KInjection::key(VKey::Space, true);
    platform.pump();
    EXPECT_TRUE(isKeyDown(25));
    EXPECT_TRUE(isKeyDown(9));
    EXPECT_TRUE(isKeyDown(4));
    EXPECT_FALSE(isKeyDown(28));
    EXPECT_FALSE(isKeyDown(100));
    platform.releaseKey('A');
    EXPECT_FALSE(isKeyDown(25));

    KInjection::mouseButton(1, true, 10, 20);
    KInjection::mouseButton(2, true, 10, 20);
    platform.pump();
    EXPECT_TRUE(isLeftButtonDown());
    EXPECT_TRUE(isRightButtonDown());
    EXPECT_FALSE(isMiddleButtonDown());
    KInjection::mouseButton(1, false, 11, 21);
    platform.pump();
    EXPECT_FALSE(isLeftButtonDown());

    ASSERT_GE(events.size(), 5u);
    EXPECT_EQ(events[0].type, K_EVENT_MOUSE_MOVE);
    EXPECT_EQ(events[0].mouseX, 123);
    EXPECT_EQ(events[1].type, K_EVENT_KEY_DOWN);
    EXPECT_EQ(events[1].virtualKey, 'A');
    EXPECT_EQ(events[1].gameKey, 25);
    EXPECT_EQ(events.back().type, K_EVENT_MOUSE_UP);
    EXPECT_EQ(events.back().button, K_BUTTON_LEFT);
    EXPECT_EQ(events.back().mouseX, 11);
    EXPECT_EQ(events.back().mouseY, 21);

    // On AZERTY the key where a US keyboard has W says Z: held by its place it is W (steering),
    // by its label Z (typing); the event carries the label.
    constexpr int kGameKeyW = 47, kGameKeyZ = 50;
    events.clear();
    KInjection::keyAt('Z', SDL_SCANCODE_W, true);
    platform.pump();
    EXPECT_TRUE(isKeyDownAtPosition(kGameKeyW));
    EXPECT_FALSE(isKeyDownAtPosition(kGameKeyZ));
    EXPECT_TRUE(isKeyDown(kGameKeyZ));
    EXPECT_FALSE(isKeyDown(kGameKeyW));
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].virtualKey, 'Z');
    // Keys that are the same on every layout are held by both.
    EXPECT_TRUE(isKeyDownAtPosition(9));

    // A focus loss forgets what was held: the releases go to another window.
    KInjection::focus(false);
    KInjection::focus(true);
    platform.pump();
    EXPECT_FALSE(isKeyDown(9));
    EXPECT_FALSE(isKeyDownAtPosition(kGameKeyW));
    EXPECT_FALSE(isRightButtonDown());

    // The mouse's travel adds up until it is taken; a motion that travels nowhere is no move.
    int dx = 0, dy = 0;
    takePointerMotion(dx, dy);
    events.clear();
    KInjection::mouseMove(getMouseX(), getMouseY());
    platform.pump();
    EXPECT_TRUE(events.empty());
    const int x = getMouseX();
    KInjection::mouseMove(x + 3, 200);
    KInjection::mouseMove(x + 1, 200);
    platform.pump();
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[1].mouseX, x + 1);
    takePointerMotion(dx, dy);
    EXPECT_EQ(dx, 1);
    takePointerMotion(dx, dy);
    EXPECT_EQ(dx, 0);
}

TEST(Window, PointerMapsExactlyThroughTheLetterbox)
{
    HeadlessPlatform platform;
    // A desktop wider than 4:3, scaled by 1.5 with bars of 200: window x = 200 + 1.5 * logical x;
    // a point on a bar is the picture's nearest edge.
    KInjection::resizeWindow(1600, 900);
    platform.pump();
    const std::array<int, 4> moves[] = {{200 + 150, 450, 100, 300}, {30, 6, 0, 4}};
    for (const auto& [wx, wy, x, y] : moves) {
        KInjection::mouseMoveWindow(wx, wy);
        platform.pump();
        EXPECT_EQ(getMouseX(), x);
        EXPECT_EQ(getMouseY(), y);
    }
    setMousePosition(640, 480);
    EXPECT_EQ(getMouseX(), 640);
    EXPECT_EQ(getMouseY(), 480);
    // Steering travels as the pointer crosses the picture: 30 window pixels at scale 1.5 are 20
    // logical ones, and a fraction waits for the next move.
    int dx = 0, dy = 0, count = 0;
    takePointerMotion(dx, dy);
    KInjection::mouseMoveWindow(200 + 960 + 30, 720);
    KInjection::mouseMoveWindow(200 + 960 + 31, 720);
    platform.pump();
    takePointerMotion(dx, dy, &count);
    EXPECT_EQ(dx, 20);
    EXPECT_EQ(count, 2);
    EXPECT_EQ(getMouseX(), 660);
    KInjection::mouseMoveWindow(200 + 960 + 32, 720);
    platform.pump();
    takePointerMotion(dx, dy);
    EXPECT_EQ(dx, 1);

    // The picture itself fills the space between the bars, which take the frame's clear colour
    // (the game clears its frames dark).
    platform.beginFrame(1, 1, 1);
    platform.window().setClearColor(0.2f, 0.2f, 0.2f, 1);
    platform.endFrame();
    const Frame output = platform.readOutput();
    ASSERT_EQ(output.width, 1600);
    EXPECT_EQ(output.at(199, 450).r, 51);
    EXPECT_EQ(output.at(200, 450).r, 255);
    EXPECT_EQ(output.at(1399, 0).r, 255);
    EXPECT_EQ(output.at(1400, 899).r, 51);
}

TEST(Window, DisplayModeSwitchesAndKeepsImages)
{
    HeadlessPlatform platform;
    KWindow& window = platform.window();
    const auto image = ImageFiles::imageOf(ImageFiles::solid(4, 4, 255, 255, 255), 4, 4);
    ASSERT_EQ(image->getWidth(), 4.0f);

    EXPECT_FALSE(window.switchDisplayMode(false)); // already windowed: unchanged flag
    // Into full screen (twice: the flag stays), then back; the image draws after each switch.
    for (bool full : {true, true, false}) {
        EXPECT_TRUE(window.switchDisplayMode(full));
        EXPECT_EQ(window.isFullScreen(), full);
        platform.beginFrame();
        image->blendImageRect(0, 0, 4, 4, 10, 10);
        platform.endFrame();
        EXPECT_EQ(platform.readFrame().at(11, 11).r, 255) << full;
    }
}

TEST(Window, ABackgroundOrMinimisedWindowPausesUntilItIsBackOrClosed)
{
    HeadlessPlatform platform;
    KWindow& window = platform.window();
    window.setFrameRateCap(0);
    std::vector<int> seen;
    // What happens while the frame waits in the background: the player comes back, or closes it.
    std::function<void()> meanwhile;
    window.setEventCallback([&](const KEvent& e) {
        if (e.type == K_EVENT_DEACTIVATED || e.type == K_EVENT_ACTIVATED)
            seen.push_back(e.type);
        if (e.type == K_EVENT_DEACTIVATED)
            meanwhile();
        return true;
    });
    const std::vector<int> awayAndBack = {K_EVENT_DEACTIVATED, K_EVENT_ACTIVATED};

    // A long time in the background does not count as game time.
    meanwhile = [] {
        advanceManualClock(60000);
        KInjection::focus(true);
    };
    const double before = getMilliseconds();
    KInjection::focus(false);
    window.presentFrame(true, false);
    EXPECT_EQ(seen, awayAndBack);
    EXPECT_TRUE(window.isForeground());
    EXPECT_LT(getMilliseconds() - before, 1.0);

    // Without the pause flag the frame carries on.
    seen.clear();
    KInjection::focus(false);
    window.presentFrame(false, false);
    EXPECT_TRUE(seen.empty());
    EXPECT_FALSE(window.isForeground());
    KInjection::focus(true);
    window.pumpMessages();

    seen.clear();
    meanwhile = [] { KInjection::minimise(false); };
    KInjection::minimise(true);
    window.pumpMessages(); // never blocks by itself
    EXPECT_FALSE(window.isForeground());
    window.presentFrame(true, false);
    EXPECT_EQ(seen, awayAndBack);
    EXPECT_TRUE(window.isForeground());

    seen.clear();
    meanwhile = [] { KInjection::closeWindow(); };
    KInjection::focus(false);
    window.presentFrame(true, false);
    EXPECT_EQ(seen, awayAndBack);
    EXPECT_TRUE(window.isQuitRequested());
}

TEST(Window, LeftShiftAndPrintScreenWriteNumberedPngScreenshots)
{
    TempDir home;
    const char* oldData = std::getenv("XDG_DATA_HOME");
    const std::string saved = oldData ? oldData : "";
    setenv("XDG_DATA_HOME", home.path().c_str(), 1);
    auto run = [](int presses, float green) {
        HeadlessPlatform platform;
        platform.beginFrame(0, green, 0);
        platform.endFrame();
        KInjection::key(VKey::LShift, true);
        for (int i = 0; i < presses; ++i) {
            KInjection::key(VKey::Snapshot, true);
            KInjection::key(VKey::Snapshot, false);
        }
        KInjection::key(VKey::LShift, false);
        KInjection::key(VKey::Snapshot, true); // without shift: nothing
        platform.pump();
    };
    run(2, 1.0f);
    // A later run adds to the numbers instead of overwriting them.
    run(1, 0.5f);
    if (oldData)
        setenv("XDG_DATA_HOME", saved.c_str(), 1);
    else
        unsetenv("XDG_DATA_HOME");

    const std::string folder = home.path() + "/Corvidane/Skyvane/";
    for (const auto& [name, green] :
         {std::pair{"screenshot1.png", 255}, {"screenshot2.png", 255}, {"screenshot3.png", 127}}) {
        const std::vector<std::uint8_t> bytes = readFileBytes(folder + name);
        const DecodedImage image = decodePng(bytes.data(), bytes.size());
        ASSERT_EQ(image.width, 800) << name;
        ASSERT_EQ(image.height, 600);
        EXPECT_EQ(image.rgba[0], 0);
        EXPECT_EQ(image.rgba[1], green) << name;
        EXPECT_EQ(image.rgba[3], 255);
    }
    EXPECT_FALSE(std::ifstream(folder + "screenshot4.png").good());
}
