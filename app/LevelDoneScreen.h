#pragma once

#include "ui/Control.h"

#include "platform/KGraphic.h"

#include <memory>

namespace NVolant {

// Stands in for the end-of-level statistics window until there is one: the level's result and
// score over the menu picture. A click leaves "CONTINUE" (on to the next level) or, once the game
// has ended, "MAIN_MENU".
class LevelDoneScreen final : public NControls::Control {
public:
    explicit LevelDoneScreen(bool final);
    void draw() override;
    bool onLeftUp(float x, float y) override;

    bool isFinal() const { return m_final; }

private:
    std::unique_ptr<KGraphic> m_picture;
    bool m_final;
};

} // namespace NVolant
