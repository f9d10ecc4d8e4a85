#include "art/ArtParts.h"
#include "art/Canvas.h"
#include "art/Draw.h"

#include "common/DataTree.h"

#include <cstdint>
#include <cstring>
#include <vector>

namespace datagen::art {

namespace {

// The 128-byte emitter description, little-endian, angles in radians, times in seconds. Speeds
// are pixels per step: the emitter adds a particle's velocity once per update.
struct ParticleInfo {
    std::int32_t emission = 0;
    float lifetime = -1, lifeMin = 0, lifeMax = 0, direction = 0, spread = 0;
    std::int32_t relative = 0;
    float speedMin = 0, speedMax = 0, gravityMin = 0, gravityMax = 0;
    float radialMin = 0, radialMax = 0, tangentialMin = 0, tangentialMax = 0;
    float sizeStart = 0, sizeEnd = 0, sizeVar = 0, spinStart = 0, spinEnd = 0, spinVar = 0;
    float colorStart[4] = {1, 1, 1, 1}, colorEnd[4] = {1, 1, 1, 0};
    float colorVar = 0, alphaVar = 0;
};

void put32(std::vector<std::uint8_t>& out, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

void putF(std::vector<std::uint8_t>& out, float f)
{
    std::uint32_t v;
    std::memcpy(&v, &f, 4);
    put32(out, v);
}

std::vector<std::uint8_t> encode(const ParticleInfo& p)
{
    std::vector<std::uint8_t> out;
    put32(out, 0);
    put32(out, static_cast<std::uint32_t>(p.emission));
    for (float f : {p.lifetime, p.lifeMin, p.lifeMax, p.direction, p.spread})
        putF(out, f);
    put32(out, static_cast<std::uint32_t>(p.relative));
    for (float f :
         {p.speedMin, p.speedMax, p.gravityMin, p.gravityMax, p.radialMin, p.radialMax, p.tangentialMin,
          p.tangentialMax, p.sizeStart, p.sizeEnd, p.sizeVar, p.spinStart, p.spinEnd, p.spinVar})
        putF(out, f);
    for (float f : p.colorStart)
        putF(out, f);
    for (float f : p.colorEnd)
        putF(out, f);
    putF(out, p.colorVar);
    putF(out, p.alphaVar);
    return out;
}

constexpr float kDown = 3.1415927f; // direction pi points down the screen

} // namespace

void generateParticles(const DataTree& tree)
{
    // The texture: a soft round puff, white so that the colours come from the descriptions. Drawn
    // at 16 pixels x size x scale 4, so size 1 is a 64-pixel puff.
    Canvas tex(16, 16);
    {
        cairo_pattern_t* p = cairo_pattern_create_radial(8, 8, 0, 8, 8, 8);
        cairo_pattern_add_color_stop_rgba(p, 0, 1, 1, 1, 1);
        cairo_pattern_add_color_stop_rgba(p, 0.4, 1, 1, 1, 0.7);
        cairo_pattern_add_color_stop_rgba(p, 1, 1, 1, 1, 0);
        cairo_set_source(tex.cr(), p);
        cairo_paint(tex.cr());
        cairo_pattern_destroy(p);
    }
    tree.writeBytes("dat/particles/tail_plane.png", tex.png());

    // 2: missile and rocket trails, hot at the nozzle and cooling to grey smoke, thrown backwards.
    ParticleInfo trail;
    trail.emission = 70;
    trail.lifeMin = 0.35f, trail.lifeMax = 0.6f;
    trail.spread = 0.5f;
    trail.relative = 1;
    trail.speedMin = 0.2f, trail.speedMax = 0.6f;
    trail.sizeStart = 0.12f, trail.sizeEnd = 0.42f, trail.sizeVar = 0.5f;
    trail.spinEnd = 2;
    trail.colorStart[0] = 1, trail.colorStart[1] = 0.85f, trail.colorStart[2] = 0.55f,
    trail.colorStart[3] = 0.9f;
    trail.colorEnd[0] = 0.6f, trail.colorEnd[1] = 0.6f, trail.colorEnd[2] = 0.62f, trail.colorEnd[3] = 0;
    trail.colorVar = 0.2f, trail.alphaVar = 0.2f;
    tree.writeBytes("dat/particles/particle2.psi", encode(trail));

    // 3: foam of a boat's wake, which also serves as the welder's sparks of the main menu: small,
    // bright, spreading all round and falling slightly.
    ParticleInfo foam;
    foam.emission = 45;
    foam.lifeMin = 0.5f, foam.lifeMax = 1.0f;
    foam.spread = 6.2831855f;
    foam.speedMin = 0.1f, foam.speedMax = 0.6f;
    foam.gravityMin = 0.6f, foam.gravityMax = 1.2f;
    foam.sizeStart = 0.06f, foam.sizeEnd = 0.22f, foam.sizeVar = 0.6f;
    foam.colorStart[0] = 1, foam.colorStart[1] = 0.97f, foam.colorStart[2] = 0.85f,
    foam.colorStart[3] = 0.95f;
    foam.colorEnd[0] = 0.85f, foam.colorEnd[1] = 0.92f, foam.colorEnd[2] = 1, foam.colorEnd[3] = 0;
    foam.alphaVar = 0.3f;
    tree.writeBytes("dat/particles/particle3.psi", encode(foam));

    // 4, 5, 6: the plane's damage smoke, light to heavy, drifting back down the screen.
    const float emission[3] = {22, 40, 65};
    const float grey[3] = {0.85f, 0.55f, 0.25f};
    const float alpha[3] = {0.35f, 0.55f, 0.75f};
    const float size[3] = {0.35f, 0.5f, 0.7f};
    for (int k = 0; k < 3; ++k) {
        ParticleInfo smoke;
        smoke.emission = static_cast<std::int32_t>(emission[k]);
        smoke.lifeMin = 0.6f, smoke.lifeMax = 1.1f + 0.3f * k;
        smoke.direction = kDown;
        smoke.spread = 0.7f;
        smoke.speedMin = 0.8f, smoke.speedMax = 1.8f;
        smoke.sizeStart = 0.12f, smoke.sizeEnd = size[k], smoke.sizeVar = 0.4f;
        smoke.spinStart = 0, smoke.spinEnd = 1.5f, smoke.spinVar = 1;
        for (int c = 0; c < 3; ++c) {
            smoke.colorStart[c] = grey[k];
            smoke.colorEnd[c] = grey[k] * 0.8f;
        }
        smoke.colorStart[3] = alpha[k];
        smoke.colorEnd[3] = 0;
        smoke.colorVar = 0.1f, smoke.alphaVar = 0.2f;
        tree.writeBytes("dat/particles/particle" + std::to_string(4 + k) + ".psi", encode(smoke));
    }

    // 7: fire, drawn additively: short-lived yellow to deep red tongues.
    ParticleInfo fire;
    fire.emission = 60;
    fire.lifeMin = 0.15f, fire.lifeMax = 0.35f;
    fire.direction = kDown;
    fire.spread = 0.8f;
    fire.speedMin = 0.6f, fire.speedMax = 1.4f;
    fire.sizeStart = 0.14f, fire.sizeEnd = 0.04f, fire.sizeVar = 0.4f;
    fire.colorStart[0] = 1, fire.colorStart[1] = 0.8f, fire.colorStart[2] = 0.3f, fire.colorStart[3] = 0.9f;
    fire.colorEnd[0] = 0.9f, fire.colorEnd[1] = 0.15f, fire.colorEnd[2] = 0.02f, fire.colorEnd[3] = 0;
    fire.colorVar = 0.15f;
    tree.writeBytes("dat/particles/particle7.psi", encode(fire));
}

} // namespace datagen::art
