#include "screens/ShadowText.h"

#include "content/BitmapText.h"
#include "gameplay/Images.h"

namespace NVolant {

void drawShadowText(const NLib::BitmapText* font, const std::string& text, float size, float x, float y,
                    TextColour colour)
{
    if (!font)
        return;
    font->drawText(text, size, x + 1.0f, y + 1.0f, 0.0f, 0.0f, 0.0f, 0.0f, 1.0f);
    font->drawText(text, size, x, y, 0.0f, colour.r, colour.g, colour.b, colour.a);
}

void drawShadowTextCentred(const NLib::BitmapText* font, const std::string& text, float size, float centreX,
                           float y, TextColour colour)
{
    if (font)
        drawShadowText(font, text, size, centreX - font->measureText(text, size) / 2.0f, y, colour);
}

void drawShadowTextRight(const NLib::BitmapText* font, const std::string& text, float size, float rightX,
                         float y, TextColour colour)
{
    if (font)
        drawShadowText(font, text, size, rightX - font->measureText(text, size), y, colour);
}

const NLib::BitmapText* menuFont()
{
    return Images::instance()->font.get();
}

} // namespace NVolant
