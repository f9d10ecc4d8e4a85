// The game's reader of a level's "bonuses.dat" on arbitrary bytes: it must stay inside the buffer,
// never make up records the bytes do not hold, and let through to placement only bonuses of a
// known kind at finite places on the map.
#include "combat/Bonus.h"
#include "combat/Bonuses.h"

#include <cmath>
#include <cstdint>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::uint32_t announced = 0;
    const auto records = NVolant::Bonuses::parse(std::span<const std::uint8_t>(data, size), &announced);
    if (records.size() > announced || (!records.empty() && 4 + records.size() * 20 > size))
        __builtin_trap();
    for (const NVolant::Bonuses::Record& r : records) {
        for (float mapHeight : {0.0f, 5000.0f, INFINITY, NAN}) {
            if (!NVolant::Bonuses::placeable(r, mapHeight))
                continue;
            if (r.kind < 1 || r.kind > NVolant::Bonus::kKindCount || !std::isfinite(r.position.x) ||
                !std::isfinite(r.position.y) || !std::isfinite(r.position.z) || r.position.x < 0 ||
                r.position.x > 800 || r.position.y < 0)
                __builtin_trap();
        }
    }
    return 0;
}
