#include "app/StartScreen.h"

#include "content/BitmapText.h"
#include "gameplay/Images.h"
#include "platform/Screen.h"

namespace NVolant {

namespace {

constexpr float kChoiceSize = 32.0f;
constexpr float kChoiceHalfWidth = 160.0f;

} // namespace

StartScreen::StartScreen() : m_picture(createGraphic())
{
    setSize(kScreenWidth, kScreenHeight);
    setPosition(0, 0);
    if (!m_picture->loadFromFile("menu/bg_main_menu.jpg"))
        m_picture->loadFromFile("menu/bg_intro_wnd.jpg");
}

int StartScreen::choiceAt(float x, float y) const
{
    const float centre = kScreenWidth / 2.0f;
    if (x < centre - kChoiceHalfWidth || x > centre + kChoiceHalfWidth)
        return 0;
    if (y >= kNewGameY && y < kNewGameY + kChoiceHeight)
        return 1;
    if (m_continueEnabled && y >= kContinueY && y < kContinueY + kChoiceHeight)
        return 2;
    return 0;
}

void StartScreen::drawChoice(const char* text, float y, bool enabled, bool hovered) const
{
    const NLib::BitmapText* font = Images::instance()->font.get();
    if (!font)
        return;
    const float x = (kScreenWidth - font->measureText(text, kChoiceSize)) / 2.0f;
    const float shade = !enabled ? 0.5f : hovered ? 1.0f : 0.85f;
    font->drawText(text, kChoiceSize, x + 2.0f, y + 2.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.8f);
    font->drawText(text, kChoiceSize, x, y, 0.0f, shade, shade, hovered ? 0.6f : shade, 1.0f);
}

void StartScreen::draw()
{
    if (m_picture->isLoaded())
        m_picture->blendImageRect(0, 0, m_picture->getWidth(), m_picture->getHeight(), m_position.x,
                                  m_position.y);
    drawChoice("NEW GAME", kNewGameY, true, m_hovered == 1);
    drawChoice("CONTINUE", kContinueY, m_continueEnabled, m_hovered == 2);
    Control::draw();
}

bool StartScreen::onMouseMove(float x, float y)
{
    m_hovered = choiceAt(x, y);
    return Control::onMouseMove(x, y);
}

bool StartScreen::onLeftUp(float x, float y)
{
    switch (choiceAt(x, y)) {
    case 1:
        setCommand("NEW_GAME");
        break;
    case 2:
        setCommand("CONTINUE_GAME");
        break;
    default:
        break;
    }
    return Control::onLeftUp(x, y);
}

} // namespace NVolant
