#include "pilots/Attention.h"

namespace NVolant {

bool Attention::noticed(std::uint64_t key)
{
    const auto known = m_firstSeen.find(key);
    const std::uint32_t since = known != m_firstSeen.end() ? known->second : m_frame;
    m_seenNow.insert_or_assign(key, since);
    return static_cast<int>(m_frame - since) >= m_reactionFrames;
}

void Attention::nextFrame()
{
    m_firstSeen.swap(m_seenNow);
    m_seenNow.clear();
    ++m_frame;
}

} // namespace NVolant
