// The game's reader of a level's enemy list on arbitrary bytes: it must stay inside them, never
// believe the count, and hand on only records the enemy manager can use as they are.
#include "enemies/EnemyList.h"

#include <cmath>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using NVolant::EnemyList;
    EnemyList::Report report;
    const auto records = EnemyList::read(std::span<const std::uint8_t>(data, size), &report);
    const std::size_t whole = size < 4 ? 0 : (size - 4) / EnemyList::kRecordSize;
    if (records.size() > whole || report.present > whole || records.size() + report.dropped != report.present)
        __builtin_trap();
    int last = -1;
    for (const auto& r : records) {
        if (r.index <= last || !std::isfinite(r.position.x) || !std::isfinite(r.position.y) ||
            !std::isfinite(r.position.z) || r.position.w != 1.0f || r.speedClass < 0 || r.speedClass > 3)
            __builtin_trap();
        last = r.index;
    }
    // What was kept reads back unchanged.
    const auto again = EnemyList::read(EnemyList::write(records));
    if (again.size() != records.size())
        __builtin_trap();
    for (std::size_t i = 0; i < again.size(); ++i)
        if (again[i].type != records[i].type || again[i].group != records[i].group ||
            again[i].position != records[i].position || again[i].weaponRange != records[i].weaponRange)
            __builtin_trap();
    return 0;
}
