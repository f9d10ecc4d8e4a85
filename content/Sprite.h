#pragma once

#include "platform/Vector4.h"

#include <memory>
#include <string>
#include <vector>

class KGraphic;

namespace NLib {

class ResourceArchive;

// An animated picture described by a small XML file: either one sheet cut into a grid
// ("spriteSolid": columns are frames, rows are groups) or separate images per frame
// ("spriteFramed": each child a group, each grandchild a frame). A master loaded from its file
// owns the images; copies share them and must not outlive the master.
class Sprite final {
public:
    enum Kind { Empty = 0, Strip = 1, Framed = 2 };

    Sprite();
    // A missing or malformed description file is a broken installation; a root of another name
    // gives an empty sprite that draws nothing.
    Sprite(const ResourceArchive& archive, const std::string& path);
    // A copy shares the master's images.
    Sprite(const Sprite& other);
    Sprite& operator=(const Sprite&) = delete;
    virtual ~Sprite();

    void setFps(float fps);
    // Advances the animation by dt milliseconds, looping back to frame 0.
    void update(float dt);
    void setGroup(int g);
    void setFrame(int f);
    int getFrame() const { return currentFrame; }
    void setColor(float r, float g, float b, float a);

    // The current frame centred on p, unscaled and unturned.
    void draw(const Vector4& p);
    // The current frame at p, zoomed by s and turned by a degrees.
    void drawTransformed(const Vector4& p, float s, float a);
    void drawAtPosition() { drawTransformed(position, scale, angle); }

    Kind kind() const { return m_kind; }
    // The image of the current frame (framed) or the sheet (strip); null for an empty sprite.
    KGraphic* currentImage() const;

    // Owners read and write these directly.
    Vector4 position{0.0f, 0.0f, 0.0f, 1.0f};
    int groupCount = 0;
    int frameCount = 0;
    float frameWidth = 0.0f;
    float frameHeight = 0.0f;
    int currentFrame = 0;
    int currentGroup = 0;
    float scale = 1.0f;
    float angle = 0.0f;
    float color[4] = {1.0f, 1.0f, 1.0f, 1.0f};

private:
    // Source rectangle of the current frame.
    void frameRect(float& x1, float& y1, float& x2, float& y2) const;

    Kind m_kind = Empty;
    std::vector<std::vector<KGraphic*>> m_groups;
    // The images a master owns; empty for a copy.
    std::vector<std::unique_ptr<KGraphic>> m_owned;
    float m_elapsed = 0.0f;
    float m_frameDuration = 1000.0f / 60.0f;
};

} // namespace NLib
