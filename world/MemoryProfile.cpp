#include "world/MemoryProfile.h"

#include <algorithm>

namespace NVolant {

void MemoryProfile::raiseLevelMax(int level)
{
    m_levelMax = std::max(m_levelMax, level);
}

void MemoryProfile::recordFinalScore(int score)
{
    const auto at = std::find_if(m_scores.begin(), m_scores.end(), [score](int s) { return s < score; });
    m_scores.insert(at, score);
}

} // namespace NVolant
