#pragma once

#include "combat/Bonus.h"

namespace NVolant {

// Two missiles per launch while the four-missile launcher is off.
class BonusDoubleMissile final : public Bonus {
public:
    static constexpr int kKind = 4;

    BonusDoubleMissile();

private:
    void applyTo(BonusReceiver& plane) override;
};

} // namespace NVolant
