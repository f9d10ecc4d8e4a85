#include "art/Sprites.h"

#include "common/DataTree.h"
#include "content/CXmlNode.h"

#include <cmath>
#include <algorithm>
#include <cstdio>

namespace datagen::art {

namespace {

void paintCell(cairo_t* cr, double x, double y, int w, int h, const CellPainter& paint, int frame, int group)
{
    cairo_save(cr);
    cairo_rectangle(cr, x, y, w, h);
    cairo_clip(cr);
    cairo_translate(cr, x + w / 2.0, y + h / 2.0);
    paint(cr, frame, group);
    cairo_restore(cr);
}

std::shared_ptr<Canvas> cutCell(const Canvas& sheet, int x, int y, int w, int h)
{
    auto cell = std::make_shared<Canvas>(w, h);
    cell->paint(sheet, -x, -y);
    return cell;
}

} // namespace

void writeStripSprite(const DataTree& tree, SpriteBook* book, const std::string& xmlPath,
                      const std::string& pngPath, int frameWidth, int frameHeight, int frames, int groups,
                      double fps, const CellPainter& paint)
{
    Canvas sheet(frameWidth * frames, frameHeight * groups);
    for (int g = 0; g < groups; ++g)
        for (int f = 0; f < frames; ++f)
            paintCell(sheet.cr(), f * frameWidth, g * frameHeight, frameWidth, frameHeight, paint, f, g);
    tree.writeBytes(pngPath, sheet.png());

    Xml::CXmlNode root;
    root.setName("spriteSolid");
    root.setInt("frames", frames);
    root.setInt("groups", groups);
    if (fps > 0)
        root.setFloat("fps", static_cast<float>(fps));
    root.addChild("texture")->setText(pngPath);
    tree.writeXml(xmlPath, root);

    if (book) {
        SpriteRecord rec{xmlPath, frameWidth, frameHeight, frames, groups, {}};
        if (book->keepCells())
            for (int g = 0; g < groups; ++g)
                for (int f = 0; f < frames; ++f)
                    rec.cells.push_back(
                        cutCell(sheet, f * frameWidth, g * frameHeight, frameWidth, frameHeight));
        book->add(std::move(rec));
    }
}

void writeFramedSprite(const DataTree& tree, SpriteBook* book, const std::string& xmlPath,
                       const std::string& pngBase, int frameWidth, int frameHeight, int frames, int groups,
                       double fps, const CellPainter& paint)
{
    Xml::CXmlNode root;
    root.setName("spriteFramed");
    if (fps > 0)
        root.setFloat("fps", static_cast<float>(fps));
    SpriteRecord rec{xmlPath, frameWidth, frameHeight, frames, groups, {}};
    for (int g = 0; g < groups; ++g) {
        Xml::CXmlNode* group = root.addChild("group");
        for (int f = 0; f < frames; ++f) {
            auto cell = std::make_shared<Canvas>(frameWidth, frameHeight);
            paintCell(cell->cr(), 0, 0, frameWidth, frameHeight, paint, f, g);
            char name[32];
            if (groups > 1)
                std::snprintf(name, sizeof name, "%d_%02d.png", g, f);
            else
                std::snprintf(name, sizeof name, "%02d.png", f);
            const std::string path = pngBase + name;
            tree.writeBytes(path, cell->png());
            group->addChild("frame")->setText(path);
            if (book && book->keepCells())
                rec.cells.push_back(cell);
        }
    }
    tree.writeXml(xmlPath, root);
    if (book)
        book->add(std::move(rec));
}

Point2 unitToScreen(Point2 p, int group)
{
    const double a = groupRotation(group);
    const double sx = p.x, sy = -p.y;
    return {sx * std::cos(a) - sy * std::sin(a), sx * std::sin(a) + sy * std::cos(a)};
}

} // namespace datagen::art

namespace datagen::art {

void paintRotatedUnit(cairo_t* cr, int frameWidth, int frameHeight, int group,
                      const std::function<void(cairo_t*)>& drawLocal, double shadowOffset, double shadowAlpha,
                      double lightStrength)
{
    Canvas unit(frameWidth, frameHeight);
    cairo_t* u = unit.cr();
    cairo_translate(u, frameWidth / 2.0, frameHeight / 2.0);
    cairo_rotate(u, groupRotation(group));
    drawLocal(u);
    cairo_identity_matrix(u);
    lightPass(u, 0, 0, frameWidth, frameHeight, lightStrength);

    cairo_save(cr);
    cairo_translate(cr, -frameWidth / 2.0, -frameHeight / 2.0);
    if (shadowAlpha > 0) {
        cairo_set_source_rgba(cr, 0, 0, 0, shadowAlpha);
        cairo_mask_surface(cr, unit.surface(), shadowOffset, shadowOffset);
    }
    cairo_set_source_surface(cr, unit.surface(), 0, 0);
    cairo_paint(cr);
    cairo_restore(cr);
}

std::vector<Circle> axisCircles(double length, double width, double radiusScale)
{
    const double r = width / 2.0 * radiusScale;
    const double first = length / 2.0 - width * 0.55;
    const double last = -(length / 2.0 - width * 0.5);
    const int n = std::max(2, static_cast<int>(std::ceil((first - last) / (r * 1.3))) + 1);
    std::vector<Circle> out;
    for (int i = 0; i < n; ++i)
        out.push_back({0, first + (last - first) * i / (n - 1), r});
    return out;
}

} // namespace datagen::art
