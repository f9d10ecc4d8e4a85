#include "content/Random.h"

namespace NLib {

namespace {

std::uint32_t g_seed = 0;

} // namespace

float rnd(float min, float max)
{
    g_seed = g_seed * 214013u + 2531011u;
    return min + (max - min) * static_cast<float>((g_seed >> 16) & 0xffffu) / 65535.0f;
}

void resetRnd(std::uint32_t seed)
{
    g_seed = seed;
}

std::uint32_t rndSeed()
{
    return g_seed;
}

} // namespace NLib
