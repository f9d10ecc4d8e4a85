#include "art/Text.h"

namespace datagen::art {

void selectFont(cairo_t* cr, double size, bool bold, bool condensed)
{
    cairo_select_font_face(cr, condensed ? "DejaVu Sans Condensed" : "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL,
                           bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, size);
    cairo_font_options_t* opts = cairo_font_options_create();
    // Outlines without hinting render the same on every machine with the same font files.
    cairo_font_options_set_hint_style(opts, CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_hint_metrics(opts, CAIRO_HINT_METRICS_OFF);
    cairo_font_options_set_antialias(opts, CAIRO_ANTIALIAS_GRAY);
    cairo_set_font_options(cr, opts);
    cairo_font_options_destroy(opts);
}

double textWidth(cairo_t* cr, const std::string& text, double size, bool bold, bool condensed)
{
    cairo_save(cr);
    selectFont(cr, size, bold, condensed);
    cairo_text_extents_t ext;
    cairo_text_extents(cr, text.c_str(), &ext);
    cairo_restore(cr);
    return ext.x_advance;
}

void drawText(cairo_t* cr, const std::string& text, double x, double y, const TextStyle& style)
{
    cairo_save(cr);
    selectFont(cr, style.size, style.bold, style.condensed);
    cairo_text_extents_t ext;
    cairo_text_extents(cr, text.c_str(), &ext);
    double left = x;
    if (style.align == Align::Centre)
        left = x - ext.x_advance / 2;
    else if (style.align == Align::Right)
        left = x - ext.x_advance;
    const double baseline = y + style.size * 0.73;
    if (style.shadow) {
        cairo_move_to(cr, left + style.size * 0.06 + 1, baseline + style.size * 0.06 + 1);
        cairo_text_path(cr, text.c_str());
        cairo_set_source_rgba(cr, 0, 0, 0, 0.55 * style.alpha);
        cairo_fill(cr);
    }
    cairo_move_to(cr, left, baseline);
    cairo_text_path(cr, text.c_str());
    if (style.outline > 0) {
        setColor(cr, style.outlineColor, style.alpha);
        cairo_set_line_width(cr, style.outline * 2);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_stroke_preserve(cr);
    }
    setColor(cr, style.color, style.alpha);
    cairo_fill(cr);
    cairo_restore(cr);
}

} // namespace datagen::art
