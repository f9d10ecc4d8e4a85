#pragma once

#include <cstdint>

namespace NLib {

// The game's own random generator: a 32-bit linear congruential generator shared by the whole
// process, starting at 0. Particles and enemies draw from it in a fixed order, so a replay of the
// same input reproduces the same game.
float rnd(float min, float max);

// Back to the start state (a new replay, a test).
void resetRnd(std::uint32_t seed = 0);
std::uint32_t rndSeed();

} // namespace NLib
