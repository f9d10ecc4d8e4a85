#pragma once

#include <string_view>
#include <vector>

namespace NVolant {

// How well a computer pilot flies: the limits a person at the mouse has and the ace has not.
// The ace (all zeros) sees everything the moment it appears and puts the pointer anywhere in one
// frame; the others notice late, keep only a few threats in mind, misjudge where a target is,
// move the mouse at a hand's speed with a little tremor, and use missiles as players do.
struct PilotSkill {
    std::string_view name;
    // From the moment something appears until the pilot acts on it.
    float reactionMs = 0.0f;
    // Threats (shots, rammers) kept in mind at once, the nearest first; 0: every one.
    int threatsInMind = 0;
    // How far, at most, the pilot misjudges a target's place across the screen (its own error
    // per target, held while the target is in sight).
    float aimErrorPx = 0.0f;
    // The hand's wobble about the point it means, and the farthest it moves the pointer in one
    // 60 Hz frame; 0: no limit.
    float tremorPx = 0.0f;
    float handPxPerFrame = 0.0f;
    // How many targets on screen at once make the pilot reach for missiles (bridges always do);
    // 0: only bridges.
    int missileCrowd = 3;
    // Whether a strong target in the sight is worth a missile.
    bool missilesAtStrongTargets = true;

    bool human() const { return reactionMs > 0.0f; }

    static const PilotSkill& ace();
    static const PilotSkill& expert();
    static const PilotSkill& average();
    static const PilotSkill& novice();
    // The pilot of that name, or null.
    static const PilotSkill* named(std::string_view name);
    static std::vector<std::string_view> names();
};

} // namespace NVolant
