#pragma once

#include "combat/Bonus.h"

namespace NVolant {

// The hull back to its maximum.
class BonusRepairAll final : public Bonus {
public:
    static constexpr int kKind = 9;

    BonusRepairAll();

private:
    void applyTo(BonusReceiver& plane) override;
};

} // namespace NVolant
