#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

class KBatch;
class KGraphic;

namespace NLib {
class Random;
class ResourceArchive;
} // namespace NLib

namespace NVolant {

// What a ".psi" file describes: 128 bytes, little-endian. Angles in radians, times in seconds,
// speeds in pixels per second.
struct ParticleInfo {
    KGraphic* texture = nullptr; // the file's first field; replaced by the texture when loaded
    std::int32_t emission = 0;   // new particles per second
    float lifetime = 0.0f;       // of the emitter; -1 = endless
    float lifeMin = 0.0f, lifeMax = 0.0f;
    float direction = 0.0f;
    float spread = 0.0f;
    std::int32_t relative = 0; // adds the emitter's direction of motion
    float speedMin = 0.0f, speedMax = 0.0f;
    float gravityMin = 0.0f, gravityMax = 0.0f;
    float radialMin = 0.0f, radialMax = 0.0f;
    float tangentialMin = 0.0f, tangentialMax = 0.0f;
    float sizeStart = 0.0f, sizeEnd = 0.0f, sizeVar = 0.0f;
    float spinStart = 0.0f, spinEnd = 0.0f, spinVar = 0.0f;
    float colorStart[4] = {0, 0, 0, 0};
    float colorEnd[4] = {0, 0, 0, 0};
    float colorVar = 0.0f;
    float alphaVar = 0.0f;

    static constexpr std::size_t kFileSize = 128;
    // Reads the description; false (and all zero) unless the buffer is exactly 128 bytes.
    bool read(const std::uint8_t* data, std::size_t size);
};

// A particle emitter: up to 500 live particles drawn with one texture in one batch. Emitters in
// play are copies of the templates the image registry loads.
class ParticleSystem final {
public:
    static constexpr int kMaxParticles = 500;

    struct Particle {
        float x, y;
        float vx, vy;
        float gravity;
        float radial;
        float tangential;
        float spin, spinChange;
        float size, sizeChange;
        float color[4];
        float colorChange[4];
        float age;
        float life;
    };

    ParticleSystem();
    // A template from a ".psi" file; fps 0 advances with the frame time, otherwise in fixed steps.
    // A missing or malformed file gives an emitter that emits and draws nothing.
    ParticleSystem(const NLib::ResourceArchive& archive, const std::string& path, KGraphic* texture,
                   float fps, NLib::Random* random = nullptr);
    // Without a random sequence to draw from, an emitter is a template that emits nothing.
    ParticleSystem(const ParticleInfo& info, KGraphic* texture, float fps, NLib::Random* random = nullptr);
    // A copy of a template that emits with random's draws: every field, with a batch of its own.
    ParticleSystem(const ParticleSystem& other, NLib::Random& random);
    ParticleSystem(const ParticleSystem&) = delete;
    ParticleSystem& operator=(const ParticleSystem&) = delete;
    ~ParticleSystem();

    void fireAt(float x, float y);
    // carry moves the live particles along (the world scrolled); otherwise the emitter moves.
    void moveTo(float x, float y, bool carry);
    void stop(bool kill);
    void update(float dtSeconds, float shiftY);
    void draw();

    int aliveCount() const { return m_aliveCount; }
    bool isStopped() const { return m_age == -2.0f; }
    void setScale(float s) { m_scale = s; }
    void transpose(float tx, float ty)
    {
        m_tx = tx;
        m_ty = ty;
    }

    const ParticleInfo& info() const { return m_info; }
    float locationX() const { return m_locationX; }
    float locationY() const { return m_locationY; }
    const Particle& particle(int i) const { return m_particles[static_cast<std::size_t>(i)]; }
    float age() const { return m_age; }
    KGraphic* texture() const { return m_info.texture; }

private:
    void step(float dt, float shiftY);
    void emit(int i, int n);

    ParticleInfo m_info;
    float m_updateStep = 0.0f;
    float m_residue = 0.0f;
    float m_age = -2.0f;
    float m_emissionResidue = 0.0f;
    float m_previousX = 0.0f, m_previousY = 0.0f;
    float m_locationX = 0.0f, m_locationY = 0.0f;
    float m_tx = 0.0f, m_ty = 0.0f;
    int m_aliveCount = 0;
    std::array<Particle, kMaxParticles> m_particles{};
    float m_scale = 1.0f;
    std::unique_ptr<KBatch> m_batch;
    NLib::Random* m_random = nullptr;
};

} // namespace NVolant
