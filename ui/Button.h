#pragma once

#include "ui/Control.h"

#include <memory>
#include <string>

class KGraphic;

namespace NControls {

// An image button with four looks from a strip: 0 inactive, 1 normal, 2 pressed, 3 under the
// pointer. It fires on a release inside it, wherever the press was, by passing itself to its
// parent's onCommand; its name is the command it stands for.
class Button : public Control {
public:
    // Loads and owns the strip.
    Button(const std::string& name, const std::string& imagePath, Control* parent);
    // Shares a strip someone else owns.
    Button(const std::string& name, KGraphic* image, Control* parent);
    ~Button() override;

    void releaseChildren() override;
    void draw() override;
    // Centred on the centre point, hit size wide and high, strict on every side.
    bool hitTest(float x, float y) override;
    bool onLeftDown(float x, float y) override;
    bool onLeftUp(float x, float y) override;
    void onCommand(Control* sender) override;
    bool onMouseMove(float x, float y) override;

    virtual void setActive(bool active);
    bool isActive() const { return m_active; }
    void setHitSize(int width, int height);
    float look() const { return m_look; }
    KGraphic* image() const { return m_image; }
    Control* parent() const { return m_parent; }

protected:
    void drawFrame(bool flipY);
    // The look a pointer outside leaves: normal, or inactive.
    float restingLook() const { return m_active ? 1.0f : 0.0f; }

    Control* m_parent = nullptr;
    KGraphic* m_image = nullptr;
    std::unique_ptr<KGraphic> m_ownedImage;
    float m_look = 1.0f;
    int m_frameCount = 4;
    bool m_active = true;
    int m_hitWidth = 0;
    int m_hitHeight = 0;

private:
    void takeSizeFromImage();
};

} // namespace NControls
