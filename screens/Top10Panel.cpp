#include "screens/Top10Panel.h"

#include "platform/KGraphic.h"
#include "score/Profiles.h"
#include "screens/ShadowText.h"
#include "ui/WidgetImage.h"

#include <string>

namespace NVolant {

namespace {

constexpr TextColour kText{0.89411765f, 0.89411765f, 0.74509805f, 1.0f};
constexpr TextColour kHighlight{0.89411765f, 0.6f, 0.25490198f, 1.0f};

} // namespace

Top10Panel::Top10Panel()
    : m_background(NControls::loadWidgetImage("menu\\640x480.png")),
      m_title(NControls::loadWidgetImage("menu\\top10.png"))
{
    setSize(static_cast<int>(m_background->getWidth()), static_cast<int>(m_background->getHeight()));
    setPosition(0, 0);
    auto close = std::make_unique<NControls::Button>("MAIN_MENU", "menu\\close_btn.png", this);
    close->setPosition((static_cast<float>(m_width - close->getWidth())) * 0.5f,
                       static_cast<float>(m_height - 70));
    m_close = add(std::move(close));
    Profiles::instance()->collectTopTen(m_entries);
}

Top10Panel::~Top10Panel()
{
    releaseChildren();
}

void Top10Panel::onCommand(NControls::Control* sender)
{
    clearCommand();
    if (sender == m_close)
        setCommand(NControls::ScreenCommand::MainMenu);
}

void Top10Panel::draw()
{
    const float x = m_position.x;
    const float y = m_position.y;
    const float w = static_cast<float>(m_width);
    m_background->blendImageRect(0, 0, m_background->getWidth(), m_background->getHeight(), x, y);
    Control::draw();
    m_title->blendImageRect(0, 0, m_title->getWidth(), m_title->getHeight(),
                            x + (w - m_title->getWidth()) * 0.5f, y + 24);

    const NLib::BitmapText* font = menuFont();
    const Profile* current = Profiles::instance()->currentProfile();
    for (std::size_t i = 0; i < m_entries.size() && i < 10; ++i) {
        const TopTenEntry& entry = m_entries[i];
        const float top = y + 82 + 30 * static_cast<float>(i);
        if (entry.score == 0) {
            drawShadowText(font, "Empty", 20, x + 70, top, kText);
            drawShadowTextRight(font, "0", 20, x + w - 70, top, kText);
            continue;
        }
        const TextColour colour = current && current->name() == entry.name ? kHighlight : kText;
        drawShadowText(font, entry.name, 20, x + 70, top, colour);
        drawShadowTextRight(font, std::to_string(entry.score), 20, x + w - 70, top, colour);
    }
}

} // namespace NVolant
