#pragma once

#include <cstdint>
#include <cstring>
#include <vector>

// Appends little-endian values to a growing byte buffer: the writing side of ByteReader.
class ByteWriter final {
public:
    explicit ByteWriter(std::size_t expected = 0) { m_bytes.reserve(expected); }

    void u32(std::uint32_t v)
    {
        for (int i = 0; i < 4; ++i)
            m_bytes.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
    }
    void i32(std::int32_t v) { u32(static_cast<std::uint32_t>(v)); }
    void f32(float v)
    {
        std::uint32_t bits;
        std::memcpy(&bits, &v, sizeof bits);
        u32(bits);
    }
    std::vector<std::uint8_t> take() { return std::move(m_bytes); }

private:
    std::vector<std::uint8_t> m_bytes;
};
