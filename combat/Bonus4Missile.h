#pragma once

#include "combat/Bonus.h"

namespace NVolant {

// Four missiles per launch, at a slower rate; replaces the double missiles.
class Bonus4Missile final : public Bonus {
public:
    static constexpr int kKind = 6;

    Bonus4Missile();

private:
    void applyTo(BonusReceiver& plane) override;
};

} // namespace NVolant
