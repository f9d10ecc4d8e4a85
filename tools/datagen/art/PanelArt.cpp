#include "art/ArtParts.h"
#include "art/Canvas.h"
#include "art/Text.h"

#include "common/DataTree.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <stdexcept>
#include <string>

namespace datagen::art {

namespace {

void rivet(cairo_t* cr, double x, double y)
{
    ellipse(cr, x, y, 2.6, 2.6);
    setColor(cr, {0.7, 0.74, 0.78});
    cairo_fill(cr);
    ellipse(cr, x + 0.7, y + 0.7, 1.6, 1.6);
    setColor(cr, {0.12, 0.14, 0.16});
    cairo_fill(cr);
}

// The shared look of every panel: a dark steel plate with a bevelled rim, corner rivets and a
// recessed face.
void panel(cairo_t* cr, double w, double h)
{
    roundedRect(cr, 1, 1, w - 2, h - 2, 14);
    setColor(cr, {0.02, 0.03, 0.05}, 0.95);
    cairo_fill(cr);
    roundedRect(cr, 3, 3, w - 6, h - 6, 12);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, w * 0.3, h);
    cairo_pattern_add_color_stop_rgb(p, 0, 0.42, 0.47, 0.53);
    cairo_pattern_add_color_stop_rgb(p, 0.5, 0.26, 0.3, 0.35);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.17, 0.2, 0.24);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    roundedRect(cr, 12, 12, w - 24, h - 24, 8);
    cairo_pattern_t* face = cairo_pattern_create_linear(0, 12, 0, h - 12);
    cairo_pattern_add_color_stop_rgba(face, 0, 0.06, 0.1, 0.16, 0.92);
    cairo_pattern_add_color_stop_rgba(face, 1, 0.1, 0.15, 0.24, 0.92);
    cairo_set_source(cr, face);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(face);
    strokeLine(cr, {0.6, 0.66, 0.72}, 0.35, 1);
    for (double y = 16; y < h - 14; y += 3) {
        cairo_move_to(cr, 14, y);
        cairo_line_to(cr, w - 14, y);
    }
    strokeLine(cr, pal::white, 0.018, 1);
    for (double x : {8.0, w - 8}) {
        rivet(cr, x, 8);
        rivet(cr, x, h - 8);
    }
}

void track(cairo_t* cr, double x, double yCentre, double length)
{
    roundedRect(cr, x - 4, yCentre - 4, length + 8, 8, 4);
    setColor(cr, {0.01, 0.02, 0.04});
    cairo_fill(cr);
    roundedRect(cr, x - 3, yCentre - 2, length + 6, 4, 2);
    cairo_pattern_t* p = cairo_pattern_create_linear(x, 0, x + length, 0);
    cairo_pattern_add_color_stop_rgb(p, 0, 0.1, 0.25, 0.45);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.35, 0.65, 1.0);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    for (int i = 0; i <= 10; ++i) {
        const double tx = x + length * i / 10;
        cairo_move_to(cr, tx, yCentre + 7);
        cairo_line_to(cr, tx, yCentre + (i % 5 ? 10 : 13));
    }
    strokeLine(cr, {0.7, 0.75, 0.8}, 0.6, 1);
}

TextStyle labelStyle(double size)
{
    TextStyle s;
    s.size = size;
    s.color = pal::cream;
    s.shadow = true;
    return s;
}

void writePng(const DataTree& tree, const std::string& path, int w, int h,
              const std::function<void(cairo_t*)>& paint)
{
    Canvas c(w, h);
    paint(c.cr());
    tree.writeBytes(path, c.png());
}

void writeJpeg(const DataTree& tree, const std::string& path, const std::function<void(cairo_t*)>& paint)
{
    Canvas c(800, 600);
    paint(c.cr());
    tree.writeBytes(path, c.jpeg());
}

