#include "platform/ByteReader.h"

#include <cstring>

ByteReader::ByteReader(const void* data, std::size_t size)
    : m_data(static_cast<const std::uint8_t*>(data)), m_size(data ? size : 0)
{
}

ByteReader::ByteReader(std::span<const std::uint8_t> bytes) : ByteReader(bytes.data(), bytes.size())
{
}

bool ByteReader::take(std::size_t count)
{
    if (count > remaining()) {
        m_pos = m_size;
        m_failed = true;
        return false;
    }
    return true;
}

std::uint8_t ByteReader::u8()
{
    if (!take(1))
        return 0;
    return m_data[m_pos++];
}

std::uint16_t ByteReader::u16()
{
    if (!take(2))
        return 0;
    const std::uint16_t v = static_cast<std::uint16_t>(m_data[m_pos] | (m_data[m_pos + 1] << 8));
    m_pos += 2;
    return v;
}

std::uint32_t ByteReader::u32()
{
    if (!take(4))
        return 0;
    const std::uint8_t* p = m_data + m_pos;
    m_pos += 4;
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

float ByteReader::f32()
{
    const std::uint32_t bits = u32();
    float v;
    std::memcpy(&v, &bits, sizeof v);
    return v;
}

std::span<const std::uint8_t> ByteReader::bytes(std::size_t count)
{
    if (!take(count))
        return {};
    std::span<const std::uint8_t> out(m_data + m_pos, count);
    m_pos += count;
    return out;
}

std::string ByteReader::text(std::size_t count)
{
    const auto b = bytes(count);
    return std::string(b.begin(), b.end());
}

bool ByteReader::skip(std::size_t count)
{
    if (!take(count))
        return false;
    m_pos += count;
    return true;
}

bool ByteReader::seek(std::size_t position)
{
    if (position > m_size) {
        m_pos = m_size;
        m_failed = true;
        return false;
    }
    m_pos = position;
    return true;
}
