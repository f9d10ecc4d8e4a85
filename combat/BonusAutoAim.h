#pragma once

#include "combat/Bonus.h"

namespace NVolant {

// The aim sight steers bullets and missiles at the nearest target.
class BonusAutoAim final : public Bonus {
public:
    static constexpr int kKind = 7;

    BonusAutoAim();

private:
    void applyTo(BonusReceiver& plane) override;
};

} // namespace NVolant
