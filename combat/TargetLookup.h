#pragma once

#include "platform/Vector4.h"

#include <optional>
#include <vector>

namespace NVolant {

// What a homing missile or the aim sight needs to know of an enemy.
struct TargetInfo {
    int id = 0;
    Vector4 position{0.0f, 0.0f, 0.0f, 1.0f};  // world
    Vector4 direction{0.0f, 0.0f, 0.0f, 1.0f}; // of its movement
    float speed = 0.0f;                        // world px/ms
};

// The running level's enemies as seen from the weapons. Projectiles sit below the enemies and
// cannot know them; the enemy manager implements this and the game's arena hands it on while a
// level runs.
class TargetLookup {
public:
    TargetLookup(const TargetLookup&) = delete;
    TargetLookup& operator=(const TargetLookup&) = delete;
    virtual ~TargetLookup() = default;

    // The live enemy with this identifier, if any (identifiers below 1 find nothing).
    virtual std::optional<TargetInfo> targetById(int id) const = 0;
    // The first suitable enemy in the cone of coneDegrees ahead of a world point (the aim sight).
    virtual std::optional<TargetInfo> targetInCone(const Vector4& point, float coneDegrees) const = 0;
    // Identifiers of every target on screen ahead of a world point, in the manager's order (the
    // kill-all salvo).
    virtual std::vector<int> targetsAheadOf(const Vector4& point) const = 0;

protected:
    TargetLookup() = default;
};

} // namespace NVolant
