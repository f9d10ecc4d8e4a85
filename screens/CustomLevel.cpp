#include "screens/CustomLevel.h"

#include "content/BitmapText.h"
#include "platform/KPointer.h"
#include "score/Profiles.h"
#include "screens/ShadowText.h"

#include <string>

namespace NVolant {

CustomLevel::CustomLevel(NControls::Control* owner) : Panel("menu\\512x256.png", owner)
{
    const int w = m_width, h = m_height;
    m_ok = addButton("OK", "menu\\ok_btn.png");
    placeAt(*m_ok, static_cast<float>(w / 2 - m_ok->getWidth()) * 0.5f, static_cast<float>(h - 60));
    m_cancel = addButton("CANCEL", "menu\\cancel_btn.png");
    placeAt(*m_cancel, static_cast<float>(w / 2) + static_cast<float>(w / 2 - m_cancel->getWidth()) * 0.5f,
            static_cast<float>(h - 60));
    if (const Profile* profile = Profiles::instance()->currentProfile()) {
        m_selected = m_shown = profile->m_customLevelNum;
        m_highest = static_cast<int>(profile->m_levelMax);
    }
    setName("Choose level to start with");
    placeGrid();
}

void CustomLevel::placeGrid()
{
    m_gridX = static_cast<int>(m_position.x + 50);
    m_gridY = static_cast<int>(m_position.y + 70);
    m_cellW = 45;
    m_cellH = 40;
}

int CustomLevel::levelAt(float x, float y)
{
    placeGrid();
    const int last = m_highest < kLevels ? m_highest : kLevels;
    for (int n = 1; n <= last; ++n) {
        const float cellX = static_cast<float>(m_gridX + (n - 1) % 10 * m_cellW);
        const float cellY = static_cast<float>(m_gridY + (n - 1) / 10 * m_cellH);
        if (cellX < x + 12 && x + 12 < cellX + static_cast<float>(m_cellW) && cellY < y &&
            y < cellY + static_cast<float>(m_cellH))
            return n;
    }
    return m_selected;
}

bool CustomLevel::onLeftDown(float x, float y)
{
    m_selected = m_shown = levelAt(x, y);
    return Panel::onLeftDown(x, y);
}

bool CustomLevel::onMouseMove(float x, float y)
{
    m_shown = levelAt(x, y);
    return Panel::onMouseMove(x, y);
}

void CustomLevel::update(float)
{
    showCursor();
}

void CustomLevel::draw()
{
    Panel::draw();
    placeGrid();
    const NLib::BitmapText* font = menuFont();
    if (!font)
        return;
    const std::string& title = getName();
    drawShadowText(font, title, 22, m_centre.x - font->measureText(title, 24) / 2.0f, m_position.y + 20);
    for (int n = 1; n <= kLevels; ++n) {
        TextColour colour;
        if (n == m_selected)
            colour = {0.949f, 0.176f, 0.141f, 1.0f};
        else if (n == m_shown)
            colour = {0.949f, 0.176f, 0.925f, 1.0f};
        else if (n > m_highest)
            colour = {0.3f, 0.3f, 0.3f, 1.0f};
        drawShadowText(font, std::to_string(n), 20, static_cast<float>(m_gridX + (n - 1) % 10 * m_cellW),
                       static_cast<float>(m_gridY + (n - 1) / 10 * m_cellH), colour);
    }
}

void CustomLevel::onCommand(NControls::Control* sender)
{
    clearCommand();
    if (sender == m_ok) {
        setCommand(NControls::ScreenCommand::CustomGame);
        if (Profile* profile = Profiles::instance()->currentProfile())
            profile->m_customLevelNum = m_shown;
        notifyOwner();
    } else if (sender == m_cancel) {
        setCommand(NControls::ScreenCommand::MainMenu);
    }
}

} // namespace NVolant
