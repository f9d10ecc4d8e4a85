#include "content/Random.h"

namespace NLib {

Random::Random(std::uint32_t seed, std::uint32_t integerSeed) : m_state(seed)
{
    // The additive feedback table of glibc's random_r (TYPE_3), seeded as its srandom_r does.
    const std::int32_t start = integerSeed == 0 ? 1 : static_cast<std::int32_t>(integerSeed);
    m_table[0] = static_cast<std::uint32_t>(start);
    std::int32_t word = start;
    for (std::size_t i = 1; i < kDegree; ++i) {
        const std::int32_t hi = word / 127773;
        const std::int32_t lo = word % 127773;
        word = 16807 * lo - 2836 * hi;
        if (word < 0)
            word += 2147483647;
        m_table[i] = static_cast<std::uint32_t>(word);
    }
    for (int i = 0; i < 10 * static_cast<int>(kDegree); ++i)
        integer();
}

float Random::between(float min, float max)
{
    m_state = m_state * 214013u + 2531011u;
    return min + (max - min) * static_cast<float>((m_state >> 16) & 0xffffu) / 65535.0f;
}

int Random::integer()
{
    m_table[m_front] += m_table[m_rear];
    const int result = static_cast<int>(m_table[m_front] >> 1);
    m_front = m_front + 1 == kDegree ? 0 : m_front + 1;
    m_rear = m_rear + 1 == kDegree ? 0 : m_rear + 1;
    return result;
}

} // namespace NLib
