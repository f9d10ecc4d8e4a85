#pragma once

#include "art/Canvas.h"
#include "art/Draw.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace datagen {
class DataTree;
}

namespace datagen::art {

// Draws one cell; the context is translated to the cell's centre and clipped to the cell.
using CellPainter = std::function<void(cairo_t* cr, int frame, int group)>;

struct Point2 {
    double x, y;
};
struct Circle {
    double x, y, r;
};

// Everything drawn this run, kept for the review sheet: every cell with its collision overlay.
struct SpriteRecord {
    std::string path;
    int frameWidth = 0;
    int frameHeight = 0;
    int frames = 0;
    int groups = 0;
    std::vector<std::shared_ptr<Canvas>> cells; // group-major
};

class SpriteBook final {
public:
    void add(SpriteRecord record) { m_records.push_back(std::move(record)); }
    const std::vector<SpriteRecord>& records() const { return m_records; }
    void keepCells(bool keep) { m_keepCells = keep; }
    bool keepCells() const { return m_keepCells; }

private:
    std::vector<SpriteRecord> m_records;
    bool m_keepCells = false;
};

// A strip sprite: one sheet of frames x groups cells and its "spriteSolid" description.
void writeStripSprite(const DataTree& tree, SpriteBook* book, const std::string& xmlPath,
                      const std::string& pngPath, int frameWidth, int frameHeight, int frames, int groups,
                      double fps, const CellPainter& paint);

// A framed sprite: one picture per frame ("<base>NN.png") and its "spriteFramed" description.
void writeFramedSprite(const DataTree& tree, SpriteBook* book, const std::string& xmlPath,
                       const std::string& pngBase, int frameWidth, int frameHeight, int frames, int groups,
                       double fps, const CellPainter& paint);

// Direction groups of the units: group g heads g x 45 degrees clockwise from up the screen.
inline double groupRotation(int group)
{
    return group * 3.14159265358979323846 / 4.0;
}

// A unit-frame point (x right, y toward the nose) turned to group g, in screen offsets (y down).
Point2 unitToScreen(Point2 p, int group);

} // namespace datagen::art

namespace datagen::art {

// Draws a unit in its own frame (nose up the screen), turned to its direction group, lit from the
// upper left of the screen whatever the heading. A painted ground shadow is added when
// shadowAlpha > 0 (ground units); air units get theirs from the game.
void paintRotatedUnit(cairo_t* cr, int frameWidth, int frameHeight, int group,
                      const std::function<void(cairo_t*)>& drawLocal, double shadowOffset = 0,
                      double shadowAlpha = 0, double lightStrength = 0.8);

// Circles along a unit's axis (unit frame: y toward the nose) covering a hull of the given length
// and width.
std::vector<Circle> axisCircles(double length, double width, double radiusScale = 1.0);

} // namespace datagen::art
