#pragma once

#include "combat/Bonus.h"

namespace NVolant {

// Both guns at every trigger; takes the four-missile launcher away.
class BonusDoubleFire final : public Bonus {
public:
    static constexpr int kKind = 3;

    BonusDoubleFire();

private:
    void applyTo(BonusReceiver& plane) override;
};

} // namespace NVolant
