#include "screens/CreateProfile.h"

#include "content/BitmapText.h"
#include "platform/KPointer.h"
#include "score/Profiles.h"
#include "screens/ScreenHost.h"
#include "screens/ShadowText.h"

namespace NVolant {

CreateProfile::CreateProfile(NControls::Control* parent) : Panel("menu\\512x256.png", parent)
{
    const int w = m_width, h = m_height;
    m_ok = addButton("OK", "menu\\create_btn.png");
    placeAt(*m_ok, static_cast<float>(w / 2 - m_ok->getWidth()) * 0.5f, static_cast<float>(h - 60));
    m_ok->setActive(false);
    m_cancel = addButton("CANCEL", "menu\\cancel_btn.png");
    placeAt(*m_cancel, static_cast<float>(w / 2) + static_cast<float>(w / 2 - m_cancel->getWidth()) * 0.5f,
            static_cast<float>(h - 60));
    m_back = addButton("BACK", "menu\\back_space_btn.png");
    placeAt(*m_back, 330, 140);
    if (Profiles::instance()->profileCount() == 0)
        m_cancel->setActive(false);
}

Vector4 CreateProfile::keyCell(int index) const
{
    Vector4 cursor(m_position.x + m_origin.x, m_position.y + m_origin.y, 0.0f, 1.0f);
    for (int i = 0; i < index && i < static_cast<int>(m_layout.size()); ++i) {
        if (m_layout[static_cast<std::size_t>(i)] == '\n') {
            cursor.x = m_position.x + m_origin.x;
            cursor.y += m_cell.y;
        } else {
            cursor.x += m_cell.x;
        }
    }
    return cursor;
}

int CreateProfile::keyAt(float x, float y) const
{
    float cx = m_position.x + m_origin.x;
    float cy = m_position.y + m_origin.y;
    for (std::size_t i = 0; i < m_layout.size(); ++i) {
        if (m_layout[i] == '\n') {
            cx = m_position.x + m_origin.x;
            cy += m_cell.y;
            continue;
        }
        if (cx < x + 8 && x + 8 < cx + m_cell.x && cy < y && y < cy + m_cell.y)
            return static_cast<int>(i);
        cx += m_cell.x;
    }
    return -1;
}

bool CreateProfile::onMouseMove(float x, float y)
{
    m_hover = keyAt(x, y);
    if (m_hover != m_pressed)
        m_pressed = -1;
    return Panel::onMouseMove(x, y);
}

bool CreateProfile::onLeftDown(float x, float y)
{
    m_pressed = keyAt(x, y);
    return Panel::onLeftDown(x, y);
}

bool CreateProfile::onLeftUp(float x, float y)
{
    const int key = keyAt(x, y);
    if (key != -1 && key == m_pressed) {
        if (m_name.size() < kMaxName)
            m_name += m_layout[static_cast<std::size_t>(key)];
        updateOk();
    }
    m_pressed = -1;
    return Panel::onLeftUp(x, y);
}

void CreateProfile::updateOk()
{
    m_ok->setActive(!m_name.empty() && !Profiles::instance()->findProfile(m_name));
}

void CreateProfile::onCommand(NControls::Control* sender)
{
    clearCommand();
    if (sender == m_ok) {
        Profiles* profiles = Profiles::instance();
        if (m_name.empty() || !profiles->addProfile(m_name))
            return;
        ScreenHost* host = ScreenHost::instance();
        if (host)
            host->discardGame();
        profiles->selectProfile(m_name);
        if (host)
            host->prepareContinue();
        setCommand(NControls::ScreenCommand::MainMenu);
    } else if (sender == m_cancel) {
        setCommand(NControls::ScreenCommand::MainMenu);
    } else if (sender == m_back) {
        if (!m_name.empty()) {
            m_name.pop_back();
            updateOk();
        }
    }
}

void CreateProfile::update(float)
{
    showCursor();
}

void CreateProfile::draw()
{
    Panel::draw();
    const NLib::BitmapText* font = menuFont();
    if (!font)
        return;
    drawShadowTextCentred(font, "Enter your name", 18, m_centre.x, m_position.y + 20);
    drawShadowText(font, m_name, 20, m_centre.x - font->measureText(m_name, 22) / 2.0f, m_position.y + 50);
    for (std::size_t i = 0; i < m_layout.size(); ++i) {
        if (m_layout[i] == '\n')
            continue;
        const int index = static_cast<int>(i);
        TextColour colour;
        if (index == m_pressed)
            colour = {0.31f, 0.0f, 0.0f, 1.0f};
        else if (index == m_hover)
            colour = {1.0f, 0.0f, 0.0f, 1.0f};
        const Vector4 cell = keyCell(index);
        drawShadowText(font, std::string(1, m_layout[i]), 18, cell.x, cell.y, colour);
    }
}

} // namespace NVolant
