#include "content/LevelFiles.h"

#include "platform/ByteReader.h"
#include "platform/ByteWriter.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace NVolant {

namespace {

void writePoint(ByteWriter& w, const Vector4& p)
{
    w.f32(p.x);
    w.f32(p.y);
    w.f32(p.z);
    w.f32(p.w);
}

Vector4 readPoint(ByteReader& in)
{
    Vector4 p;
    p.x = in.f32();
    p.y = in.f32();
    p.z = in.f32();
    p.w = in.f32();
    return p;
}

EnemyRecord readEnemy(ByteReader& in, std::size_t index)
{
    EnemyRecord e;
    e.index = static_cast<int>(index);
    e.type = in.i32();
    e.group = in.i32();
    e.speedClass = in.i32();
    e.position = readPoint(in);
    e.weaponRange = in.i32();
    return e;
}

BonusRecord readBonus(ByteReader& in, std::size_t /*index*/)
{
    BonusRecord b;
    b.kind = in.i32();
    b.position = readPoint(in);
    return b;
}

template <typename Record>
using RecordReader = Record (*)(ByteReader&, std::size_t index);

// The records of a list file whose count is trusted only as far as the bytes that follow it.
template <typename Record>
std::vector<Record> readList(ByteReader& in, std::size_t recordSize, std::uint32_t declared, RecordReader<Record> readOne)
{
    const std::size_t present = std::min<std::size_t>(declared, in.remaining() / recordSize);
    std::vector<Record> records;
    records.reserve(present);
    for (std::size_t i = 0; i < present; ++i)
        records.push_back(readOne(in, i));
    return records;
}

// A list file read strictly: its count, then exactly that many records and nothing after them.
template <typename Record>
bool decodeList(std::span<const std::uint8_t> bytes, std::size_t recordSize, RecordReader<Record> readOne,
                std::vector<Record>& out)
{
    ByteReader in(bytes);
    const std::uint32_t declared = in.u32();
    out.clear();
    if (!in.ok())
        return false;
    out = readList(in, recordSize, declared, readOne);
    return out.size() == declared && in.ok() && in.atEnd();
}

bool sane(float v)
{
    return std::isfinite(v) && std::fabs(v) <= LevelFiles::kFarAway;
}

} // namespace

EnemyKind enemyKindOf(std::int32_t type)
{
    constexpr EnemyKind kinds[] = {EnemyKind::Boat, EnemyKind::Helic, EnemyKind::Plane,
                                   EnemyKind::Bridge, EnemyKind::Tank, EnemyKind::Building};
    if (type < 0)
        return EnemyKind::Unknown;
    const std::int32_t base = type / 100;
    if (base >= static_cast<std::int32_t>(std::size(kinds)))
        return EnemyKind::Unknown;
    const EnemyKind kind = kinds[base];
    return type % 100 < enemyModelCount(kind) ? kind : EnemyKind::Unknown;
}

int enemyModelOf(std::int32_t type)
{
    return enemyKindOf(type) == EnemyKind::Unknown ? -1 : type % 100;
}

int enemyModelCount(EnemyKind kind)
{
    switch (kind) {
    case EnemyKind::Boat:
    case EnemyKind::Helic:
    case EnemyKind::Plane:
        return 4;
    case EnemyKind::Bridge:
        return 1;
    case EnemyKind::Tank:
        return 5;
    case EnemyKind::Building:
        return 12;
    case EnemyKind::Unknown:
        break;
    }
    return 0;
}

std::vector<EnemyRecord> LevelFiles::readEnemies(std::span<const std::uint8_t> bytes, EnemyReport* report)
{
    EnemyReport local;
    EnemyReport& r = report ? *report : local;
    r = EnemyReport{};
    ByteReader in(bytes);
    r.declared = in.u32();
    if (!in.ok())
        return {};
    std::vector<EnemyRecord> all = readList(in, kEnemyRecordSize, r.declared, &readEnemy);
    r.present = all.size();

    std::vector<EnemyRecord> records;
    records.reserve(all.size());
    for (EnemyRecord& e : all) {
        if (!sane(e.position.x) || !sane(e.position.y) || !sane(e.position.z)) {
            ++r.dropped;
            continue;
        }
        e.position.w = 1.0f; // every point the game keeps has w = 1
        if (e.speedClass < 0 || e.speedClass > 3) {
            e.speedClass = std::clamp(e.speedClass, 0, 3);
            ++r.clamped;
        }
        records.push_back(e);
    }
    return records;
}

