#pragma once

#include "combat/Bonus.h"

namespace NVolant {

// One homing missile at every target on screen ahead of the plane.
class BonusKillAll final : public Bonus {
public:
    static constexpr int kKind = 1;

    BonusKillAll();

private:
    void applyTo(BonusReceiver& plane) override;
};

} // namespace NVolant
