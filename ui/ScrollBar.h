#pragma once

#include "ui/ArrowButton.h"
#include "ui/Control.h"

#include <memory>
#include <string>

class KGraphic;

namespace NControls {

// Two arrow buttons at the ends of a bar that step an integer value between a minimum and a
// maximum, one step per press; the parent hears every step.
class ScrollBar final : public Control {
public:
    enum Orientation { Vertical = 0, Horizontal = 1 };

    ScrollBar(const std::string& name, const std::string& arrowImagePath, Control* parent);
    ScrollBar(const std::string& name, KGraphic* arrowImage, Control* parent);
    ~ScrollBar() override;

    void releaseChildren() override;
    void draw() override;
    bool onLeftDown(float x, float y) override;
    bool onLeftUp(float x, float y) override;
    void onCommand(Control* sender) override;

    void setOrientation(Orientation orientation);
    Orientation orientation() const { return m_orientation; }
    // A minimum above the maximum is lowered to it; the value stays as it is.
    void setRange(int minimum, int maximum);
    void setValue(int value) { m_value = value; }
    int getValue() const { return m_value; }
    int getMinimum() const { return m_minimum; }
    int getMaximum() const { return m_maximum; }

private:
    void build(KGraphic* image);
    // The arrows sit at the two ends of the bar's current size.
    void placeArrows();

    Control* m_parent = nullptr;
    std::unique_ptr<KGraphic> m_ownedImage;
    KGraphic* m_image = nullptr;
    Orientation m_orientation = Vertical;
    ArrowButton* m_first = nullptr;
    ArrowButton* m_second = nullptr;
    int m_minimum = 0;
    int m_maximum = 0;
    int m_value = 0;
};

} // namespace NControls
