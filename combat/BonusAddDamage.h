#pragma once

#include "combat/Bonus.h"

namespace NVolant {

// A heavier cannon bullet, up to the third kind.
class BonusAddDamage final : public Bonus {
public:
    static constexpr int kKind = 2;

    BonusAddDamage();

private:
    void applyTo(BonusReceiver& plane) override;
};

} // namespace NVolant
