#pragma once

#include <cstddef>
#include <cstdint>

struct Vector4;

namespace NVolant {

class GameField;

// A fingerprint of everything that moves in the world: two runs of the same input must agree on
// it bit for bit. Identifiers are left out (their counters run on across games in one process).
class WorldChecksum final {
public:
    static std::uint32_t of(const GameField& field);

private:
    void addBytes(const void* data, std::size_t size);
    void add(int value) { addBytes(&value, sizeof value); }
    void add(float value) { addBytes(&value, sizeof value); }
    void add(const Vector4& v);

    std::uint32_t m_hash = 2166136261u;
};

} // namespace NVolant
