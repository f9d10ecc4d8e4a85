#include "art/ArtParts.h"
#include "art/Canvas.h"
#include "art/Text.h"

#include "common/DataTree.h"

#include <string>

namespace datagen::art {

namespace {

// Looks of a four-look strip, top to bottom: under the pointer, pressed, normal, inactive.
enum Look { Hover = 3, Pressed = 2, Normal = 1, Inactive = 0 };

void plate(cairo_t* cr, double w, double h, Look look)
{
    const double r = h * 0.3;
    // outer dark frame
    roundedRect(cr, 0.5, 0.5, w - 1, h - 1, r);
    setColor(cr, {0.05, 0.06, 0.08}, 0.95);
    cairo_fill(cr);
    Rgb top{0.36, 0.52, 0.72}, bottom{0.12, 0.22, 0.38};
    if (look == Hover) {
        top = {0.5, 0.68, 0.9};
        bottom = {0.18, 0.32, 0.52};
    } else if (look == Pressed) {
        top = {0.1, 0.18, 0.3};
        bottom = {0.26, 0.4, 0.58};
    } else if (look == Inactive) {
        top = {0.4, 0.41, 0.42};
        bottom = {0.22, 0.23, 0.24};
    }
    roundedRect(cr, 2, 2, w - 4, h - 4, r - 1.5);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 2, 0, h - 2);
    cairo_pattern_add_color_stop_rgb(p, 0, top.r, top.g, top.b);
    cairo_pattern_add_color_stop_rgb(p, 0.5, mix(top, bottom, 0.6).r, mix(top, bottom, 0.6).g,
                                     mix(top, bottom, 0.6).b);
    cairo_pattern_add_color_stop_rgb(p, 1, bottom.r, bottom.g, bottom.b);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    // glossy upper half and bevel lines
    if (look != Pressed) {
        roundedRect(cr, 4, 3, w - 8, (h - 6) * 0.45, r - 2);
        setColor(cr, pal::white, look == Inactive ? 0.08 : 0.16);
        cairo_fill(cr);
    }
    roundedRect(cr, 2.5, 2.5, w - 5, h - 5, r - 1.5);
    strokeLine(cr, look == Hover ? Rgb{1.0, 0.75, 0.3} : Rgb{0.75, 0.82, 0.9}, look == Hover ? 0.95 : 0.35,
               look == Hover ? 1.6 : 1.0);
}

void label(cairo_t* cr, const std::string& text, double w, double h, Look look, double size)
{
    TextStyle s;
    s.size = size;
    s.align = Align::Centre;
    s.color = look == Inactive ? Rgb{0.6, 0.6, 0.6} : look == Hover ? Rgb{1.0, 0.93, 0.7} : pal::cream;
    s.outline = 1.2;
    s.outlineColor = {0.02, 0.04, 0.08};
    const double fit = textWidth(cr, text, size, true);
    if (fit > w - 16)
        s.size = size * (w - 16) / fit;
    const double shift = look == Pressed ? 1 : 0;
    drawText(cr, text, w / 2 + shift, (h - s.size * 0.74) / 2 + shift, s);
}

void writeButton(const DataTree& tree, const std::string& path, const std::string& text, int w, int h,
                 double size)
{
    Canvas strip(w, h * 4);
    for (int row = 0; row < 4; ++row) {
        const Look look = static_cast<Look>(3 - row);
        cairo_t* cr = strip.cr();
        cairo_save(cr);
        cairo_translate(cr, 0, row * h);
        plate(cr, w, h, look);
        label(cr, text, w, h, look, size);
        cairo_restore(cr);
    }
    tree.writeBytes(path, strip.png());
}

void writeCheckBox(const DataTree& tree)
{
    // looks: 0 unchecked, 1 unchecked under the pointer, 2 checked, 3 checked under the pointer
    const int s = 26;
    Canvas strip(s, s * 4);
    for (int row = 0; row < 4; ++row) {
        const int look = 3 - row;
        cairo_t* cr = strip.cr();
        cairo_save(cr);
        cairo_translate(cr, 0, row * s);
        plate(cr, s, s, look % 2 ? Hover : Normal);
        roundedRect(cr, 5, 5, s - 10, s - 10, 3);
        setColor(cr, {0.04, 0.06, 0.1}, 0.9);
        cairo_fill(cr);
        if (look >= 2) {
            cairo_move_to(cr, 7, 13);
            cairo_line_to(cr, 11.5, 18.5);
            cairo_line_to(cr, 20, 6);
            cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
            cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
            strokeLine(cr, {0.02, 0.05, 0.02}, 0.8, 5);
            cairo_move_to(cr, 7, 13);
            cairo_line_to(cr, 11.5, 18.5);
            cairo_line_to(cr, 20, 6);
            strokeLine(cr, {0.45, 1.0, 0.45}, 1, 2.6);
        }
        cairo_restore(cr);
    }
    tree.writeBytes("menu/chb.png", strip.png());
}

void writeThumb(const DataTree& tree)
{
    const int w = 22, h = 26;
    Canvas strip(w, h * 4);
    for (int row = 0; row < 4; ++row) {
        const Look look = static_cast<Look>(3 - row);
        cairo_t* cr = strip.cr();
        cairo_save(cr);
        cairo_translate(cr, 0, row * h);
        plate(cr, w, h, look);
        for (double x : {8.0, 11.0, 14.0}) {
            cairo_move_to(cr, x, 8);
            cairo_line_to(cr, x, h - 8);
        }
        strokeLine(cr, {0.05, 0.08, 0.12}, 0.7, 1);
        cairo_restore(cr);
    }
    tree.writeBytes("menu/bar_btn.png", strip.png());
}

void writeArrow(const DataTree& tree)
{
    const int s = 20;
    Canvas strip(s, s * 4);
    for (int row = 0; row < 4; ++row) {
        const Look look = static_cast<Look>(3 - row);
        cairo_t* cr = strip.cr();
        cairo_save(cr);
        cairo_translate(cr, 0, row * s);
        plate(cr, s, s, look);
        polygon(cr, {{s / 2.0, 5}, {s - 5.0, s - 7.0}, {5, s - 7.0}});
        setColor(cr, look == Inactive ? Rgb{0.6, 0.6, 0.6} : pal::cream);
        cairo_fill(cr);
        cairo_restore(cr);
    }
    tree.writeBytes("menu/up_btn.png", strip.png());
}

} // namespace

