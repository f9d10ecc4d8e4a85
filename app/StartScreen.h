#pragma once

#include "ui/Control.h"

#include "platform/KGraphic.h"

#include <memory>

namespace NVolant {

// Stands in for the main menu until there is one: the menu background picture, whole screen.
class StartScreen final : public NControls::Control {
public:
    StartScreen();
    void draw() override;

private:
    std::unique_ptr<KGraphic> m_picture;
};

} // namespace NVolant
