#pragma once

#include "combat/Bonus.h"

namespace NVolant {

// Twenty more seconds in which the plane is half-seen and cannot be hit.
class BonusStealth final : public Bonus {
public:
    static constexpr int kKind = 5;

    BonusStealth();

private:
    void applyTo(BonusReceiver& plane) override;
};

} // namespace NVolant
