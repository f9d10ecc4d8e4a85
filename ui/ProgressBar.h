#pragma once

#include "ui/Button.h"
#include "ui/Control.h"

#include <memory>
#include <string>

class KGraphic;

namespace NControls {

// A horizontal slider: a draggable thumb button named "BAR" on a track that the panel's picture
// paints in, standing for an integer between a minimum and a maximum. The thumb's centre runs from
// 0 to the bar's width. The parent hears the bar on every change while dragging and on release.
class ProgressBar final : public Control {
public:
    ProgressBar(const std::string& name, const std::string& thumbImagePath, Control* parent);
    ProgressBar(const std::string& name, KGraphic* thumbImage, Control* parent);
    ~ProgressBar() override;

    void releaseChildren() override;
    void draw() override;
    bool onLeftDown(float x, float y) override;
    bool onLeftUp(float x, float y) override;
    void onCommand(Control* sender) override;
    bool onMouseMove(float x, float y) override;
    // Keeps the value; the thumb moves to where the value sits on the new width.
    void setSize(int width, int height) override;

    void setRange(int minimum, int maximum);
    // Clamped to the range; moves the thumb.
    void setValue(int value);
    int getValue() const { return m_value; }
    int getMinimum() const { return m_minimum; }
    int getMaximum() const { return m_maximum; }
    Button& thumb() { return *m_thumb; }

private:
    void build(KGraphic* image);
    int valueFromThumb() const;

    Control* m_parent = nullptr;
    std::unique_ptr<Button> m_thumb;
    std::unique_ptr<KGraphic> m_ownedImage;
    bool m_dragging = false;
    int m_minimum = 0;
    int m_maximum = 0;
    int m_value = 0;
};

} // namespace NControls
