#include "screens/EndLevelWnd.h"

#include "platform/KGraphic.h"
#include "screens/ShadowText.h"
#include "ui/WidgetImage.h"

#include <string>

namespace NVolant {

namespace {

constexpr TextColour kText{0.89411765f, 0.89411765f, 0.74509805f, 1.0f};

} // namespace

EndLevelWnd::EndLevelWnd(StatsSource stats)
    : m_background(NControls::loadWidgetImage("menu\\bg_end_level.jpg")), m_stats(std::move(stats))
{
    setSize(static_cast<int>(m_background->getWidth()), static_cast<int>(m_background->getHeight()));
    setPosition(0, 0);
    const float w = static_cast<float>(m_width);
    const float h = static_cast<float>(m_height);

    auto mainMenu = std::make_unique<NControls::Button>("MAIN_MENU", "menu\\main_menu_btn.png", this);
    mainMenu->setPosition((w / 2 - static_cast<float>(mainMenu->getWidth())) * 0.5f, h - 50);
    m_mainMenu = add(std::move(mainMenu));
    auto next = std::make_unique<NControls::Button>("CONTINUE", "menu\\continue_game_btn.png", this);
    next->setPosition(w / 2 + (w / 2 - static_cast<float>(next->getWidth())) * 0.5f, h - 50);
    m_continue = add(std::move(next));

    m_boatIcon = NControls::loadWidgetImage("menu/stat_icons/cl_boat.png");
    m_helicIcon = NControls::loadWidgetImage("menu/stat_icons/cl_helic.png");
    m_planeIcon = NControls::loadWidgetImage("menu/stat_icons/cl_plane.png");
}

EndLevelWnd::~EndLevelWnd()
{
    releaseChildren();
}

void EndLevelWnd::setFinal(bool final)
{
    m_continue->setVisible(!final);
}

void EndLevelWnd::onCommand(NControls::Control* sender)
{
    clearCommand();
    if (sender == m_mainMenu)
        setCommand(NControls::ScreenCommand::MainMenu);
    else if (sender == m_continue)
        setCommand(NControls::ScreenCommand::Continue);
}

void EndLevelWnd::draw()
{
    const float x = m_position.x;
    const float y = m_position.y;
    const float w = static_cast<float>(m_width);
    m_background->putImageRect(0, 0, m_background->getWidth(), m_background->getHeight(), x, y);
    Control::draw();

    const NLib::BitmapText* font = menuFont();
    const LevelStats s = m_stats ? m_stats() : LevelStats{};
    drawShadowTextCentred(font, "Level Complete!", 26, x + w / 2, y + 20, kText);
    drawShadowText(font, "Killed", 24, x + 170, y + 85, kText);

    struct Row {
        KGraphic* icon;
        std::int32_t count;
        float top;
    };
    const Row rows[] = {{m_boatIcon.get(), s.boatsKilled, 130},
                        {m_helicIcon.get(), s.helicsKilled, 210},
                        {m_planeIcon.get(), s.planesKilled, 290}};
    for (const Row& row : rows) {
        // A missing icon leaves its row out.
        if (!row.icon->isLoaded())
            continue;
        row.icon->blendImageRect(0, 0, row.icon->getWidth(), row.icon->getHeight(), x + 90, y + row.top);
        drawShadowText(font, " = " + std::to_string(row.count), 22, x + 170, y + row.top + 20, kText);
    }
    const std::int64_t killed =
        static_cast<std::int64_t>(s.boatsKilled) + s.helicsKilled + static_cast<std::int64_t>(s.planesKilled);
    drawShadowTextCentred(font, "Total: " + std::to_string(killed), 22, x + 220, y + 380, kText);

    drawShadowTextCentred(font, "Scores", 24, x + 590, y + 85, kText);
    drawShadowText(font, "Score:", 18, x + 460, y + 140, kText);
    drawShadowTextRight(font, std::to_string(s.levelScores - s.bonusLevelScores), 18, x + 710, y + 140,
                        kText);
    drawShadowText(font, "Total Score:", 18, x + 460, y + 170, kText);
    drawShadowTextRight(font, std::to_string(s.levelScores), 18, x + 710, y + 170, kText);

    drawShadowTextCentred(font, "Stats", 24, x + 590, y + 275, kText);
    drawShadowText(font, "Total shots:", 18, x + 460, y + 330, kText);
    drawShadowTextRight(font, std::to_string(s.shotsCount), 18, x + 710, y + 330, kText);
    drawShadowText(font, "Missed shots:", 18, x + 460, y + 360, kText);
    drawShadowTextRight(font, std::to_string(static_cast<std::int64_t>(s.shotsCount) - s.shotsHittedCount),
                        18, x + 710, y + 360, kText);
    drawShadowText(font, "Accuracy:", 18, x + 460, y + 390, kText);
    if (s.shotsCount > 0)
        drawShadowTextRight(
            font, std::to_string(static_cast<std::int64_t>(s.shotsHittedCount) * 100 / s.shotsCount) + "%",
            18, x + 710, y + 390, kText);
}

} // namespace NVolant
