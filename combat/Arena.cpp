#include "combat/Arena.h"

namespace NVolant {

Arena::Arena(std::uint32_t seed, std::uint32_t integerSeed)
    : m_random(seed, integerSeed), m_effects(m_random), m_bonuses(m_sounds), m_shots(m_scores)
{
}

Arena::~Arena() = default;

void Arena::clearLevel()
{
    m_shots.restart();
    m_bonuses.restart();
    m_effects.restart();
}

void Arena::clearFlight()
{
    m_shots.restart();
    m_effects.restart();
}

} // namespace NVolant