// A picture already written to the tree, read back for icons.
cairo_surface_t* readBack(const DataTree& tree, const std::string& path)
{
    cairo_surface_t* s = cairo_image_surface_create_from_png(tree.pathOf(path).c_str());
    if (cairo_surface_status(s) != CAIRO_STATUS_SUCCESS)
        throw std::runtime_error("cannot read back " + path);
    return s;
}

// Draws one cell of a generated sprite sheet centred at (x, y), fitted into size.
void sheetCell(cairo_t* cr, const DataTree& tree, const std::string& png, int cellW, int cellH, int col,
               int row, double x, double y, double size)
{
    cairo_surface_t* s = readBack(tree, png);
    const double k = std::min(1.0, size / std::max(cellW, cellH));
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, k, k);
    cairo_rectangle(cr, -cellW / 2.0, -cellH / 2.0, cellW, cellH);
    cairo_clip(cr);
    cairo_set_source_surface(cr, s, -cellW / 2.0 - col * cellW, -cellH / 2.0 - row * cellH);
    cairo_paint(cr);
    cairo_restore(cr);
    cairo_surface_destroy(s);
}

void steelBackdrop(cairo_t* cr)
{
    cairo_pattern_t* p = cairo_pattern_create_radial(400, 260, 50, 400, 300, 560);
    cairo_pattern_add_color_stop_rgb(p, 0, 0.16, 0.22, 0.3);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.03, 0.05, 0.08);
    cairo_set_source(cr, p);
    cairo_paint(cr);
    cairo_pattern_destroy(p);
    for (int x = 0; x <= 800; x += 40) {
        cairo_move_to(cr, x, 0);
        cairo_line_to(cr, x, 600);
    }
    for (int y = 0; y <= 600; y += 40) {
        cairo_move_to(cr, 0, y);
        cairo_line_to(cr, 800, y);
    }
    strokeLine(cr, {0.4, 0.6, 0.8}, 0.06, 1);
}

void box(cairo_t* cr, double x, double y, double w, double h)
{
    roundedRect(cr, x, y, w, h, 10);
    setColor(cr, {0.02, 0.04, 0.07}, 0.6);
    cairo_fill_preserve(cr);
    strokeLine(cr, {0.55, 0.65, 0.75}, 0.45, 1.5);
}

void sheetIcon(const DataTree& tree, const std::string& out, const std::string& png, int cellW, int cellH,
               int col, int row, double scale)
{
    Canvas c(64, 64);
    sheetCell(c.cr(), tree, png, cellW, cellH, col, row, 32, 32, scale * std::max(cellW, cellH));
    tree.writeBytes(out, c.png());
}

void keyCap(cairo_t* cr, double x, double y, double w, const char* text)
{
    roundedRect(cr, x, y, w, 26, 5);
    fillLit(cr, {0.75, 0.77, 0.8}, 0.3);
    strokeLine(cr, pal::black, 0.8, 1.2);
    TextStyle t;
    t.size = 12;
    t.align = Align::Centre;
    t.color = {0.1, 0.1, 0.12};
    drawText(cr, text, x + w / 2, y + 8, t);
}

void mouse(cairo_t* cr, double x, double y, int highlight)
{
    roundedRect(cr, x, y, 34, 50, 16);
    fillLit(cr, {0.8, 0.82, 0.85}, 0.3);
    strokeLine(cr, pal::black, 0.8, 1.2);
    if (highlight > 0) {
        cairo_save(cr);
        roundedRect(cr, x, y, 34, 50, 16);
        cairo_clip(cr);
        cairo_rectangle(cr, highlight == 1 ? x : x + 17, y, 17, 20);
        setColor(cr, {1.0, 0.55, 0.15}, 0.9);
        cairo_fill(cr);
        cairo_restore(cr);
    }
    cairo_move_to(cr, x + 17, y);
    cairo_line_to(cr, x + 17, y + 20);
    cairo_move_to(cr, x, y + 20);
    cairo_line_to(cr, x + 34, y + 20);
    strokeLine(cr, pal::black, 0.6, 1);
}

