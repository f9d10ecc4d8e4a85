#include "world/FieldHud.h"

#include "content/BitmapText.h"
#include "content/ResourceArchive.h"
#include "content/Sprite.h"
#include "gameplay/Images.h"
#include "platform/Screen.h"
#include "player/Plane.h"

#include <algorithm>
#include <cstdio>

namespace NVolant {

namespace {

std::unique_ptr<NLib::Sprite> border(const char* path)
{
    return std::make_unique<NLib::Sprite>(*NLib::ResourceArchive::instance(), path);
}

// Text with its shadow one pixel right and down.
void shadowedText(const NLib::BitmapText& font, const std::string& text, float size, float x, float y,
                  float alpha)
{
    font.drawText(text, size, x + 1.0f, y + 1.0f, 0.0f, 0.0f, 0.0f, 0.0f, alpha);
    font.drawText(text, size, x, y, 0.0f, 1.0f, 1.0f, 1.0f, alpha);
}

} // namespace

FieldHud::FieldHud()
    : m_top(border("dat/game_border/border_up.xml")), m_bottom(border("dat/game_border/border_down.xml")),
      m_left(border("dat/game_border/border_Left.xml")), m_right(border("dat/game_border/border_right.xml"))
{
}

FieldHud::~FieldHud() = default;

void FieldHud::drawBorders()
{
    const float screenH = static_cast<float>(kScreenHeight);
    const float screenW = static_cast<float>(kScreenWidth);
    const float topH = m_top->frameHeight;
    m_top->draw(Vector4(m_top->frameWidth / 2.0f, topH / 2.0f - 1.0f, 0.0f, 1.0f));
    m_bottom->draw(Vector4(m_bottom->frameWidth / 2.0f,
                           m_bottom->frameHeight / 2.0f + screenH - m_bottom->frameHeight - 1.0f, 0.0f,
                           1.0f));
    m_left->draw(Vector4(m_left->frameWidth / 2.0f, m_left->frameHeight / 2.0f + topH - 1.0f, 0.0f, 1.0f));
    m_right->draw(Vector4(m_left->frameWidth / 2.0f + screenW - m_right->frameWidth,
                          m_left->frameHeight / 2.0f + topH - 1.0f, 0.0f, 1.0f));
}

void FieldHud::drawLives(int lives)
{
    Images* images = Images::instance();
    const std::string text = livesText(lives);
    if (images->font) {
        images->font->drawText(text, 14.0f, 701.0f, 555.0f, 0.0f, 0.0f, 0.0f, 0.0f, 1.0f);
        images->font->drawText(text, 14.0f, 700.0f, 554.0f, 0.0f, 1.0f, 1.0f, 1.0f, 1.0f);
    }
    if (NLib::Sprite* icon = images->lifeIcon.get())
        icon->draw(Vector4(695.0f - icon->frameWidth / 2.0f, 561.0f, 0.0f, 1.0f));
}

void FieldHud::drawScore(int score)
{
    Images* images = Images::instance();
    char text[32];
    std::snprintf(text, sizeof text, "%6d", score);
    if (images->font) {
        images->font->drawText(text, 14.0f, 706.0f, 16.0f, 0.0f, 0.0f, 0.0f, 0.0f, 1.0f);
        images->font->drawText(text, 14.0f, 705.0f, 15.0f, 0.0f, 1.0f, 1.0f, 1.0f, 1.0f);
    }
}

std::string FieldHud::livesText(int lives)
{
    char text[32];
    std::snprintf(text, sizeof text, "x %2d", std::max(lives - 1, 0));
    return text;
}

int FieldHud::gaugeFrame(int frames, int hull, int maxHull)
{
    if (frames < 1 || maxHull < 1 || hull < 1)
        return 0;
    // Repairs never push the hull past its maximum, but a frame past the strip is never asked for.
    return std::min(frames - 1, static_cast<int>(static_cast<long long>(frames - 1) * hull / maxHull));
}

void FieldHud::drawHull(const Plane* plane)
{
    NLib::Sprite* gauge = Images::instance()->hullIcon.get();
    if (!gauge)
        return;
    gauge->setFrame(plane ? gaugeFrame(gauge->frameCount, plane->hull(), plane->maxHull()) : 0);
    gauge->draw(Vector4(110.0f, 560.0f, 0.0f, 1.0f));
}

void FieldHud::drawTitle(int levelNumber, float y, float fade)
{
    const NLib::BitmapText* font = Images::instance()->font.get();
    if (!font)
        return;
    char text[32];
    std::snprintf(text, sizeof text, "Level %d", levelNumber);
    m_titleX = (static_cast<float>(kScreenWidth) - font->measureText(text, 24.0f)) / 2.0f;
    shadowedText(*font, text, 24.0f, m_titleX, y, fade);
}

} // namespace NVolant
