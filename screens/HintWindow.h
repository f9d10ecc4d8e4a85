#pragma once

#include "ui/Control.h"

namespace NVolant {

// What the game screen needs of the hint picture shown at the start of a game: a control that
// says when the player has closed it.
class HintWindow : public NControls::Control {
public:
    virtual bool isClosed() const = 0;
};

} // namespace NVolant
