#pragma once

#include "combat/Bonus.h"

namespace NVolant {

// Fifty hull points back, up to the maximum.
class BonusRepair final : public Bonus {
public:
    static constexpr int kKind = 8;

    BonusRepair();

private:
    void applyTo(BonusReceiver& plane) override;
};

} // namespace NVolant
