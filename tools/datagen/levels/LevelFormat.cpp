#include "levels/LevelFormat.h"

#include "platform/ByteReader.h"

#include <cstring>

namespace datagen::levels {

namespace {

class Writer final {
public:
    void u32(std::uint32_t v)
    {
        for (int i = 0; i < 4; ++i)
            m_bytes.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
    }
    void i32(std::int32_t v) { u32(static_cast<std::uint32_t>(v)); }
    void f32(float v)
    {
        std::uint32_t bits;
        std::memcpy(&bits, &v, 4);
        u32(bits);
    }
    std::vector<std::uint8_t> take() { return std::move(m_bytes); }

private:
    std::vector<std::uint8_t> m_bytes;
};

} // namespace

Kind kindOf(std::int32_t type)
{
    if (type >= 0 && type <= 3)
        return Kind::Boat;
    if (type >= 100 && type <= 103)
        return Kind::Helic;
    if (type >= 200 && type <= 203)
        return Kind::Plane;
    if (type == 300)
        return Kind::Bridge;
    if (type >= 400 && type <= 404)
        return Kind::Tank;
    if (type >= 500 && type <= 511)
        return Kind::Building;
    return Kind::Unknown;
}

int modelOf(std::int32_t type)
{
    return kindOf(type) == Kind::Unknown ? -1 : type % 100;
}

std::vector<std::uint8_t> encodeEnemies(const std::vector<EnemyRecord>& records)
{
    Writer w;
    w.u32(static_cast<std::uint32_t>(records.size()));
    for (const EnemyRecord& r : records) {
        w.i32(r.type);
        w.i32(r.group);
        w.i32(r.speedClass);
        w.f32(r.x);
        w.f32(r.y);
        w.f32(r.z);
        w.f32(r.w);
        w.i32(r.weaponRange);
    }
    return w.take();
}

std::vector<std::uint8_t> encodeBonuses(const std::vector<BonusRecord>& records)
{
    Writer w;
    w.u32(static_cast<std::uint32_t>(records.size()));
    for (const BonusRecord& r : records) {
        w.i32(r.kind);
        w.f32(r.x);
        w.f32(r.y);
        w.f32(r.z);
        w.f32(r.w);
    }
    return w.take();
}

std::vector<std::uint8_t> encodeMap(const TileMap& map)
{
    Writer w;
    w.i32(map.columns);
    w.i32(map.rows);
    w.i32(map.cellSize);
    for (std::int32_t c : map.cells)
        w.i32(c);
    return w.take();
}

bool decodeEnemies(std::span<const std::uint8_t> bytes, std::vector<EnemyRecord>& out)
{
    out.clear();
    ByteReader in(bytes);
    const std::uint32_t count = in.u32();
    if (!in.ok())
        return false;
    const std::size_t fit = in.remaining() / kEnemyRecordSize;
    const std::size_t n = count < fit ? count : fit;
    out.reserve(n);
    for (std::size_t i = 0; i < n; ++i) {
        EnemyRecord r;
        r.type = in.i32();
        r.group = in.i32();
        r.speedClass = in.i32();
        r.x = in.f32();
        r.y = in.f32();
        r.z = in.f32();
        r.w = in.f32();
        r.weaponRange = in.i32();
        out.push_back(r);
    }
    return in.ok() && n == count && in.atEnd();
}

bool decodeBonuses(std::span<const std::uint8_t> bytes, std::vector<BonusRecord>& out)
{
    out.clear();
    ByteReader in(bytes);
    const std::uint32_t count = in.u32();
    if (!in.ok())
        return false;
    const std::size_t fit = in.remaining() / kBonusRecordSize;
    const std::size_t n = count < fit ? count : fit;
    out.reserve(n);
    for (std::size_t i = 0; i < n; ++i) {
        BonusRecord r;
        r.kind = in.i32();
        r.x = in.f32();
        r.y = in.f32();
        r.z = in.f32();
        r.w = in.f32();
        out.push_back(r);
    }
    return in.ok() && n == count && in.atEnd();
}

bool decodeMap(std::span<const std::uint8_t> bytes, TileMap& out)
{
    out = TileMap{};
    ByteReader in(bytes);
    const std::int32_t columns = in.i32();
    const std::int32_t rows = in.i32();
    const std::int32_t cellSize = in.i32();
    if (!in.ok() || columns < 0 || rows < 0 || cellSize <= 0)
        return false;
    const std::uint64_t cells = static_cast<std::uint64_t>(columns) * static_cast<std::uint64_t>(rows);
    if (cells != in.remaining() / 4 || in.remaining() % 4 != 0)
        return false;
    out.columns = columns;
    out.rows = rows;
    out.cellSize = cellSize;
    out.cells.resize(static_cast<std::size_t>(cells));
    for (std::int32_t& c : out.cells)
        c = in.i32();
    return in.ok() && in.atEnd();
}

} // namespace datagen::levels
