#include "content/Sprite.h"

#include "content/CXmlNode.h"
#include "content/RequiredXml.h"
#include "platform/KGraphic.h"

#include <algorithm>
#include <cmath>

namespace NLib {

namespace {

std::unique_ptr<KGraphic> loadImage(const std::string& path)
{
    std::unique_ptr<KGraphic> image = createGraphic();
    image->loadFromFile(path, true, true);
    image->setFiltering(true);
    return image;
}

} // namespace

Sprite::Sprite()
{
    setFps(60.0f);
}

Sprite::Sprite(const ResourceArchive& archive, const std::string& path) : Sprite()
{
    Xml::CXmlNode root;
    loadRequiredXml(archive, path, root);

    if (root.name() == "spriteSolid") {
        m_kind = Strip;
        frameCount = root.getInt("frames", 0);
        groupCount = root.getInt("groups", 0);
        const float fps = root.getFloat("fps", -1.0f);
        if (fps > 0.0f)
            setFps(fps);
        m_groups.emplace_back();
        const Xml::CXmlNode* texture = root.findChild("texture");
        m_owned.push_back(loadImage(texture ? texture->text() : std::string()));
        m_groups[0].push_back(m_owned.back().get());
        // A sheet without a grid is unusable; keep it as one frame rather than divide by zero.
        frameCount = std::max(frameCount, 1);
        groupCount = std::max(groupCount, 1);
        frameWidth = m_owned.back()->getWidth() / static_cast<float>(frameCount);
        frameHeight = m_owned.back()->getHeight() / static_cast<float>(groupCount);
    } else if (root.name() == "spriteFramed") {
        m_kind = Framed;
        const float fps = root.getFloat("fps", -1.0f);
        if (fps > 0.0f)
            setFps(fps);
        for (const Xml::CXmlNode* group : root.getChildren()) {
            m_groups.emplace_back();
            for (const Xml::CXmlNode* frame : group->getChildren()) {
                m_owned.push_back(loadImage(frame->text()));
                m_groups.back().push_back(m_owned.back().get());
            }
        }
        groupCount = static_cast<int>(m_groups.size());
        frameCount = m_groups.empty() ? 0 : static_cast<int>(m_groups[0].size());
        if (frameCount > 0) {
            frameWidth = m_groups[0][0]->getWidth();
            frameHeight = m_groups[0][0]->getHeight();
        }
    }
}

Sprite::Sprite(const Sprite& other)
    : position(other.position), groupCount(other.groupCount), frameCount(other.frameCount),
      frameWidth(other.frameWidth), frameHeight(other.frameHeight), currentFrame(other.currentFrame),
      currentGroup(other.currentGroup), scale(other.scale), angle(other.angle), m_kind(other.m_kind),
      m_groups(other.m_groups), m_elapsed(other.m_elapsed), m_frameDuration(other.m_frameDuration)
{
    std::copy(std::begin(other.color), std::end(other.color), std::begin(color));
}

Sprite::~Sprite() = default;

void Sprite::setFps(float fps)
{
    // A description may say anything: no rate keeps the one there is, and the rate stays between
    // one frame in 1000 seconds and one frame a millisecond.
    if (std::isnan(fps))
        return;
    m_frameDuration = 1000.0f / std::clamp(fps, 0.001f, 1000.0f);
}

void Sprite::update(float dt)
{
    m_elapsed += dt;
    const float frames = m_elapsed / m_frameDuration;
    if (!(frames >= 0.0f)) {
        m_elapsed = 0.0f;
        currentFrame = 0;
    } else if (frames >= static_cast<float>(frameCount)) {
        // Past the last frame: start again, keeping the part of the frame already shown.
        m_elapsed -= std::floor(frames) * m_frameDuration;
        currentFrame = 0;
    } else {
        currentFrame = static_cast<int>(frames);
    }
}

void Sprite::setGroup(int g)
{
    currentGroup = (g >= 0 && g < groupCount) ? g : 0;
    if (m_kind == Framed && currentGroup < static_cast<int>(m_groups.size()))
        frameCount = static_cast<int>(m_groups[static_cast<std::size_t>(currentGroup)].size());
}

void Sprite::setFrame(int f)
{
    if (f >= 0 && f < frameCount) {
        currentFrame = f;
        m_elapsed = static_cast<float>(f) * m_frameDuration;
    } else {
        currentFrame = 0;
        m_elapsed = 0.0f;
    }
}

void Sprite::setColor(float r, float g, float b, float a)
{
    color[0] = r;
    color[1] = g;
    color[2] = b;
    color[3] = a;
}

KGraphic* Sprite::currentImage() const
{
    if (m_kind == Strip)
        return m_groups[0][0];
    if (m_kind == Framed && currentGroup < static_cast<int>(m_groups.size())) {
        const auto& frames = m_groups[static_cast<std::size_t>(currentGroup)];
        if (frames.empty())
            return nullptr;
        // Right after a switch to a shorter group the frame may be past its end until the next
        // update wraps it.
        const int f = std::clamp(currentFrame, 0, static_cast<int>(frames.size()) - 1);
        return frames[static_cast<std::size_t>(f)];
    }
    return nullptr;
}

void Sprite::frameRect(float& x1, float& y1, float& x2, float& y2) const
{
    if (m_kind == Strip) {
        const KGraphic* sheet = m_groups[0][0];
        x1 = sheet->getWidth() / static_cast<float>(frameCount) * static_cast<float>(currentFrame);
        y1 = sheet->getHeight() / static_cast<float>(groupCount) * static_cast<float>(currentGroup);
    } else {
        x1 = 0.0f;
        y1 = 0.0f;
    }
    x2 = x1 + frameWidth;
    y2 = y1 + frameHeight;
}

void Sprite::draw(const Vector4& p)
{
    KGraphic* image = currentImage();
    if (!image)
        return;
    float x1, y1, x2, y2;
    frameRect(x1, y1, x2, y2);
    image->setModulateColor(color[0], color[1], color[2], color[3]);
    image->blendImageRect(x1, y1, x2, y2, p.x - frameWidth / 2.0f, p.y - frameHeight / 2.0f, false, false);
}

void Sprite::drawTransformed(const Vector4& p, float s, float a)
{
    KGraphic* image = currentImage();
    if (!image)
        return;
    float x1, y1, x2, y2;
    frameRect(x1, y1, x2, y2);
    image->setModulateColor(color[0], color[1], color[2], color[3]);
    if (m_kind == Framed)
        image->blendImageRectEx(x1, y1, x2, y2, p.x - frameWidth * s / 2.0f, p.y - frameHeight * s / 2.0f, a,
                                s, 1.0f, false, false, 0.0f, 0.0f);
    else
        image->blendImageRectEx(x1, y1, x2, y2, p.x - frameWidth / 2.0f, p.y - frameHeight / 2.0f, a, s,
                                color[3], false, false, 0.0f, 0.0f);
}

} // namespace NLib
