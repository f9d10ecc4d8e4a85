#include "enemies/EnemyList.h"

#include "platform/ByteReader.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace NVolant {

namespace {

bool sane(float v)
{
    return std::isfinite(v) && std::fabs(v) <= EnemyList::kFarAway;
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

void putFloat(std::vector<std::uint8_t>& out, float f)
{
    std::uint32_t v;
    std::memcpy(&v, &f, sizeof v);
    put32(out, v);
}

} // namespace

std::vector<EnemyRecord> EnemyList::read(std::span<const std::uint8_t> bytes, Report* report)
{
    Report local;
    Report& r = report ? *report : local;
    r = Report{};
    std::vector<EnemyRecord> records;

    ByteReader in(bytes);
    r.declared = in.u32();
    if (!in.ok())
        return records;
    // Never trust the count: only whole records that are really there are read.
    r.present = std::min<std::size_t>(r.declared, in.remaining() / kRecordSize);
    records.reserve(r.present);
    for (std::size_t i = 0; i < r.present; ++i) {
        EnemyRecord e;
        e.index = static_cast<int>(i);
        e.type = in.i32();
        e.group = in.i32();
        e.speedClass = in.i32();
        e.position.x = in.f32();
        e.position.y = in.f32();
        e.position.z = in.f32();
        in.f32(); // w: every point the game keeps has w = 1
        e.position.w = 1.0f;
        e.weaponRange = in.i32();
        if (!in.ok())
            break;
        if (!sane(e.position.x) || !sane(e.position.y) || !sane(e.position.z)) {
            ++r.dropped;
            continue;
        }
        if (e.speedClass < 0 || e.speedClass > 3) {
            e.speedClass = std::clamp(e.speedClass, 0, 3);
            ++r.clamped;
        }
        records.push_back(e);
    }
    return records;
}

std::vector<std::uint8_t> EnemyList::write(const std::vector<EnemyRecord>& records)
{
    std::vector<std::uint8_t> out;
    out.reserve(4 + records.size() * kRecordSize);
    put32(out, static_cast<std::uint32_t>(records.size()));
    for (const EnemyRecord& e : records) {
        put32(out, static_cast<std::uint32_t>(e.type));
        put32(out, static_cast<std::uint32_t>(e.group));
        put32(out, static_cast<std::uint32_t>(e.speedClass));
        putFloat(out, e.position.x);
        putFloat(out, e.position.y);
        putFloat(out, e.position.z);
        putFloat(out, 1.0f);
        put32(out, static_cast<std::uint32_t>(e.weaponRange));
    }
    return out;
}

} // namespace NVolant