// A gamepad seen from above, 120 x 64 from (x, y): the left stick, the d-pad, the four face
// buttons with A (south) and B (east) lit, Start, and the triggers behind.
void gamepad(cairo_t* cr, double x, double y)
{
    cairo_save(cr);
    cairo_translate(cr, x, y);
    for (double tx : {14.0, 86.0}) {
        roundedRect(cr, tx, -6, 20, 12, 4);
        fillLit(cr, {1.0, 0.55, 0.15}, 0.3);
        strokeLine(cr, pal::black, 0.8, 1);
    }
    cairo_move_to(cr, 20, 2);
    cairo_curve_to(cr, 45, -2, 75, -2, 100, 2);
    cairo_curve_to(cr, 122, 6, 128, 50, 116, 62);
    cairo_curve_to(cr, 106, 70, 96, 56, 86, 46);
    cairo_line_to(cr, 34, 46);
    cairo_curve_to(cr, 24, 56, 14, 70, 4, 62);
    cairo_curve_to(cr, -8, 50, -2, 6, 20, 2);
    cairo_close_path(cr);
    fillLit(cr, {0.78, 0.8, 0.83}, 0.35);
    strokeLine(cr, pal::black, 0.8, 1.2);
    // left stick
    ellipse(cr, 26, 20, 9, 9);
    fillLit(cr, {0.25, 0.27, 0.3}, 0.4);
    cairo_new_path(cr);
    ellipse(cr, 26, 20, 5, 5);
    setColor(cr, {0.45, 0.48, 0.52});
    cairo_fill(cr);
    // d-pad
    polygon(cr, {{40, 30},
                 {46, 30},
                 {46, 36},
                 {52, 36},
                 {52, 42},
                 {46, 42},
                 {46, 48},
                 {40, 48},
                 {40, 42},
                 {34, 42},
                 {34, 36},
                 {40, 36}});
    setColor(cr, {0.2, 0.22, 0.25});
    cairo_fill(cr);
    // Start
    roundedRect(cr, 56, 16, 10, 5, 2.5);
    setColor(cr, {0.2, 0.22, 0.25});
    cairo_fill(cr);
    // face buttons: north, west, east (B), south (A)
    struct Face {
        double cx, cy;
        const char* label;
        Rgb colour;
    };
    const Face faces[4] = {{96, 10, "", {0.3, 0.32, 0.35}},
                           {86, 20, "", {0.3, 0.32, 0.35}},
                           {106, 20, "B", {0.85, 0.2, 0.15}},
                           {96, 30, "A", {0.2, 0.7, 0.3}}};
    for (const Face& f : faces) {
        ellipse(cr, f.cx, f.cy, 5.5, 5.5);
        fillLit(cr, f.colour, 0.35);
        strokeLine(cr, pal::black, 0.6, 0.8);
        if (*f.label) {
            TextStyle t;
            t.size = 8;
            t.align = Align::Centre;
            drawText(cr, f.label, f.cx, f.cy - 3, t);
        }
    }
    cairo_restore(cr);
}

