#include "pilots/PilotHand.h"

namespace NVolant {

PlayerControls PilotHand::controls(const PlayerControls& wish)
{
    PlayerControls out = wish;
    const SteeringPoint point = wish.steer.value_or(m_point);
    if (point == m_point)
        out.steer.reset();
    m_point = point;
    out.click = m_cannon && !wish.cannon;
    m_cannon = wish.cannon;
    return out;
}

} // namespace NVolant
