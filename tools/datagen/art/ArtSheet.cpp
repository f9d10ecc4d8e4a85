#include "art/ArtSheet.h"

#include "art/ArtParts.h"
#include "art/Canvas.h"
#include "art/Text.h"

#include "common/DataTree.h"
#include "content/CXmlNode.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <stdexcept>
#include <vector>

#include <unistd.h>

namespace datagen::art {

namespace {

constexpr int kPageW = 1600, kPageH = 2400, kMargin = 12;

struct Shape {
    std::vector<Circle> circles;
    std::vector<Point2> points, shots;
};

std::vector<Point2> readPoints(const Xml::CXmlNode* node)
{
    std::vector<Point2> out;
    if (node)
        for (const Xml::CXmlNode* c : node->getChildren())
            out.push_back({c->getFloat("x", 0), c->getFloat("y", 0)});
    return out;
}

Shape readShape(const std::string& paramsPath)
{
    Shape s;
    std::ifstream in(paramsPath, std::ios::binary);
    if (!in)
        return s;
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    Xml::CXmlNode root;
    root.load(text.c_str(), text.size());
    if (const Xml::CXmlNode* n = root.findChild("collition_circles"))
        for (const Xml::CXmlNode* c : n->getChildren())
            s.circles.push_back({c->getFloat("x", 0), c->getFloat("y", 0), c->getFloat("radius", 1)});
    s.points = readPoints(root.findChild("collition_points"));
    s.shots = readPoints(root.findChild("shootPos"));
    return s;
}

// The heading a group's shapes are turned by in the game.
double groupAngle(const std::string& sprite, int group)
{
    static const double unit[8] = {0, -45, -90, -135, 180, 135, 90, 45};
    static const double plane[8] = {0, -45, 0, -135, 0, 135, 0, 45};
    if (sprite.find("player_plane") != std::string::npos || sprite.find("building") != std::string::npos ||
        sprite.find("bridge") != std::string::npos)
        return 0;
    if (sprite.find("dat/plane") != std::string::npos)
        return plane[group % 8];
    return unit[group % 8];
}

Point2 place(Point2 p, double angleDeg)
{
    const double a = angleDeg * kPi / 180;
    return {std::cos(a) * p.x - std::sin(a) * p.y, -(std::sin(a) * p.x + std::cos(a) * p.y)};
}

class Pages final {
public:
    explicit Pages(std::string base) : m_base(std::move(base)) { newPage(); }

