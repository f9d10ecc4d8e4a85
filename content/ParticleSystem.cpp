#include "content/ParticleSystem.h"

#include "content/Random.h"
#include "content/ResourceArchive.h"
#include "platform/ByteReader.h"
#include "platform/KBatch.h"
#include "platform/KGraphic.h"
#include "platform/Log.h"

#include <cmath>

namespace NVolant {

bool ParticleInfo::read(const std::uint8_t* data, std::size_t size)
{
    *this = ParticleInfo{};
    if (!data || size != kFileSize)
        return false;
    ByteReader r(data, size);
    r.u32(); // the texture handle of the tool that wrote it
    emission = r.i32();
    lifetime = r.f32();
    lifeMin = r.f32();
    lifeMax = r.f32();
    direction = r.f32();
    spread = r.f32();
    relative = r.i32();
    speedMin = r.f32();
    speedMax = r.f32();
    gravityMin = r.f32();
    gravityMax = r.f32();
    radialMin = r.f32();
    radialMax = r.f32();
    tangentialMin = r.f32();
    tangentialMax = r.f32();
    sizeStart = r.f32();
    sizeEnd = r.f32();
    sizeVar = r.f32();
    spinStart = r.f32();
    spinEnd = r.f32();
    spinVar = r.f32();
    for (float& c : colorStart)
        c = r.f32();
    for (float& c : colorEnd)
        c = r.f32();
    colorVar = r.f32();
    alphaVar = r.f32();
    return r.ok();
}

ParticleSystem::ParticleSystem() : m_batch(createBatch())
{
    m_batch->reserveQuads(kMaxParticles);
}

ParticleSystem::ParticleSystem(const NLib::ResourceArchive& archive, const std::string& path,
                               KGraphic* texture, float fps, NLib::Random* random)
    : ParticleSystem(
          [&] {
              ParticleInfo info;
              const NLib::ByteBuffer data = archive.readFile(path);
              if (!info.read(data.data(), data.size()))
                  LOG_ERROR("particle file %s is missing or not %zu bytes", path.c_str(),
                            ParticleInfo::kFileSize);
              return info;
          }(),
          texture, fps, random)
{
}

ParticleSystem::ParticleSystem(const ParticleInfo& info, KGraphic* texture, float fps, NLib::Random* random)
    : ParticleSystem()
{
    m_random = random;
    m_info = info;
    m_info.texture = texture;
    m_updateStep = fps != 0.0f ? 1.0f / fps : 0.0f;
    // Tiny pulls are noise in the authoring tool; they would only make particles creep.
    for (float* v : {&m_info.gravityMin, &m_info.gravityMax, &m_info.tangentialMin, &m_info.tangentialMax})
        if (std::fabs(*v) < 0.5f)
            *v = 0.0f;
}

ParticleSystem::ParticleSystem(const ParticleSystem& other, NLib::Random& random)
    : m_info(other.m_info), m_updateStep(other.m_updateStep), m_residue(other.m_residue), m_age(other.m_age),
      m_emissionResidue(other.m_emissionResidue), m_previousX(other.m_previousX),
      m_previousY(other.m_previousY), m_locationX(other.m_locationX), m_locationY(other.m_locationY),
      m_tx(other.m_tx), m_ty(other.m_ty), m_aliveCount(other.m_aliveCount), m_particles(other.m_particles),
      m_scale(other.m_scale), m_batch(createBatch()), m_random(&random)
{
    m_batch->reserveQuads(kMaxParticles);
}

ParticleSystem::~ParticleSystem() = default;

void ParticleSystem::fireAt(float x, float y)
{
    stop(false);
    moveTo(x, y, false);
    m_age = m_info.lifetime == -1.0f ? -1.0f : 0.0f;
    m_residue = 0.0f;
}

void ParticleSystem::moveTo(float x, float y, bool carry)
{
    if (carry) {
        const float dx = x - m_locationX;
        const float dy = y - m_locationY;
        for (int i = 0; i < m_aliveCount; ++i) {
            m_particles[static_cast<std::size_t>(i)].x += dx;
            m_particles[static_cast<std::size_t>(i)].y += dy;
        }
        m_previousX += dx;
        m_previousY += dy;
    } else if (m_age == -2.0f) {
        // A stopped emitter jumps: no streak from where it was.
        m_previousX = x;
        m_previousY = y;
    } else {
        m_previousX = m_locationX;
        m_previousY = m_locationY;
    }
    m_locationX = x;
    m_locationY = y;
}

void ParticleSystem::stop(bool kill)
{
    m_age = -2.0f;
    if (kill)
        m_aliveCount = 0;
}

void ParticleSystem::update(float dtSeconds, float shiftY)
{
    if (m_updateStep == 0.0f) {
        step(dtSeconds, shiftY);
        return;
    }
    m_residue += dtSeconds;
    if (m_updateStep <= m_residue) {
        step(m_updateStep, shiftY);
        while (m_residue >= m_updateStep)
            m_residue -= m_updateStep;
    }
}

void ParticleSystem::step(float dt, float shiftY)
{
    if (m_age >= 0.0f) {
        m_age += dt;
        if (m_age >= m_info.lifetime)
            m_age = -2.0f;
    }

    for (int i = 0; i < m_aliveCount;) {
        Particle& p = m_particles[static_cast<std::size_t>(i)];
        p.age += dt;
        if (p.age >= p.life) {
            --m_aliveCount;
            p = m_particles[static_cast<std::size_t>(m_aliveCount)];
            continue;
        }
        float ax = p.x - m_locationX;
        float ay = p.y - m_locationY;
        const float len = std::sqrt(ax * ax + ay * ay);
        if (len > 0.0f) {
            ax /= len;
            ay /= len;
        }
        const float rx = ax * p.radial, ry = ay * p.radial;
        const float tx = -ay * p.tangential, ty = ax * p.tangential;
        p.vx += (rx + tx) * dt;
        p.vy += (ry + ty) * dt;
        p.vy += p.gravity * dt;
        // Velocity is added once per step, not scaled by the step: the templates are tuned so.
        p.x += p.vx;
        p.y += p.vy;
        p.spin += p.spinChange * dt;
        p.size += p.sizeChange * dt;
        for (int c = 0; c < 4; ++c)
            p.color[c] += p.colorChange[c] * dt;
        p.y += shiftY;
        ++i;
    }

    if (m_age != -2.0f) {
        const float needed = static_cast<float>(m_info.emission) * dt + m_emissionResidue;
        const int n = static_cast<int>(needed);
        m_emissionResidue = needed - static_cast<float>(n);
        for (int i = 0; i < n && m_random && m_aliveCount < kMaxParticles; ++i)
            emit(i, n);
    }
    m_previousX = m_locationX;
    m_previousY = m_locationY;
}

void ParticleSystem::emit(int i, int n)
{
    Particle& p = m_particles[static_cast<std::size_t>(m_aliveCount)];
    const ParticleInfo& d = m_info;
    const auto rnd = [this](float min, float max) { return m_random->between(min, max); };
    p.age = 0.0f;
    p.life = rnd(d.lifeMin, d.lifeMax);
    // Spread evenly along the emitter's path of this step.
    const float f = static_cast<float>(i) / static_cast<float>(n + 1);
    p.x = m_previousX + (m_locationX - m_previousX) * f;
    p.y = m_previousY + (m_locationY - m_previousY) * f;
    float angle = d.direction - 1.5707964f + rnd(0.0f, d.spread) - d.spread / 2.0f;
    if (d.relative != 0)
        angle += std::atan2(m_previousY - m_locationY, m_previousX - m_locationX) + 1.5707964f;
    const float speed = rnd(d.speedMin, d.speedMax);
    p.vx = std::cos(angle) * speed;
    p.vy = std::sin(angle) * speed;
    p.gravity = rnd(d.gravityMin, d.gravityMax);
    p.radial = rnd(d.radialMin, d.radialMax);
    p.tangential = rnd(d.tangentialMin, d.tangentialMax);
    p.size = rnd(d.sizeStart, d.sizeStart + (d.sizeEnd - d.sizeStart) * d.sizeVar);
    p.sizeChange = (d.sizeEnd - p.size) / p.life;
    p.spin = rnd(d.spinStart, d.spinStart + (d.spinEnd - d.spinStart) * d.spinVar);
    p.spinChange = (d.spinEnd - p.spin) / p.life;
    for (int c = 0; c < 4; ++c) {
        const float variation = c < 3 ? d.colorVar : d.alphaVar;
        p.color[c] = rnd(d.colorStart[c], d.colorStart[c] + (d.colorEnd[c] - d.colorStart[c]) * variation);
        p.colorChange[c] = (d.colorEnd[c] - p.color[c]) / p.life;
    }
    ++m_aliveCount;
}

void ParticleSystem::draw()
{
    KGraphic* texture = m_info.texture;
    if (!texture || m_aliveCount == 0)
        return;
    const float w = texture->getWidth();
    const float h = texture->getHeight();
    m_batch->startQuads(texture);
    for (int i = 0; i < m_aliveCount; ++i) {
        const Particle& p = m_particles[static_cast<std::size_t>(i)];
        texture->setModulateColor(p.color[0], p.color[1], p.color[2], p.color[3]);
        m_batch->addImageQuadEx(0.0f, 0.0f, w, h, p.x + m_tx - w / 2.0f, p.y + m_ty - h / 2.0f,
                                p.spin * p.age, p.size * m_scale, p.color[3]);
    }
    m_batch->flushQuads();
    texture->setModulateColor(1.0f, 1.0f, 1.0f, 1.0f);
}

} // namespace NVolant
