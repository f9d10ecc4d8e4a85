#include "content/Scramble.h"

#include <vector>

namespace NLib {

namespace {

std::uint32_t signedByte(char c)
{
    return static_cast<std::uint32_t>(static_cast<std::int32_t>(static_cast<std::int8_t>(c)));
}

void xorPass(std::uint8_t* data, std::size_t length, const std::string& key, std::uint32_t sum,
             std::uint32_t offset, std::vector<std::uint8_t>& stream)
{
    const std::size_t n = key.size();
    for (std::size_t j = 0; j < n; ++j)
        stream[j] = static_cast<std::uint8_t>(key[(signedByte(key[j]) + sum + offset) % n]);
    for (std::size_t i = 0; i < length; ++i)
        data[i] ^= stream[i % n];
}

} // namespace

void scrambleBuffer(std::uint8_t* data, std::size_t length, const std::string& key)
{
    if (key.empty() || !data)
        return;
    std::uint32_t sum = 0;
    for (char c : key)
        sum += signedByte(c);
    // The second pass is keyed by the key's second character (none for a one-letter key).
    const std::uint32_t second = key.size() > 1 ? signedByte(key[1]) : 0;
    std::vector<std::uint8_t> stream(key.size());
    xorPass(data, length, key, sum, 0, stream);
    xorPass(data, length, key, sum, second, stream);
}

} // namespace NLib
