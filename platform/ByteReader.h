#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

// Reads little-endian values from a byte range without ever leaving it. A read past the end
// yields zero (or nothing), leaves the position at the end and sets a sticky error flag, so a
// parser can read a whole record and check ok() once.
class ByteReader final {
public:
    ByteReader(const void* data, std::size_t size);
    explicit ByteReader(std::span<const std::uint8_t> bytes);

    std::uint8_t u8();
    std::uint16_t u16();
    std::uint32_t u32();
    std::int16_t i16() { return static_cast<std::int16_t>(u16()); }
    std::int32_t i32() { return static_cast<std::int32_t>(u32()); }
    float f32();

    // The next count bytes, or an empty span (and the error flag) when fewer remain.
    std::span<const std::uint8_t> bytes(std::size_t count);
    std::string text(std::size_t count);
    bool skip(std::size_t count);
    bool seek(std::size_t position);

    std::size_t position() const { return m_pos; }
    std::size_t size() const { return m_size; }
    std::size_t remaining() const { return m_size - m_pos; }
    bool atEnd() const { return m_pos >= m_size; }
    bool ok() const { return !m_failed; }

private:
    bool take(std::size_t count);

    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_pos = 0;
    bool m_failed = false;
};
