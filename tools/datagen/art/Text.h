#pragma once

#include "art/Draw.h"

#include <string>

namespace datagen::art {

enum class Align { Left, Centre, Right };

// Text in the game's free font (DejaVu Sans), baseline-independent: y is the top of the capitals.
struct TextStyle {
    double size = 20;
    bool bold = true;
    Rgb color = pal::white;
    double alpha = 1.0;
    Align align = Align::Left;
    double outline = 0; // width of a dark outline, 0 for none
    Rgb outlineColor = pal::black;
    bool shadow = false;
    bool condensed = false;
};

void drawText(cairo_t* cr, const std::string& text, double x, double y, const TextStyle& style);
double textWidth(cairo_t* cr, const std::string& text, double size, bool bold, bool condensed = false);
void selectFont(cairo_t* cr, double size, bool bold, bool condensed = false);

} // namespace datagen::art