void paintHint(cairo_t* cr)
{
    steelBackdrop(cr);
    TextStyle title = labelStyle(34);
    title.align = Align::Centre;
    title.outline = 2;
    drawText(cr, "FLIGHT BRIEFING", 400, 18, title);
    box(cr, 20, 70, 330, 450);
    box(cr, 365, 70, 415, 450);
    TextStyle head = labelStyle(20);
    head.color = {1.0, 0.8, 0.35};
    drawText(cr, "CONTROLS", 40, 84, head);
    drawText(cr, "BONUSES", 385, 84, head);
    TextStyle body = labelStyle(14);
    // steering
    mouse(cr, 40, 112, 0);
    keyCap(cr, 120, 112, 26, "W");
    keyCap(cr, 92, 140, 26, "A");
    keyCap(cr, 120, 140, 26, "S");
    keyCap(cr, 148, 140, 26, "D");
    drawText(cr, "Steer with the", 190, 114, body);
    drawText(cr, "mouse, W A S D", 190, 132, body);
    drawText(cr, "or the arrow keys", 190, 150, body);
    // cannon
    mouse(cr, 40, 178, 1);
    keyCap(cr, 92, 190, 50, "Ctrl");
    drawText(cr, "Cannon: left", 190, 186, body);
    drawText(cr, "button or Ctrl", 190, 204, body);
    // missiles
    mouse(cr, 40, 244, 2);
    keyCap(cr, 92, 256, 80, "Space");
    drawText(cr, "Homing missile:", 190, 246, body);
    drawText(cr, "right button", 190, 264, body);
    drawText(cr, "or Space", 190, 282, body);
    keyCap(cr, 40, 310, 50, "Esc");
    drawText(cr, "Pause and return", 110, 306, body);
    drawText(cr, "to the main menu", 110, 324, body);
    // the same with a gamepad
    gamepad(cr, 36, 362);
    TextStyle pad = labelStyle(12);
    pad.bold = false;
    drawText(cr, "Stick or d-pad: steer", 168, 356, pad);
    drawText(cr, "A or right trigger: cannon", 168, 374, pad);
    drawText(cr, "B or left trigger: missiles", 168, 392, pad);
    drawText(cr, "Start: main menu", 168, 410, pad);
    drawText(cr, "On menus the stick points, A clicks", 40, 432, pad);
    TextStyle note = labelStyle(13);
    note.color = {0.75, 0.8, 0.85};
    drawText(cr, "Destroy bridges to mark checkpoints:", 40, 456, note);
    drawText(cr, "a saved game continues from the last.", 40, 472, note);
    drawText(cr, "Fly over bonuses to collect them.", 40, 488, note);
    drawText(cr, "An extra plane comes with the score.", 40, 504, note);
    const char* names[10] = {"Salvo",         "Heavy shells", "Double cannon", "Twin missiles", "Stealth",
                             "Quad missiles", "Auto aim",     "Repair",        "Full repair",   "Extra hull"};
    const char* lines[10] = {"missiles at all targets",   "harder hitting cannon",  "two guns fire together",
                             "two missiles a launch",     "20 s you cannot be hit", "four missiles a launch",
                             "bullets and missiles lead", "mends 50 of the hull",   "mends the whole hull",
                             "100 more hull to take"};
    for (int k = 0; k < 10; ++k) {
        const double x = 385 + (k % 2) * 200, y = 120 + (k / 2) * 78;
        cairo_save(cr);
        cairo_translate(cr, x + 18, y + 20);
        cairo_scale(cr, 1.35, 1.35);
        paintBonus(cr, k + 1, 0);
        cairo_restore(cr);
        TextStyle n = labelStyle(14);
        n.color = {1.0, 0.9, 0.6};
        drawText(cr, names[k], x + 46, y + 4, n);
        TextStyle d = labelStyle(11);
        d.bold = false;
        d.color = {0.8, 0.84, 0.9};
        drawText(cr, lines[k], x + 46, y + 24, d);
    }
    // the "show hints" check box and the close button sit along the bottom
    drawText(cr, "Show these hints before each level", 64, 546, labelStyle(15));
}

} // namespace