std::vector<BonusRecord> LevelFiles::readBonuses(std::span<const std::uint8_t> bytes, std::uint32_t* announced)
{
    ByteReader in(bytes);
    const std::uint32_t declared = in.u32();
    if (announced)
        *announced = declared;
    if (!in.ok())
        return {};
    std::vector<BonusRecord> records = readList(in, kBonusRecordSize, declared, &readBonus);
    for (BonusRecord& b : records)
        b.position.w = 1.0f;
    return records;
}

bool LevelFiles::readMap(std::span<const std::uint8_t> bytes, TileMap& out)
{
    ByteReader in(bytes);
    const std::int32_t columns = in.i32();
    const std::int32_t rows = in.i32();
    const std::int32_t cellSize = in.i32();
    // The level's height and width in pixels must fit the integers the scrolling works in.
    if (!in.ok() || columns <= 0 || rows <= 0 || cellSize <= 0 || cellSize > kMaxCellSize ||
        static_cast<long long>(columns) * rows > kMaxCells || static_cast<long long>(rows) * cellSize > INT32_MAX ||
        static_cast<long long>(columns) * cellSize > INT32_MAX) {
        return false;
    }
    out.columns = columns;
    out.rows = rows;
    out.cellSize = cellSize;
    out.cells.assign(static_cast<std::size_t>(columns) * static_cast<std::size_t>(rows), 0);
    for (std::int32_t& cell : out.cells) {
        const std::int32_t value = in.i32();
        if (!in.ok())
            break;
        cell = std::max(value, 0);
    }
    return true;
}

bool LevelFiles::decodeEnemies(std::span<const std::uint8_t> bytes, std::vector<EnemyRecord>& out)
{
    return decodeList(bytes, kEnemyRecordSize, &readEnemy, out);
}

bool LevelFiles::decodeBonuses(std::span<const std::uint8_t> bytes, std::vector<BonusRecord>& out)
{
    return decodeList(bytes, kBonusRecordSize, &readBonus, out);
}

bool LevelFiles::decodeMap(std::span<const std::uint8_t> bytes, TileMap& out)
{
    out = TileMap{};
    ByteReader in(bytes);
    const std::int32_t columns = in.i32();
    const std::int32_t rows = in.i32();
    const std::int32_t cellSize = in.i32();
    if (!in.ok() || columns < 0 || rows < 0 || cellSize <= 0)
        return false;
    const std::uint64_t cells = static_cast<std::uint64_t>(columns) * static_cast<std::uint64_t>(rows);
    if (in.remaining() != cells * 4)
        return false;
    out.columns = columns;
    out.rows = rows;
    out.cellSize = cellSize;
    out.cells.resize(static_cast<std::size_t>(cells));
    for (std::int32_t& c : out.cells)
        c = in.i32();
    return true;
}

std::vector<std::uint8_t> LevelFiles::encodeEnemies(const std::vector<EnemyRecord>& records)
{
    ByteWriter w(4 + records.size() * kEnemyRecordSize);
    w.u32(static_cast<std::uint32_t>(records.size()));
    for (const EnemyRecord& r : records) {
        w.i32(r.type);
        w.i32(r.group);
        w.i32(r.speedClass);
        writePoint(w, r.position);
        w.i32(r.weaponRange);
    }
    return w.take();
}

std::vector<std::uint8_t> LevelFiles::encodeBonuses(const std::vector<BonusRecord>& records)
{
    ByteWriter w(4 + records.size() * kBonusRecordSize);
    w.u32(static_cast<std::uint32_t>(records.size()));
    for (const BonusRecord& r : records) {
        w.i32(r.kind);
        writePoint(w, r.position);
    }
    return w.take();
}

std::vector<std::uint8_t> LevelFiles::encodeMap(const TileMap& map)
{
    ByteWriter w(kMapHeaderSize + map.cells.size() * 4);
    w.i32(map.columns);
    w.i32(map.rows);
    w.i32(map.cellSize);
    for (std::int32_t c : map.cells)
        w.i32(c);
    return w.take();
}

} // namespace NVolant
