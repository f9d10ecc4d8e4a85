#pragma once

#include <string>

namespace NLib {
class BitmapText;
}

namespace NVolant {

struct TextColour {
    float r = 1.0f, g = 1.0f, b = 1.0f, a = 1.0f;
};

// Menu text: first in black one pixel right and down, then in its colour at its place. A missing
// font draws nothing. Centred and right-aligned texts take their width at the size they are drawn.
void drawShadowText(const NLib::BitmapText* font, const std::string& text, float size, float x, float y,
                    TextColour colour = {});
void drawShadowTextCentred(const NLib::BitmapText* font, const std::string& text, float size, float centreX,
                           float y, TextColour colour = {});
void drawShadowTextRight(const NLib::BitmapText* font, const std::string& text, float size, float rightX,
                         float y, TextColour colour = {});

// The game's bitmap font from the image registry.
const NLib::BitmapText* menuFont();

} // namespace NVolant
