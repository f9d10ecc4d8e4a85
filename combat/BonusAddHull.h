#pragma once

#include "combat/Bonus.h"

namespace NVolant {

// A hundred hull points more, and a maximum raised by as much.
class BonusAddHull final : public Bonus {
public:
    static constexpr int kKind = 10;

    BonusAddHull();

private:
    void applyTo(BonusReceiver& plane) override;
};

} // namespace NVolant
