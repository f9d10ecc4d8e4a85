#pragma once

#include "content/ParticleSystem.h"

#include <cstdint>
#include <cstring>
#include <vector>

// The 128 bytes of a ".psi" file for a description, written field by field.
inline std::vector<std::uint8_t> psiBytes(const NVolant::ParticleInfo& d)
{
    std::vector<std::uint8_t> out;
    auto put = [&out](const void* p) {
        const auto* b = static_cast<const std::uint8_t*>(p);
        out.insert(out.end(), b, b + 4);
    };
    const std::uint32_t zero = 0;
    put(&zero);
    put(&d.emission);
    for (const float* f : {&d.lifetime, &d.lifeMin, &d.lifeMax, &d.direction, &d.spread})
        put(f);
    put(&d.relative);
    for (const float* f : {&d.speedMin, &d.speedMax, &d.gravityMin, &d.gravityMax, &d.radialMin, &d.radialMax,
                           &d.tangentialMin, &d.tangentialMax, &d.sizeStart, &d.sizeEnd, &d.sizeVar,
                           &d.spinStart, &d.spinEnd, &d.spinVar})
        put(f);
    for (const float& f : d.colorStart)
        put(&f);
    for (const float& f : d.colorEnd)
        put(&f);
    put(&d.colorVar);
    put(&d.alphaVar);
    return out;
}