void generateWidgets(const DataTree& tree)
{
    struct ButtonLook {
        const char* file;
        const char* text;
        int w, h;
        double size;
    };
    const ButtonLook buttons[] = {
        {"play_game_btn", "PLAY GAME", 220, 46, 20},
        {"options_btn", "OPTIONS", 220, 46, 20},
        {"top10_btn", "TOP TEN", 220, 46, 20},
        {"more_games_btn", "MORE GAMES", 220, 46, 20},
        {"exit_btn", "EXIT", 220, 46, 20},
        {"new_game_btn", "NEW GAME", 220, 46, 20},
        {"custom_game_btn", "CHOOSE LEVEL", 220, 46, 20},
        {"continue_saved_btn", "CONTINUE SAVED", 220, 46, 20},
        {"continue_game_btn", "CONTINUE", 220, 46, 20},
        {"if_this_not_btn", "Not you? Change profile", 250, 30, 14},
        {"ok_btn", "OK", 120, 38, 17},
        {"cancel_btn", "CANCEL", 120, 38, 17},
        {"delete_btn", "DELETE", 120, 38, 17},
        {"create_btn", "CREATE", 120, 38, 17},
        {"close_btn", "CLOSE", 120, 38, 17},
        {"main_menu_btn", "MAIN MENU", 200, 44, 19},
        {"back_space_btn", "< BACK", 100, 32, 15},
    };
    for (const ButtonLook& b : buttons)
        writeButton(tree, std::string("menu/") + b.file + ".png", b.text, b.w, b.h, b.size);
    writeCheckBox(tree);
    writeThumb(tree);
    writeArrow(tree);
}

} // namespace datagen::art
