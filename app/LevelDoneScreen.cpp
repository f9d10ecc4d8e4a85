#include "app/LevelDoneScreen.h"

#include "content/BitmapText.h"
#include "gameplay/Images.h"
#include "platform/Screen.h"
#include "score/Scores.h"

#include <string>

namespace NVolant {

namespace {

void centredText(const NLib::BitmapText& font, const std::string& text, float size, float y, float shade)
{
    const float x = (kScreenWidth - font.measureText(text, size)) / 2.0f;
    font.drawText(text, size, x + 2.0f, y + 2.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.8f);
    font.drawText(text, size, x, y, 0.0f, shade, shade, shade, 1.0f);
}

} // namespace

LevelDoneScreen::LevelDoneScreen(bool final) : m_picture(createGraphic()), m_final(final)
{
    setSize(kScreenWidth, kScreenHeight);
    setPosition(0, 0);
    m_picture->loadFromFile("menu/bg_main_menu.jpg");
}

void LevelDoneScreen::draw()
{
    if (m_picture->isLoaded())
        m_picture->blendImageRect(0, 0, m_picture->getWidth(), m_picture->getHeight(), 0, 0);
    const NLib::BitmapText* font = Images::instance()->font.get();
    if (font) {
        const Scores* scores = Scores::existing();
        centredText(*font, m_final ? "GAME ENDED" : "LEVEL COMPLETE", 40.0f, 330.0f, 1.0f);
        if (scores) {
            centredText(*font, "Score " + std::to_string(scores->score()), 28.0f, 390.0f, 0.9f);
            centredText(*font,
                        "Boats " + std::to_string(scores->boatsKilled()) + "   Helicopters " +
                            std::to_string(scores->helicsKilled()) + "   Planes " +
                            std::to_string(scores->planesKilled()),
                        20.0f, 430.0f, 0.85f);
        }
        centredText(*font, m_final ? "Click for the main menu" : "Click to fly on", 24.0f, 490.0f, 0.85f);
    }
    Control::draw();
}

bool LevelDoneScreen::onLeftUp(float x, float y)
{
    setCommand(m_final ? "MAIN_MENU" : "CONTINUE");
    return Control::onLeftUp(x, y);
}

} // namespace NVolant
