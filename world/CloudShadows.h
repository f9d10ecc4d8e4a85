#pragma once

#include <cstdint>
#include <memory>
#include <string>

class KGraphic;

namespace NLib {
class ResourceArchive;
} // namespace NLib

namespace NVolant {

// Shadows of clouds drifting slowly over the valley, so that the ground has broad light and dark
// areas and the flight a sense of height. Where each cloud is follows from the level height and
// the time alone: no random draw, nothing the world keeps.
class CloudShadows final {
public:
    // One cloud every this many pixels up the level, and the wind that moves them (pixels per ms:
    // across the valley and down it, against the flight).
    static constexpr float kSpacing = 900.0f;
    static constexpr float kWindX = 0.008f;
    static constexpr float kWindY = -0.012f;

    CloudShadows();
    CloudShadows(const CloudShadows&) = delete;
    CloudShadows& operator=(const CloudShadows&) = delete;
    ~CloudShadows();

    // The cloud picture: its alpha is the shadow's density. Optional: without it nothing is drawn.
    void load(const NLib::ResourceArchive& archive, const std::string& path);
    bool loaded() const { return m_picture != nullptr; }

    void update(float dt) { m_time += dt; }
    void draw(float scroll) const;

    struct Cloud {
        float x = 0.0f; // centre in level coordinates
        float y = 0.0f;
        float scale = 1.0f;
        float angle = 0.0f;
        float darkness = 0.0f; // alpha of the shadow's densest part
    };
    // Cloud number slot (one per kSpacing of the level) at the current time.
    Cloud cloud(std::int64_t slot) const;

private:
    std::unique_ptr<KGraphic> m_picture;
    double m_time = 0.0; // ms since the level began
};

} // namespace NVolant
