#include "screens/EndLevelWnd.h"
#include "screens/ShadowText.h"

#include "content/ResourceArchive.h"
#include "platform/KGraphic.h"
#include "ui/WidgetImage.h"

#include "ScreenFixture.h"
#include "support/TempDir.h"

namespace {

using NVolant::EndLevelWnd;
using NVolant::LevelStats;

class EndLevelWndTest : public ScreenFixture {
protected:
    std::unique_ptr<EndLevelWnd> open(LevelStats stats)
    {
        auto window = std::make_unique<EndLevelWnd>([this] { return m_stats; });
        m_stats = stats;
        screen = window.get();
        return window;
    }
    // What the window should show in a band: its background with only this text drawn.
    Frame reference(const std::string& text, float size, float rightX, float top)
    {
        auto background = NControls::loadWidgetImage("menu\\bg_end_level.jpg");
        platform->beginFrame();
        background->putImageRect(0, 0, 800, 600, 0, 0);
        NVolant::drawShadowTextRight(NVolant::menuFont(), text, size, rightX, top,
                                     {0.89411765f, 0.89411765f, 0.74509805f, 1.0f});
        platform->endFrame();
        return platform->readFrame();
    }

    LevelStats m_stats;
};

} // namespace

// The buttons themselves are pressed by the application's journeys.
TEST_F(EndLevelWndTest, OnlyAButtonLeavesACommandAndAtTheEndOfAGameNoneContinues)
{
    auto window = open({});
    click(200, 572);
    click(400, 300);
    EXPECT_EQ(window->getCommand(), NControls::ScreenCommand::MainMenu);

    window->setFinal(true);
    window->clearCommand();
    click(600, 572);
    EXPECT_EQ(window->getCommand(), NControls::ScreenCommand::None);
    const Frame frame = render("end_of_game");
    window->setFinal(false);
    const Frame open = render();
    EXPECT_GT(differences(frame, open, 500, 550, 700, 594), 1000);
}

TEST_F(EndLevelWndTest, AccuracyIsTruncatedAndMissedShotsMayGoNegative)
{
    LevelStats stats;
    stats.boatsKilled = 3;
    stats.helicsKilled = 2;
    stats.planesKilled = 7;
    stats.levelScores = 1250;
    stats.bonusLevelScores = 200;
    stats.shotsCount = 3;
    stats.shotsHittedCount = 1;
    auto window = open(stats);
    render("end_of_level");
    // The number's band right of the label shows the accuracy and nothing else, whatever the
    // background; double fire hits more often than it shoots, and without shots the label is alone.
    const struct {
        int shots, hits;
        const char* accuracy;
    } cases[] = {{3, 1, "33%"}, {3, 2, "66%"}, {4, 6, "150%"}, {0, 0, ""}};
    for (const auto& c : cases) {
        m_stats.shotsCount = c.shots;
        m_stats.shotsHittedCount = c.hits;
        EXPECT_EQ(differences(render(), reference(c.accuracy, 18, 710, 390), 600, 388, 720, 412), 0) << c.accuracy;
    }
    m_stats.shotsCount = 4;
    m_stats.shotsHittedCount = 6;
    EXPECT_EQ(differences(render(), reference("-2", 18, 710, 360), 600, 358, 720, 382), 0) << "missed";
}

TEST_F(EndLevelWndTest, AKindWhoseIconIsMissingLeavesItsRowOut)
{
    // The font first, then the window's pictures from a data folder that lacks the helicopter icon.
    ASSERT_NE(NVolant::menuFont(), nullptr);
    TempDir data;
    for (const char* file : {"menu/bg_end_level.jpg", "menu/main_menu_btn.png", "menu/continue_game_btn.png",
                             "menu/stat_icons/cl_boat.png", "menu/stat_icons/cl_plane.png"})
        data.write(file, NLib::ResourceArchive::instance()->readFile(file));
    NLib::ResourceArchive::destroy();
    NLib::ResourceArchive::create()->setLooseFolder(data.path());

    LevelStats stats;
    stats.boatsKilled = 4;
    stats.helicsKilled = 7;
    stats.planesKilled = 5;
    auto window = open(stats);
    const Frame frame = render("end_of_level_no_helicopter_icon");
    const Frame background = reference("", 18, 0, 0);
    // The helicopter's band (icon at y 210, count at y 230) shows the background alone; the
    // boat's and the plane's rows are there.
    EXPECT_EQ(differences(frame, background, 80, 205, 440, 280), 0);
    EXPECT_GT(differences(frame, background, 80, 125, 440, 200), 100);
    EXPECT_GT(differences(frame, background, 80, 285, 440, 360), 100);
}
