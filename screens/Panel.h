#pragma once

#include "ui/Button.h"
#include "ui/Control.h"

#include <memory>
#include <string>

class KGraphic;

namespace NVolant {

// What the menu panels share: a background picture that gives the panel its size, widgets placed
// on it, and the owner told about results. The result is the panel's command text.
class Panel : public NControls::Control {
public:
    Panel(const std::string& backgroundPath, NControls::Control* owner);
    ~Panel() override;

    void draw() override;

    NControls::Control* owner() const { return m_owner; }
    KGraphic* background() const { return m_background.get(); }
    // The position that centres a panel of this size on the owner (whole pixels).
    static void centreOn(NControls::Control& panel, const NControls::Control& owner);

protected:
    // A button on this panel, still to be placed.
    NControls::Button* addButton(const std::string& name, const std::string& imagePath);
    // Places a widget at a position truncated to whole pixels.
    static void placeAt(NControls::Control& widget, float x, float y);
    void drawBackground();
    void notifyOwner();

    NControls::Control* m_owner = nullptr;
    std::unique_ptr<KGraphic> m_background;
};

} // namespace NVolant
