#pragma once

#include "ui/Button.h"

namespace NControls {

// The scroll bar's step button: a nameless button on a shared strip, drawn upside down when
// flipped, that remembers whether it is held.
class ArrowButton final : public Button {
public:
    ArrowButton(Control* parent, KGraphic* image);

    void draw() override;
    bool onLeftDown(float x, float y) override;
    bool onLeftUp(float x, float y) override;

    void setFlipped(bool flipped) { m_flipped = flipped; }

private:
    bool m_flipped = false;
    bool m_pressed = false;
};

} // namespace NControls
