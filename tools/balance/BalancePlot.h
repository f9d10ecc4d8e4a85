#pragma once

#include "BalanceTable.h"

#include "levels/Image.h"

#include <string>

namespace balance {

// The balance picture: completion rate by level for each pilot on the left; on the right the
// hardest level (its ground, when given, in strips from the start at the left) with a dot where
// each life was lost, coloured by pilot.
datagen::levels::Image plotBalance(const BalanceTable& table, const std::vector<FlightLine>& flights,
                                   const datagen::levels::Image* hardestGround);

} // namespace balance