void generatePanels(const DataTree& tree)
{
    // Play panel (also the profile list): 280 x 400, five 46-pixel buttons from y 40 to 326.
    writePng(tree, "menu/bg_play_game.png", 280, 400, [](cairo_t* cr) { panel(cr, 280, 400); });
    writePng(tree, "menu/512x256.png", 512, 256, [](cairo_t* cr) { panel(cr, 512, 256); });

    // Options: check boxes centred at x 53 on rows 91, 130, 169; the sliders are 178 wide at
    // ((320 - 178) / 2 - 2, h - 167) and (.., h - 102), with a 26-pixel thumb.
    writePng(tree, "menu/bg_options.png", 320, 400, [](cairo_t* cr) {
        panel(cr, 320, 400);
        TextStyle t = labelStyle(26);
        t.align = Align::Centre;
        drawText(cr, "OPTIONS", 160, 30, t);
        const char* names[3] = {"Full screen", "Swap stereo", "Show hints"};
        const double rows[3] = {91, 130, 169};
        for (int i = 0; i < 3; ++i) {
            roundedRect(cr, 38, rows[i] - 15, 30, 30, 6);
            setColor(cr, pal::black, 0.45);
            cairo_fill(cr);
            drawText(cr, names[i], 80, rows[i] - 8, labelStyle(17));
        }
        const double x = (320 - 178) / 2.0 - 2;
        drawText(cr, "Music", x - 6, 400 - 167 - 22, labelStyle(16));
        track(cr, x, 400 - 167 + 13, 178);
        drawText(cr, "Sound", x - 6, 400 - 102 - 22, labelStyle(16));
        track(cr, x, 400 - 102 + 13, 178);
    });

    // Top ten: rows of 30 pixels from y 82; the title picture sits on top at y 24.
    writePng(tree, "menu/640x480.png", 640, 480, [](cairo_t* cr) {
        panel(cr, 640, 480);
        for (int i = 0; i < 10; ++i) {
            roundedRect(cr, 50, 79 + 30 * i, 540, 27, 5);
            setColor(cr, i % 2 ? Rgb{0.2, 0.3, 0.45} : Rgb{0.12, 0.2, 0.32}, 0.75);
            cairo_fill(cr);
            TextStyle n = labelStyle(13);
            n.align = Align::Right;
            n.color = {0.6, 0.68, 0.78};
            drawText(cr, std::to_string(i + 1) + ".", 64, 86 + 30 * i, n);
        }
    });
    writePng(tree, "menu/top10.png", 320, 56, [](cairo_t* cr) {
        TextStyle t;
        t.size = 40;
        t.align = Align::Centre;
        t.color = {1.0, 0.8, 0.3};
        t.outline = 2.5;
        t.outlineColor = {0.3, 0.15, 0.02};
        t.shadow = true;
        drawText(cr, "TOP TEN", 160, 8, t);
        for (double s : {-1.0, 1.0}) {
            const double x = 160 + s * 125;
            polygon(cr, {{x, 16}, {x + 6, 28}, {x, 40}, {x - 6, 28}});
            setColor(cr, {1.0, 0.8, 0.3});
            cairo_fill(cr);
        }
    });

    // Statistics icons of the end-of-level window, cut from the unit sprites.
    sheetIcon(tree, "menu/stat_icons/cl_boat.png", "dat/boat03/boat.png", 96, 96, 0, 1, 0.85);
    sheetIcon(tree, "menu/stat_icons/cl_helic.png", "dat/helic03/helic.png", 112, 112, 1, 1, 0.8);
    sheetIcon(tree, "menu/stat_icons/cl_plane.png", "dat/plane01/plane.png", 80, 80, 0, 1, 1.0);

    // End of level: texts are drawn by the game; boxes frame the kills (left) and the scores and
    // statistics (right); buttons at y 550.
    writeJpeg(tree, "menu/bg_end_level.jpg", [](cairo_t* cr) {
        steelBackdrop(cr);
        box(cr, 50, 70, 350, 360);
        box(cr, 440, 70, 310, 140);
        box(cr, 440, 262, 310, 168);
        for (double y : {130.0, 210.0, 290.0}) {
            roundedRect(cr, 84, y - 6, 76, 76, 8);
            setColor(cr, {0.1, 0.16, 0.25}, 0.9);
            cairo_fill(cr);
        }
        cairo_move_to(cr, 70, 370);
        cairo_line_to(cr, 380, 370);
        strokeLine(cr, {0.55, 0.65, 0.75}, 0.4, 1);
        cairo_rectangle(cr, 0, 530, 800, 70);
        setColor(cr, pal::black, 0.35);
        cairo_fill(cr);
    });

    // The hint picture: controls on the left, the ten bonuses on the right.
    writeJpeg(tree, "menu/bg_hint_wnd.jpg", [](cairo_t* cr) { paintHint(cr); });
}

} // namespace datagen::art