    // Reserves a w x h block, starting a new row or page as needed; returns its top-left corner.
    Point2 reserve(int w, int h)
    {
        if (m_x + w > kPageW - kMargin) {
            m_x = kMargin;
            m_y += m_rowH + kMargin;
            m_rowH = 0;
        }
        if (m_y + h > kPageH - kMargin && m_y > kMargin) {
            flush();
            newPage();
        }
        const Point2 at{static_cast<double>(m_x), static_cast<double>(m_y)};
        m_x += w + kMargin;
        m_rowH = std::max(m_rowH, h);
        return at;
    }
    void newRow() { m_x = kPageW; }
    cairo_t* cr() const { return m_page->cr(); }
    int finish()
    {
        flush();
        return m_count;
    }

private:
    void newPage()
    {
        m_page = std::make_unique<Canvas>(kPageW, kPageH);
        cairo_t* c = m_page->cr();
        // a checker so that transparency and white art both show
        for (int y = 0; y < kPageH; y += 16)
            for (int x = 0; x < kPageW; x += 16) {
                cairo_rectangle(c, x, y, 16, 16);
                const double v = ((x + y) / 16) % 2 ? 0.36 : 0.42;
                cairo_set_source_rgb(c, v, v + 0.04, v + 0.02);
                cairo_fill(c);
            }
        m_x = m_y = kMargin;
        m_rowH = 0;
    }
    void flush()
    {
        const std::string name =
            m_count == 0 ? m_base + ".png" : m_base + "_" + std::to_string(m_count + 1) + ".png";
        const std::vector<std::uint8_t> bytes = m_page->png();
        std::ofstream out(name, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        if (!out)
            throw std::runtime_error("cannot write " + name);
        ++m_count;
    }

    std::string m_base;
    std::unique_ptr<Canvas> m_page;
    int m_x = 0, m_y = 0, m_rowH = 0, m_count = 0;
};

void drawSprite(Pages& pages, const DataTree& tree, const SpriteRecord& rec)
{
    const std::string dir = rec.path.substr(0, rec.path.rfind('/') + 1);
    const Shape shape = readShape(tree.pathOf(dir + "params.xml"));
    // Only the unit sprites themselves carry their folder's shape (not the road or an explosion).
    const bool withShape = rec.path.find("dat/") == 0 && !shape.circles.empty() &&
                           rec.path.find("road") == std::string::npos &&
                           rec.path.find("xplode") == std::string::npos;
    double scale = std::max(rec.frameWidth, rec.frameHeight) > 400 ? 0.25 : 1.0;
    scale = std::min(scale, (kPageW - 2.0 * kMargin) / (rec.frames * (rec.frameWidth + 2.0)));
    const int cellW = static_cast<int>(rec.frameWidth * scale),
              cellH = static_cast<int>(rec.frameHeight * scale);
    const int w = std::max(cellW * rec.frames + 2 * (rec.frames - 1), 200);
    const int h = 18 + cellH * rec.groups + 2 * (rec.groups - 1);
    const Point2 at = pages.reserve(w, h);
    cairo_t* cr = pages.cr();
    TextStyle label;
    label.size = 12;
    label.shadow = true;
    drawText(cr, rec.path, at.x, at.y + 2, label);
    for (int g = 0; g < rec.groups; ++g)
        for (int f = 0; f < rec.frames; ++f) {
            const std::shared_ptr<Canvas>& cell = rec.cells[static_cast<std::size_t>(g * rec.frames + f)];
            const double x = at.x + f * (cellW + 2), y = at.y + 18 + g * (cellH + 2);
            cairo_save(cr);
            cairo_translate(cr, x, y);
            cairo_scale(cr, scale, scale);
            cairo_set_source_surface(cr, cell->surface(), 0, 0);
            cairo_paint(cr);
            cairo_restore(cr);
            cairo_rectangle(cr, x + 0.5, y + 0.5, cellW - 1, cellH - 1);
            setColor(cr, pal::black, 0.25);
            cairo_set_line_width(cr, 1);
            cairo_stroke(cr);
            if (!withShape || f != 0)
                continue;
            const double cx = x + cellW / 2.0, cy = y + cellH / 2.0;
            const double angle = groupAngle(rec.path, g);
            for (const Circle& c : shape.circles) {
                const Point2 p = place({c.x, c.y}, angle);
                cairo_arc(cr, cx + p.x, cy + p.y, c.r, 0, 2 * kPi);
                setColor(cr, {1, 0.1, 0.1}, 0.9);
                cairo_set_line_width(cr, 1);
                cairo_stroke(cr);
            }
            for (const Point2& q : shape.points) {
                const Point2 p = place(q, angle);
                cairo_rectangle(cr, cx + p.x - 1.5, cy + p.y - 1.5, 3, 3);
                setColor(cr, {1, 0.95, 0.1});
                cairo_fill(cr);
            }
            const std::size_t block = shape.shots.size() / 8;
            for (std::size_t k = 0; block && k < block; ++k) {
                const Point2& s = shape.shots[g * block + k];
                cairo_arc(cr, cx + s.x, cy - s.y, 2, 0, 2 * kPi);
                setColor(cr, {0.1, 1, 1});
                cairo_fill(cr);
            }
        }
}

void drawPicture(Pages& pages, const DataTree& tree, const std::string& path)
{
    cairo_surface_t* s = nullptr;
    if (path.size() > 4 && path.compare(path.size() - 4, 4, ".png") == 0) {
        s = cairo_image_surface_create_from_png(tree.pathOf(path).c_str());
    } else {
        return;
    }
    if (cairo_surface_status(s) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(s);
        return;
    }
    const int w = cairo_image_surface_get_width(s), h = cairo_image_surface_get_height(s);
    const double scale = w > 700 ? 0.5 : 1.0;
    const Point2 at =
        pages.reserve(std::max(static_cast<int>(w * scale), 160), static_cast<int>(h * scale) + 18);
    cairo_t* cr = pages.cr();
    TextStyle label;
    label.size = 12;
    label.shadow = true;
    drawText(cr, path, at.x, at.y + 2, label);
    cairo_save(cr);
    cairo_translate(cr, at.x, at.y + 18);
    cairo_scale(cr, scale, scale);
    cairo_set_source_surface(cr, s, 0, 0);
    cairo_paint(cr);
    cairo_restore(cr);
    cairo_surface_destroy(s);
}

} // namespace

int writeArtSheet(const std::string& pngPath)
{
    namespace fs = std::filesystem;
    const fs::path scratch = fs::temp_directory_path() / ("skyvane-art-sheet-" + std::to_string(::getpid()));
    const DataTree tree(scratch.string());
    SpriteBook book;
    book.keepCells(true);
    generatePlayer(tree, &book);
    generateBoats(tree, &book);
    generateHelicopters(tree, &book);
    generatePlanes(tree, &book);
    generateTanks(tree, &book);
    generateBuildings(tree, &book);
    generateBridge(tree, &book);
    generateBonuses(tree, &book);
    generateEffects(tree, &book);
    generateParticles(tree);
    generateHud(tree, &book);
    generateMenus(tree, &book);
    generateWidgets(tree);
    generatePanels(tree);
    generateFont(tree);

    std::string base = pngPath;
    if (base.size() > 4 && base.compare(base.size() - 4, 4, ".png") == 0)
        base.resize(base.size() - 4);
    Pages pages(base);
    for (const SpriteRecord& rec : book.records())
        drawSprite(pages, tree, rec);
    pages.newRow();
    std::vector<std::string> pictures;
    for (const auto& entry : fs::recursive_directory_iterator(tree.pathOf("menu")))
        if (entry.is_regular_file() && entry.path().extension() == ".png" &&
            entry.path().string().find("labels") == std::string::npos &&
            entry.path().string().find("svarka") == std::string::npos &&
            entry.path().string().find("na_bochke") == std::string::npos)
            pictures.push_back(fs::relative(entry.path(), tree.root()).string());
    std::sort(pictures.begin(), pictures.end());
    for (const std::string& p : pictures)
        drawPicture(pages, tree, p);
    const int count = pages.finish();
    std::error_code ec;
    fs::remove_all(scratch, ec);
    return count;
}

} // namespace datagen::art
