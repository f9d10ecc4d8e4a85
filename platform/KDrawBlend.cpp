#include "platform/KDrawBlend.h"

namespace {
std::optional<float> g_blend;
}

std::optional<float> KDrawBlend::current()
{
    return g_blend;
}

void KDrawBlend::set(std::optional<float> blend)
{
    g_blend = blend;
}
